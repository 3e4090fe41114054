#pragma once
#include "geometry/EntityAttribute.h"

class XmlContext;

// A one-of-four choice of the dimension elements: 1 "IN", 2 "OUT", 3 "ARROW", 4 "ARC" (other
// values have no keyword). Drawing-file tag "drawType".
class DrawTypeAttribute : public EntityAttribute {
public:

    void reset() { value = 0; }
    void assign(const DrawTypeAttribute* other)
    {
        if (other)
            value = other->value;
    }

    // 1 and the keyword for 1..4; 0 and "" otherwise.
    [[nodiscard]] static int keyword(int code, char* out, int size);
    // Tries 1 to 4; 0 and `code` untouched when none matches exactly.
    [[nodiscard]] static int parse(const char* text, int& code);

    // The quoted keyword of the value tag just opened (through the current XML context; another
    // text keeps the value), then the closing tag endTag.
    [[nodiscard]] int readXmlValue(int endTag);
    // The tag "drawType" with the keyword; a value without keyword writes nothing and succeeds.
    [[nodiscard]] int writeXml(XmlContext* context);
    // The writer's holder (XmlContext::currentDrawType) takes a copy and writes it.
    [[nodiscard]] int writeThroughHolder(XmlContext* context);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    int value = 0;
    XmlContext* xmlContext = nullptr;

private:
    [[nodiscard]] int readValueWith(XmlContext& d, int endTag);
};
