// The text element: its record, outline and extent, shape, geometry, files and creation.
#include "elements/TextElement.h"

#include <cmath>
#include <iterator>
#include <new>
#include <string>
#include <vector>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/SelectToolBase.h"
#include "document/ShapeOp.h"
#include "document/TextBuffer.h"
#include "document/TextCaretPlace.h"
#include "document/TextDefaults.h"
#include "document/TickStamp.h"
#include "elements/DxfFile.h"
#include "elements/ElementShapes.h"
#include "elements/ElementTextString.h"
#include "elements/SvgDocument.h"
#include "elements/VertexRoundingList.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FontAttributes.h"
#include "geometry/InkColor.h"
#include "geometry/LeanAttribute.h"
#include "geometry/PickSettings.h"
#include "geometry/PointList.h"
#include "geometry/TagIds.h"
#include "geometry/TextSpacingAttribute.h"
#include "geometry/ViewParams.h"
#include "platform/MouseState.h"
#include "platform/StringUtil.h"
#include "shapes/ArrowHeadStyle.h"

namespace {
constexpr ElementAttribute kOwnAttributes[] = {ElementAttribute::colour, ElementAttribute::firstPoint};
// The longest DXF value.
constexpr int kDxfValueBytes = 254;
} // namespace

Element* newTextElement() { return new (std::nothrow) TextElement; }

TextElement::TextElement() = default;

TextElement::~TextElement() { teardown(); }

void TextElement::initialize()
{
    shared_body::ensureAttributes(*this, kOwnAttributes, std::size(kOwnAttributes));
    createTextAttributes();
}

void TextElement::teardown()
{
    shared_body::releaseAttributes(*this, kOwnAttributes, std::size(kOwnAttributes));
    releaseTextAttributes();
}

void TextElement::bindPoints()
{
    if (firstPoint())
        firstPoint()->owner = context;
}

// --- store, outline and extent ---

int TextElement::exchangeRecord(int mode)
{
    ElementStore* store = elementStore();
    if (!store || !store->recordBuffer || !colour() || !firstPoint() || !lean() || !textSpacing() || !font() ||
        !text() || (mode != 1 && mode != 3))
        return 0;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    buffer.rewind();
    if (mode == 1) {
        computeExtentToStore(1);
        return colour()->exchangeRecord(1, buffer) && firstPoint()->writeRecord(buffer, 2, 0) &&
               lean()->exchangeRecord(1, buffer) && textSpacing()->exchangeRecord(1, buffer) &&
               font()->exchangeRecord(1, buffer) && text()->exchange(1, buffer) && serializeExtent(buffer, 1);
    }
    lastRun.scale = 0.0; // measured for the text read before
    return colour()->exchangeRecord(3, buffer) && firstPoint()->readRecord(buffer, 2, 0) &&
           lean()->exchangeRecord(3, buffer) && textSpacing()->exchangeRecord(3, buffer) &&
           font()->exchangeRecord(3, buffer) && text()->exchange(3, buffer) && serializeExtent(buffer, 3);
}

int TextElement::buildOutline(PointList& out)
{
    if (!anchor())
        return 0;
    double width = 0.0, height = 0.0;
    textExtent(width, height);
    const double x = anchor()->x, y = anchor()->y, angle = rotationAngle();
    const double xs[] = {x, x + width, x + width, x, x};
    const double ys[] = {y, y, y + height, y + height, y};
    out.count = 0;
    for (int i = 0; i < 5; ++i) {
        Point p(xs[i], ys[i]);
        turnAboutAnchor(p, angle);
        if (!out.appendXY(p.x, p.y))
            return 0;
    }
    return 1;
}

void TextElement::computeExtent(int)
{
    PointList outline;
    Point p;
    if (!buildOutline(outline) || !outline.getPoint(0, &p))
        return;
    extentMin.x = extentMax.x = p.x;
    extentMin.y = extentMax.y = p.y;
    for (int i = 1; i < outline.count; ++i) {
        if (outline.getPoint(i, &p))
            growExtent(p);
    }
}

int TextElement::hitTestExtent()
{
    SelectToolBase* tool = selectTool();
    if (!tool)
        return 0;
    computeExtent(0);
    return tool->extentContainsPickCentre(extentMin, extentMax);
}

int TextElement::hitTest()
{
    SelectToolBase* tool = selectTool();
    PointList outline;
    if (!tool || !buildOutline(outline))
        return 0;
    return tool->hitOutline(outline, 0.01, 1, 0, 1);
}

int TextElement::hitHandle(int* handle, int* flag)
{
    computeExtent(0);
    return hitHandleMark(handle, flag);
}

