#pragma once
#include "geometry/EntityAttribute.h"

class XmlContext;

// Whether a curve is open (1 "OPEN") or closed (2 "CLOSE", the default). Drawing-file tag
// "openClose", a quoted keyword; keywords are upper case and compared exactly.
class OpenCloseAttribute : public EntityAttribute {
public:
    enum { kOpen = 1, kClose = 2 };

    void reset() { value = kClose; }
    void assign(const OpenCloseAttribute* other)
    {
        if (other)
            value = other->value;
    }
    [[nodiscard]] int isClosed() const { return value == kClose; }

    // 1 and the keyword for 1 and 2; "" and 1 for any other code (the file stays readable).
    static int keyword(int code, char* out, int size);
    // Tries 1, then 2: 1 and the code of a keyword; 0 and code unchanged otherwise.
    [[nodiscard]] static int parse(const char* text, int& code);

    // A quoted text of the value tag just opened, then the closing tag endTag, through the current
    // XML context. A keyword sets the value once the closing tag was read; any other text leaves
    // it as it was.
    [[nodiscard]] int readXmlValue(int endTag);
    // As the writer's holder: takes the other's value and writes the tag through xmlContext.
    [[nodiscard]] int writeFromHolder(const OpenCloseAttribute& other);
    // The writer's holder (XmlContext::currentOpenClose) writes a copy.
    [[nodiscard]] int writeThroughHolder(XmlContext* context);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    int value = kClose;
    XmlContext* xmlContext = nullptr;
};
