// The property dialogs to look at: run by hand under Xvfb, photographing themselves (ImageMagick's
// import) into /tmp/k44-*.png (line, box, polygon) and /tmp/k51-*.png (text, leader text, the
// dimensions).
//   Xvfb :106 -screen 0 1280x1024x24 &
//   DISPLAY=:106 scripts/wine-run --prefix build/wineprefix-display --display
//       build/tests/test_dialogs.exe --gtest_also_run_disabled_tests
//       --gtest_filter='PropertyDialogScreenshot.*'      (one command line)
// Each dialog opens on its common page at (520, 40) beside a view window at the top left, in which
// the polygon and the red frame on its current vertex are drawn; every page shown is photographed
// after it was painted and after a window covered it and went again.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "document/Element.h"
#include "document/PropertyDialogPlacement.h"
#include "document/ViewUpdater.h"
#include "geometry/DrawPoint.h"
#include "geometry/FontAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/PointList.h"
#include "platform/DeviceContext.h"
#include "resources/ids_properties.h"
#include "resources/ids_text_properties.h"
#include "tests/dialogs/PropertyFixture.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixScript.h"

using namespace property_test;

namespace {

// The view's surface on a real window, so that what the elements and the vertex mark draw shows.
class WindowUpdater : public ViewUpdater {
public:
    explicit WindowUpdater(HWND view) : window(view), windowDc(GetDC(view)) { dc.attachHdc(windowDc); }
    ~WindowUpdater() override
    {
        dc.detachHdc();
        ReleaseDC(window, windowDc);
    }
    void setOwner(DocumentContext*) override {}
    void flushPainter() override {}
    void refreshAll() override {}
    void refreshAfterReset() override {}
    void scrollBy(int, int) override {}
    void beginClip() override {}
    void endClip() override {}
    [[nodiscard]] DeviceContext* surfaceForOperation(int) override { return &dc; }

