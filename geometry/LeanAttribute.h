#pragma once
#include "geometry/EntityAttribute.h"

class Dialog;
class DrawingOwner;
class ElementRecordBuffer;
class XmlContext;

// The slant of a box, an oval or a text: an angle in degrees, kept within [0, 360). Record image:
// the double. Drawing-file tag "lean" (three decimals).
class LeanAttribute : public EntityAttribute {
public:
    void reset() { angle = 0.0; }
    void assign(const LeanAttribute* other)
    {
        if (other)
            angle = other->angle;
    }

    // angle + delta brought into [0, 360) in constant time (an angle of 1e300 too); a delta or
    // result that is not finite changes nothing.
    void rotateBy(double delta);

    // Mode 1 writes the angle, mode 3 reads it back (a value that is not finite fails the read and
    // changes nothing); any other mode 0.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);
    [[nodiscard]] int writeRecord(ElementRecordBuffer& buffer) { return exchangeRecord(1, buffer); }

    // The dialog's number field; 0 when the dialog has no such control.
    [[nodiscard]] int angleToField(Dialog* dialog, int id) const;
    [[nodiscard]] int angleFromField(Dialog* dialog, int id);

    // The real number of the value tag just opened, then the closing tag endTag, through the
    // current XML context, which becomes the object's; the angle changes only when both were
    // read.
    [[nodiscard]] int readXmlValue(int endTag);
    // As the writer's holder: takes the other's angle and writes the tag through xmlContext.
    [[nodiscard]] int writeFromHolder(const LeanAttribute& other);
    // The writer's holder (XmlContext::currentLean) writes a copy.
    [[nodiscard]] int writeThroughHolder(XmlContext* context);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    DrawingOwner* owner = nullptr; // not owned
    double angle = 0.0;
    XmlContext* xmlContext = nullptr;
};
