// The view mapping: device and drawing coordinates both ways, the zoom commands and keys, the
// caption, and the zoom tool driven by a scripted mouse and clock.
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "document/ViewUpdater.h"
#include "platform/MouseState.h"
#include "tests/support/FakeClock.h"
#include "tests/support/HandleForms.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/views/ViewTestDrawing.h"
#include "views/ScreenResolution.h"
#include "views/ZoomRules.h"

namespace {

struct Scale {
    int numerator, denominator;
};

void setScale(SheetSettings& sheet, Scale s)
{
    sheet.setScaleNumerator(s.numerator);
    sheet.setScaleDenominator(s.denominator);
}

// The device point of a drawing point.
IntPoint deviceOf(ViewMapping& view, double x, double y)
{
    IntPoint p;
    view.worldToDevice(x, y, &p);
    return p;
}

IntPoint centreOfView(ViewMapping& view)
{
    IntRect area;
    view.viewArea(area);
    return area.center();
}

} // namespace

TEST(ViewMapping, DevicePointsComeBackAndLengthsFollowScaleZoomAndLimits)
{
    ViewTestDrawing d(/*withRulers*/ 1);
    ViewMapping& view = *d.view;
    view.marginX = view.marginY = 10.0;

    // Device -> drawing -> device gives the pixel back, with rulers and scroll offsets set.
    const Scale scales[] = {{1, 1}, {1, 100}, {3, 1}, {1, 7}};
    const double zooms[] = {1.0, 0.37, 3.3, 100.0};
    const IntPoint points[] = {{15, 15}, {16, 17}, {400, 300}, {799, 599}, {0, 0}, {-40, 700}};
    for (Scale s : scales)
        for (double zoom : zooms) {
            setScale(*d.sheet, s);
            view.zoom = zoom;
            view.scrollX = 37;
            view.scrollY = -12;
            for (IntPoint p : points) {
                double x = 0, y = 0, z = 1;
                view.deviceToWorld(p, &x, &y, &z);
                EXPECT_EQ(z, 0.0);
                const IntPoint back = deviceOf(view, x, y);
                EXPECT_TRUE(back.x == p.x && back.y == p.y)
                    << s.numerator << ":" << s.denominator << " zoom " << zoom << " (" << p.x << "," << p.y << ") -> ("
                    << back.x << "," << back.y << ")";
            }
        }

    // At 1:100 a metre of drawing spans the pixels of 10 mm at 1:1.
    view.zoom = 1.0;
    setScale(*d.sheet, {1, 100});
    const double metre = view.lengthToPixels(1000.0, 1);
    setScale(*d.sheet, {1, 1});
    EXPECT_EQ(metre, view.lengthToPixels(10.0, 1));
    EXPECT_EQ(metre, 28.0);

    // 10 m at 1:1, zoom 100, 72 dpi is 2.8e9 pixels: the clamped form holds at 32000, the others
    // do not wrap round.
    view.zoom = 100.0;
    view.scrollX = view.scrollY = 0;
    IntPoint distant;
    view.worldToDeviceClamped(10000.0, -10000.0, &distant);
    EXPECT_EQ(distant.x, 32000);
    EXPECT_EQ(distant.y, -32000);
    EXPECT_EQ(view.worldToDeviceXForOp(1, 10000.0), 32000);
    EXPECT_GT(deviceOf(view, 10000.0, 0.0).x, 32000);
    EXPECT_EQ(view.lengthToPixelsForOp(1, 10000.0), 32000.0);

    // At 1:100 the margin and the crop band are paper millimetres: with a 10 mm left band the
    // band's outer edge lies at the 10 mm margin and the sheet's left edge 10 mm further in.
    view.zoom = 1.0;
    setScale(*d.sheet, {1, 100});
    ASSERT_TRUE(d.sheet->setTonboWidth(SheetSettings::kLeft, 10.0));
    const int tenMm = static_cast<int>(10.0 / 25.4 * 72.0);
    EXPECT_EQ(deviceOf(view, -d.sheet->tonboLeftInDrawing(), 0.0).x, 15 + tenMm);
    EXPECT_EQ(deviceOf(view, 0.0, 0.0).x, 15 + static_cast<int>(20.0 / 25.4 * 72.0));
}

