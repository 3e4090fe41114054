#pragma once
#include "geometry/DrawnInkBundle.h"
#include "geometry/GrayAttributes.h"

class Dialog;
class SettingsFile;

// The fill of a closed figure: whether it is painted, its colour and its screen. Drawing-file
// block "paint" with "draw", the colour's block and the screen's "halfTone"; the settings
// key "PAINTDRAWSW" (15315) holds the switch. The writer's holder is XmlContext::currentPaint.
// Record image: the switch (int16), the colour's 52 bytes, the screen's image.
class FillAttributes : public DrawnInkBundle<FillAttributes, GrayAttributes> {
public:

    void setColor(const RgbColor& rgb) { colour.RgbColor::assign(rgb); }
    void setGradationFrom(const GrayAttributes& screen) { gray.assign(&screen); }
    // Not painted, black, the default screen.
    void reset();

    [[nodiscard]] int drawToCheckBox(Dialog* dialog, int id) const { return draw.toCheckBox(dialog, id); }
    [[nodiscard]] int drawFromCheckBox(Dialog* dialog, int id) { return draw.fromCheckBox(dialog, id); }

    // The switch as "TRUE"/"FALSE" under the key.
    [[nodiscard]] int readDrawSetting(SettingsFile& file) { return draw.readSetting(file); }
    [[nodiscard]] int writeDrawSetting(SettingsFile& file, int key) const { return draw.writeSetting(file, key); }
};

extern template class DrawnInkBundle<FillAttributes, GrayAttributes>;
