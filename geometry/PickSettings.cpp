#include "geometry/PickSettings.h"

#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"
#include "platform/StringUtil.h"

PickSettings* thePickSettings = nullptr;

namespace {

const char* const kModeKeywords[2] = {"WHOLE", "PART"};
const char* const kModeTexts[2] = {"全体を囲む", "一部を囲む"};

} // namespace

PickSettings::PickSettings()
{
    reset();
    activateEncloseMode();
}

void PickSettings::reset()
{
    encloseMode = kWhole;
    pickColour.setRgbAndInks(0, 255, 255);
}

void PickSettings::copyFrom(const PickSettings* other)
{
    if (!other)
        return;
    encloseMode = other->encloseMode;
    pickColour.assign(other->pickColour);
}

void PickSettings::modeKeyword(int mode, char* out, int size)
{
    // Mode 3 is a part mode of its own only while it is in force; it is kept as PART.
    const int code = mode == 3 ? kPart : mode;
    (void)attribute_io::keywordOfCode(code, kModeKeywords, 2, kWhole, out, size); // "" for another mode
}

int PickSettings::parseModeKeyword(const char* text)
{
    return attribute_io::codeOfKeyword(text, kModeKeywords, 2, kWhole, encloseMode);
}

int PickSettings::fillModeList(Dialog* dialog, int id) const { return attribute_io::fillList(dialog, id, kModeTexts, 2); }

int PickSettings::modeToList(Dialog* dialog, int id) const
{
    return attribute_io::selectListPosition(dialog, id, encloseMode);
}

int PickSettings::modeFromList(Dialog* dialog, int id)
{
    int position = 0;
    if (!attribute_io::selectedListPosition(dialog, id, position))
        return 0;
    if (position == kWhole || position == kPart)
        encloseMode = position;
    return 1;
}

int PickSettings::readModeSetting(SettingsFile& file)
{
    char text[80];
    return file.readString(text, sizeof text) && parseModeKeyword(text);
}

int PickSettings::writeModeSetting(SettingsFile& file, int key) const
{
    char text[16];
    modeKeyword(encloseMode, text, sizeof text);
    return file.writeKey(key) && file.writeQuoted(text, 0, 1);
}
