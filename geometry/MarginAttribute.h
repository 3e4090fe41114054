#pragma once
#include "geometry/EntityAttribute.h"

class XmlContext;

// The four margins of a box in paper millimetres. Drawing-file block "margin" holding "top",
// "left", "right" and "bottom" (at most 5 decimals).
class MarginAttribute : public EntityAttribute {
public:
    void clear() { top = left = right = bottom = 0.0; }
    void assign(const MarginAttribute* other)
    {
        if (other)
            *this = *other;
    }

    // The block through the current XML context up to the closing tag endTag; other tags skip
    // their line. A block that cannot be read whole leaves the four values as they were.
    [[nodiscard]] int readXml(int endTag);
    [[nodiscard]] int writeXml(XmlContext* writer) const;
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    double top = 0.0;
    double left = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// The name the element kinds use.
using MarginValue = MarginAttribute;
