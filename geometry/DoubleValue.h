#pragma once
#include "geometry/EntityAttribute.h"

class Dialog;
class ElementRecordBuffer;
class XmlContext;

// A plain real number of an element (the angles of an arc, offsets): its record image (the
// double), a number field, and a value tag whose id the owner gives (sttAngle, endAngle ...; at
// most 5 decimals).
class DoubleValue : public EntityAttribute {
public:
    void reset() { value = 0.0; }
    void assign(const DoubleValue* other)
    {
        if (other)
            value = other->value;
    }
    void assign(double newValue) { value = newValue; }

    // Mode 1 writes the value, mode 3 reads it back (a value that is not finite fails the read and
    // changes nothing); any other mode 0.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);

    // The dialog's number field; 0 when the dialog has no such control. The relative forms show
    // value - base and take base + the field's number.
    [[nodiscard]] int toField(Dialog* dialog, int id) const;
    [[nodiscard]] int fromField(Dialog* dialog, int id);
    [[nodiscard]] int differenceToField(Dialog* dialog, int id, double base) const;
    [[nodiscard]] int fromFieldRelative(Dialog* dialog, int id, double base);

    // The value tag `tag` through the current XML context.
    [[nodiscard]] int writeXml(int tag) const;
    // The real number of the value tag just opened, then the closing tag endTag; the value
    // changes only when both were read.
    [[nodiscard]] int readXmlValue(int endTag);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    double value = 0.0;
};
