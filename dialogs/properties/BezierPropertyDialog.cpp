#include "dialogs/properties/BezierPropertyDialog.h"

#include <initializer_list>

#include "dialogs/properties/AreaPage.h"
#include "document/Element.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/InkColor.h"
#include "platform/ControlKinds.h"
#include "resources/ids_bezier.h"
#include "resources/ids_properties.h"

namespace {

enum Page { kCommonPage = 0, kColourPage = 1, kAreaPage = 2, kPointPage = 3 };

const char* const kTabs[] = {"共通", "カラー", "領域", "座標"};
const int kPages[] = {IDD_PROPERTY_COMMON, IDD_BEZIER_COLOUR, IDD_AREA_PAGE, IDD_BEZIER_POINTS};
const int kPageCount = static_cast<int>(sizeof kPages / sizeof kPages[0]);

// x, y, their units, number, count, the step buttons; a curve's points have no corner radius.
const VertexPageIds kPointPageIds = {IDC_BEZIER_X,      IDC_BEZIER_Y,      IDC_BEZIER_X_UNIT, IDC_BEZIER_Y_UNIT,
                                     IDC_BEZIER_NUMBER, IDC_BEZIER_COUNT,  IDC_BEZIER_PREVIOUS, IDC_BEZIER_NEXT,
                                     0,                 0};

// The anchors of a curve are its points 0, 3, 6 ...; the two between are control points.
int isAnchor(int index) { return index % 3 == 0; }

} // namespace

BezierPropertyDialog::BezierPropertyDialog() : stepper(kPointPageIds, 0) { setKindPages(kTabs, kPages, kPageCount); }

void BezierPropertyDialog::setElement(Element* target)
{
    PropertyDialog::setElement(target);
    edge = target ? target->edge() : nullptr;
    fill = target ? target->fill() : nullptr;
    hatch = target ? target->hatch() : nullptr;
    stepper.bind(target ? target->vertices() : nullptr, nullptr, documentContext);
}

int BezierPropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "ベジェ"); }

void BezierPropertyDialog::declareControls()
{
    PropertyDialog::declareControls();
    // Declaring fails only when memory ran out; the page then shows without the control, and
    // every transfer looks for it first.
    switch (currentPage) {
    case kColourPage:
        for (int id : {IDC_BEZIER_EDGE_COLOUR, IDC_BEZIER_FILL_COLOUR, IDC_BEZIER_PATTERN_COLOUR})
            (void)addControl(id, KIND_COLOR_SWATCH);
        break;
    case kAreaPage:
        area_page::declare(*this, area_page::kPropertyPage);
        break;
    case kPointPage:
        stepper.declare(*this);
        (void)addControl(IDC_BEZIER_POINT_KIND, KIND_INTEGER_DISPLAY);
        break;
    default:
        break;
    }
}

namespace {

// The colour page's swatches and the colours they show: outline, fill, pattern.
struct SwatchColour {
    int id;
    InkColor* colour;
};

} // namespace

void BezierPropertyDialog::loadPage()
{
    PropertyDialog::loadPage();
    if (!element)
        return;
    switch (currentPage) {
    case kColourPage: {
        const SwatchColour swatches[] = {{IDC_BEZIER_EDGE_COLOUR, edge ? &edge->colour : nullptr},
                                         {IDC_BEZIER_FILL_COLOUR, fill ? &fill->colour : nullptr},
                                         {IDC_BEZIER_PATTERN_COLOUR, hatch ? &hatch->colour : nullptr}};
        for (const SwatchColour& s : swatches)
            if (s.colour)
                (void)s.colour->showInControl(this, s.id); // a missing swatch shows nothing
        break;
    }
    case kAreaPage:
        area_page::load(*this, area_page::kPropertyPage, {edge, fill, hatch});
        break;
    case kPointPage:
        loadVertexPage();
        break;
    default:
        break;
    }
}

void BezierPropertyDialog::loadVertexPage()
{
    stepper.load(*this);
    (void)setText(IDC_BEZIER_POINT_KIND, !stepper.hasVertex() ? "" : isAnchor(stepper.current) ? "アンカー" : "フロート");
    if (stepper.hasVertex())
        markVertex(stepper.working);
}

void BezierPropertyDialog::storePage()
{
    PropertyDialog::storePage();
    if (!element)
        return;
    // The colour page has nothing to store: a pick goes into the curve at once.
    if (currentPage == kAreaPage)
        area_page::store(*this, area_page::kPropertyPage, {edge, fill, hatch});
    else if (currentPage == kPointPage)
        stepper.store(*this, coordinateLimit());
}

void BezierPropertyDialog::refreshPage()
{
    PropertyDialog::refreshPage();
    if (currentPage == kPointPage && stepper.hasVertex())
        markVertex(stepper.working);
}

void BezierPropertyDialog::applyPage(int markVertexToo)
{
    PropertyDialog::applyPage(markVertexToo);
    if (element && markVertexToo && currentPage == kPointPage && stepper.hasVertex())
        markVertex(stepper.working);
}

int BezierPropertyDialog::onPageEvent()
{
    if (event != DLG_COMMAND && event != DLG_CLICK)
        return 0;
    const int id = currentControl ? currentControl->id : 0;
    if (id == 0 || !element)
        return 0;
    switch (currentPage) {
    case kColourPage: {
        InkColor* colour = id == IDC_BEZIER_EDGE_COLOUR    ? (edge ? &edge->colour : nullptr)
                           : id == IDC_BEZIER_FILL_COLOUR  ? (fill ? &fill->colour : nullptr)
                           : id == IDC_BEZIER_PATTERN_COLOUR ? (hatch ? &hatch->colour : nullptr)
                                                             : nullptr;
        if (!colour)
            return 0;
        (void)colour->pickForControl(this, id); // a cancelled choice keeps the colour
        refreshPage();
        return 1;
    }
    case kAreaPage:
        return area_page::onClick(*this, area_page::kPropertyPage, {edge, fill, hatch}, id);
    case kPointPage:
        // Control points are stepped through like anchors.
        return stepper.stepOnClick(*this, id, [this] { loadVertexPage(); });
    default:
        return 0;
    }
}
