#include "dialogs/defaults/ColourKeys.h"

#include "geometry/InkColor.h"
#include "geometry/SettingsFile.h"
#include "platform/Application.h"

namespace colour_keys {
namespace {
// The application's colour model in which the settings file also keeps the ink values.
constexpr int kInkColourModel = 2;
} // namespace

int inkKeysWanted() { return theApplication && theApplication->colorModel == kInkColourModel; }

int write(SettingsFile& file, const InkColor* const* colours, const ColourKeys* keys, int count, int inkKeys)
{
    for (int i = 0; i < count; ++i)
        if (!colours[i]->writeRgbSetting(file, keys[i].rgb))
            return 0;
    for (int i = 0; inkKeys && i < count; ++i) {
        const InkColor& c = *colours[i];
        if (!c.writeCmykSetting(file, keys[i].cmyk) || !c.writeOverprintSetting(file, keys[i].nose) ||
            !c.writeInkSetting(file, keys[i].ink))
            return 0;
    }
    return 1;
}

int read(SettingsFile& file, InkColor* const* colours, const ColourKeys* keys, int count)
{
    const int key = file.currentId();
    for (int i = 0; i < count; ++i) {
        InkColor& c = *colours[i];
        // Each reader leaves the colour as it was when the text is no value of its kind.
        if (key == keys[i].rgb)
            (void)c.readRgbSetting(file);
        else if (key == keys[i].cmyk)
            (void)c.readCmykSetting(file);
        else if (key == keys[i].nose)
            (void)c.readOverprintSetting(file);
        else if (key == keys[i].ink)
            (void)c.readInkSetting(file);
        else
            continue;
        return 1;
    }
    return 0;
}

} // namespace colour_keys
