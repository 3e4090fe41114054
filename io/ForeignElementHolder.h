#pragma once

class Element;
class ElementEditorBase;

// The attribute holder at the start of an element read from an SVG or DXF file: every value back
// to its default as for an element of the drawing file (no fill, no vertices, rotation 0, an
// empty text, the default font ...), except the start and end points, which keep what they hold.
void resetForeignHolder(Element& holder);

// After an element took the holder's values: a vertex list far larger than elements usually have
// gives its memory back, so that a huge polygon is not held twice while it is stored.
void releaseLargeHolderLists(Element& holder);

// Stores the element in the editor's hand on the current page: the new id, or 0 when the store
// refuses it (a value the drawing file cannot write, with which no later save of the drawing
// would succeed) and the import is to skip the element.
[[nodiscard]] int addWritableElement(ElementEditorBase& editor);

// After an import: tells the user how many entities it passed over, when there were any, in one
// message ("読み込めない要素が3個ありました。").
void tellSkippedEntities(int count);
