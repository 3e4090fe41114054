#include "dialogs/properties/TextPropertyDialogBase.h"

#include "dialogs/properties/PropertyFields.h"
#include "dialogs/properties/VertexStepper.h"
#include "document/Element.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/InkColor.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineAttribute.h"
#include "platform/ControlKinds.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/MeasureAttributes.h"

namespace {

const char* tabLabel(TextPropertyDialogBase::PageRole role)
{
    switch (role) {
    case TextPropertyDialogBase::kColourRole:
        return "カラー";
    case TextPropertyDialogBase::kFontRole:
        return "フォント";
    case TextPropertyDialogBase::kNumeralRole:
        return "数値";
    case TextPropertyDialogBase::kLineRole:
        return "線";
    case TextPropertyDialogBase::kCoordinateRole:
        return "座標";
    default:
        return "共通";
    }
}

InkColor* colourOf(Element& e, TextPropertyDialogBase::ColourSource source)
{
    switch (source) {
    case TextPropertyDialogBase::kTextColour:
        return e.colour();
    case TextPropertyDialogBase::kNumeralColour:
        return e.measure() ? &e.measure()->numeralColour : nullptr;
    case TextPropertyDialogBase::kUnderlineColour:
        return e.measureLine() ? &e.measureLine()->colour : nullptr;
    case TextPropertyDialogBase::kLeaderColour:
        return e.arrowLine() ? &e.arrowLine()->colour : nullptr;
    case TextPropertyDialogBase::kArrowColour:
        return e.arrowHead() ? &e.arrowHead()->colour : nullptr;
    default:
        return nullptr;
    }
}

} // namespace

TextPropertyDialogBase::TextPropertyDialogBase(const Layout& kindLayout, VertexStepper* stepper)
    : faceListId(kindLayout.font.face), styleListId(kindLayout.font.style), sizeEditId(kindLayout.font.size),
      layout(kindLayout), vertexStepper(stepper)
{
}

TextPropertyDialogBase::~TextPropertyDialogBase() = default;

void TextPropertyDialogBase::setElement(Element* target)
{
    PropertyDialog::setElement(target);
    fontAttributes = target ? target->font() : nullptr;
    lineValues = {};
    if (target) {
        lineValues.underline = layout.line.underlineStyle ? target->measureLine() : nullptr;
        lineValues.leader = target->arrowLine();
        lineValues.arrow = target->arrowHead();
    }
    for (int slot = 0; slot < kSwatchCount; ++slot)
        swatchColours[slot] = target ? colourOf(*target, layout.swatches[slot].source) : nullptr;
    if (vertexStepper)
        vertexStepper->bind(target ? target->vertices() : nullptr, nullptr, documentContext);
}

TextPropertyDialogBase::PageRole TextPropertyDialogBase::roleOf(int index) const
{
    if (index == 0)
        return kCommonRole;
    return index > 0 && index <= kPageCount ? layout.pages[index - 1].role : kNoPage;
}

int TextPropertyDialogBase::pageDialogId(int index)
{
    const PageRole role = roleOf(index);
    if (role == kCommonRole)
        return commonPageId;
    return role == kNoPage ? 0 : layout.pages[index - 1].dialogId;
}

void TextPropertyDialogBase::setupTabs()
{
    const char* labels[kPageCount + 1] = {tabLabel(kCommonRole)};
    int count = 1;
    while (count <= kPageCount && roleOf(count) != kNoPage) {
        labels[count] = tabLabel(roleOf(count));
        ++count;
    }
    showTabs(labels, count);
    loadPage();
}

void TextPropertyDialogBase::declareControls()
{
    PropertyDialog::declareControls();
    switch (roleOf(currentPage)) {
    case kColourRole:
        for (const Swatch& swatch : layout.swatches)
            (void)addControl(swatch.id, KIND_COLOR_SWATCH); // 0 for an unused slot is refused
        break;
    case kFontRole:
        declareFontControls();
        break;
    case kNumeralRole:
        numeral_page::declare(*this, layout.numeral);
        break;
    case kLineRole:
        leader_line_page::declare(*this, layout.line);
        break;
    case kCoordinateRole:
        declareCoordinateControls();
        break;
    default:
        break;
    }
}

void TextPropertyDialogBase::loadPage()
{
    PropertyDialog::loadPage();
    if (!element)
        return;
    switch (roleOf(currentPage)) {
    case kColourRole:
        for (int slot = 0; slot < kSwatchCount; ++slot) {
            InkColor* colour = swatchColours[slot];
            const int id = layout.swatches[slot].id;
            Control* swatch = colour ? findControl(id) : nullptr;
            if (!swatch)
                continue;
            if (layout.ownChoosers) {
                choosers[slot].RgbColor::assign(*colour);
                swatch->setSource(&choosers[slot]);
            } else {
                (void)colour->showInControl(this, id); // the swatch was found above
            }
        }
        break;
    case kFontRole:
        loadFontPage();
        break;
    case kNumeralRole:
        if (element->measure())
            numeral_page::load(*this, layout.numeral, *element->measure());
        break;
    case kLineRole:
        leader_line_page::load(*this, layout.line, lineValues);
        break;
    case kCoordinateRole:
        loadCoordinatePage();
        break;
    default:
        break;
    }
}

