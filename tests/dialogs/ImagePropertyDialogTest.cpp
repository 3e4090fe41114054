// The bitmap's and the picture's property dialogs: the scale of the placement, the picture's file
// changed (or not) through the open dialog and drawn anew, and the mask page with its points,
// stepping, tools and deletion.
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "dialogs/properties/BitmapPropertyDialog.h"
#include "dialogs/properties/PicturePropertyDialog.h"
#include "document/Element.h"
#include "document/FileNameValue.h"
#include "elements/BitmapElement.h"
#include "elements/PictureElement.h"
#include "io/images/ImageReaderSwitch.h"
#include "resources/ids_images.h"
#include "resources/ids_properties.h"
#include "shapes/BitmapRaster.h"
#include "shapes/ImageMask.h"
#include "shapes/ImageTypeValue.h"
#include "tests/dialogs/PropertyFixture.h"
#include "tests/support/FileDialogScript.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixScript.h"

using namespace property_test;

namespace {

constexpr int kTypeTab = 1, kPicturePointTab = 2, kMaskTab = 3, kBitmapPointTab = 1;
const double kPointMm = 25.4 / 72; // one pixel of a picture

double numberIn(HWND w, int id) { return std::atof(textOf(w, id).c_str()); }

// BMP files of one colour, 40 x 20 pixels, made by ImageMagick.
struct Pictures {
    Pictures()
    {
        std::string script;
        for (const char* colour : {"red", "blue"})
            script += "convert -size 40x20 xc:" + std::string(colour) + " -type TrueColor BMP3:" +
                      quotedUnixPath(scratch.pathOf(std::string(colour) + ".bmp")) + " || exit 1\n";
        made = runUnixScript(script, scratch.pathOf("convert")) == 0;
    }
    std::string red() const { return scratch.pathOf("red.bmp"); }
    std::string blue() const { return scratch.pathOf("blue.bmp"); }
    ScratchFolder scratch;
    bool made = false;
    ScopedOverride<PictureReaderMaker> readers{makePictureReader, ImageReaderSwitch::make};
};

// A picture of the file from (100, 100), `scale` times its natural size.
int addPicture(PropertyDrawing& d, const std::string& path, double scale, int maskPoints = 0)
{
    return d.add(ElementKind::Picture, [&](Element& e) {
        e.firstPoint()->x = 100, e.firstPoint()->y = 100;
        e.secondPoint()->x = 100 + scale * 40 * kPointMm, e.secondPoint()->y = 100 + scale * 20 * kPointMm;
        e.imageKind()->value = ImageTypeValue::kBmp;
        e.fileName()->setText(path.c_str());
        e.imageMask()->outline.count = 0;
        // A closed path of maskPoints points relative to the start corner.
        for (int i = 0; i < maskPoints; ++i)
            ASSERT_EQ(e.imageMask()->outline.appendXY(0.25 + i, 0.5 * i), 1);
    });
}

// The test view, which also measures a bitmap's pixels as a view at 72 dots per inch does.
class PointView : public LinearView {
public:
    double pixelsToLengthEx(double pixels, double zoom, int, int) override { return pixels * kPointMm / zoom; }
};

} // namespace

