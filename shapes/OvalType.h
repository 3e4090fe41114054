#pragma once
#include "geometry/EntityAttribute.h"

class Dialog;
class ElementRecordBuffer;
class XmlContext;

// Which part of an ellipse an oval is: 1 FULL (the ellipse in the box of its two points), 2 HALF,
// 3 QUART. The shapes read the code; any other code is a corrupt value and draws nothing.
// Drawing-file tag "ovalType" with the quoted keyword "FULL", "HALF" or "QUART" (case-sensitive;
// another text keeps the value). Record image: the code (int32).
class OvalType : public EntityAttribute {
public:
    enum : int { kFull = 1, kHalf = 2, kQuart = 3 };

    // Takes the other's code; without a source the code stays.
    int copyFrom(const OvalType* other)
    {
        if (other)
            value = other->value;
        return 1;
    }
    [[nodiscard]] int isValid() const { return value >= kFull && value <= kQuart; }

    // The code a typed character selects while an oval is created ('0' 'F' 'f' full, '2' 'H' 'h'
    // half, '4' 'Q' 'q' quarter); 0 for any other character.
    [[nodiscard]] static int codeOfKey(int character);
    // The code the character typed in the current event selects; 0 for another event.
    [[nodiscard]] static int codeOfTypedKey();

    // Mode 1 writes the code into the record, mode 3 reads it back; other modes 0.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);
    // A code without keyword is written as "" (read back, it changes nothing).
    [[nodiscard]] int writeXml(XmlContext* context) const;
    // A quoted keyword, then the closing tag.
    [[nodiscard]] int readEntityXml(XmlContext& file, int tagId) override;

    // The property dialog's list: items 1..3 are the codes.
    [[nodiscard]] int fillList(Dialog* dialog, int id) const;
    [[nodiscard]] int toList(Dialog* dialog, int id) const;
    [[nodiscard]] int fromList(Dialog* dialog, int id);

    int value = kFull;
};