TEST(ViewMapping, ZoomCommandsKeysAndFittingKeepTheirLimits)
{
    ViewTestDrawing d;
    ViewMapping& view = *d.view;

    view.zoom = 64.0;
    EXPECT_TRUE(view.zoomIn());
    EXPECT_EQ(view.zoom, 100.0);
    EXPECT_FALSE(view.canZoomIn());
    EXPECT_FALSE(view.zoomIn());
    view.zoom = 0.15;
    EXPECT_TRUE(view.zoomOut());
    EXPECT_EQ(view.zoom, 0.1);
    EXPECT_FALSE(view.canZoomOut());
    EXPECT_EQ(view.lastZoomDirection, 2);

    // The drawing point under the cursor stays under it, within a pixel.
    struct AtPoint {
        double zoom;
        IntPoint at;
        double factor;
    };
    const AtPoint atPoints[] = {{1.0, {100, 80}, 1.1},   {1.0, {700, 500}, 1 / 1.1}, {3.0, {0, 0}, 1.1 * 1.1},
                                {0.2, {799, 599}, 2.0}, {50.0, {400, 10}, 1.1},     {99.0, {123, 456}, 1.1}};
    for (const AtPoint& c : atPoints) {
        view.zoom = c.zoom;
        double x = 0, y = 0, z = 0;
        view.deviceToWorld(c.at, &x, &y, &z);
        ASSERT_TRUE(view.zoomAtPoint(c.at, c.factor));
        const IntPoint back = deviceOf(view, x, y);
        EXPECT_LE(std::abs(back.x - c.at.x), 1) << c.zoom << " at " << c.at.x;
        EXPECT_LE(std::abs(back.y - c.at.y), 1) << c.zoom << " at " << c.at.y;
    }
    EXPECT_FALSE(view.zoomAtPoint(IntPoint(801, 10), 1.1)); // outside the view area

    // Keys: '9' is 9 wherever the zoom was; '+' and '-' turn the click direction.
    view.zoom = 0.3;
    EXPECT_TRUE(view.handleZoomKey('9'));
    EXPECT_EQ(view.zoom, 9.0);
    EXPECT_TRUE(view.handleZoomKey('1'));
    EXPECT_EQ(view.zoom, 1.0);
    EXPECT_TRUE(view.handleZoomKey('-'));
    EXPECT_EQ(view.lastZoomDirection, 2);
    EXPECT_TRUE(view.handleZoomKey('+'));
    EXPECT_EQ(view.lastZoomDirection, 1);
    EXPECT_FALSE(view.handleZoomKey('a'));

    // '0' fits the sheet: a tiny sheet gives 100 and never more; a sheet of no size (a damaged
    // drawing) keeps the zoom.
    view.marginX = view.marginY = 0.0;
    ASSERT_TRUE(d.sheet->setSize(1.0, 1.0));
    view.zoom = 2.0;
    EXPECT_TRUE(view.handleZoomKey('0'));
    EXPECT_EQ(view.zoom, 100.0);
    ASSERT_TRUE(d.sheet->setSize(210.0, 297.0));
    EXPECT_TRUE(view.fitSheet());
    EXPECT_NEAR(view.zoom, std::fmin(800 / std::trunc(297 / 25.4 * 72), 600 / std::trunc(210 / 25.4 * 72)), 1e-12);
    view.zoom = 3.0;
    d.sheet->horizontalMm = 0.0;
    EXPECT_FALSE(view.fitSheet());
    EXPECT_EQ(view.zoom, 3.0);

    // A zoom or factor of 0, below 0 or not finite changes nothing; the biggest wheel turns stay
    // within the limits.
    const double bad[] = {0.0, -2.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()};
    for (double v : bad) {
        EXPECT_FALSE(view.setZoom(v));
        EXPECT_FALSE(view.setZoomTo(v));
        EXPECT_FALSE(view.zoomAtPoint(IntPoint(10, 10), v));
        EXPECT_EQ(view.zoom, 3.0);
    }
    EXPECT_TRUE(view.zoomAtPoint(IntPoint(10, 10), ZoomRules::wheelZoomFactor(32767)));
    EXPECT_EQ(view.zoom, 0.1);
    EXPECT_TRUE(view.zoomAtPoint(IntPoint(10, 10), ZoomRules::wheelZoomFactor(-32767)));
    EXPECT_EQ(view.zoom, 100.0);
}

