#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.
#include "dialogs/defaults/ElementDefaults.h"

class EdgeAttributes;
class FillAttributes;
class HatchAttributes;
class InkColor;
class LineCapAttribute;
class LineOriginAttribute;
class LineSizeAttribute;
class LineTypeAttribute;

// Default attributes of new line drawings.
class LineDefaults : public ElementDefaults {
public:
    // Copies the attributes of another record (null does nothing).
    virtual void copyFrom(const LineDefaults* other) = 0;

    // The values a new element of the line kinds copies (with the layer, getLayer); null where
    // the record keeps none, and the element keeps its own.
    [[nodiscard]] virtual const InkColor* colour() const { return nullptr; }
    [[nodiscard]] virtual const LineSizeAttribute* lineSize() const { return nullptr; }
    [[nodiscard]] virtual const LineOriginAttribute* lineOrigin() const { return nullptr; }
    [[nodiscard]] virtual const LineTypeAttribute* lineType() const { return nullptr; }
    [[nodiscard]] virtual const LineCapAttribute* lineCap() const { return nullptr; }
    // The edge, fill and hatch that a new polygon copies.
    [[nodiscard]] virtual const EdgeAttributes* edge() const { return nullptr; }
    [[nodiscard]] virtual const FillAttributes* fill() const { return nullptr; }
    [[nodiscard]] virtual const HatchAttributes* hatch() const { return nullptr; }
};

// The application's record, copied into every new document.
// (Defined in document/GlobalManagers.cpp, with its first readers.)
extern LineDefaults* theLineDefaults;
