#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.
#include "dialogs/defaults/ElementDefaults.h"

class ArrowHeadStyle;
class DrawLineAttribute;
class FontAttributes;
class LineAttribute;
class MeasureAttributes;

// Default attributes of new dimensions.
class MeasureDefaults : public ElementDefaults {
public:
    // Copies the attributes of another record (null does nothing).
    virtual void copyFrom(const MeasureDefaults* other) = 0;
    // The unit of the length numerals (a unit id, as the grid's units count them): the grid
    // passes its own on when the user or the drawing scale changed it. Nothing here.
    virtual void setLengthUnit(int unitId) { (void)unitId; }

    // The values a new dimension copies (with the layer, getLayer); null where the record keeps
    // none, and the element keeps its own. The numeral attributes' unit labels are also the
    // suffixes every dimension of the drawing shows.
    [[nodiscard]] virtual const FontAttributes* font() const { return nullptr; }
    [[nodiscard]] virtual const MeasureAttributes* numeral() const { return nullptr; }
    [[nodiscard]] virtual const LineAttribute* underline() const { return nullptr; }
    [[nodiscard]] virtual const DrawLineAttribute* drawLine() const { return nullptr; }
    [[nodiscard]] virtual const ArrowHeadStyle* arrowHead() const { return nullptr; }
};

// The application's record, copied into every new document.
// (Defined in document/GlobalManagers.cpp, with its first readers.)
extern MeasureDefaults* theMeasureDefaults;
