#pragma once

class Element;

// The attribute holder at the start of an element read from an SVG or DXF file: no fill and no
// draw type, no vertices, rotation 0, an empty text and the default font. Points, layer and group
// keep what they hold; the colours and strokes are the holder's own.
void resetForeignHolder(Element& holder);
