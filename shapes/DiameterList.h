#pragma once
#include "shapes/ValueList.h"

// The diameter values: "diameter" / "diameterAray" on paper, "diaNum" / "diaNumAray" in drawing
// units (the diameter dimension writes the latter).
class DiameterList : public ValueList {
public:
    DiameterList();
    DiameterList(const DiameterList& other) = default;
    DiameterList& operator=(const DiameterList& other) = default;
};
