#pragma once
#include "geometry/EntityAttribute.h"
#include "geometry/InkColor.h"
#include "geometry/LineStyle.h"

class Dialog;
class DrawingOwner;
class SettingsFile;

// The styled, coloured line a dimension draws (its extension lines): style, width, and two more
// lengths, the gap to the measured figure ("space") and the overshoot past the dimension line
// ("over"), each in paper millimetres and each written only while its flag is set. Drawing-file
// block "drawLine"; settings keys "DRAWLSTYLE", "DRAWLSIZE", "DRAWSPACE", "DRAWOVER"
// (15451..15454).
//
// The colour is held by value: the line always has one.
class DrawLineAttribute : public LineStyle, public EntityAttribute {
public:
    enum Key { kStyleKey = 15451, kWidthKey = 15452, kSpaceKey = 15453, kOverKey = 15454 };

    // RGB and inks of the colour (its overprint and ink stay).
    void setColor(const RgbColor& rgb) { colour.RgbColor::assign(rgb); }
    // Space and over at drawing size (times the owner's scale denominator over numerator).
    [[nodiscard]] double scaledSpace() const;
    [[nodiscard]] double scaledOver() const;

    // Record image: style int32; width, space, over as doubles; the colour's 52 bytes.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);
    // Style code, width, space, over and colour (not dash, gap, dot or the two flags).
    void assign(const DrawLineAttribute* other);

    // Number fields by control id; 0 when the dialog has no such control.
    [[nodiscard]] int widthFromControl(Dialog* dialog, int id);
    [[nodiscard]] int setWidthFromControl(Dialog* dialog, int id) { return widthFromControl(dialog, id); }
    [[nodiscard]] int spaceToControl(Dialog* dialog, int id);
    [[nodiscard]] int spaceFromControl(Dialog* dialog, int id);
    [[nodiscard]] int overToControl(Dialog* dialog, int id);
    [[nodiscard]] int overFromControl(Dialog* dialog, int id);

    // With bit 0 of flags set, width, space and over times factor, each taken on its own only
    // when it lies strictly between 0.001 and 100.0.
    void scale(double factor, int flags);

    // The drawing file through the current XML context, up to endTag; the flags stay as they are.
    [[nodiscard]] int readXml(int endTag);
    [[nodiscard]] int writeXml(XmlContext* context);
    // Takes other, writes, then resets the writer's current colour to white.
    [[nodiscard]] int writeFromHolder(const DrawLineAttribute& other);
    // The writer's holder (XmlContext::currentDrawLine) takes a copy and writes it.
    [[nodiscard]] int writeThroughHolder(XmlContext* context);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    // Acts on the key just read (15451 the quoted style keyword, which must be one; 15452..15454
    // width, space, over); any other key answers 1 untouched.
    [[nodiscard]] int readSetting(SettingsFile& file);
    [[nodiscard]] int writeSetting(SettingsFile& file) const;

    DrawingOwner* owner = nullptr;
    double width = 0.14;
    double space = 3.0;
    double over = 2.0;
    InkColor colour;
    XmlContext* xmlContext = nullptr;
    int hasSpace = 1;
    int hasOver = 1;

private:
    [[nodiscard]] int readXmlWith(XmlContext& d, int endTag);
};
