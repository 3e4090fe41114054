// The image kinds' dialogs to look at: run by hand under Xvfb, photographing every page
// (ImageMagick's import) into /tmp/k48-settings-N.png, /tmp/k48-batch-N.png,
// /tmp/k48-bitmap-N.png and /tmp/k48-picture-N.png.
//   Xvfb :115 -screen 0 1280x1024x24 &
//   DISPLAY=:115 scripts/wine-run --prefix build/wineprefix-display --display
//       build/tests/test_dialogs.exe --gtest_also_run_disabled_tests
//       --gtest_filter='ImageScreenshot.*'      (one command line)
// The batch dialog shows the end Y typed (and so ticked) before its photographs; the picture has
// a mask of seven points.
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "document/Element.h"
#include "document/FileNameValue.h"
#include "io/images/ImageReaderSwitch.h"
#include "resources/ids_images.h"
#include "shapes/BitmapRaster.h"
#include "shapes/ImageMask.h"
#include "shapes/ImageTypeValue.h"
#include "tests/dialogs/defaults/DefaultsFixture.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixScript.h"

using namespace defaults_test;
using namespace property_test;

namespace {
// The view measures a bitmap's pixels as a view at 72 dots per inch does.
class PointView : public LinearView {
public:
    double pixelsToLengthEx(double pixels, double zoom, int, int) override { return pixels * 25.4 / 72 / zoom; }
};
} // namespace

TEST(ImageScreenshot, DISABLED_PictureDefaultsAndPropertyDialogs)
{
    ApplicationPictureRecord application;
    DefaultsDrawing d;
    d.app->showCommand = SW_SHOW;
    auto* view = new PointView;
    view->client = d.view->client;
    delete d.context.view;
    d.context.view = d.view = view;
    ScopedOverride<PictureReaderMaker> readers(makePictureReader, ImageReaderSwitch::make);
    ScratchFolder scratch;
    const std::string harbour = scratch.pathOf("harbour.bmp");
    ASSERT_EQ(runUnixScript("convert -size 150x100 plasma:fractal -type TrueColor BMP3:" + quotedUnixPath(harbour) + "\n",
                            scratch.pathOf("convert")),
              0);
    (void)d.run(&DocumentContext::editPictureDefaults, photographing("k48-settings", 2));
    (void)d.run(&DocumentContext::batchEditPicture, photographing("k48-batch", 2, [](HWND w) {
        chooseTab(w, 1);
        type(w, IDC_PICTURE_BATCH_END_Y, "120");
        SendMessageA(w, WM_COMMAND, MAKEWPARAM(IDC_PICTURE_BATCH_END_Y, EN_CHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(w, IDC_PICTURE_BATCH_END_Y)));
    }));
    const int bitmap = d.add(ElementKind::Bitmap, [](Element& e) {
        e.bitmapSize()->width = 64;
        e.bitmapSize()->height = 48;
        e.firstPoint()->x = 20, e.firstPoint()->y = 20;
        e.secondPoint()->x = 60, e.secondPoint()->y = 50;
    });
    (void)d.runSheet(bitmap, 0, 0, photographing("k48-bitmap", 2));
    const int picture = d.add(ElementKind::Picture, [&](Element& e) {
        e.firstPoint()->x = 20, e.firstPoint()->y = 20;
        e.secondPoint()->x = 60, e.secondPoint()->y = 50;
        e.imageKind()->value = ImageTypeValue::kBmp;
        e.fileName()->setText(harbour.c_str());
        e.imageMask()->outline.count = 0;
        for (int i = 0; i < 7; ++i)
            (void)e.imageMask()->outline.appendXY(2.0 * i, i % 3);
    });
    (void)d.runSheet(picture, 0, 0, photographing("k48-picture", 4));
}
