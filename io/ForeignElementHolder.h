#pragma once

class Element;

// The attribute holder at the start of an element read from an SVG or DXF file: no fill and no
// draw type, no vertices, rotation 0, an empty text and the default font. Points, layer and group
// keep what they hold; the colours and strokes are the holder's own.
void resetForeignHolder(Element& holder);

// After an element took the holder's values: a vertex list far larger than elements usually have
// gives its memory back, so that a huge polygon is not held twice while it is stored.
void releaseLargeHolderLists(Element& holder);

// After an import: tells the user how many entities it passed over, when there were any, in one
// message ("読み込めない要素が3個ありました。").
void tellSkippedEntities(int count);
