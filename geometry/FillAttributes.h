#pragma once
#include "document/EntityAttribute.h"
#include "geometry/DrawSwitch.h"
#include "geometry/GrayAttributes.h"
#include "geometry/InkColor.h"

class Dialog;
class SettingsFile;

// The fill of a closed figure: whether it is painted, its colour and its screen. Drawing-file
// block "paint" (1421) with "draw", the colour's block and the screen's "halfTone"; the settings
// key "PAINTDRAWSW" (15315) holds the switch.
//
// The switch, colour and screen are held by value: a fill always has all three.
class FillAttributes : public EntityAttribute {
public:
    enum Tag { kPaint = 1421 };

    void setColor(const RgbColor& rgb) { colour.RgbColor::assign(rgb); }
    void setGradationFrom(const GrayAttributes& screen) { gray.assign(&screen); }
    // Switch, colour and screen; null does nothing.
    void assign(const FillAttributes* other);
    // Not painted, black, the default screen.
    void reset();

    // Record image: the switch (int16), the colour's 52 bytes, the screen's image.
    int exchangeRecord(int mode, ElementRecordBuffer& buffer);

    int drawToCheckBox(Dialog* dialog, int id) const { return draw.toCheckBox(dialog, id); }
    int drawFromCheckBox(Dialog* dialog, int id) { return draw.fromCheckBox(dialog, id); }

    // The drawing file through the current XML context, up to endTag.
    int readXml(int endTag);
    int writeXml(Document* writer);
    // A "paint" block holding only the switch.
    int writeDrawOnly(Document* writer) const;
    // Takes other, writes, then resets the writer's current colour to white.
    int writeFromHolder(const FillAttributes& other);
    // The writer's holder (Document::currentPaint) takes a copy and writes it.
    int writeThroughHolder(Document* context);
    int readEntityXml(Document& document, int tagId) override;

    // The switch as "TRUE"/"FALSE" under the key.
    int readDrawSetting(SettingsFile& file) { return draw.readSetting(file); }
    int writeDrawSetting(SettingsFile& file, int key) const { return draw.writeSetting(file, key); }

    int reserved = 0;
    DrawSwitch draw;
    InkColor colour;
    GrayAttributes gray;
    Document* xmlContext = nullptr;

private:
    int readXmlWith(Document& d, int endTag);
};