namespace {
// The updater's last way of bringing the view to the window: the painter alone, or the painter
// with the selection marks over it.
class ShowingUpdater : public ViewUpdater {
public:
    void setOwner(DocumentContext*) override {}
    void flushPainter() override { shown = "painter"; }
    void refreshAll() override {}
    void refreshAfterReset() override { shown = "reset"; }
    void scrollBy(int, int) override {}
    void beginClip() override {}
    void endClip() override {}
    void repaint() override { shown = "painter and marks"; }
    std::string shown;
};
} // namespace

TEST(ViewMapping, EveryZoomShowsTheSelectionMarksAgain)
{
    ViewTestDrawing d;
    ViewMapping& view = *d.view;
    auto* updater = new ShowingUpdater;
    d.context.updater = updater;
    struct Row {
        const char* what;
        int (*zoom)(ViewMapping&);
    };
    const Row rows[] = {
        {"zoom in", [](ViewMapping& v) { return v.zoomIn(); }},
        {"zoom out", [](ViewMapping& v) { return v.zoomOut(); }},
        {"wheel", [](ViewMapping& v) { return v.zoomAtPoint(IntPoint(100, 100), 1.1); }},
        {"digit key", [](ViewMapping& v) { return v.handleZoomKey('3'); }},
        {"fit key", [](ViewMapping& v) { return v.handleZoomKey('0'); }},
        {"centring", [](ViewMapping& v) { v.centreOn(50.0, 50.0); return 1; }},
    };
    for (const Row& r : rows) {
        view.zoom = 1.0;
        updater->shown.clear();
        ASSERT_TRUE(r.zoom(view)) << r.what;
        EXPECT_EQ(updater->shown, "painter and marks") << r.what;
    }
}

TEST(ViewMapping, CaptionShowsChangeTitleAndEffectiveDpi)
{
    ViewTestDrawing d;
    ViewMapping& view = *d.view;
    d.document->setTitle("A");

    struct Row {
        double zoom;
        int dpi;
        int changed;
        const char* caption;
    };
    const Row rows[] = {
        {1.0, 72, 1, "*A  72 dpi "}, {0.5, 72, 0, "A  36 dpi "}, {0.1, 72, 0, "A  7.2 dpi "},
        {2.0, 72, 0, "A  144 dpi "}, {1.0, 96, 0, "A  96 dpi "}, {0.3, 96, 1, "*A  28.8 dpi "},
    };
    ScreenResolution resolution;
    ScopedOverride<ScreenResolution*> installed(theScreenResolution, &resolution);
    for (const Row& r : rows) {
        view.zoom = r.zoom;
        resolution.setDpi(r.dpi);
        d.document->changeCount = r.changed;
        view.updateViewCaption();
        EXPECT_EQ(d.caption(), r.caption);
    }
    // A resolution outside 10..200 never reaches the mapping.
    resolution.setDpi(0);
    EXPECT_EQ(view.dpi(), 10.0);
    resolution.setDpi(500);
    EXPECT_EQ(view.dpi(), 200.0);
    resolution.setDpi(72);

    // The "*" comes with the first change and goes with the save.
    view.zoom = 1.0;
    d.document->changeCount = 0;
    view.updateViewCaption();
    EXPECT_EQ(d.caption(), "A  72 dpi ");
    d.context.markModified();
    EXPECT_EQ(d.caption(), "*A  72 dpi ");
    d.document->markSaved();
    EXPECT_EQ(d.caption(), "A  72 dpi ");

    // A title of 259 bytes is cut at a character boundary; the resolution still shows.
    std::string title;
    while (title.size() < 258)
        title += "\x95\x5c"; // 表, whose trail byte is a backslash
    title += "Z";
    d.document->setTitle(title.c_str());
    d.document->changeCount = 1;
    char caption[260];
    ASSERT_TRUE(view.formatCaption(caption, sizeof caption));
    const std::string text = caption;
    const std::string tail = "  72 dpi ";
    ASSERT_GT(text.size(), tail.size() + 1);
    EXPECT_LE(text.size(), 259u);
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    const std::string kept = text.substr(1, text.size() - 1 - tail.size());
    EXPECT_EQ(kept.size() % 2, 0u);
    EXPECT_EQ(kept, title.substr(0, kept.size()));
}

