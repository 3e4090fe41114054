#include "io/dxf/DxfEntityConverter.h"

#include <cmath>
#include <cstring>
#include <string>

#include "document/Document.h"
#include "document/Element.h"
#include "document/ElementDefaults.h"
#include "document/ElementKind.h"
#include "elements/ElementTextString.h"
#include "geometry/FontAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/ThreePointArc.h"
#include "io/ForeignElementHolder.h"
#include "io/ForeignText.h"
#include "io/dxf/DxfKeywords.h"
#include "io/dxf/DxfTextFile.h"
#include "views/tools/ElementEditor.h"

namespace {

// The element kind of an entity, 0 for none.
int elementKindOf(int entity)
{
    switch (entity) {
    case dxf_keyword::kLine:
        return kindCode(ElementKind::Line);
    case dxf_keyword::kArc:
        return kindCode(ElementKind::Arc);
    case dxf_keyword::kPolyline:
        return kindCode(ElementKind::Polygon);
    case dxf_keyword::kText:
        return kindCode(ElementKind::Text);
    default:
        return 0;
    }
}

// A layer name that is a layer number: "1" to "255", digits only.
int layerNumberOf(const char* text)
{
    int value = 0, digits = 0;
    for (; *text >= '0' && *text <= '9' && digits < 4; ++text, ++digits)
        value = value * 10 + (*text - '0');
    return *text == 0 && digits > 0 && value >= 1 && value <= 255 ? value : 0;
}

// The layer of a new element when the drawing has no defaults for its kind.
const int kNewElementLayer = 100;
// Text heights outside this range leave the text at its default size.
const double kSmallestTextSize = 0.1;
const double kLargestTextSize = 100.0;

bool finite(const Point* p) { return !p || (std::isfinite(p->x) && std::isfinite(p->y) && std::isfinite(p->z)); }

} // namespace

DxfEntityConverter::DxfEntityConverter(Document& document, DxfTextFile& file)
    : document(document), file(file), editor(document.ioEditor())
{
}

int DxfEntityConverter::entitiesSkipped() const { return skipped + file.entitiesPassedOver(); }

int DxfEntityConverter::addInHand()
{
    if (static_cast<int>(made.size()) >= kMaxElements) {
        tooMany = true;
        return -1;
    }
    const int id = addWritableElement(*editor);
    if (id >= 1)
        made.push_back(id);
    return id;
}

void DxfEntityConverter::removeMadeFrom(std::size_t first)
{
    while (made.size() > first) {
        (void)editor->removeById(made.back()); // made by this import: it is there
        made.pop_back();
    }
}

void DxfEntityConverter::removeMade()
{
    if (editor)
        removeMadeFrom(0);
}

int DxfEntityConverter::convertEntity()
{
    if (!file.readEntity())
        return 0;
    DxfEntity& entity = file.entity();
    int ok = 1;
    if (entity.kind == dxf_keyword::kInsert)
        ok = placeBlock();
    else if (const int kind = elementKindOf(entity.kind))
        ok = convertToElement(kind);
    entity.kind = 0;
    if (!ok)
        failure = 1;
    return ok;
}

void DxfEntityConverter::resetHolder(Element& holder, int kind)
{
    resetForeignHolder(holder);
    // Entities on layer "0" or on a named layer go where new elements of their kind go.
    ElementDefaults* defaults = holder.elementDefaults(kind);
    holder.layer = defaults ? defaults->getLayer() : kNewElementLayer;
    holder.group = file.entity().section == dxf_keyword::kBlocks ? file.blockBeingRead() : 0;
}

