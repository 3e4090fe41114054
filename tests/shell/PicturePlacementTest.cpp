// Placing pictures in a real document window of the frame: a placement button chooses a file
// through the system's open dialog (a script stands in for the user), the next mouse move places a
// picture of it with the scripted mouse, and the picture takes the drawing record's layer, kind and
// file; a cancelled choice places nothing and keeps the file chosen before.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementStore.h"
#include "document/FileNameValue.h"
#include "document/PageChainTable.h"
#include "document/PainterBase.h"
#include "document/PictureDefaults.h"
#include "elements/ElementKindRegistry.h"
#include "geometry/PickSettings.h"
#include "platform/CurrentEvent.h"
#include "shapes/ImageTypeValue.h"
#include "shell/FrameCommands.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakePictureReader.h"
#include "tests/support/FileDialogScript.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/UnixScript.h"
#include "views/ViewMapping.h"
#include "views/tools/ElementEditor.h"

namespace {

class PicturePlacing : public ViewFrameTest {
protected:
    void SetUp() override
    {
        ViewFrameTest::SetUp();
        ASSERT_TRUE(window->context->pictureDefaults);
    }

    PictureDefaults& record() { return *drawing().pictureDefaults; }
    // A placement button, then a mouse move into the view and a click at a client point.
    void place(int tool, const IntPoint& at, FakeClock& clock)
    {
        layout.current = tool;
        window->runToolButton();
        POINT p{at.x, at.y};
        ClientToScreen(viewWindow, &p);
        ScriptedMouse mouse;
        const DWORD t = clock.now();
        // The press comes after the double-click time: a single click places.
        mouse.at(t, p.x, p.y).at(t + 800, p.x, p.y, ScriptedMouse::kLeft).at(t + 860, p.x, p.y).at(t + 1000, -500, -500);
        mouse.advanceClockPerRead(&clock, 10);
        window->startCurrentTool();
        settleEvents();
    }
    Element& stored(int id)
    {
        EXPECT_EQ(drawing().editor3->beginEdit(id), 1);
        return *drawing().editor3->elementInHand();
    }
};

} // namespace

TEST_F(PicturePlacing, AChosenFileIsPlacedByTheMouseAndACancelledChoicePlacesNothing)
{
    ScratchFolder scratch;
    const std::string bmp = scratch.pathOf("red.bmp");
    ASSERT_EQ(runUnixScript("convert -size 40x20 xc:'#FF0000' -type TrueColor BMP3:" + quotedUnixPath(bmp) + "\n",
                            scratch.pathOf("convert")),
              0);
    FakeClock clock(1000, 500);
    (void)drawing().restartTimer(); // the drawing's clicks are timed on the scripted clock from here
    FileDialogScript dialogs;
    record().layer.layer = 7;

    // BITMAP: the open dialog lists bitmaps; the picture follows the mouse at the image's size
    // and is placed by the click, on the record's layer, and drawn from the file.
    dialogs.answers = {bmp};
    place(TOOL_BITMAP, IntPoint(100, 100), clock);
    EXPECT_EQ(dialogs.filters, (std::vector<std::string>{"BITMAP(*.bmp)", "*.bmp", "すべて(*.*)", "*.*"}));
    EXPECT_EQ(record().placedKind, ImageTypeValue::kBmp);
    std::vector<int> ids = pageIds();
    ASSERT_EQ(ids.size(), 1u);
    Element& bitmap = stored(ids[0]);
    EXPECT_EQ(bitmap.kind, kindCode(ElementKind::Picture));
    EXPECT_EQ(bitmap.getLayer(), 7);
    EXPECT_EQ(bitmap.imageKind()->value, ImageTypeValue::kBmp);
    EXPECT_EQ(std::string(bitmap.fileName()->text()), bmp);
    // 40 x 20 pixels are 40 x 20 points: about 14.1 x 7.1 mm at 1:1.
    EXPECT_NEAR(std::fabs(bitmap.secondPoint()->x - bitmap.firstPoint()->x), 40 * 25.4 / 72, 1e-6);
    EXPECT_NEAR(std::fabs(bitmap.secondPoint()->y - bitmap.firstPoint()->y), 20 * 25.4 / 72, 1e-6);
    IntPoint corner;
    drawing().view->worldToDevice(bitmap.firstPoint()->x, bitmap.firstPoint()->y, &corner);
    const IntPoint inside(corner.x + 3, corner.y + (bitmap.secondPoint()->y > bitmap.firstPoint()->y ? 3 : -3));
    EXPECT_EQ(GetPixel(drawing().pagePainter->surface()->hdc, inside.x, inside.y), RGB(255, 0, 0));

    // JPEG cancelled: nothing is placed, and the record keeps the bitmap for the next dialog.
    dialogs.answers = {""};
    place(TOOL_JPEG, IntPoint(200, 100), clock);
    EXPECT_EQ(record().placedKind, -1);
    EXPECT_EQ(record().hasImage(), 0);
    EXPECT_EQ(std::string(record().fileName.getPath()), bmp);
    EXPECT_EQ(pageIds().size(), 1u);
    ASSERT_EQ(dialogs.startedFrom.size(), 2u);
    EXPECT_EQ(dialogs.startedFrom[1].rfind(scratch.path(), 0), 0u) << "the dialog starts in the bitmap's folder";

    // GIF (read by a stand-in reader): a new picture of kind 3 and the chosen path.
    FakePictureReaders readers;
    dialogs.answers = {"C:\\pictures\\cat.gif"};
    place(TOOL_GIF, IntPoint(200, 200), clock);
    ids = pageIds();
    ASSERT_EQ(ids.size(), 2u);
    const int gifId = stored(ids[0]).imageKind()->value == ImageTypeValue::kGif ? ids[0] : ids[1];
    Element& gif = stored(gifId);
    EXPECT_EQ(gif.imageKind()->value, ImageTypeValue::kGif);
    EXPECT_EQ(std::string(gif.fileName()->text()), "C:\\pictures\\cat.gif");
    EXPECT_EQ(gif.getLayer(), 7);
}

