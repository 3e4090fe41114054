#pragma once
#include "geometry/EntityAttribute.h"
#include "geometry/DrawSwitch.h"
#include "geometry/InkColor.h"

class XmlContext;
class ElementRecordBuffer;

// What the edge and the fill of a closed figure share: a draw switch, a colour and a tint part
// (`Tint`: the edge's GrayValue, the fill's GrayAttributes screen), all held by value, written as
// one drawing-file block with "draw", the colour's block and the tint's tag. `Bundle` is the edge
// or fill class itself; its block tag, its holder in the writer and the tint's tag are listed
// with the operations in DrawnInkBundle.cpp, which instantiates the two bundles.
template <class Bundle, class Tint> class DrawnInkBundle : public EntityAttribute {
public:
    // Switch, colour and tint; null does nothing.
    void assign(const Bundle* other);

    // Record image: the switch (int16), the colour's 52 bytes, the tint's image. A failed read
    // leaves all three as they were.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);

    // The drawing file through the current XML context, up to endTag.
    [[nodiscard]] int readXml(int endTag);
    [[nodiscard]] int writeXml(XmlContext* writer);
    // The block holding only the switch.
    [[nodiscard]] int writeDrawOnly(XmlContext* writer) const;
    // Takes other, writes, then resets the writer's current colour to white.
    [[nodiscard]] int writeFromHolder(const Bundle& other);
    // The writer's holder of this kind takes a copy and writes it.
    [[nodiscard]] int writeThroughHolder(XmlContext* context);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    int reserved = 0;
    DrawSwitch draw;
    InkColor colour;
    Tint gray;
    XmlContext* xmlContext = nullptr;

protected:
    [[nodiscard]] int readXmlWith(XmlContext& d, int endTag);
};
