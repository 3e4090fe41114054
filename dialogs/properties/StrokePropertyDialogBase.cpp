#include "dialogs/properties/StrokePropertyDialogBase.h"

#include "dialogs/properties/AreaPage.h"
#include "dialogs/properties/LineTypePage.h"
#include "dialogs/properties/PropertyFields.h"
#include "dialogs/properties/VertexStepper.h"
#include "document/Element.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/InkColor.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "platform/ControlKinds.h"

namespace {
const char* const kLineTabs[] = {"共通", "カラー", "線種", "座標"};
const char* const kAreaTabs[] = {"共通", "カラー", "線種", "領域", "座標"};
} // namespace

StrokePropertyDialogBase::StrokePropertyDialogBase(const Layout& kindLayout, VertexStepper* stepper)
    : layout(kindLayout), pages(kindLayout.pages), lineIds(kindLayout.lineIds), vertexStepper(stepper)
{
}

StrokePropertyDialogBase::~StrokePropertyDialogBase() = default;

void StrokePropertyDialogBase::setElement(Element* target)
{
    PropertyDialog::setElement(target);
    lineWidth = target ? target->lineWidth() : nullptr;
    linePosition = target ? target->linePosition() : nullptr;
    lineType = target ? target->lineType() : nullptr;
    lineCap = target && lineIds.cap ? target->lineCap() : nullptr;
    const int area = target && pages.area;
    edge = area ? target->edge() : nullptr;
    fill = area ? target->fill() : nullptr;
    hatch = area ? target->hatch() : nullptr;
    for (int slot = 0; slot < kSwatchCount; ++slot) {
        InkColor*& colour = swatchColours[slot];
        colour = nullptr;
        if (!target)
            continue;
        switch (layout.swatches[slot].source) {
        case kLineColour:
            colour = target->colour();
            break;
        case kEdgeColour:
            colour = target->edge() ? &target->edge()->colour : nullptr;
            break;
        case kFillColour:
            colour = target->fill() ? &target->fill()->colour : nullptr;
            break;
        case kHatchColour:
            colour = target->hatch() ? &target->hatch()->colour : nullptr;
            break;
        default:
            break;
        }
    }
    if (vertexStepper)
        vertexStepper->bind(target ? target->vertices() : nullptr, target ? target->vertexRounding() : nullptr,
                            documentContext);
}

StrokePropertyDialogBase::PageRole StrokePropertyDialogBase::roleOf(int index) const
{
    switch (index) {
    case 0:
        return kCommonRole;
    case 1:
        return kColourRole;
    case 2:
        return kLineTypeRole;
    case 3:
        return pages.area ? kAreaRole : kCoordinateRole;
    case 4:
        return pages.area ? kCoordinateRole : kNoPage;
    default:
        return kNoPage;
    }
}

int StrokePropertyDialogBase::pageDialogId(int index)
{
    switch (roleOf(index)) {
    case kCommonRole:
        return commonPageId;
    case kColourRole:
        return pages.colour;
    case kLineTypeRole:
        return pages.lineType;
    case kAreaRole:
        return pages.area;
    case kCoordinateRole:
        return pages.coordinates;
    default:
        return 0;
    }
}

void StrokePropertyDialogBase::declareFields(std::initializer_list<int> realFields, std::initializer_list<int> labels)
{
    // Declaring fails only when memory ran out; the page then shows without the control, and
    // every transfer looks for it first.
    for (int id : realFields)
        (void)addControl(id, KIND_REAL_EDIT);
    for (int id : labels)
        (void)addControl(id, KIND_INTEGER_DISPLAY);
}

void StrokePropertyDialogBase::declareCoordinateControls()
{
    for (int i = 0; i < layout.pointCount; ++i) {
        const PointFields& f = layout.points[i];
        declareFields({f.x, f.y}, {f.xUnit, f.yUnit});
    }
}

void StrokePropertyDialogBase::loadCoordinatePage()
{
    for (int i = 0; i < layout.pointCount; ++i) {
        const PointFields& f = layout.points[i];
        if (const DrawPoint* p = (element->*f.point)())
            property_fields::showPoint(*this, *p, f.x, f.y, f.xUnit, f.yUnit);
    }
}

void StrokePropertyDialogBase::storeCoordinatePage()
{
    for (int i = 0; i < layout.pointCount; ++i) {
        const PointFields& f = layout.points[i];
        if (DrawPoint* p = (element->*f.point)())
            property_fields::takePoint(*this, *p, f.x, f.y, coordinateLimit());
    }
}

