#include "tests/elements/ElementFixture.h"

#include "document/Document.h"
#include "document/DocumentMembers.h"
#include "document/FileNameValue.h"
#include "document/ShapeOp.h"
#include "geometry/DoubleValue.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/FontAttributes.h"
#include "geometry/GrayValue.h"
#include "geometry/HatchAttributes.h"
#include "geometry/InkColor.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineAttribute.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/MarginAttribute.h"
#include "geometry/OpenCloseAttribute.h"
#include "geometry/TagIds.h"
#include "geometry/TextSpacingAttribute.h"
#include "tests/support/ScopedOverride.h"

namespace element_fixture {

int RecordingKind::execute(int operation, double, double, double)
{
    operations.push_back(operation);
    return 1;
}

void RecordingKind::initialize()
{
    (void)ensureAttribute(ElementAttribute::firstPoint); // a failed ensure shows in the tests' accessors
    (void)ensureAttribute(ElementAttribute::secondPoint);
    (void)ensureAttribute(ElementAttribute::lineWidth);
}

void RecordingKind::teardown()
{
    releaseAttribute(ElementAttribute::firstPoint);
    releaseAttribute(ElementAttribute::secondPoint);
    releaseAttribute(ElementAttribute::lineWidth);
}

int RecordingKind::writeXml()
{
    Document* d = currentXmlContext();
    if (!d || !openXmlSection() || !writeLayerAndGroup())
        return 0;
    int ok = !uniqueToWrite || d->writeIntTag(tag_id::unique, uniqueToWrite);
    auto write = [&ok](const void* present, auto writer) {
        if (present)
            ok = ok && writer();
    };
    write(colour(), [&] { return colour()->writeXml(d); });
    write(edge(), [&] { return edge()->writeXml(d); });
    write(fill(), [&] { return fill()->writeXml(d); });
    write(firstPoint(), [&] { return firstPoint()->writeXmlTo(d, tag_id::startPoint); });
    write(secondPoint(), [&] { return secondPoint()->writeXmlTo(d, tag_id::endPoint); });
    write(thirdPoint(), [&] { return thirdPoint()->writeXmlTo(d, tag_id::centerPoint); });
    write(vertices(), [&] { return vertices()->writeXml(d, tag_id::listXY); });
    write(lineWidth(), [&] { return lineWidth()->writeXml(d); });
    write(linePosition(), [&] { return linePosition()->writeXml(d); });
    write(lineType(), [&] { return lineType()->writeXml(d); });
    write(lineCap(), [&] { return lineCap()->writeXml(); });
    write(hatch(), [&] { return hatch()->writeXml(d); });
    write(lean(), [&] { return lean()->writeThroughHolder(d); });
    write(openClose(), [&] { return openClose()->writeThroughHolder(d); });
    write(font(), [&] { return font()->writeXml(d); });
    write(textSpacing(), [&] { return textSpacing()->writeXml(d); });
    write(arrowLine(), [&] { return arrowLine()->writeXml(d); });
    write(measureLine(), [&] { return measureLine()->writeXml(d); });
    write(gray(), [&] { return gray()->writeXml(d); });
    write(value1(), [&] { return value1()->writeXml(tag_id::sttAngle); });
    write(value2(), [&] { return value2()->writeXml(tag_id::endAngle); });
    write(margin(), [&] { return margin()->writeXml(d); });
    write(fileName(), [&] { return fileName()->writeXml(*d); });
    return ok && closeXmlSection();
}

int RecordingKind::readXmlAttributes()
{
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder)
        return 0;
    const int ownKind = kind;
    if (!copyValuesFrom(*holder))
        return 0;
    kind = ownKind;
    uniqueToWrite = holder->serial;
    takeDocumentLayerAndGroup();
    return 1;
}

int RecordingKind::beginCreateInput(int arg)
{
    Point press;
    if (!firstPoint() || !previousInputPoint(&press))
        return 0;
    snapToGrid(&press);
    firstPoint()->x = press.x, firstPoint()->y = press.y;
    clearSavedExtent();
    return continueCreateInput(arg);
}

