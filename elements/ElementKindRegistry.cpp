#include "elements/ElementKindRegistry.h"

#include <cstring>
#include <new>

#include "document/Element.h"
#include "document/ElementKindNames.h"
#include "elements/AngleMeasureElement.h"
#include "elements/ArcElement.h"
#include "elements/BezierElement.h"
#include "elements/BitmapElement.h"
#include "elements/BoxElement.h"
#include "elements/BreaklineElement.h"
#include "elements/CircleDimensionElement.h"
#include "elements/CircleElement.h"
#include "elements/LineElement.h"
#include "elements/MeasureElement.h"
#include "elements/OvalElement.h"
#include "elements/PictureElement.h"
#include "elements/PolygonElement.h"
#include "elements/SplineElement.h"
#include "elements/TextElement.h"
#include "elements/TextLineElement.h"
#include "platform/StringUtil.h"

ElementKindRegistry* theKindRegistry = nullptr;

ElementKindRegistry::Factory ElementKindRegistry::factories[19] = {
    newLineElement,         // 1 line
    newBreaklineElement,    // 2 breakline
    newArcBreaklineElement, // 3 arcbreakline
    newSplineElement,       // 4 spline
    newBoxElement,          // 5 box
    newArcElement,          // 6 arc
    newCircleElement,       // 7 circle
    newPolygonElement,      // 8 polygon
    newArcPolygonElement,   // 9 arcpolygon
    newOvalElement,         // 10 oval
    newBezierElement,       // 11 bezier3
    newTextElement,         // 12 text
    newTextLineElement,     // 13 textline
    newMeasureElement,      // 14 measure
    newAngleMeasureElement, // 15 msrangle
    newMsrRadiusElement,    // 16 msrradius
    newMsrDiameterElement,  // 17 msrdiameter
    newBitmapElement,       // 18 bitmap
    newPictureElement,      // 19 picture
};

namespace {
constexpr int kInitialRecords = 30;

// The registry whose names undo reads: the last one made, until it goes.
ElementKindRegistry* namingRegistry = nullptr;

int nameFromRegistry(int kind, char* name, int size)
{
    return namingRegistry ? namingRegistry->nameOfKind(kind, name, size) : 0;
}
} // namespace

ElementKindRegistry::ElementKindRegistry() : records(1, static_cast<int>(sizeof(ElementKindRecord)))
{
    // Without the room the first additions grow the block one record at a time.
    (void)records.reserve(kInitialRecords, 0);
    namingRegistry = this;
    elementKindNameLookup = nameFromRegistry;
}

ElementKindRegistry::~ElementKindRegistry()
{
    if (namingRegistry == this) {
        namingRegistry = nullptr;
        elementKindNameLookup = nullptr;
    }
}

void ElementKindRegistry::fillTable()
{
    records.count = 0;
    for (const ElementKindRow& row : kElementKindRows) {
        if (!addKind(row.kind, row.name, row.keyword, row.listed))
            return; // out of memory: the kinds registered so far stay usable
    }
}

Element* ElementKindRegistry::createElement(int kind)
{
    if (!isElementKind(kind))
        return nullptr;
    Factory make = factories[kind - 1];
    Element* element = make ? make() : nullptr;
    if (!element)
        return nullptr;
    element->initialize();
    element->self = element;
    return element;
}

int ElementKindRegistry::destroyElement(int kind, Element* element)
{
    if (!element)
        return 0;
    element->teardown();
    if (!isElementKind(kind))
        element->beforeDelete();
    delete element;
    return 1;
}

void ElementKindRegistry::recordAt(ElementKindRecord& out, int index)
{
    if (index < 0 || index >= records.count || !records.get(index, &out))
        std::memset(&out, 0, sizeof out);
}

int ElementKindRegistry::indexOfKind(int kind)
{
    ElementKindRecord record;
    for (int i = 0; i < records.count; ++i) {
        if (records.get(i, &record) && static_cast<int>(record.kind) == kind)
            return i;
    }
    return -1;
}

int ElementKindRegistry::nameOfKind(int kind, char* buffer, int size)
{
    if (!buffer || size < 1)
        return 0;
    buffer[0] = 0;
    const int index = indexOfKind(kind);
    if (index < 0)
        return 0;
    ElementKindRecord record;
    recordAt(record, index);
    StringUtil::copy(buffer, size, record.name);
    return 1;
}

int ElementKindRegistry::addKind(int kind, const char* name, const char* keyword, int listed)
{
    ElementKindRecord record = {};
    record.kind = static_cast<uint32_t>(kind);
    StringUtil::copy(record.name, static_cast<int>(sizeof record.name), name ? name : "");
    StringUtil::copy(record.keyword, static_cast<int>(sizeof record.keyword), keyword ? keyword : "");
    record.listed = static_cast<uint32_t>(listed);
    return records.append(&record);
}

ElementKindRegistry* makeKindRegistry()
{
    auto* registry = new (std::nothrow) ElementKindRegistry;
    if (registry)
        registry->fillTable();
    return registry;
}