void StrokePropertyDialogBase::declareControls()
{
    PropertyDialog::declareControls();
    switch (roleOf(currentPage)) {
    case kColourRole:
        for (const Swatch& swatch : layout.swatches)
            (void)addControl(swatch.id, KIND_COLOR_SWATCH); // 0 for an unused slot is refused
        break;
    case kLineTypeRole:
        declareLineTypeControls();
        break;
    case kAreaRole:
        area_page::declare(*this, area_page::kPropertyPage);
        break;
    case kCoordinateRole:
        if (vertexStepper)
            vertexStepper->declare(*this);
        else
            declareCoordinateControls();
        break;
    default:
        break;
    }
}

void StrokePropertyDialogBase::setupLineTabs()
{
    showTabs(kLineTabs, sizeof kLineTabs / sizeof kLineTabs[0]);
    loadPage();
}

void StrokePropertyDialogBase::setupAreaTabs()
{
    showTabs(kAreaTabs, sizeof kAreaTabs / sizeof kAreaTabs[0]);
    loadPage();
}

void StrokePropertyDialogBase::setupTabs()
{
    if (pages.area)
        setupAreaTabs();
    else
        setupLineTabs();
}

void StrokePropertyDialogBase::loadPage()
{
    PropertyDialog::loadPage();
    if (!element)
        return;
    switch (roleOf(currentPage)) {
    case kColourRole:
        for (int slot = 0; slot < kSwatchCount; ++slot)
            if (swatchColours[slot])
                (void)swatchColours[slot]->showInControl(this, layout.swatches[slot].id); // a missing swatch shows nothing
        break;
    case kLineTypeRole:
        loadLineTypePage();
        break;
    case kAreaRole:
        area_page::load(*this, area_page::kPropertyPage, {edge, fill, hatch});
        break;
    case kCoordinateRole:
        if (vertexStepper)
            loadVertexPage();
        else
            loadCoordinatePage();
        break;
    default:
        break;
    }
}

void StrokePropertyDialogBase::storePage()
{
    PropertyDialog::storePage();
    if (!element)
        return;
    switch (roleOf(currentPage)) {
    case kLineTypeRole:
        storeLineTypePage();
        break;
    case kAreaRole:
        area_page::store(*this, area_page::kPropertyPage, {edge, fill, hatch});
        break;
    case kCoordinateRole:
        if (vertexStepper)
            vertexStepper->store(*this, coordinateLimit());
        else
            storeCoordinatePage();
        break;
    default:
        // The colour page has nothing to store: a pick goes into the element at once.
        break;
    }
}

void StrokePropertyDialogBase::refreshPage()
{
    PropertyDialog::refreshPage();
    if (vertexStepper && roleOf(currentPage) == kCoordinateRole && vertexStepper->hasVertex())
        markVertex(vertexStepper->working);
}

void StrokePropertyDialogBase::applyPage(int markVertexToo)
{
    PropertyDialog::applyPage(markVertexToo);
    if (element && markVertexToo && vertexStepper && roleOf(currentPage) == kCoordinateRole &&
        vertexStepper->hasVertex())
        markVertex(vertexStepper->working);
}

void StrokePropertyDialogBase::loadVertexPage() { vertexStepper->loadAndMark(*this); }

int StrokePropertyDialogBase::onVertexStep(int controlId)
{
    return vertexStepper && vertexStepper->stepOnClick(*this, controlId);
}

int StrokePropertyDialogBase::onPageEvent()
{
    if (event != DLG_COMMAND && event != DLG_CLICK)
        return 0;
    const int id = currentControl ? currentControl->id : 0;
    if (id == 0 || !element)
        return 0;
    switch (roleOf(currentPage)) {
    case kColourRole:
        for (int slot = 0; slot < kSwatchCount; ++slot) {
            if (swatchColours[slot] && layout.swatches[slot].id == id) {
                // A cancelled choice keeps the colour; the swatch was found for this event.
                (void)swatchColours[slot]->pickForControl(this, id);
                refreshPage();
                return 1;
            }
        }
        return 0;
    case kAreaRole:
        return area_page::onClick(*this, area_page::kPropertyPage, {edge, fill, hatch}, id);
    case kCoordinateRole:
        return onVertexStep(id);
    default:
        return 0;
    }
}

LineTypeValues StrokePropertyDialogBase::lineTypeValues() const { return {lineWidth, linePosition, lineType, lineCap}; }

void StrokePropertyDialogBase::declareLineTypeControls() { line_type_page::declare(*this, lineIds); }

void StrokePropertyDialogBase::loadLineTypePage() { line_type_page::load(*this, lineIds, lineTypeValues()); }

void StrokePropertyDialogBase::storeLineTypePage() { line_type_page::store(*this, lineIds, lineTypeValues()); }
