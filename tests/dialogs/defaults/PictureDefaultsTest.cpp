// The picture defaults: "IMAGE設定" and the thumbnail flag that the drawing's pictures are drawn
// with, and "IMAGE一括" moving only the ticked coordinate of the selected bitmaps and pictures.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/FileNameValue.h"
#include "document/UndoManager.h"
#include "resources/ids_defaults.h"
#include "resources/ids_images.h"
#include "shapes/BitmapRaster.h"
#include "shapes/ImageTypeValue.h"
#include "tests/dialogs/defaults/DefaultsFixture.h"
#include "tests/support/FakePictureReader.h"
#include "tests/support/MessagePump.h"

using namespace defaults_test;
using namespace property_test;

namespace {

constexpr int kDisplayTab = 1, kPointsTab = 1;

int addPicture(DefaultsDrawing& d, double x)
{
    return d.add(ElementKind::Picture, [&](Element& e) {
        e.firstPoint()->x = x, e.firstPoint()->y = 10;
        e.secondPoint()->x = x + 20, e.secondPoint()->y = 30;
        e.imageKind()->value = ImageTypeValue::kJpeg;
        e.fileName()->setText("C:\\pictures\\photo.jpg");
    });
}

} // namespace

TEST(PictureSettings, TheThumbnailFlagDrawsTheDrawingsPicturesAndOnlyOkKeepsIt)
{
    ApplicationPictureRecord application;
    DefaultsDrawing d;
    FakePictureReaders readers;
    const int id = addPicture(d, 10);
    ASSERT_GE(id, 1);
    ASSERT_EQ(d.stored(id).draw(), 1);
    EXPECT_EQ(FakePictureFiles::current().lastDrawingMode, 1) << "drawn as a thumbnail at first";

    // Cancel keeps the flag; OK with the box cleared changes the next redraw and the application's
    // record, which later drawings copy.
    for (int button : {IDCANCEL, IDOK}) {
        std::string caption;
        std::vector<std::string> tabs;
        bool shown = false;
        (void)d.run(&DocumentContext::editPictureDefaults, [&](HWND w) {
            caption = captionOf(w);
            chooseTab(w, kDisplayTab);
            shown = isTicked(w, IDC_PICTURE_SET_THUMBNAIL);
            tick(w, IDC_PICTURE_SET_THUMBNAIL, false);
            finish(w, button);
        });
        EXPECT_EQ(caption, "ピクチャーの設定");
        EXPECT_TRUE(shown);
        ASSERT_EQ(d.stored(id).draw(), 1);
        EXPECT_EQ(FakePictureFiles::current().lastDrawingMode, button == IDOK ? 0 : 1) << button;
        EXPECT_EQ(application.record.thumbnailFlag(), button == IDOK ? 0 : 1) << button;
    }
    DefaultsDrawing later;
    EXPECT_EQ(later.pictureRecord().thumbnailFlag(), 0);
}

TEST(PictureBatch, OnlyTheTickedEndYReachesTheSelectedBitmapsAndPicturesInOneUndoStep)
{
    ApplicationPictureRecord application;
    DefaultsDrawing d;
    FakePictureReaders readers;
    const int bitmap = d.add(ElementKind::Bitmap, [](Element& e) {
        e.bitmapSize()->width = 10;
        e.bitmapSize()->height = 10;
        e.firstPoint()->x = 100, e.firstPoint()->y = 10;
        e.secondPoint()->x = 120, e.secondPoint()->y = 20;
    });
    const int picture = addPicture(d, 10);
    const int line = d.addLine(5, 5, 60, 40);
    ASSERT_GE(bitmap, 1);
    ASSERT_GE(picture, 1);
    ASSERT_GE(line, 1);
    d.select({bitmap, picture, line});
    const int records = d.context.undoManager->recordCount();

    std::string caption;
    std::vector<int> ticked;
    const int result = d.run(&DocumentContext::batchEditPicture, [&](HWND w) {
        caption = captionOf(w);
        chooseTab(w, kPointsTab);
        type(w, IDC_PICTURE_BATCH_END_Y, "75.5");
        SendMessageA(w, WM_COMMAND, MAKEWPARAM(IDC_PICTURE_BATCH_END_Y, EN_CHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(w, IDC_PICTURE_BATCH_END_Y)));
        ticked = tickedAmong(w, {IDC_PICTURE_TICK_START_X, IDC_PICTURE_TICK_START_Y, IDC_PICTURE_TICK_END_X,
                                 IDC_PICTURE_TICK_END_Y});
        finish(w, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(caption, "ピクチュアーの一括編集");
    EXPECT_EQ(ticked, std::vector<int>{IDC_PICTURE_TICK_END_Y}) << "typing a value ticks its own box";
    struct Expected {
        int id;
        double startX, startY, endX, endY;
    };
    for (const Expected& e : {Expected{bitmap, 100, 10, 120, 75.5}, Expected{picture, 10, 10, 30, 75.5},
                              Expected{line, 5, 5, 60, 40}}) {
        Element& element = d.stored(e.id);
        EXPECT_EQ(element.firstPoint()->x, e.startX) << e.id;
        EXPECT_EQ(element.firstPoint()->y, e.startY) << e.id;
        EXPECT_EQ(element.secondPoint()->x, e.endX) << e.id;
        EXPECT_EQ(element.secondPoint()->y, e.endY) << e.id;
    }
    EXPECT_EQ(d.context.undoManager->recordCount(), records + 1);
    ASSERT_EQ(d.context.undo(), 1);
    EXPECT_EQ(d.stored(bitmap).secondPoint()->y, 20);
    EXPECT_EQ(d.stored(picture).secondPoint()->y, 30);
}
