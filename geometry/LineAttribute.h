#pragma once
#include "geometry/EntityAttribute.h"
#include "geometry/InkColor.h"
#include "geometry/LineStyle.h"

class Dialog;
class DrawingOwner;
class SettingsFile;

// A pen: line style, width (paper millimetres) and colour; the underline of dimensions. Its style
// list also offers style 0 "なし" (no line). Drawing-file block "underLine" with "style",
// "lineSize" and the colour's block; settings key "ULINELSIZE" (15441, the width only).
//
// The colour is held by value: a pen always has one.
class LineAttribute : public LineStyle, public EntityAttribute {
public:
    enum Key { kWidthKey = 15441 };

    [[nodiscard]] double width() const { return penWidth; }
    // RGB and inks of the colour (its overprint and ink stay).
    void setColor(const RgbColor& rgb) { colour.RgbColor::assign(rgb); }

    // Record image: style int32, width double, the colour's 52 bytes.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);
    // Style, width and colour (not dash, gap and dot); null does nothing.
    void assign(const LineAttribute* other);

    // The style list "なし", "実線", "点線", "鎖線": position = style + 1.
    [[nodiscard]] int fillStyleList(Dialog* dialog, int id);
    [[nodiscard]] int styleToList(Dialog* dialog, int id);
    [[nodiscard]] int styleFromList(Dialog* dialog, int id);
    [[nodiscard]] int fillLineStyleList(Dialog* dialog, int id) { return fillStyleList(dialog, id); }
    [[nodiscard]] int styleToControl(Dialog* dialog, int id) { return styleToList(dialog, id); }
    [[nodiscard]] int styleFromControl(Dialog* dialog, int id) { return styleFromList(dialog, id); }
    [[nodiscard]] int widthToControl(Dialog* dialog, int id);

    // With bit 0 of flags set, the width times factor, taken only when it lies strictly between
    // 0.001 and 100.0.
    void scale(double factor, int flags);

    // The drawing file through the current XML context, up to endTag. A style of "" is the
    // "なし" style (it has no keyword).
    [[nodiscard]] int readXml(int endTag);
    [[nodiscard]] int writeXml(XmlContext* context);
    // Takes other, writes, then resets the writer's current colour to white.
    [[nodiscard]] int writeFromHolder(const LineAttribute& other);
    // The writer's holder (XmlContext::currentUnderline) takes a copy and writes it.
    [[nodiscard]] int writeThroughHolder(XmlContext* context);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    // Only the key just read 15441 (the width) is read; any other key answers 1 untouched.
    [[nodiscard]] int readSetting(SettingsFile& file);
    [[nodiscard]] int writeSetting(SettingsFile& file) const;

    DrawingOwner* owner = nullptr;
    double penWidth = 0.14;
    InkColor colour;
    XmlContext* xmlContext = nullptr;

private:
    [[nodiscard]] int readXmlWith(XmlContext& d, int endTag);
};
