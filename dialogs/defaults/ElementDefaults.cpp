#include "document/ElementDefaults.h"

#include "document/DocumentContext.h"
#include "document/Element.h"

void ElementDefaults::setOwner(DocumentContext* drawing) { owner = drawing; }

int ElementDefaults::accepts(int) { return 0; }

int ElementDefaults::apply(Element*) { return 0; }

void ElementDefaults::setLayer(int n)
{
    if (n >= 0 && n <= LayerNumber::kLastLayer)
        layer.layer = n;
}

int ElementDefaults::applyLayer(Element* element, int result)
{
    if (!element || !applyLayerFlag.value)
        return result;
    element->setLayer(layer.layer);
    return 1;
}

void ElementDefaults::assignBatchBase(const ElementDefaults& other)
{
    owner = other.owner;
    applyLayerFlag.value = other.applyLayerFlag.value;
}

void ElementDefaults::clearBatchFlags(IntValue* flags, int count)
{
    applyLayerFlag.value = 0;
    for (int i = 0; i < count; ++i)
        flags[i].value = 0;
}

int ElementDefaults::anyBatchFlag(const IntValue* flags, int count) const
{
    if (applyLayerFlag.value)
        return 1;
    for (int i = 0; i < count; ++i)
        if (flags[i].value)
            return 1;
    return 0;
}

void ElementDefaults::copyBatchFlags(IntValue* to, const IntValue* from, int count)
{
    for (int i = 0; i < count; ++i)
        to[i].value = from[i].value;
}

Selection* ElementDefaults::ownerSelection() const { return DocumentContext::selectionOf(owner); }