TEST_F(PicturePlacing, EveryRefusedFileSaysSoOnceAndNothingIsPlaced)
{
    ScratchFolder scratch;
    ASSERT_EQ(runUnixScript("cd " + quotedUnixPath(scratch.path()) +
                                "\nconvert -size 40x20 xc:'#FF0000' -type TrueColor BMP3:good.bmp"
                                "\nconvert -size 40x20 plasma:fractal -colors 16 good.gif"
                                "\nconvert -size 40x20 plasma:fractal good.jpg"
                                "\nconvert -size 40x20 plasma:fractal -compress none good.tif\n",
                            scratch.pathOf("convert")),
              0);
    const std::string bmp = ScratchFolder::read(scratch.pathOf("good.bmp"));
    const std::string gif = ScratchFolder::read(scratch.pathOf("good.gif"));
    const std::string jpeg = ScratchFolder::read(scratch.pathOf("good.jpg"));
    const std::string tiff = ScratchFolder::read(scratch.pathOf("good.tif"));
    auto patched = [](std::string bytes, size_t at, std::uint32_t value, int size) {
        std::memcpy(&bytes[at], &value, static_cast<size_t>(size));
        return bytes;
    };
    // A DOS EPS header whose PostScript section lies past the file's end.
    const std::string binaryEps = patched(patched(std::string("\xC5\xD0\xD3\xC6", 4) + std::string(26, '\0'), 4, 30, 4),
                                          8, 1000, 4) + "%!PS\n";
    FakeClock clock(1000, 500);
    (void)drawing().restartTimer();
    FileDialogScript dialogs;
    MessageBoxScript boxes;
    const std::string cannot = "処理できないファイルです。";
    struct Case {
        const char* name;
        int tool;
        const char* file;
        std::string bytes; // empty: the file as it stands
        std::string message;
    };
    // One after the other, with nothing redrawn in between, as a user tries one file after another.
    const Case cases[] = {
        {"a truncated BMP", TOOL_BITMAP, "cut.bmp", bmp.substr(0, bmp.size() - 1), cannot + " / BMAPエラー"},
        {"a BMP of negative height", TOOL_BITMAP, "negative.bmp", patched(bmp, 22, static_cast<std::uint32_t>(-20), 4),
         cannot + " / BMAPエラー"},
        {"a 7-bit BMP", TOOL_BITMAP, "seven.bmp", patched(bmp, 28, 7, 2), cannot + " / BMAPエラー"},
        {"the truncated BMP again", TOOL_BITMAP, "cut.bmp", "", cannot + " / BMAPエラー"},
        {"a GIF of another signature", TOOL_GIF, "other.gif", "GIF88a" + gif.substr(6), cannot + " / GIFエラー"},
        {"a GIF without its image", TOOL_GIF, "cut.gif", gif.substr(0, 13), cannot + " / GIFエラー"},
        {"a JPEG cut before its data", TOOL_JPEG, "cut.jpg", jpeg.substr(0, 200), cannot + " / JPEGエラー"},
        {"the cut JPEG again", TOOL_JPEG, "cut.jpg", "", cannot + " / JPEGエラー"},
        {"a TIFF of byte order XX", TOOL_TIFF, "xx.tif", "XX" + tiff.substr(2), cannot + " / TIFFエラー"},
        {"an EPS whose PostScript lies past its end", TOOL_EPS, "past.eps", binaryEps, cannot + " / EPSエラー"},
        {"an EPS without a box", TOOL_EPS, "nobox.eps", "%!PS\n%%Title: x\n", "%%BoundingBox:が見つかりません。 / EPSエラー"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = c.bytes.empty() ? scratch.pathOf(c.file) : scratch.file(c.file, c.bytes);
        dialogs.answers = {path};
        place(c.tool, IntPoint(100, 100), clock);
        std::string shown;
        for (const MessageBoxScript::Box& b : boxes.shown())
            shown += (shown.empty() ? "" : " | ") + b.text + " / " + b.caption;
        EXPECT_EQ(shown, c.message);
        boxes.clear();
        EXPECT_EQ(pageIds().size(), 0u);
    }
}
