// The element base: forwarding to self, the store exchange, the fields and managers of the
// context, the paper and the frame of an element's section in the drawing file.
#include "document/Element.h"

#include <cmath>
#include <new>

#include "document/BezierDefaults.h"
#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/ElementIdSet.h"
#include "document/ElementIndexEntry.h"
#include "document/ElementKind.h"
#include "document/ElementMaskIndex.h"
#include "document/ElementSerialCounter.h"
#include "document/ElementStore.h"
#include "document/LineDefaults.h"
#include "document/MeasureDefaults.h"
#include "document/PictureDefaults.h"
#include "document/PrintSettings.h"
#include "document/ShapeOp.h"
#include "document/SheetSettings.h"
#include "document/TextDefaults.h"
#include "document/UndoManager.h"
#include "geometry/DoubleRect.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/PickSettings.h"
#include "geometry/ViewParams.h"
#include "platform/CurrentEvent.h"
#include "platform/MathUtil.h"

Element::Element() = default;

Element::~Element()
{
    UndoManager::forgetElement(this);
    releaseAllAttributes();
}

Element* newBaseElement() { return new (std::nothrow) Element; }

// --- forwarding ---

int Element::forwardOp(int operation, double x, double y, double z)
{
    return self ? self->execute(operation, x, y, z) : 0;
}

int Element::draw() { return forwardOp(ShapeOp::Draw); }
int Element::erase() { return forwardOp(ShapeOp::Erase); }
int Element::drawDragPreview(double dx, double dy, double dz) { return forwardOp(ShapeOp::DragPreview, dx, dy, dz); }
int Element::print(double x, double y, double z) { return forwardOp(ShapeOp::Print, x, y, z); }
int Element::printPlain() { return forwardOp(ShapeOp::Print); }
int Element::writePostScript(double x, double y, double z) { return forwardOp(ShapeOp::PostScript, x, y, z); }
int Element::writePdf(double x, double y, double z) { return forwardOp(ShapeOp::Pdf, x, y, z); }

void Element::showPicked()
{
    if (!thePickSettings || !self)
        return;
    switch (thePickSettings->pickStyle()) {
    case PickStyle::Handles:
        self->showPickHandles();
        break;
    case PickStyle::Colour:
        self->showPickColour();
        break;
    case PickStyle::Marks:
        self->showPickMarks();
        break;
    default:
        break;
    }
}

// --- creation input ---

int Element::finishInput()
{
    const int result = inputResult;
    inputResult = 0;
    inputPending = 0;
    return result;
}

int Element::releaseStoredId()
{
    id = 0;
    return 0;
}

void Element::prepareNew()
{
    id = 0;
    page = DocumentContext::currentPageOf(context);
}

// --- the store ---

ElementStore* Element::elementStore() const { return context ? context->elementStore() : nullptr; }

void Element::buildIndexEntry(ElementIndexEntry& entry) const
{
    entry.serial = serial;
    entry.group = group;
    entry.kind = kind;
    entry.layer = layer;
    entry.page = page;
}

void Element::takeRecordHeader(const ElementIndexEntry& entry)
{
    serial = entry.serial;
    group = entry.group;
    kind = entry.kind;
    layer = entry.layer;
    page = entry.page;
}

int Element::stageRecord()
{
    ElementStore* target = elementStore();
    if (!target || !target->recordBuffer)
        return 0;
    ElementRecordBuffer& buffer = *target->recordBuffer;
    buffer.outsizeValue = 0;
    if (!exchangeRecord(1))
        return 0;
    // Only a record that holds an outsize value is written through the file's writer, which costs
    // as much as a save of the element.
    return !buffer.outsizeValue || Document::canWriteElement(*this);
}

int Element::store()
{
    id = 0;
    ElementStore* target = elementStore();
    if (!target)
        return -1;
    ElementIndexEntry entry;
    buildIndexEntry(entry);
    id = target->addElement(&entry);
    return id;
}

