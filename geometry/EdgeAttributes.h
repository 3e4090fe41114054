#pragma once
#include "geometry/DrawnInkBundle.h"
#include "geometry/GrayValue.h"

class Dialog;

// The outline of a closed figure: whether it is drawn, its colour and its tint. Drawing-file
// block "edge" with "draw", the colour's block and "gray"; the settings key "EDGEDRAWSW"
// (15314) holds the switch. The writer's holder is XmlContext::currentEdge. Record image: the switch
// (int16), the colour's 52 bytes, the tint (double).
class EdgeAttributes : public DrawnInkBundle<EdgeAttributes, GrayValue> {
public:

    [[nodiscard]] InkColor& color() { return colour; }
    void setGrayFrom(const GrayValue& tint) { gray.assign(&tint); }
    // Drawn, full tint; the colour stays.
    void reset();

    // An "edge" block holding only the colour.
    [[nodiscard]] int writeColorOnly();
};

extern template class DrawnInkBundle<EdgeAttributes, GrayValue>;