int TextElement::isInSelectionArea()
{
    SelectToolBase* tool = selectTool();
    if (!tool)
        return 0;
    computeExtent(0);
    return tool->pickAreaContainsBox(extentMin, extentMax);
}

// --- drawing ---

int TextElement::execute(int operation, double x, double y, double z)
{
    bindPoints();
    const double offset[3] = {x, y, z};
    return runElementShape(*this, operation, offset, nullptr);
}

void TextElement::showPicked()
{
    if (!thePickSettings)
        return;
    if (thePickSettings->pickStyle() == PickStyle::Handles)
        showPickHandles();
    else
        showPickColour();
}

void TextElement::showPickHandles()
{
    computeExtent(0);
    handleFlags = HandleFlags();
    drawHandleMarks();
}

void TextElement::drawRotatedPreview(double angle, double centreX, double centreY, double fourth)
{
    bindPoints();
    const double offset[3] = {0.0, 0.0, 0.0};
    const double rotation[4] = {angle, centreX, centreY, fourth};
    (void)runElementShape(*this, ShapeOp::RotatedPreview, offset, rotation); // a preview that cannot be drawn shows nothing
}

void TextElement::repaintPicked()
{
    ViewParams* view = viewParams();
    if (!view || !view->window())
        return;
    copyPainterToOverlay();
    (void)forwardOp(ShapeOp::RubberBand); // nothing to draw is no failure here
    flushOverlay();
    showPicked();
}

void TextElement::showInputOverlay(int show)
{
    // The caret is off while the pixels under it change, so that it is not left behind.
    TextCaretPlace* caret = caretPlace();
    const int hidden = caret && caret->suspend();
    beginOverlay();
    if (show) {
        drawRubberBandFrame();
    } else {
        copyPainterToOverlay();
        (void)forwardOp(ShapeOp::RubberBand); // an empty text draws nothing
        flushOverlay();
    }
    if (hidden)
        (void)caret->resume(); // shown again where it stood; the edit places it afterwards
}

// --- creation ---

void TextElement::takeDefaultAttributes()
{
    if (isEditing())
        return;
    auto* defaults = static_cast<TextDefaults*>(elementDefaults(kind));
    if (!defaults)
        return;
    layer = defaults->getLayer();
    if (colour())
        colour()->assign(defaults->textColor);
    if (font()) {
        font()->assign(&defaults->font);
        font()->markForLookup(); // the face is resolved once, for this element
        font()->lookUpFace();
    }
    // The leader text's leader and arrow head, each in the record's colour for it.
    if (arrowLine()) {
        arrowLine()->assign(&defaults->drawLine);
        arrowLine()->colour.assign(defaults->drawColor);
    }
    if (arrowHead() && defaults->arrowLine) {
        (void)arrowHead()->copyFrom(defaults->arrowLine); // a non-null source is always copied
        arrowHead()->setColour(defaults->arrowColor);
    }
}

int TextElement::beginCreateInput(int)
{
    inputPending = 0;
    const int existing = beginEditAtCursor();
    if (existing == kEditingText)
        return existing;
    // A second press soon after the one that began the text is a double click of the tool.
    if (theMouseState && context && context->tickStamp && theMouseState->waitForSecondClick(context->tickStamp->timer))
        return kDoubleClick;
    ViewParams* view = viewParams();
    TextBuffer* buffer = textBuffer();
    if (!view || !buffer || !anchor())
        return 0;
    IntPoint cursor;
    view->cursorPosition(cursor);
    Point at;
    deviceToDrawing(&at, cursor, 0);
    // The first line is centred on the click.
    setAnchor(at.x, at.y - fontSize() / 2.0);
    if (!caretPlace())
        return 0;
    buffer->reset();
    showCaretAtAnchor();
    enterEditing();
    return kComplete;
}

int TextElement::continueCreateInput(int) { return trackEditMouse(); }

// --- geometry ---

void TextElement::translate(double dx, double dy, double dz)
{
    if (firstPoint())
        firstPoint()->translate(dx, dy, dz);
}

void TextElement::rotate(double angle, double centreX, double centreY, double)
{
    if (!firstPoint() || !std::isfinite(angle))
        return;
    firstPoint()->rotateAbout(centreX, centreY, angle);
    if (lean())
        lean()->rotateBy(angle);
}

void TextElement::setPoint(int index, double x, double y, double z)
{
    (void)setPointByNumber(index, Point(x, y, z), firstPoint(), nullptr, nullptr); // another index sets nothing
}

void TextElement::scale(double factor, const Point& centre, int flags)
{
    if (!firstPoint() || !std::isfinite(factor))
        return;
    firstPoint()->x = centre.x + (firstPoint()->x - centre.x) * factor;
    firstPoint()->y = centre.y + (firstPoint()->y - centre.y) * factor;
    if (font())
        font()->scale(factor, flags);
}