int RecordingKind::continueCreateInput(int)
{
    ViewParams* view = viewParams();
    if (!view || !firstPoint() || !secondPoint())
        return 0;
    for (;;) {
        IntPoint device;
        int left = 0, right = 0;
        if (!view->nextMousePoint(device, left, right)) {
            inputPending = 1; // the next mouse step continues this element
            return kCancelled;
        }
        Point p;
        deviceToDrawing(&p, device, 0);
        (void)constrainToAxis(p, *firstPoint()); // 0 without Shift: p as read
        secondPoint()->x = p.x, secondPoint()->y = p.y;
        beginOverlay();
        computeExtent(0);
        forwardOp(ShapeOp::RubberBand);
        saveExtent();
        if (!left) {
            inputResult = kComplete;
            return kComplete;
        }
    }
}

int CursorSelectTool::isUnderCursor(const Point& p) { return p.distanceTo2D(cursor.x, cursor.y) < 0.5; }

int CursorSelectTool::strokePick(StrokePick& out)
{
    if (!picks)
        return 0;
    out = pickAbout(cursor, &pickView);
    return 1;
}

int TrackingView::pollMouseButtons(int& left, int& right)
{
    left = isLeftButtonDown();
    right = isRightButtonDown();
    IntPoint cursor;
    readCursorPos(cursor);
    return 1;
}

int TrackingView::nextMousePoint(IntPoint& device, int& left, int& right)
{
    if (++steps == cancelAt) {
        left = right = 0;
        return 0;
    }
    // The buttons first: the scripted mouse's clock moves on at each cursor read.
    left = isLeftButtonDown();
    right = isRightButtonDown();
    readCursorPos(device);
    return 1;
}

IoEditor::~IoEditor()
{
    delete current;
    for (RecordingKind* element : read)
        delete element;
}

int IoEditor::newElement(int kind)
{
    delete current;
    current = new RecordingKind(kind);
    current->context = owner;
    current->self = current;
    current->initialize();
    return 1;
}

int IoEditor::addToPage()
{
    if (!current || !owner)
        return 0;
    current->page = owner->currentPage();
    const int id = current->exchangeRecord(1) ? current->store() : 0;
    if (id < 1)
        return 0;
    read.push_back(current);
    current = nullptr;
    return 1;
}

int IoEditor::writeElementXmlById(int id)
{
    ElementStore* store = owner ? owner->elementStore() : nullptr;
    ElementIndexEntry entry;
    if (!store || !store->getEntry(id, &entry))
        return -1;
    for (RecordingKind* element : read) {
        if (element->id == id)
            return element->writeXml() && entry.pageNext >= 1 ? entry.pageNext : -1;
    }
    return -1;
}

Drawing::Drawing()
{
    {
        ScopedOverride<DocumentMemberFactories> saved(documentMemberFactories);
        documentMemberFactories.editor4 = [](DocumentContext&) -> ElementEditorBase* { return new IoEditor; };
        context.createMembers();
        context.linkManagers();
    }
    view = new TrackingView;
    context.view = view;
    tool = new CursorSelectTool;
    context.selectTool = tool;
    points = new PressPoints;
    context.inputPoints = points;
    editor = static_cast<IoEditor*>(context.editor4);
    editor->owner = &context;
}

Drawing::~Drawing()
{
    for (RecordingKind* element : elements)
        delete element;
    context.destroyManagers();
}

RecordingKind* Drawing::made(int kind)
{
    auto* element = new RecordingKind(kind);
    element->context = &context;
    element->initialize();
    element->self = element;
    elements.push_back(element);
    return element;
}

int Drawing::add(RecordingKind& element)
{
    if (!element.exchangeRecord(1) || element.store() < 1 || !element.storeExtent())
        return 0;
    editor->read.push_back(&element);
    // The editor now owns it.
    for (auto it = elements.begin(); it != elements.end(); ++it) {
        if (*it == &element) {
            elements.erase(it);
            break;
        }
    }
    return element.id;
}

} // namespace element_fixture