    HWND window;
    HDC windowDc;
    DeviceContext dc;
};

// The steps of one dialog, one per tick: each switches to a tab (or does something) and the tick
// after it photographs the screen; what must be open in the photograph (a dropped list, which the
// cover closes) is opened just before it.
struct Step {
    Step(std::string name, std::function<void(HWND)> act, std::function<void(HWND)> beforeShot = nullptr)
        : name(std::move(name)), act(std::move(act)), beforeShot(std::move(beforeShot))
    {
    }
    std::string name;
    std::function<void(HWND)> act;
    std::function<void(HWND)> beforeShot;
};
struct Tour {
    HWND dialog = nullptr;
    HWND cover = nullptr;
    std::vector<Step> steps;
    size_t next = 0;
    int phase = 0;
};
Tour tour;
const char* shotPrefix = "/tmp/k44-";

void shoot(const std::string& name)
{
    ScratchFolder scratch;
    EXPECT_EQ(runUnixScript(std::string("import -window root ") + shotPrefix + name + ".png\n", scratch.pathOf("shot")),
              0)
        << name;
}

void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD)
{
    // Per step: act, cover, uncover, photograph.
    if (tour.next >= tour.steps.size()) {
        KillTimer(tour.dialog, 1);
        PostMessageA(tour.dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return;
    }
    const Step& step = tour.steps[tour.next];
    switch (tour.phase++) {
    case 0:
        step.act(tour.dialog);
        break;
    case 1: {
        RECT r;
        GetWindowRect(tour.dialog, &r);
        tour.cover = CreateWindowExA(WS_EX_TOPMOST, "Static", "", WS_POPUP | WS_VISIBLE | SS_GRAYRECT, r.left + 10,
                                     r.top + 10, r.right - r.left - 20, r.bottom - r.top - 20, tour.dialog, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
        break;
    }
    case 2:
        DestroyWindow(tour.cover);
        break;
    default:
        if (step.beforeShot) {
            step.beforeShot(tour.dialog);
            for (int i = 0; i < 5; ++i) { // what it opened paints before the photograph
                (void)pumpUntilIdle();
                Sleep(100);
            }
        }
        shoot(step.name);
        tour.phase = 0;
        ++tour.next;
        break;
    }
}

void showDialog(PropertyDrawing& d, int id, std::vector<Step> steps)
{
    PropertyDialogPlacement& placement = *d.context.propertyPlacement;
    placement.lastPage = 0;
    placement.placementMode = PropertyDialogPlacement::kRemembered;
    placement.position = IntPoint(520, 40);
    tour = Tour();
    tour.steps = std::move(steps);
    (void)d.runSheet(id, 1, 1, [](HWND w) {
        tour.dialog = w;
        SetTimer(w, 1, 600, onTick);
    });
}

std::function<void(HWND)> tab(int index)
{
    return [index](HWND w) { chooseTab(w, index); };
}

// A view window at the top left that the drawing's elements and the vertex marks are drawn on.
HWND showViewWindow(PropertyDrawing& d)
{
    HWND view = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE | WS_BORDER | SS_WHITERECT, 0, 0, 500, 400,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    delete d.context.updater;
    d.context.updater = new WindowUpdater(view);
    return view;
}

} // namespace

TEST(PropertyDialogScreenshot, DISABLED_LineBoxAndPolygonDialogs)
{
    PropertyDrawing d;
    d.app->showCommand = SW_SHOW;
    HWND view = showViewWindow(d);
    d.layers.setName(1, "1 下書き");
    d.layers.setName(2, "2 寸法");
    const int line = d.add(ElementKind::Line, [](Element& e) {
        e.setLayer(2);
        e.firstPoint()->x = 40, e.firstPoint()->y = 60;
        e.secondPoint()->x = 180.25, e.secondPoint()->y = 120.5;
    });
    const int box = d.add(ElementKind::Box, [](Element& e) {
        e.firstPoint()->x = 100, e.firstPoint()->y = 100;
        e.secondPoint()->x = 150, e.secondPoint()->y = 140;
    });
    const int polygon = d.addPoints(ElementKind::Polygon, {60, 60, 300, 80, 260, 260, 80, 220});
    showDialog(d, line, {{"line-common", [](HWND) {}}, {"line-colour", tab(1)}, {"line-type", tab(2)}, {"line-points", tab(3)}});
    showDialog(d, box, {{"box-common", [](HWND) {}}, {"box-area", tab(3)}, {"box-points", tab(4)}});
    showDialog(d, polygon, {{"polygon-points",
                             [](HWND w) {
                                 chooseTab(w, 4);
                                 (void)PropertyDrawing::dialog()->element->draw(); // drawn on the view window
                                 click(w, IDC_POLYGON_NEXT);
                             }}});
    DestroyWindow(view);
}

TEST(PropertyDialogScreenshot, DISABLED_TextAndDimensionDialogs)
{
    ScopedOverride<const char*> prefix{shotPrefix, "/tmp/k51-"};
    PropertyDrawing d;
    d.app->showCommand = SW_SHOW;
    HWND view = showViewWindow(d);
    const int text = d.add(ElementKind::Text, [](Element& e) {
        e.firstPoint()->x = 40, e.firstPoint()->y = 60;
        e.insertTextAt(0, "寸法の注記", 10);
        e.lean()->angle = 15;
        e.font()->style = FontAttributes::kBoldItalic;
        e.font()->setFaceName("ＭＳ 明朝");
    });
    const int leader = d.add(ElementKind::TextLine, [](Element& e) {
        e.vertices()->count = 0;
        (void)e.vertices()->appendXYZ(60, 200, 0);
        (void)e.vertices()->appendXYZ(160, 120, 0);
        (void)e.vertices()->appendXYZ(240, 120, 0);
        e.insertTextAt(0, "引出し", 6);
    });
    const int measure = d.add(ElementKind::Measure, [](Element& e) {
        e.clearPoints();
        e.appendPoint(60, 300, 0), e.appendPoint(260, 300, 0);
        e.thirdPoint()->x = 160, e.thirdPoint()->y = 270;
    });
    const auto dropFaces = [](HWND w) {
        SendDlgItemMessageA(w, IDC_TEXT_FACE, CB_SHOWDROPDOWN, TRUE, 0);
        SendDlgItemMessageA(w, IDC_MEASURE_FACE, CB_SHOWDROPDOWN, TRUE, 0);
    };
    showDialog(d, text, {{"text-common", [](HWND) {}}, {"text-colour", tab(1)}, {"text-font", tab(2)},
                         {"text-faces", [](HWND) {}, dropFaces}, {"text-points", tab(3)}});
    showDialog(d, leader, {{"leader-line", tab(3)}, {"leader-points", [](HWND w) {
                                                          chooseTab(w, 4);
                                                          (void)PropertyDrawing::dialog()->element->draw();
                                                          click(w, IDC_TEXTLINE_NEXT);
                                                      }}});
    showDialog(d, measure, {{"measure-colour", tab(1)}, {"measure-font", tab(2)}, {"measure-faces", [](HWND) {}, dropFaces},
                            {"measure-numeral", tab(3)}, {"measure-line", tab(4)}, {"measure-points", tab(5)}});
    DestroyWindow(view);
}
