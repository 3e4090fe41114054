#pragma once
#include "shapes/ValueList.h"

// The radius values: "radius" / "radiusAray" on paper, "radNum" / "radNumAray" in drawing units.
// The circle writes its radius on paper, the radius dimension in drawing units.
class RadiusList : public ValueList {
public:
    RadiusList();
    RadiusList(const RadiusList& other) = default;
    RadiusList& operator=(const RadiusList& other) = default;

    // "radius" or "radiusAray" with every value converted to paper millimetres.
    [[nodiscard]] int writeXmlOnPaper() const;
};
