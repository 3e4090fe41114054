#include "tests/document/PartsFixture.h"

#include <algorithm>

#include "geometry/DoubleRect.h"
#include "geometry/TagIds.h"

namespace parts_fixture {

int PartsView::pagesDrawn = 0;
int PartsSetup::contextsMade = 0;

namespace {

ElementEditorBase* makeEditor(DocumentContext&)
{
    ++PartsSetup::contextsMade; // every context has one io editor
    return new PartEditor;
}
ElementEditorBase* makeToolEditor(DocumentContext&) { return new PartEditor; }
ViewParams* makeView(DocumentContext&) { return new PartsView; }
Element* makeHolder() { return new PartHolder; }

} // namespace

int PartShape::writeXml()
{
    Document* d = currentXmlContext();
    if (!d || !d->beginElement(kind))
        return 0;
    GroupNumber number;
    PointList list;
    list.owner = context;
    for (const UndoPoint& p : points) {
        if (!list.appendXYZ(p.x, p.y, p.z))
            return 0;
    }
    return number.writeXml(group) && list.writeXml(d, tag_id::listXY) && d->endElement(kind);
}

int PartShape::readXmlAttributes()
{
    Document* d = currentXmlContext();
    auto* holder = d ? static_cast<PartHolder*>(d->attributeHolder()) : nullptr;
    if (!holder)
        return 0;
    group = holder->group.group;
    points.clear();
    for (int i = 0; i < holder->points.list.count; ++i) {
        Point p;
        if (holder->points.list.getPoint(i, &p))
            points.push_back({p.x, p.y, p.z});
    }
    return 1;
}

int PartShape::execute(int operation, double x, double y, double z)
{
    ViewUpdater* updater = context ? context->updater : nullptr;
    DeviceContext* overlay = updater ? updater->overlaySurface() : nullptr;
    if (!overlay || !context->view || operation != 21)
        return 0;
    for (const UndoPoint& p : points) {
        IntPoint device;
        context->view->worldToDevice(p.x + x, p.y + y, &device);
        overlay->fillRect(RgbColor(0, 0, 0), IntRect::fromEdges(device.x - 1, device.y - 1, device.x + 2, device.y + 2));
    }
    (void)z;
    return 1;
}

int PointsValue::readEntityXml(XmlContext&, int tagId) { return list.readXml(tagId); }

EntityAttribute* PartHolder::entityAttribute(int tagId)
{
    if (tagId == tag_id::group)
        return &group;
    if (tagId == tag_id::listXY)
        return &points;
    return nullptr;
}

void PartHolder::resetReadAttributes()
{
    group.reset();
    (void)points.list.resize(0); // shrinking always succeeds
}

std::unique_ptr<UndoTestElement> PartEditor::makeElement() { return std::make_unique<PartShape>(); }

int PartEditor::newElement(int kind)
{
    inHand = makeElement();
    inHand->context = owner;
    inHand->kind = kind;
    return 1;
}

int PartEditor::readElementXmlAttributes() { return inHand ? inHand->readXmlAttributes() : 0; }

int PartEditor::writeElementXmlById(int id)
{
    ElementStore* store = owner ? owner->elementStore() : nullptr;
    ElementIndexEntry entry;
    if (!store || !store->getEntry(id, &entry) || !beginEdit(id) || !inHand->writeXml())
        return -1;
    return entry.pageNext >= 1 ? entry.pageNext : -1;
}

int PartEditor::elementExtent(int id, DoubleRect& extent)
{
    if (!beginEdit(id) || inHand->points.empty())
        return 0;
    Point low, high;
    inHand->extent(low, high);
    extent.set(low.y, low.x, high.x, high.y);
    return 1;
}

int PartsPaper::writeXmlSection(Document& d)
{
    return d.beginTag(tag_id::paperSize) && d.writeDoubleTag(tag_id::horizontal, 297.0, 3) &&
           d.writeDoubleTag(tag_id::vertical, 210.0, 3) && d.endTag(tag_id::paperSize) &&
           d.beginTag(tag_id::drawScale) && d.writeIntTag(tag_id::numerator, 1) &&
           d.writeIntTag(tag_id::denominator, 1) && d.endTag(tag_id::drawScale) &&
           d.writeStringTag(tag_id::zahyoType, "UNDERPLUS");
}

int PartsView::drawPageScaled(DeviceContext& surface, const DoubleRect& extent, int size)
{
    ElementStore* store = owner ? owner->elementStore() : nullptr;
    if (!store || !store->pageTable)
        return 0;
    ++pagesDrawn;
    const double span = std::max(std::max(extent.width(), extent.height()), 1e-9);
    const int page = owner->currentPage();
    int drawn = 0;
    for (int id = store->pageTable->getFirst(page); id >= 1 && drawn < 100000;) {
        PartShape shape;
        shape.context = owner;
        ElementIndexEntry entry;
        if (!shape.load(id) || !shape.exchangeRecord(3) || !store->getEntry(id, &entry))
            break;
        for (const UndoPoint& p : shape.points) {
            const int x = static_cast<int>((p.x - extent.minX) / span * (size - 3)) + 1;
            const int y = static_cast<int>((p.y - extent.minY) / span * (size - 3)) + 1;
            surface.fillRect(RgbColor(0, 0, 0), IntRect::fromEdges(x - 1, y - 1, x + 2, y + 2));
        }
        ++drawn;
        id = entry.pageNext;
    }
    return drawn > 0;
}

PartsSetup::PartsSetup() : factories(documentMemberFactories), holder(makeBaseElement, makeHolder)
{
    DocumentMemberFactories& hooks = documentMemberFactories;
    hooks.viewParams = makeView;
    hooks.editor3 = makeToolEditor;
    hooks.editor4 = makeEditor;
}

PartsSetup::~PartsSetup() = default;

PartsDrawing::PartsDrawing()
{
    context.createMembers();
    standIn(context.paper, new PartsPaper);
    context.selectTool = selectTool = new ListSelectTool(context);
    context.updater = updater = new EditTestUpdater(context);
    context.linkManagers();
    if (context.ownStore)
        context.ownStore->setNoReuse(1);
}

PartsDrawing::~PartsDrawing() { context.destroyManagers(); }

int PartsDrawing::add(std::vector<UndoPoint> points, int group)
{
    PartShape shape;
    shape.context = &context;
    shape.kind = kindCode(ElementKind::Polygon);
    shape.page = context.currentPage();
    shape.group = group;
    shape.points = std::move(points);
    const int id = shape.exchangeRecord(1) ? shape.store() : 0;
    shape.context = nullptr;
    return id;
}

ElementIndexEntry PartsDrawing::entry(int id)
{
    ElementIndexEntry e;
    ElementStore* store = context.ownStore;
    if (!store || !store->getEntry(id, &e))
        e = ElementIndexEntry();
    return e;
}

std::vector<UndoPoint> PartsDrawing::pointsOf(int id)
{
    PartShape shape;
    shape.context = &context;
    if (!context.ownStore->isLive(id) || !shape.load(id) || !shape.exchangeRecord(3))
        return {};
    return shape.points;
}

std::vector<int> PartsDrawing::pageOrder(int page)
{
    std::vector<int> order;
    ElementStore* store = context.ownStore;
    for (int id = store->pageTable->getFirst(page); id >= 1 && order.size() < 100000; id = entry(id).pageNext)
        order.push_back(id);
    return order;
}

FakePartsPane::FakePartsPane() { dc.attachHdc(pixels.hdc); }

FakePartsPane::~FakePartsPane() { dc.detachHdc(); }

void FakePartsPane::setPartsRange(int newSelected, int newCount)
{
    selected = newSelected;
    count = newCount;
}

int FakePartsPane::cellRect(int index, IntRect& cell)
{
    const int left = 6 + index * kStep;
    if (index < 0 || left + kCell > pixels.width)
        return 0;
    cell = IntRect::fromEdges(left, 6, left + kCell, 6 + kCell);
    return 1;
}

int FakePartsPane::cellAtPoint(const IntPoint& screen)
{
    for (int i = 0; first + i < count; ++i) {
        IntRect cell;
        if (!cellRect(i, cell))
            break;
        if (screen.x >= cell.left && screen.x < cell.right && screen.y >= cell.top && screen.y < cell.bottom)
            return first + i + 1;
    }
    return -1;
}

IntPoint FakePartsPane::centreOf(int part) const
{
    const int left = 6 + (part - 1 - first) * kStep;
    return IntPoint(left + kCell / 2, 6 + kCell / 2);
}

} // namespace parts_fixture