int TextElement::snapToNearestPoint(Point* p)
{
    if (!p || !firstPoint())
        return 0;
    return snapToNearestOfThree(*p, firstPoint(), nullptr, nullptr) > 0;
}

int TextElement::snapToKeyPoint(Point* p) { return snapToNearestPoint(p); }

int TextElement::editProperties(int hasPrevious, int hasNext)
{
    bindPoints();
    return shared_body::runPropertyDialog(*this, shared_body::makePropertyDialog(*this, ElementKind::Text), hasPrevious,
                                          hasNext);
}

// --- value setters ---

void TextElement::setColour(const InkColor& value)
{
    if (colour())
        colour()->assign(&value);
}

void TextElement::setStartX(const Point& value)
{
    if (firstPoint())
        firstPoint()->x = value.x;
}

void TextElement::setStartY(const Point& value)
{
    if (firstPoint())
        firstPoint()->y = value.y;
}

void TextElement::setRotationAngle(const LeanAttribute& value)
{
    if (lean())
        lean()->assign(&value);
}

void TextElement::setFontName(const FontAttributes& value) { shared_body::setFontFace(*this, value); }

void TextElement::setFontStyle(const FontAttributes& value) { shared_body::setFontStyle(*this, value); }

void TextElement::setFontSize(const FontAttributes& value) { shared_body::setFontSize(*this, value); }

// --- files ---

int TextElement::readXmlAttributes()
{
    bindPoints();
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder || !firstPoint())
        return 0;
    if (colour() && holder->colour())
        colour()->assign(holder->colour());
    if (holder->firstPoint())
        firstPoint()->x = holder->firstPoint()->x, firstPoint()->y = holder->firstPoint()->y;
    if (lean())
        lean()->assign(holder->lean());
    if (textSpacing())
        textSpacing()->assign(holder->textSpacing());
    if (font())
        font()->assign(holder->font());
    if (text() && !text()->assign(holder->text()))
        return 0;
    takeDocumentLayerAndGroup();
    return 1;
}

int TextElement::writeXml()
{
    bindPoints();
    if (textLength() < 1)
        return 1;
    Document* d = currentXmlContext();
    if (!d || !colour() || !firstPoint() || !lean() || !textSpacing() || !font() || !text())
        return 0;
    return openXmlSection() && writeLayerAndGroup() && colour()->writeXml(d) &&
           firstPoint()->writeXml(d, tag_id::startPoint) && lean()->writeThroughHolder(d) &&
           textSpacing()->writeThroughHolder(d) && font()->writeThroughHolder(d) && text()->writeXml(d) &&
           closeXmlSection();
}

int TextElement::writeSvg(SvgDocument* writer)
{
    if (!writer || !firstPoint())
        return -1;
    const std::string bytes = textBytes();
    if (bytes.empty())
        return 0;
    return writer->beginItem(SvgDocument::kText) && writer->addPoint(*firstPoint(), SvgDocument::kPointMode) &&
                   writer->closeStartTag() && writer->writeContent(bytes.data(), static_cast<int>(bytes.size())) &&
                   writer->endItem()
               ? 1
               : -1;
}

int TextElement::writeDxf(DxfFile* writer)
{
    if (!writer || !firstPoint() || !font())
        return -1;
    const std::string bytes = textBytes();
    if (bytes.empty())
        return 0;
    std::vector<Line> lines;
    splitLines(bytes, lines);
    char layerText[16];
    StringUtil::formatInt(layer, layerText);
    const double angle = rotationAngle(), pitch = linePitch();
    for (size_t i = 0; i < lines.size(); ++i) {
        // Whole characters up to the longest value.
        int end = lines[i].start;
        while (end < lines[i].end) {
            const int size = StringUtil::isLeadByte(static_cast<unsigned char>(bytes[static_cast<size_t>(end)])) &&
                                     end + 1 < lines[i].end
                                 ? 2
                                 : 1;
            if (end + size - lines[i].start > kDxfValueBytes)
                break;
            end += size;
        }
        const std::string value = bytes.substr(static_cast<size_t>(lines[i].start),
                                               static_cast<size_t>(end - lines[i].start));
        Point origin(firstPoint()->x, firstPoint()->y + static_cast<double>(i) * pitch);
        turnAboutAnchor(origin, angle);
        if (!writer->beginEntity(DxfFile::kText) || !writer->writeGroupText(8, layerText) ||
            !writer->writePoint(origin) || !writer->writeGroupDouble(40, font()->size) ||
            !writer->writeGroupDouble(50, angle) || !writer->writeGroupText(1, value.c_str()) || !writer->endEntity())
            return -1;
    }
    return 1;
}
