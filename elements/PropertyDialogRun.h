#pragma once

class Element;
class PropertyDialog;

// Runs an element's property dialog (owned, deleted here; null answers 0) with the element
// erased and left out of the page's redraws meanwhile; the dialog's result.
[[nodiscard]] int runPropertyDialog(Element& element, PropertyDialog* dialog, int hasPrevious, int hasNext);