DxfEntityConverter::Taken DxfEntityConverter::takeGroups(Element& holder, int kind)
{
    const DxfEntity& entity = file.entity();
    DrawPoint* start = holder.firstPoint();
    DrawPoint* end = holder.secondPoint();
    PointList* vertices = holder.vertices();
    if (!start || !end || !vertices)
        return Taken::Nothing;
    if (entity.vertexCount() > 0 && !vertices->reserve(entity.vertexCount()))
        return Taken::Nothing;
    int sinceVertex = 0; // VERTEX groups since the start or the last 11, 21 or 31
    double radius = 0.0, firstAngle = 0.0, secondAngle = 0.0;
    const char* text = nullptr;
    DxfGroup group;
    // The text group is the last one copied out; it is kept here until the walk ends.
    DxfGroup textGroup;
    const int count = entity.groupCount();
    for (int i = 0; i < count; ++i) {
        if (!entity.group(i, group, 0))
            break;
        if (group.code == 0) {
            if (group.keyword == dxf_keyword::kVertex) {
                if (!vertices->appendXY(0.0, 0.0))
                    return Taken::Nothing;
                ++sinceVertex;
            }
            continue;
        }
        const double v = group.realValue;
        switch (group.code) {
        case 1:
            textGroup = group;
            text = textGroup.text;
            break;
        case 8:
            if (const int layer = layerNumberOf(group.text))
                holder.layer = layer;
            break;
        case 10:
            if (sinceVertex == 0)
                start->x = v;
            else
                (void)vertices->setXAt(vertices->count - 1, v); // the last vertex exists
            break;
        case 20:
            if (sinceVertex == 0)
                start->y = v;
            else
                (void)vertices->setYAt(vertices->count - 1, v);
            break;
        case 30:
            start->z = v;
            break;
        case 11:
            end->x = v, sinceVertex = 0;
            break;
        case 21:
            end->y = v, sinceVertex = 0;
            break;
        case 31:
            end->z = v, sinceVertex = 0;
            break;
        case 40:
            radius = v;
            if (v > kSmallestTextSize && v < kLargestTextSize && holder.font())
                holder.font()->size = v;
            break;
        case 50:
            firstAngle = v;
            if (holder.lean())
                holder.lean()->angle = v;
            break;
        case 51:
            secondAngle = v;
            break;
        default:
            break;
        }
    }

    // Values that are not finite never reach an element; those too large for the drawing file
    // are found on the element that took them.
    if (kind == kindCode(ElementKind::Arc)) {
        DrawPoint* middle = holder.thirdPoint();
        if (!middle)
            return Taken::Nothing;
        if (!std::isfinite(radius) || !finite(start) || !std::isfinite(firstAngle) || !std::isfinite(secondAngle))
            return Taken::Unwritable;
        if (!(radius > 0.0))
            return Taken::Nothing;
        // The writer negated both angles and swapped them.
        ThreePointArc arc;
        arc.centre = *start;
        arc.radius = radius;
        arc.startAngle = -secondAngle;
        arc.endAngle = -firstAngle;
        if (!arc.setPointsFromAngles())
            return Taken::Nothing;
        if (!finite(&arc.start) || !finite(&arc.end) || !finite(&arc.middle))
            return Taken::Unwritable;
        start->x = arc.start.x, start->y = arc.start.y;
        end->x = arc.end.x, end->y = arc.end.y;
        middle->x = arc.middle.x, middle->y = arc.middle.y, middle->z = start->z;
        end->z = start->z;
        return Taken::Element;
    }
    if (kind == kindCode(ElementKind::Polygon)) {
        if (vertices->count < 2)
            return Taken::Nothing;
        for (int i = 0; i < vertices->count; ++i) {
            if (!std::isfinite(vertices->getX(i)) || !std::isfinite(vertices->getY(i)))
                return Taken::Unwritable;
        }
        return Taken::Element;
    }
    if (kind == kindCode(ElementKind::Text)) {
        if (!text || !*text || !holder.text())
            return Taken::Nothing;
        if (!finite(start) || !std::isfinite(firstAngle))
            return Taken::Unwritable;
        const int length = static_cast<int>(std::strlen(text));
        // Text that is not valid UTF-8 is kept as its bytes stand.
        const std::string converted = file.textIsUtf8() ? utf8ToCodePage(text, length) : "";
        const int inserted = !converted.empty()
                                 ? holder.text()->buffer.insert(converted.data(), static_cast<int>(converted.size()))
                                 : holder.text()->buffer.insert(text, length);
        return inserted ? Taken::Element : Taken::Nothing;
    }
    return finite(start) && finite(end) ? Taken::Element : Taken::Unwritable;
}

