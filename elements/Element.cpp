#include "elements/Element.h"

#include <new>

#include "document/DocumentContext.h"
#include "document/ElementIndexEntry.h"
#include "document/ElementStore.h"
#include "document/UndoManager.h"

Element::~Element() { UndoManager::forgetElement(this); }

Element* newBaseElement() { return new (std::nothrow) Element; }

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
