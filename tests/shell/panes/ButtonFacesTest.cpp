// The button face bitmaps as the executable carries them.
#include <map>
#include <vector>

#include "shell/panes/CommandDefinition.h"
#include "tests/shell/panes/PaneFixture.h"
#include "tests/support/TestResources.h"

TEST_F(PaneTest, EveryFaceThatAButtonNamesIsDrawnInAllThreeBitmaps)
{
    for (int id = 103; id <= 105; ++id) {
        SCOPED_TRACE(id);
        BitmapCache* faces = manager.faceBitmap(id);
        ASSERT_TRUE(faces);
        ASSERT_TRUE(faces->load());
        BITMAP info = {};
        ASSERT_TRUE(GetObjectA(faces->bitmap, sizeof info, &info));
        EXPECT_EQ(info.bmWidth, 180);
        EXPECT_EQ(info.bmHeight, 180);
        DibSurface sheet(180, 180);
        SurfaceWindow target(sheet);
        const IntRect whole = IntRect::fromEdges(0, 0, 180, 180);
        ASSERT_TRUE(faces->draw(&target, whole, whole, 1));
        int named = 0;
        for (int definition = 101; definition <= 164; ++definition) {
            CommandDefinition d;
            ASSERT_TRUE(d.load(definition));
            if (d.type != ButtonType::Button)
                continue;
            ++named;
            // The cell's ground is its most common colour; the picture is what differs.
            const int x = d.faceColumn * 18;
            const int y = d.faceRow * 18;
            std::map<COLORREF, int> colours;
            for (int j = 0; j < 18; ++j)
                for (int i = 0; i < 18; ++i)
                    ++colours[sheet.pixel(x + i, y + j)];
            COLORREF ground = 0;
            int most = 0;
            for (const auto& c : colours)
                if (c.second > most) {
                    ground = c.first;
                    most = c.second;
                }
            EXPECT_GE(sheet.inkCount(x, y, x + 18, y + 18, ground), 8) << "cell " << d.faceColumn << ", " << d.faceRow;
            // A disabled picture is strokes on the face, never a grey block that hides what the
            // button is (a white label with dark letters).
            if (id == 105) {
                EXPECT_EQ(ground, RGB(192, 192, 192)) << "cell " << d.faceColumn << ", " << d.faceRow;
            }
        }
        EXPECT_EQ(named, 56);
    }
}
