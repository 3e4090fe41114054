// The Bezier curve's property dialog: its tabs, the anchors and control points of its coordinate
// page, the point edited alone, its colours and its area page.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "dialogs/properties/BezierPropertyDialog.h"
#include "document/Element.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/PointList.h"
#include "platform/TabControl.h"
#include "resources/ids_bezier.h"
#include "resources/ids_properties.h"
#include "tests/dialogs/PropertyFixture.h"
#include "tests/support/MessagePump.h"

using namespace property_test;

namespace {

constexpr int kColourPage = 1;
constexpr int kAreaPage = 2;
constexpr int kPointPage = 3;

// Two segments: anchors at 0, 3 and 6, control points between them; outline drawn, no fill.
int addCurve(PropertyDrawing& d)
{
    const double xy[] = {10, 10, 20, 40, 40, 40, 50, 10, 60, -20, 80, -20, 90, 10};
    return d.add(ElementKind::Bezier, [&](Element& e) {
        e.clearPoints();
        for (int i = 0; i < 14; i += 2)
            e.appendPoint(xy[i], xy[i + 1], 0.0);
        e.edge()->draw.value = 1;
        e.fill()->draw.value = 0;
    });
}

std::vector<double> xsOf(Element& e)
{
    std::vector<double> xs;
    for (int i = 0; i < e.vertices()->count; ++i) {
        Point p;
        EXPECT_EQ(e.vertices()->getPoint(i, &p), 1);
        xs.push_back(p.x);
    }
    return xs;
}

std::string tabText(HWND w, int index)
{
    char text[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(GetDlgItem(w, TabControl::kControlId), TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

} // namespace

TEST(BezierPropertyDialog, PointsAreAnchorsOrControlPointsAndAnEditChangesOnlyItsPoint)
{
    PropertyDrawing d;
    const int id = addCurve(d);
    ASSERT_GE(id, 1);
    std::string caption;
    std::vector<std::string> tabs, shown;
    const int result = d.runSheet(id, 0, 0, [&](HWND w) {
        caption = captionOf(w);
        for (int i = 0; i < 4; ++i)
            tabs.push_back(tabText(w, i));
        chooseTab(w, kPointPage);
        for (int step = 0; step < 4; ++step) {
            shown.push_back(textOf(w, IDC_BEZIER_NUMBER) + "/" + textOf(w, IDC_BEZIER_COUNT) + " " +
                            textOf(w, IDC_BEZIER_POINT_KIND) + (isEnabled(w, IDC_BEZIER_PREVIOUS) ? " <" : " -") +
                            (isEnabled(w, IDC_BEZIER_NEXT) ? ">" : "-") + " " + textOf(w, IDC_BEZIER_X));
            if (step == 1)
                type(w, IDC_BEZIER_X, "25.5"); // the first control point; stored by the step
            click(w, IDC_BEZIER_NEXT);
        }
        for (int step = 0; step < 3; ++step)
            click(w, IDC_BEZIER_NEXT);
        shown.push_back(textOf(w, IDC_BEZIER_NUMBER) + " " + textOf(w, IDC_BEZIER_POINT_KIND) +
                        (isEnabled(w, IDC_BEZIER_NEXT) ? " >" : " -"));
        click(w, IDC_BEZIER_NEXT); // past the last point: nothing
        shown.push_back(textOf(w, IDC_BEZIER_NUMBER));
        finish(w, IDOK);
    });
    EXPECT_EQ(result, PropertyDialog::kOk);
    EXPECT_EQ(caption, "ベジェ");
    EXPECT_EQ(tabs, std::vector<std::string>({"共通", "カラー", "領域", "座標"}));
    EXPECT_EQ(shown, std::vector<std::string>({"1/7 アンカー -> 10", "2/7 フロート <> 20", "3/7 フロート <> 40",
                                               "4/7 アンカー <> 50", "7 アンカー -", "7"}));
    EXPECT_EQ(xsOf(d.stored(id)), std::vector<double>({10, 25.5, 40, 50, 60, 80, 90}));
}

TEST(BezierPropertyDialog, ColoursAndTheAreaPageEditTheCurve)
{
    PropertyDrawing d;
    ChooserScript chooser;
    const int id = addCurve(d);
    ASSERT_GE(id, 1);
    std::vector<int> switches;
    (void)d.runSheet(id, 0, 0, [&](HWND w) {
        chooseTab(w, kColourPage);
        ChooserScript::colour = RGB(10, 20, 30);
        click(w, IDC_BEZIER_EDGE_COLOUR);
        ChooserScript::colour = RGB(40, 50, 60);
        click(w, IDC_BEZIER_FILL_COLOUR);
        ChooserScript::colour = RGB(70, 80, 90);
        click(w, IDC_BEZIER_PATTERN_COLOUR);
        chooseTab(w, kAreaPage);
        tick(w, IDC_AREA_EDGE_DRAWN, false); // the outline off with the fill off: the fill goes on
        switches = {isTicked(w, IDC_AREA_EDGE_DRAWN), isTicked(w, IDC_AREA_FILL_DRAWN)};
        finish(w, IDOK);
    });
    EXPECT_EQ(switches, std::vector<int>({0, 1}));
    Element& e = d.stored(id);
    auto rgb = [](const InkColor& c) { return RGB(c.getRed(), c.getGreen(), c.getBlue()); };
    EXPECT_EQ(rgb(e.edge()->colour), RGB(10, 20, 30));
    EXPECT_EQ(rgb(e.fill()->colour), RGB(40, 50, 60));
    EXPECT_EQ(rgb(e.hatch()->colour), RGB(70, 80, 90));
    EXPECT_EQ(e.edge()->draw.value, 0);
    EXPECT_EQ(e.fill()->draw.value, 1);
}