int Element::load(int number)
{
    ElementStore* source = elementStore();
    ElementIndexEntry entry;
    if (!source || !source->readElement(number, &entry))
        return 0;
    takeRecordHeader(entry);
    id = number;
    return 1;
}

int Element::isStoredAsSameKind(int n)
{
    ElementStore* source = elementStore();
    ElementIndexEntry entry;
    return source && source->getEntry(n, &entry) && entry.kind == kind;
}

int Element::updateStoredEntry(int n)
{
    if (!isStoredAsSameKind(n))
        return 0;
    ElementIndexEntry entry;
    buildIndexEntry(entry);
    return elementStore()->updateEntry(n, entry);
}

int Element::storeExtent()
{
    ElementMaskIndex* index = context ? context->maskIndex : nullptr;
    if (!index || hasNoId())
        return 0;
    ElementMaskIndex::ThinInk thin;
    Point lo, hi;
    const int hasThin = thinInkExtent(lo, hi, thin.fromViewScale);
    if (hasThin)
        thin.box.set(lo.y, lo.x, hi.x, hi.y);
    ElementMaskIndex::MeasuredRun run;
    const int hasRun = measuredRun(run.width, run.glyphs, run.emPixels);
    return index->setElement(id, extentMin, extentMax, page, extentViewScale(), scaleDenominator() / scaleNumerator(),
                             hasThin ? &thin : nullptr, hasRun ? &run : nullptr);
}

void Element::computeExtentToStore(int mode)
{
    if (extentShifted) {
        extentShifted = 0;
        return;
    }
    computeExtent(mode);
}

int Element::shiftExtent(double dx, double dy, double dz)
{
    ElementMaskIndex* index = context ? context->maskIndex : nullptr;
    DoubleRect before;
    if (!index || hasNoId() || extentViewScale() != 0.0 ||
        !index->currentExtentOf(id, 0.0, scaleDenominator() / scaleNumerator(), before))
        return 0;
    extentMin.x = before.minX + dx, extentMin.y = before.minY + dy, extentMin.z += dz;
    extentMax.x = before.maxX + dx, extentMax.y = before.maxY + dy, extentMax.z += dz;
    extentShifted = 1;
    return 1;
}

int Element::serializeExtent(ElementRecordBuffer& buffer, int mode)
{
    if (mode == 1)
        return extentMin.writeRecord(buffer, 2, 0) && extentMax.writeRecord(buffer, 2, 0);
    if (mode != 3)
        return 0;
    // Both corners or neither: a record cut inside the second leaves the first as it was too.
    DrawPoint low = extentMin, high = extentMax;
    if (!low.readRecord(buffer, 2, 0) || !high.readRecord(buffer, 2, 0))
        return 0;
    extentMin.x = low.x, extentMin.y = low.y;
    extentMax.x = high.x, extentMax.y = high.y;
    return 1;
}

// --- fields and managers of the context ---

int Element::assignSerial()
{
    ElementSerialCounter* counter = context ? context->serialCounter : nullptr;
    if (!counter)
        return 0;
    serial = counter->next();
    return serial;
}

ElementDefaults* Element::elementDefaults(int kindCode) const
{
    if (!context)
        return nullptr;
    switch (static_cast<ElementKind>(kindCode)) {
    case ElementKind::Bezier:
        return static_cast<ElementDefaults*>(context->bezierDefaults);
    case ElementKind::Text:
    case ElementKind::TextLine:
        return static_cast<ElementDefaults*>(context->textDefaults);
    case ElementKind::Measure:
    case ElementKind::AngleMeasure:
    case ElementKind::MsrRadius:
    case ElementKind::MsrDiameter:
        return static_cast<ElementDefaults*>(context->measureDefaults);
    case ElementKind::Bitmap:
    case ElementKind::Picture:
        return static_cast<ElementDefaults*>(context->pictureDefaults);
    default:
        return isElementKind(kindCode) ? static_cast<ElementDefaults*>(context->lineDefaults) : nullptr;
    }
}

