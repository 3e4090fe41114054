#pragma once
#include <cstdint>

#include "geometry/EntityAttribute.h"

class DrawingOwner;
class ElementRecordBuffer;
class FontAttributes;
class XmlContext;

// The spacing of a text: a mode, the character spacing "jikan" (millimetres) and the line spacing
// "gyokan". What the mode selects and whether gyokan is a factor or a pitch is the text
// elements' business; the value stores, copies and serialises them. Record image: mode (int32),
// jikan, gyokan (doubles). Drawing-file tags "jikan" and "gyokan" (at most 5 decimals), each read
// as an element attribute of its own.
class TextSpacingAttribute : public EntityAttribute {
public:
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);
    void assign(const TextSpacingAttribute* other);
    void assign(int newMode, double newJikan, double newGyokan);

    // The font's size times 1.2, at drawing size (times the owner paper's scale denominator over
    // numerator).
    [[nodiscard]] double defaultLinePitch(const FontAttributes& font) const;

    // The real number of the value tag `tag` just opened ("jikan" or "gyokan"), then its closing
    // tag, through the current XML context, which becomes the value's own. The value changes
    // only when both were read.
    [[nodiscard]] int readXmlValue(int tag);
    [[nodiscard]] int writeXml(XmlContext* writer);
    // The writer's holder (XmlContext::currentTextPitch) takes a copy and writes it.
    [[nodiscard]] int writeThroughHolder(XmlContext* context);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    DrawingOwner* owner = nullptr; // not owned
    int32_t mode = 1;
    double jikan = 0.0;
    double gyokan = 1.0;
    XmlContext* xmlContext = nullptr;

private:
    [[nodiscard]] int readValueWith(XmlContext& d, int tag);
};
