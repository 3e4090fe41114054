// The leader text: the leader kept with the text, its record, outline and files, and creation
// (the leader by the polyline input, then the text typed at its end).
#include "elements/TextLineElement.h"

#include <cmath>
#include <iterator>
#include <new>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/SelectToolBase.h"
#include "document/TextBuffer.h"
#include "elements/ElementShapes.h"
#include "elements/ElementTextString.h"
#include "elements/PolylineInput.h"
#include "elements/VertexRoundingList.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FontAttributes.h"
#include "geometry/InkColor.h"
#include "geometry/LeanAttribute.h"
#include "geometry/PointList.h"
#include "geometry/TagIds.h"
#include "geometry/TextSpacingAttribute.h"
#include "platform/MouseState.h"
#include "shapes/ArrowHeadStyle.h"

namespace {
// Made after the text's own, released before them.
constexpr ElementAttribute kLeaderAttributes[] = {ElementAttribute::vertices, ElementAttribute::arrowLine,
                                                  ElementAttribute::arrowHead};
constexpr int kLeaderCount = static_cast<int>(std::size(kLeaderAttributes));
} // namespace

Element* newTextLineElement() { return new (std::nothrow) TextLineElement; }

TextLineElement::~TextLineElement() { teardown(); }

void TextLineElement::initialize()
{
    TextElement::initialize();
    shared_body::ensureAttributes(*this, kLeaderAttributes, kLeaderCount);
}

void TextLineElement::teardown()
{
    shared_body::releaseAttributes(*this, kLeaderAttributes, kLeaderCount);
    TextElement::teardown();
}

void TextLineElement::anchorAtLeaderEnd()
{
    Point last;
    if (vertices())
        vertices()->owner = context;
    if (vertices() && vertices()->count > 0 && vertices()->getPoint(vertices()->count - 1, &last))
        setAnchor(last.x, last.y);
}

// --- store, outline and extent ---

int TextLineElement::exchangeRecord(int mode)
{
    ElementStore* store = elementStore();
    if (!store || !store->recordBuffer || !colour() || !vertices() || !arrowLine() || !arrowHead() || !lean() ||
        !textSpacing() || !font() || !text() || (mode != 1 && mode != 3))
        return 0;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    buffer.rewind();
    if (mode == 1)
        computeExtentToStore(1);
    else
        lastRun.scale = 0.0; // measured for the text read before
    const int done = colour()->exchangeRecord(mode, buffer) && vertices()->serialize(mode, buffer, 3, 1) &&
                     arrowLine()->exchangeRecord(mode, buffer) && arrowHead()->exchangeRecord(mode, buffer) &&
                     lean()->exchangeRecord(mode, buffer) && textSpacing()->exchangeRecord(mode, buffer) &&
                     font()->exchangeRecord(mode, buffer) && text()->exchange(mode, buffer) &&
                     serializeExtent(buffer, mode);
    anchorAtLeaderEnd();
    return done;
}

int TextLineElement::hitTest()
{
    SelectToolBase* tool = selectTool();
    PointList box;
    if (!tool)
        return 0;
    // The text's box as a whole; the leader and its head where they are drawn.
    if (buildOutline(box) && tool->hitTestFilledOutline(box))
        return 1;
    return vertices() && runElementHitTest(*this);
}

void TextLineElement::computeExtent(int mode)
{
    TextElement::computeExtent(mode);
    Point lo, hi;
    if (vertices() && (runElementExtent(*this, lo, hi) || vertices()->getBounds(&lo, &hi))) {
        growExtent(lo);
        growExtent(hi);
    }
}

// --- creation ---

int TextLineElement::startText()
{
    TextBuffer* buffer = textBuffer();
    if (!vertices() || !buffer || !inputPointList() || !caretPlace())
        return 0;
    inputPending = 0;
    leaderDone = 1;
    anchorAtLeaderEnd();
    buffer->reset();
    showCaretAtAnchor();
    enterEditing();
    return kComplete;
}

int TextLineElement::beginCreateInput(int)
{
    leaderDone = 0;
    if (!inputPointList() || !vertices())
        return 0;
    inputPending = 0;
    if (beginEditAtCursor() == kEditingText) {
        leaderDone = 1;
        return kEditingText;
    }
    PolylineInput leader(*this, *vertices(), 0);
    const int result = leader.begin();
    return result == kComplete ? startText() : result;
}

