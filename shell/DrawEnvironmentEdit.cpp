#include "shell/DrawEnvironmentEdit.h"

#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"
#include "platform/Application.h"
#include "shell/settings/SettingsIds.h"

namespace {
// The colour models a user can choose: 0 RGB, 1 RGB with inks, 2 CMYK with spot inks.
const int kLastColorModel = 2;
} // namespace

DrawEnvironmentEdit::DrawEnvironmentEdit()
{
    if (theScreenResolution)
        resolution = *theScreenResolution;
    pick.copyFrom(thePickSettings);
    if (theApplication)
        colorModel = theApplication->chosenColorModel;
}

void DrawEnvironmentEdit::reset()
{
    resolution.setDpi(ScreenResolution::kDefault);
    pick.reset();
    colorModel = 0;
}

void DrawEnvironmentEdit::apply() const
{
    if (theScreenResolution)
        theScreenResolution->setDpi(resolution.dpi());
    if (thePickSettings) {
        thePickSettings->copyFrom(&pick);
        thePickSettings->activateEncloseMode();
    }
    if (theApplication)
        theApplication->chosenColorModel = colorModel;
}

void DrawEnvironmentEdit::readColorModel(SettingsFile& file)
{
    int model = 0;
    if (!attribute_io::readSettingInt(file, model) || model < 0 || model > kLastColorModel)
        model = 0;
    colorModel = model;
    if (theApplication)
        theApplication->colorModel = model;
}

int DrawEnvironmentEdit::readPickColour(SettingsFile& file)
{
    int rgb[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !file.getDelimiterFlag(SettingsFile::kComma))
            return 1; // fewer than three numbers: the colour stays
        if (!file.readInt(rgb[i]))
            return 0;
    }
    for (int value : rgb)
        if (value < 0 || value > 255)
            return 1;
    pick.pickColour.setRgbAndInks(rgb[0], rgb[1], rgb[2]);
    return 1;
}

int DrawEnvironmentEdit::readSection(SettingsFile& file)
{
    int result;
    while ((result = file.readKey()) != 0 && file.currentKind() != SettingsFile::kSection) {
        int ok = 1;
        switch (file.currentId()) {
        case settings_id::DisplayDpi: {
            int dpi = 0;
            ok = file.readInt(dpi);
            if (ok)
                resolution.setDpi(dpi);
            break;
        }
        case settings_id::HowToPick:
            // An unknown keyword keeps the mode; a value that cannot be read ends the file anyway.
            (void)pick.readModeSetting(file);
            break;
        case settings_id::PickRgb:
            ok = readPickColour(file);
            break;
        case settings_id::ColorModel:
            readColorModel(file);
            break;
        default:
            break;
        }
        if (!ok)
            break;
    }
    apply();
    return result;
}

int DrawEnvironmentEdit::writeKeys(SettingsFile& file) const
{
    return file.writeKey(settings_id::DisplayDpi) && file.writeInt(resolution.dpi(), 0, 1) &&
           pick.writeModeSetting(file, settings_id::HowToPick) && file.writeKey(settings_id::PickRgb) &&
           file.writeInt(pick.pickColour.getRed(), 1, 0) && file.writeInt(pick.pickColour.getGreen(), 1, 0) &&
           file.writeInt(pick.pickColour.getBlue(), 0, 1) && file.writeKey(settings_id::ColorModel) &&
           file.writeInt(colorModel, 0, 1);
}
