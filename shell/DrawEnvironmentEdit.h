#pragma once
#include "geometry/PickSettings.h"
#include "views/ScreenResolution.h"

class SettingsFile;

// Working copies of the drawing environment: the screen resolution and the pick settings (enclose
// mode and pick colour). Made for one dialog run, one load or one save from the application's
// objects (the defaults where one is missing) and given back to them by apply.
class DrawEnvironmentEdit {
public:
    // The copies of the application's objects.
    DrawEnvironmentEdit();

    // 72 dpi, mode WHOLE and cyan.
    void reset();
    // The application's objects take the copies (the resolution kept within 10..200) and the
    // enclose mode comes into force.
    void apply() const;

    // The section's keys, up to the next section or the end of the file: DISPLAYDPI (kept within
    // 10..200), HOWTOPICK ("WHOLE" or "PART"; another keyword keeps the mode) and PICKRGB (three
    // numbers 0..255; fewer, or one out of range, keep the colour); other keys are passed over.
    // Then apply. The last readKey result: nonzero when the next section's line was read.
    [[nodiscard]] int readSection(SettingsFile& file);
    // DISPLAYDPI, HOWTOPICK (quoted) and PICKRGB, each on its line; 0 at the first failed write.
    [[nodiscard]] int writeKeys(SettingsFile& file) const;

    ScreenResolution resolution;
    PickSettings pick;

private:
    [[nodiscard]] int readPickColour(SettingsFile& file);
};