TEST(ViewMapping, TheZoomToolZoomsByRectangleOnlyForLongAndSlowDrags)
{
    struct Drag {
        const char* name;
        IntPoint start;
        IntPoint end;
        DWORD releaseMs;
        int buttons;        // ScriptedMouse keys of the press
        int direction;      // the click direction before
        double zoom;        // expected
        IntPoint centre;    // device point (before the zoom) that comes to the view's centre
    };
    const Drag drags[] = {
        {"rectangle", {150, 100}, {350, 400}, 200, ScriptedMouse::kLeft, 1, 4.0, {250, 175}},
        {"8 pixels", {150, 100}, {158, 100}, 200, ScriptedMouse::kLeft, 1, 2.0, {150, 100}},
        {"149 ms", {150, 100}, {350, 400}, 149, ScriptedMouse::kLeft, 1, 2.0, {150, 100}},
        {"click out", {300, 200}, {300, 200}, 200, ScriptedMouse::kLeft, 2, 0.5, {300, 200}},
        {"right", {300, 200}, {300, 200}, 200, ScriptedMouse::kRight, 1, 0.5, {300, 200}},
    };
    for (const Drag& c : drags) {
        ViewTestDrawing d;
        ViewMapping& view = *d.view;
        view.lastZoomDirection = c.direction;
        double x = 0, y = 0, z = 0;
        view.deviceToWorld(c.centre, &x, &y, &z);

        FakeClock clock(1000);
        ScriptedMouse mouse;
        const IntPoint s = d.screenOf(c.start.x, c.start.y), m = d.screenOf(c.end.x, c.end.y);
        mouse.at(1000, s.x, s.y, c.buttons).at(1050, m.x, m.y, c.buttons).at(1000 + c.releaseMs, m.x, m.y);
        mouse.advanceClockPerRead(&clock, 1);

        EXPECT_EQ(view.zoomByMouse(), c.buttons == ScriptedMouse::kLeft ? 11 : 21) << c.name;
        EXPECT_DOUBLE_EQ(view.zoom, c.zoom) << c.name;
        const IntPoint now = deviceOf(view, x, y), centre = centreOfView(view);
        EXPECT_LE(std::abs(now.x - centre.x), 1) << c.name;
        EXPECT_LE(std::abs(now.y - centre.y), 1) << c.name;
    }
}

// The view's click wait takes a press only while the message in hand is the view's own. Once a
// handle's top bit is set, the message may name the view in its handle's other form: that is
// still the view's press.
TEST(ViewMapping, TheClickWaitTakesTheViewsOwnPressInEitherFormOfItsHandle)
{
    ViewTestDrawing d;
    RecordingWindow other;
    const struct {
        const char* what;
        HWND addressed; // the window of each message the wait steps to
        int result;
    } rows[] = {
        {"the view's handle", d.window.hwnd(), loopCode(MouseLoopResult::LeftClick)},
        {"the view's handle in its other form", otherHandleForm(d.window.hwnd()), loopCode(MouseLoopResult::LeftClick)},
        {"another window", other.hwnd(), loopCode(MouseLoopResult::Ended)},
    };
    for (const auto& row : rows) {
        ScopedOverride<HWND> addressed{ViewTestDrawing::ownWindow, row.addressed};
        theCurrentEvent->hwnd = nullptr;
        FakeClock clock(1000);
        ScriptedMouse mouse;
        const IntPoint p = d.screenOf(300, 200);
        mouse.at(1000, p.x, p.y).at(1100, p.x, p.y, ScriptedMouse::kLeft).at(1200, p.x, p.y);
        mouse.advanceClockPerRead(&clock, 20);
        EXPECT_EQ(d.view->waitClick(0), row.result) << row.what;
    }
}
