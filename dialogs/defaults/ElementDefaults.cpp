#include "dialogs/defaults/ElementDefaults.h"

#include "document/DocumentContext.h"
#include "elements/Element.h"

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

Selection* ElementDefaults::ownerSelection() const { return DocumentContext::selectionOf(owner); }
