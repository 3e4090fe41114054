#pragma once
#include "geometry/EntityAttribute.h"

class XmlContext;
class ElementRecordBuffer;

// A tint as a fraction of full ink (1.0 = full): of an edge or a hatch. Drawing-file tag "gray"
// (three decimals); its record image is the double.
class GrayValue : public EntityAttribute {
public:

    void reset() { value = 1.0; }
    void assign(const GrayValue* other)
    {
        if (other)
            value = other->value;
    }
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);

    // The real number of the value tag just opened, then the closing tag endTag (through the
    // current XML context).
    [[nodiscard]] int readXmlValue(int endTag);
    [[nodiscard]] int writeXml(XmlContext* writer) const;
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    double value = 1.0;
};