TEST(BitmapPropertyDialog, ShowsTheScaleOfThePlacementAndRecomputesItWhenApplied)
{
    PropertyDrawing d;
    auto* view = new PointView;
    view->client = d.view->client;
    delete d.context.view;
    d.context.view = d.view = view;
    double width = 0, height = 0;
    // Twice the bitmap's width at 100 %, half its height, upwards.
    const int id = d.add(ElementKind::Bitmap, [&](Element& e) {
        e.bitmapSize()->width = 72; // 25.4 x 12.7 mm
        e.bitmapSize()->height = 36;
        auto& bitmap = dynamic_cast<BitmapElement&>(e);
        width = bitmap.widthAtZoom(100.0), height = bitmap.heightAtZoom(100.0);
        e.firstPoint()->x = 10, e.firstPoint()->y = 10;
        e.secondPoint()->x = 10 + 2 * width, e.secondPoint()->y = 10 - height / 2;
    });
    ASSERT_GE(id, 1);
    ASSERT_GT(width, 0.0);
    std::string caption, before, afterEdit, heightText;
    const int result = d.runSheet(id, 0, 0, [&](HWND w) {
        caption = captionOf(w);
        chooseTab(w, kBitmapPointTab);
        before = textOf(w, IDC_BITMAP_WIDTH_PERCENT);
        heightText = textOf(w, IDC_BITMAP_HEIGHT_PERCENT);
        type(w, IDC_BITMAP_END_X, "16.35"); // a quarter of 25.4 mm from the start
        click(w, IDC_PROPERTY_REDISPLAY);
        afterEdit = textOf(w, IDC_BITMAP_WIDTH_PERCENT);
        finish(w, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(caption, "ビットマップ");
    EXPECT_EQ(before, "200.00 %");
    EXPECT_EQ(heightText, "50.00 %");
    EXPECT_EQ(afterEdit, "25.00 %");
    EXPECT_DOUBLE_EQ(width, 25.4);
    EXPECT_DOUBLE_EQ(d.stored(id).secondPoint()->x, 16.35);
}

TEST(PicturePropertyDialog, TheFileChangesOnlyWhenChosenAndTheNextDrawShowsTheNewPicture)
{
    Pictures files;
    ASSERT_TRUE(files.made);
    PropertyDrawing d;
    const int id = addPicture(d, files.red(), 2.0);
    ASSERT_GE(id, 1);
    IntPoint inside;
    d.view->worldToDevice(110, 103, &inside);
    ASSERT_EQ(d.stored(id).draw(), 1);
    EXPECT_EQ(d.pixel(inside.x, inside.y), RGB(255, 0, 0));

    FileDialogScript dialogs;
    dialogs.answers = {"", files.blue()};
    std::string kind, shownBefore, afterCancel, afterChoice, widthText, tabs;
    const int result = d.runSheet(id, 0, 0, [&](HWND w) {
        chooseTab(w, kPicturePointTab);
        widthText = textOf(w, IDC_PICTURE_WIDTH_PERCENT);
        chooseTab(w, kTypeTab);
        kind = textOf(w, IDC_PICTURE_KIND_NAME);
        shownBefore = textOf(w, IDC_PICTURE_FILE_NAME);
        click(w, IDC_PICTURE_CHANGE_FILE);
        afterCancel = textOf(w, IDC_PICTURE_FILE_NAME);
        click(w, IDC_PICTURE_CHANGE_FILE);
        afterChoice = textOf(w, IDC_PICTURE_FILE_NAME);
        finish(w, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(widthText, "200.00 %");
    EXPECT_EQ(kind, "BMAP");
    EXPECT_EQ(shownBefore, files.red());
    EXPECT_EQ(afterCancel, files.red()) << "a cancelled choice keeps the file";
    EXPECT_EQ(afterChoice, files.blue());
    ASSERT_EQ(dialogs.filters.size(), 4u);
    EXPECT_EQ(dialogs.filters[0], "BITMAP(*.bmp)");
    EXPECT_EQ(std::string(d.stored(id).fileName()->text()), files.blue());
    ASSERT_EQ(d.stored(id).draw(), 1);
    EXPECT_EQ(d.pixel(inside.x, inside.y), RGB(0, 0, 255)) << "the reader is attached to the new file";
}

TEST(PicturePropertyDialog, TheMaskPageShowsAbsolutePointsAndItsToolsEndTheDialog)
{
    Pictures files;
    PropertyDrawing d;

    // Without a mask: nothing to show, only マスク作成... enabled.
    const int plain = addPicture(d, files.red(), 1.0);
    ASSERT_GE(plain, 1);
    std::vector<bool> enabled;
    std::string number, count;
    const int created = d.runSheet(plain, 0, 0, [&](HWND w) {
        chooseTab(w, kMaskTab);
        number = textOf(w, IDC_MASK_NUMBER);
        count = textOf(w, IDC_MASK_COUNT);
        for (int id : {IDC_MASK_CREATE, IDC_MASK_DELETE, IDC_MASK_MOVE, IDC_MASK_SCALE, IDC_MASK_MOVE_POINTS,
                       IDC_MASK_PREVIOUS, IDC_MASK_NEXT})
            enabled.push_back(isEnabled(w, id));
        finish(w, IDCANCEL);
    });
    EXPECT_EQ(created, 2);
    EXPECT_EQ(number, "0");
    EXPECT_EQ(count, "0");
    EXPECT_EQ(enabled, (std::vector<bool>{true, false, false, false, false, false, false}));

    // A mask of 7 points: shown absolute, stepped, one point typed; "拡大、縮小" stores the page
    // and answers 9903 (the dialog run by itself: the editor would start the mask tool), but not
    // while the point holds no number: the user is told and the dialog stays.
    const int masked = addPicture(d, files.red(), 1.0, 7);
    ASSERT_GE(masked, 1);
    Element& picture = d.stored(masked);
    PicturePropertyDialog dialog;
    dialog.bind(&picture);
    MessageBoxScript boxes;
    int resultWhileRefused = 0;
    std::vector<std::string> kinds;
    double firstX = 0, firstY = 0;
    std::vector<bool> tools;
    const INT_PTR result = driveModalDialog([&]() -> INT_PTR { return dialog.run(0, 0); }, [&](HWND w) {
        chooseTab(w, kMaskTab);
        firstX = numberIn(w, IDC_MASK_POINT_X);
        firstY = numberIn(w, IDC_MASK_POINT_Y);
        kinds.push_back(textOf(w, IDC_MASK_POINT_KIND));
        for (int id : {IDC_MASK_CREATE, IDC_MASK_DELETE, IDC_MASK_SCALE, IDC_MASK_PREVIOUS, IDC_MASK_NEXT})
            tools.push_back(isEnabled(w, id));
        click(w, IDC_MASK_NEXT);
        kinds.push_back(textOf(w, IDC_MASK_POINT_KIND) + " " + textOf(w, IDC_MASK_NUMBER) + "/" + textOf(w, IDC_MASK_COUNT));
        type(w, IDC_MASK_POINT_X, "x150");
        click(w, IDC_MASK_SCALE);
        resultWhileRefused = dialog.result;
        type(w, IDC_MASK_POINT_X, "150");
        click(w, IDC_MASK_SCALE);
    });
    EXPECT_EQ(boxes.texts(), "Xには-100000から100000までの数値を入力して下さい。");
    EXPECT_EQ(resultWhileRefused, 2) << "the dialog went on";
    EXPECT_EQ(result, 9903);
    EXPECT_DOUBLE_EQ(firstX, 100.25);
    EXPECT_DOUBLE_EQ(firstY, 100.0);
    EXPECT_EQ(kinds, (std::vector<std::string>{"アンカー", "フロート 2/7"}));
    EXPECT_EQ(tools, (std::vector<bool>{false, true, true, false, true}));
    Point p;
    ASSERT_EQ(picture.imageMask()->outline.getPoint(1, &p), 1);
    EXPECT_DOUBLE_EQ(p.x, 50.0) << "stored relative to the start corner";
    EXPECT_DOUBLE_EQ(p.y, 0.5) << "the untouched coordinate stays exactly";
    ASSERT_EQ(picture.imageMask()->outline.getPoint(0, &p), 1);
    EXPECT_EQ(p.x, 0.25);

    // "マスク削除" empties the outline and the dialog stays, showing none.
    PicturePropertyDialog again;
    again.bind(&picture);
    std::string countAfter;
    bool createEnabled = false;
    const INT_PTR kept = driveModalDialog([&]() -> INT_PTR { return again.run(0, 0); }, [&](HWND w) {
        chooseTab(w, kMaskTab);
        click(w, IDC_MASK_DELETE);
        countAfter = textOf(w, IDC_MASK_COUNT);
        createEnabled = isEnabled(w, IDC_MASK_CREATE);
        finish(w, IDOK);
    });
    EXPECT_EQ(kept, 1);
    EXPECT_EQ(countAfter, "0");
    EXPECT_TRUE(createEnabled);
    EXPECT_EQ(picture.imageMask()->outline.count, 0);
}