int TextLineElement::continueCreateInput(int)
{
    if (leaderDone) {
        if (theMouseState)
            theMouseState->setIBeamCursor();
        return trackEditMouse();
    }
    if (!vertices())
        return 0;
    PolylineInput leader(*this, *vertices(), 0);
    const int result = leader.run();
    return result == kComplete ? startText() : result;
}

// --- geometry ---

void TextLineElement::translate(double dx, double dy, double dz)
{
    if (vertices())
        (void)vertices()->translate(dx, dy, dz); // only a block that cannot be locked fails
    anchorAtLeaderEnd();
}

void TextLineElement::rotate(double angle, double centreX, double centreY, double)
{
    if (!std::isfinite(angle))
        return;
    if (vertices())
        (void)vertices()->rotateAbout(centreX, centreY, angle); // only a block that cannot be locked fails
    anchorAtLeaderEnd();
    if (lean())
        lean()->rotateBy(angle);
}

void TextLineElement::scale(double factor, const Point& centre, int flags)
{
    if (!std::isfinite(factor))
        return;
    if (vertices())
        (void)vertices()->scaleXYAbout(&centre, factor); // only a block that cannot be locked fails
    anchorAtLeaderEnd();
    if (font())
        font()->scale(factor, flags);
    if (arrowLine())
        arrowLine()->scale(factor, flags);
    if (arrowHead())
        arrowHead()->scale(factor, flags);
}

// --- value setters ---

int TextLineElement::editProperties(int hasPrevious, int hasNext)
{
    anchorAtLeaderEnd();
    return shared_body::runPropertyDialog(
        *this, shared_body::makePropertyDialog(*this, ElementKind::TextLine), hasPrevious, hasNext);
}

void TextLineElement::setArrowLineColour(const InkColor& value) { shared_body::setLeaderColour(*this, value); }
void TextLineElement::setArrowHeadColour(const InkColor& value) { shared_body::setHeadColour(*this, value); }
void TextLineElement::setArrowLineStyle(const DrawLineAttribute& value) { shared_body::setLeaderStyle(*this, value); }
void TextLineElement::setArrowLineWidth(const DrawLineAttribute& value) { shared_body::setLeaderWidth(*this, value); }
void TextLineElement::setArrowHeadStyle(const ArrowHeadStyle& value) { shared_body::setHeadKind(*this, value); }
void TextLineElement::setArrowHeadLineSize(const ArrowHeadStyle& value) { shared_body::setHeadLineSize(*this, value); }
void TextLineElement::setArrowHeadLength(const ArrowHeadStyle& value) { shared_body::setHeadLength(*this, value); }
void TextLineElement::setArrowHeadLean(const ArrowHeadStyle& value) { shared_body::setHeadLean(*this, value); }

// --- files ---

int TextLineElement::readXmlAttributes()
{
    if (!TextElement::readXmlAttributes())
        return 0;
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder || !vertices())
        return 0;
    if (holder->vertices() && !vertices()->copyPoints(holder->vertices()))
        return 0;
    if (arrowLine())
        arrowLine()->assign(holder->arrowLine());
    if (arrowHead() && holder->arrowHead())
        (void)arrowHead()->copyFrom(holder->arrowHead()); // a non-null source is always copied
    anchorAtLeaderEnd();
    return 1;
}

int TextLineElement::writeXml()
{
    anchorAtLeaderEnd();
    if (!vertices() || (vertices()->count < 2 && textLength() < 1))
        return 1;
    Document* d = currentXmlContext();
    if (!d || !colour() || !arrowLine() || !arrowHead() || !lean() || !textSpacing() || !font() || !text())
        return 0;
    return openXmlSection() && writeLayerAndGroup() && colour()->writeXml(d) &&
           vertices()->writeXml(d, tag_id::listXY) && arrowLine()->writeThroughHolder(d) &&
           arrowHead()->writeXmlThroughDocument(d) && lean()->writeThroughHolder(d) &&
           textSpacing()->writeThroughHolder(d) && font()->writeThroughHolder(d) && text()->writeXml(d) &&
           closeXmlSection();
}
