#pragma once
#include "document/EntityAttribute.h"
#include "geometry/DrawSwitch.h"
#include "geometry/GrayValue.h"
#include "geometry/InkColor.h"

class Dialog;

// The outline of a closed figure: whether it is drawn, its colour and its tint. Drawing-file
// block "edge" (1420) with "draw", the colour's block and "gray"; the settings key "EDGEDRAWSW"
// (15314) holds the switch.
//
// The switch, colour and tint are held by value: an edge always has all three.
class EdgeAttributes : public EntityAttribute {
public:
    enum Tag { kEdge = 1420 };

    InkColor& color() { return colour; }
    void setGrayFrom(const GrayValue& tint) { gray.assign(&tint); }
    // Switch, colour and tint; null does nothing.
    void assign(const EdgeAttributes* other);
    // Drawn, full tint; the colour stays.
    void reset();

    // Record image: the switch (int16), the colour's 52 bytes, the tint (double).
    int exchangeRecord(int mode, ElementRecordBuffer& buffer);

    // The drawing file through the current XML context, up to endTag.
    int readXml(int endTag);
    int writeXml(Document* writer);
    // An "edge" block holding only the switch / only the colour.
    int writeDrawOnly(Document* writer) const;
    int writeColorOnly();
    // Takes other, writes, then resets the writer's current colour to white.
    int writeFromHolder(const EdgeAttributes& other);
    // The writer's holder (Document::currentEdge) takes a copy and writes it.
    int writeThroughHolder(Document* context);
    int readEntityXml(Document& document, int tagId) override;

    int reserved = 0;
    DrawSwitch draw;
    InkColor colour;
    GrayValue gray;
    Document* xmlContext = nullptr;

private:
    int readXmlWith(Document& d, int endTag);
};