ViewUpdater* Element::viewUpdater() const { return DocumentContext::viewUpdaterOf(context); }
SelectToolBase* Element::selectTool() const { return DocumentContext::selectToolOf(context); }
GridSettings* Element::gridSettings() const { return DocumentContext::gridOf(context); }
PaperSettings* Element::paperSettings() const { return context ? context->paper : nullptr; }

int Element::postDeferredCommand()
{
    return theCurrentEvent ? theCurrentEvent->postDeferredCommand(kToolButtonsEvent) : 0;
}

void Element::postMouseMove()
{
    if (ViewParams* view = viewParams())
        view->postMouseMove();
}

void Element::remapGroup()
{
    if (group >= 1 && context && context->idSet)
        group = context->idSet->remapGroup(group);
}

// --- paper ---

double Element::viewScaleOf(DocumentContext* context)
{
    ViewParams* view = context ? context->view : nullptr;
    if (!view || !view->window())
        return -1.0;
    const double length =
        view->pixelsToLengthForOp(ShapeOp::Draw, 1.0) * DrawPoint::scaleDenominatorOf(context) / DrawPoint::scaleNumeratorOf(context);
    return std::isfinite(length) && length > 0.0 ? length : -1.0;
}

double Element::scaleNumerator() const { return DrawPoint::scaleNumeratorOf(context); }
double Element::scaleDenominator() const { return DrawPoint::scaleDenominatorOf(context); }

double Element::paperWidth() const
{
    const auto* sheet = dynamic_cast<const SheetSettings*>(paperSettings());
    return sheet ? sheet->horizontalSize() : 0.0;
}

double Element::paperHeight() const
{
    const auto* sheet = dynamic_cast<const SheetSettings*>(paperSettings());
    return sheet ? sheet->verticalSize() : 0.0;
}

double Element::paperWidthInDrawing() const { return paperWidth() * scaleDenominator() / scaleNumerator(); }
double Element::paperHeightInDrawing() const { return paperHeight() * scaleDenominator() / scaleNumerator(); }
double Element::largerPaperSide() const { return MathUtil::maxDouble(paperWidth(), paperHeight()); }
double Element::largerPaperSideInDrawing() const { return largerPaperSide() * scaleDenominator() / scaleNumerator(); }

int Element::isOnPaper(const Point& p) const
{
    return p.x >= 0.0 && p.x <= paperWidthInDrawing() && p.y >= 0.0 && p.y <= paperHeightInDrawing();
}

int Element::printOffset(int operation, double offset[3], double rotation[4]) const
{
    PrintSettings* print = context ? context->printSettings : nullptr;
    if (!print ||
        (operation != ShapeOp::Print && operation != ShapeOp::PostScript && operation != ShapeOp::DrawDefault))
        return 0;
    offset[0] = print->horizontalOffset();
    offset[1] = print->verticalOffset();
    offset[2] = 0.0;
    rotation[0] = print->rotationAngle();
    rotation[1] = offset[0];
    rotation[2] = offset[1];
    rotation[3] = 0.0;
    return 1;
}

// --- the frame of an element's section ---

int Element::openXmlSection()
{
    Document* d = currentXmlContext();
    return d && d->beginElement(kind);
}

int Element::closeXmlSection()
{
    Document* d = currentXmlContext();
    return d && d->endElement(kind);
}

int Element::writeLayerAndGroup()
{
    Document* d = currentXmlContext();
    if (!d)
        return 1; // no document is being written: nothing to pass
    int ok = d->currentLayer.writeXml(layer);
    if (group >= 1)
        ok = d->currentGroup.writeXml(group) && ok;
    return ok;
}

void Element::takeDocumentLayerAndGroup()
{
    Document* d = currentXmlContext();
    const Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder)
        return;
    layer = holder->layer;
    group = holder->group;
    ElementSerialCounter* counter = context ? context->serialCounter : nullptr;
    if (holder->serial >= 1) {
        serial = holder->serial;
        if (counter)
            (void)counter->raiseTo(serial); // answers the value it was given
    } else {
        serial = counter ? counter->next() : 0;
    }
}