void TextPropertyDialogBase::storePage()
{
    PropertyDialog::storePage();
    if (!element)
        return;
    switch (roleOf(currentPage)) {
    case kFontRole:
        storeFontPage();
        break;
    case kNumeralRole:
        if (element->measure())
            numeral_page::store(*this, layout.numeral, *element->measure());
        break;
    case kLineRole:
        leader_line_page::store(*this, layout.line, lineValues);
        break;
    case kCoordinateRole:
        storeCoordinatePage();
        break;
    default:
        // The colour page has nothing to store: a pick goes into the element at once.
        break;
    }
}

int TextPropertyDialogBase::marksVertex() const
{
    return vertexStepper && vertexStepper->ids.next && roleOf(currentPage) == kCoordinateRole &&
           vertexStepper->hasVertex();
}

void TextPropertyDialogBase::showCurrentVertex()
{
    if (marksVertex())
        markVertex(vertexStepper->working);
}

void TextPropertyDialogBase::refreshPage()
{
    PropertyDialog::refreshPage();
    showCurrentVertex();
}

void TextPropertyDialogBase::applyPage(int markVertexToo)
{
    PropertyDialog::applyPage(markVertexToo);
    if (element && markVertexToo)
        showCurrentVertex();
}

int TextPropertyDialogBase::onPageEvent()
{
    if (event != DLG_COMMAND && event != DLG_CLICK)
        return 0;
    const int id = currentControl ? currentControl->id : 0;
    if (id == 0 || !element)
        return 0;
    switch (roleOf(currentPage)) {
    case kColourRole:
        return onSwatchClick(id);
    case kCoordinateRole:
        return vertexStepper && vertexStepper->stepOnClick(*this, id);
    default:
        return 0;
    }
}

int TextPropertyDialogBase::onSwatchClick(int id)
{
    for (int slot = 0; slot < kSwatchCount; ++slot) {
        InkColor* colour = swatchColours[slot];
        if (!colour || layout.swatches[slot].id != id)
            continue;
        // A cancelled choice keeps the colour; the swatch was found for this event.
        if (layout.ownChoosers)
            (void)pickColourWithColourChooser(id, choosers[slot], *colour);
        else
            (void)colour->pickForControl(this, id);
        refreshPage();
        return 1;
    }
    return 0;
}

// --- the coordinate page ---

void TextPropertyDialogBase::declareCoordinateControls()
{
    if (vertexStepper)
        vertexStepper->declare(*this);
    // Declaring fails only when memory ran out (or for an id of 0): the page then shows without
    // the control, and every transfer looks for it first.
    for (int i = 0; i < layout.pointCount; ++i) {
        const PointFields& f = layout.points[i];
        (void)addControl(f.x, KIND_REAL_EDIT);
        (void)addControl(f.y, KIND_REAL_EDIT);
        (void)addControl(f.xUnit, KIND_INTEGER_DISPLAY);
        (void)addControl(f.yUnit, KIND_INTEGER_DISPLAY);
    }
    (void)addControl(layout.leanId, KIND_REAL_EDIT);
}

void TextPropertyDialogBase::loadCoordinatePage()
{
    if (vertexStepper)
        vertexStepper->load(*this);
    for (int i = 0; i < layout.pointCount; ++i) {
        const PointFields& f = layout.points[i];
        if (const DrawPoint* p = (element->*f.point)())
            property_fields::showPoint(*this, *p, f.x, f.y, f.xUnit, f.yUnit);
    }
    if (element->lean())
        (void)setDouble(layout.leanId, element->lean()->angle); // nothing without the field
    showCurrentVertex();
}

void TextPropertyDialogBase::storeCoordinatePage()
{
    if (vertexStepper)
        vertexStepper->store(*this, coordinateLimit());
    for (int i = 0; i < layout.pointCount; ++i) {
        const PointFields& f = layout.points[i];
        if (DrawPoint* p = (element->*f.point)())
            property_fields::takePoint(*this, *p, f.x, f.y, coordinateLimit());
    }
    double angle = 0.0;
    if (element->lean() &&
        property_fields::takeReal(*this, layout.leanId, -property_fields::kMaxAngle, property_fields::kMaxAngle, angle))
        element->lean()->angle = angle;
}
