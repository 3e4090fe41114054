#pragma once
#include "geometry/PickSettings.h"
#include "views/ScreenResolution.h"

class SettingsFile;

// Working copies of the drawing environment: the screen resolution, the pick settings (enclose
// mode and pick colour) and the colour model the settings keep (0 RGB, 1 RGB with CMYK inks
// derived from it, 2 CMYK percentages with spot inks). Made for one dialog run, one load or one
// save from the application's objects (the defaults where one is missing) and given back to them
// by apply.
class DrawEnvironmentEdit {
public:
    // The copies of the application's objects.
    DrawEnvironmentEdit();

    // 72 dpi, mode WHOLE, cyan and colour model 0.
    void reset();
    // The application's objects take the copies (the resolution kept within 10..200) and the
    // enclose mode comes into force. The colour model is kept for the settings: it comes into
    // force at the next start, when they are read.
    void apply() const;

    // The section's keys, up to the next section or the end of the file: DISPLAYDPI (kept within
    // 10..200), HOWTOPICK ("WHOLE" or "PART"; another keyword keeps the mode), PICKRGB (three
    // numbers 0..255; fewer, or one out of range, keep the colour) and COLORMODEL (0, 1 or 2;
    // anything else reads as 0), which comes into force at once: the settings are read at
    // start-up, before any drawing is (the defaults made before take their inks once the whole
    // file is read, giveDefaultColoursInks). Other keys are passed over. Then apply. The last
    // readKey result: nonzero when the next section's line was read.
    [[nodiscard]] int readSection(SettingsFile& file);
    // DISPLAYDPI, HOWTOPICK (quoted), PICKRGB and COLORMODEL, each on its line; 0 at the first
    // failed write.
    [[nodiscard]] int writeKeys(SettingsFile& file) const;

    ScreenResolution resolution;
    PickSettings pick;
    int colorModel = 0;

private:
    [[nodiscard]] int readPickColour(SettingsFile& file);
    void readColorModel(SettingsFile& file);
};