int DxfEntityConverter::convertToElement(int kind)
{
    Element* holder = document.attributeHolder();
    if (!editor || !holder || !editor->newElement(kind))
        return 0;
    resetHolder(*holder, kind);
    const Taken taken = takeGroups(*holder, kind);
    // The groups are in the holder now; a huge polyline's memory goes back before it is stored.
    file.entity().clearGroups();
    if (taken == Taken::Nothing)
        return 1; // nothing to show: passed over
    if (taken == Taken::Unwritable) {
        ++skipped;
        return 1;
    }
    const int read = editor->readElementXmlAttributes();
    releaseLargeHolderLists(*holder);
    if (!read)
        return 0;
    const int block = file.entity().section == dxf_keyword::kBlocks ? holder->group : 0;
    // An element of a block placed already (one that inserted itself before it) goes where the
    // block's elements went, so that every copy holds it where the others are.
    const auto placement = block >= 1 ? placements.find(block) : placements.end();
    Element* inHand = editor->elementInHand();
    if (placement != placements.end() && placement->second.placed && inHand)
        inHand->translate(placement->second.x, placement->second.y, 0.0);
    const int id = addInHand();
    if (id < 0)
        return 0;
    if (id == 0) {
        ++skipped;
        return 1;
    }
    if (block >= 1)
        blockElements[block].push_back(id);
    return 1;
}

int DxfEntityConverter::placeBlock()
{
    const DxfEntity& entity = file.entity();
    char name[DxfGroup::kTextSize] = {};
    double x = 0.0, y = 0.0;
    DxfGroup group;
    for (int i = 0; i < entity.groupCount() && entity.group(i, group, 0); ++i) {
        if (group.code == 2)
            std::memcpy(name, group.text, sizeof name);
        else if (group.code == 10)
            x = group.realValue;
        else if (group.code == 20)
            y = group.realValue;
    }
    const int block = file.blockIdByName(name);
    auto members = blockElements.find(block);
    if (block == 0 || members == blockElements.end() || !editor)
        return 1;
    if (!std::isfinite(x) || !std::isfinite(y)) {
        ++skipped;
        return 1;
    }
    Placement& placement = placements[block];
    if (!placement.placed) {
        // The block's own elements move from where the block defined them to the insertion; an
        // insertion that cannot hold them leaves them for the next one.
        if (!moveBlock(members->second, x, y)) {
            ++skipped;
            return 1;
        }
        placement.x = x, placement.y = y, placement.placed = 1;
        return 1;
    }
    // Every further insertion places a copy of the block, as a group of its own, whole or not at
    // all.
    const int copyGroup = file.nextBlockId();
    const std::size_t first = made.size();
    for (int id : members->second) {
        if (!editor->beginEdit(id))
            continue; // an element the store lost is not copied
        Element* copy = editor->elementInHand();
        copy->translate(x - placement.x, y - placement.y, 0.0);
        copy->group = copyGroup;
        (void)copy->assignSerial(); // 0 without a counter: the copy keeps serial 0
        const int copyId = addInHand();
        if (copyId < 0)
            return 0;
        if (copyId == 0) {
            removeMadeFrom(first);
            ++skipped;
            return 1;
        }
    }
    return 1;
}

bool DxfEntityConverter::moveBlock(const std::vector<int>& members, double dx, double dy)
{
    // Each element is tried where it would go before any of them moves.
    for (int id : members) {
        if (!editor->beginEdit(id))
            continue; // an element the store lost stays out
        Element* moved = editor->elementInHand();
        moved->translate(dx, dy, 0.0);
        if (!moved->stageRecord()) // as the store would judge it, without storing it
            return false;
    }
    for (int id : members)
        (void)editor->translateById(id, dx, dy, 0.0); // tried above: only an element the store lost fails
    return true;
}
