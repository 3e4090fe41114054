#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.
#include "dialogs/defaults/ElementDefaults.h"

class EdgeAttributes;
class FillAttributes;
class HatchAttributes;

// Default attributes of new Bezier curves.
class BezierDefaults : public ElementDefaults {
public:
    // Copies the attributes of another record (null does nothing).
    virtual void copyFrom(const BezierDefaults* other) = 0;

    // The values a new curve copies (with the layer, getLayer); null where the record keeps none,
    // and the curve keeps its own.
    [[nodiscard]] virtual const EdgeAttributes* edge() const { return nullptr; }
    [[nodiscard]] virtual const FillAttributes* fill() const { return nullptr; }
    [[nodiscard]] virtual const HatchAttributes* hatch() const { return nullptr; }
};

// The application's record, copied into every new document.
// (Defined in document/GlobalManagers.cpp, with its first readers.)
extern BezierDefaults* theBezierDefaults;
