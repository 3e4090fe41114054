// The batch setters of the kinds that carry text: the font's face, style and size reach the text,
// the leader text and the four dimensions (a new face is looked up again, so that a substituted
// face does not stay on screen), and the leader and arrow-head colours reach the leader text and
// the dimensions but not the plain text.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "geometry/DrawLineAttribute.h"
#include "geometry/FontAttributes.h"
#include "geometry/FontChangeTable.h"
#include "geometry/InkColor.h"
#include "platform/StringUtil.h"
#include "shapes/ArrowHeadStyle.h"
#include "tests/elements/LineFixture.h"
#include "tests/support/ScopedOverride.h"

using namespace element_fixture;

namespace {

// Faces whose names start with "Here" are installed; every other one shows as "代わり".
class SubstitutingTable : public FontChangeTable {
public:
    int lookUp(const char* face, int&) override { return std::string(face).rfind("Here", 0) == 0 ? -1 : 0; }
    int displayName(int row, char* out, int size) override
    {
        if (row != 0)
            return 0;
        StringUtil::copy(out, size, "代わり");
        return 1;
    }
};

std::string faceDrawn(const FontAttributes& font)
{
    char face[FontAttributes::kFaceSize] = {};
    font.faceToUse(face, sizeof face);
    return face;
}

} // namespace

TEST(TextKindSetters, FontValuesReachEveryTextKindAndLeaderColoursOnlyTheKindsWithALeader)
{
    SubstitutingTable table;
    ScopedOverride<FontChangeTable*> installed(theFontChangeTable, &table);
    LineDrawing drawing;
    FontAttributes font;
    font.setFaceName("Here Gothic");
    font.style = FontAttributes::kItalic;
    font.size = 6.5;
    InkColor red;
    red.setRgb(250, 0, 0);
    const struct {
        ElementKind kind;
        bool hasLeader;
    } cases[] = {{ElementKind::Text, false},         {ElementKind::TextLine, true},  {ElementKind::Measure, true},
                 {ElementKind::AngleMeasure, true}, {ElementKind::MsrRadius, true}, {ElementKind::MsrDiameter, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(kindCode(c.kind));
        std::unique_ptr<Element> e(drawing.registry->createElement(kindCode(c.kind)));
        ASSERT_TRUE(e && e->font());
        e->font()->setFaceNameAndLookup("Missing Mincho");
        ASSERT_EQ(faceDrawn(*e->font()), "代わり");
        e->setFontName(font);
        e->setFontStyle(font);
        e->setFontSize(font);
        EXPECT_EQ(std::string(e->font()->faceName), "Here Gothic");
        EXPECT_EQ(faceDrawn(*e->font()), "Here Gothic") << "the substitute of the former face is gone";
        EXPECT_EQ(e->font()->style, FontAttributes::kItalic);
        EXPECT_EQ(e->font()->size, 6.5);

        e->setArrowLineColour(red);
        e->setArrowHeadColour(red);
        if (c.hasLeader) {
            EXPECT_EQ(e->arrowLine()->colour.getRed(), 250);
            EXPECT_EQ(e->arrowHead()->colour.getRed(), 250);
        } else {
            EXPECT_EQ(e->arrowLine(), nullptr);
            EXPECT_EQ(e->arrowHead(), nullptr);
        }
    }
}
