#include "shell/settings/AppSettingsFile.h"

#include <windows.h>

#include "platform/BufferedFile.h"
#include "platform/MessageBoxes.h"
#include "platform/StringUtil.h"
#include "platform/WindowsDirectory.h"
#include "resources/ids.h"
#include "shell/settings/SettingsIds.h"
#include "shell/settings/SettingsSectionOwner.h"
#include "shell/settings/SettingsSections.h"

AppSettingsFile::AppSettingsFile()
{
    registerSection(settings_id::DrawEnvironment, "DRAWENVIRONMENT");
    registerKey(settings_id::DisplayDpi, "DISPLAYDPI");
    registerKey(settings_id::HowToPick, "HOWTOPICK");
    registerKey(settings_id::PickRgb, "PICKRGB");
    registerKey(settings_id::ColorModel, "COLORMODEL");
}

int AppSettingsFile::bindPath() { return setNameInWindowsDirectory(name, kFileName); }

int AppSettingsFile::load()
{
    clearError();
    if (!bindPath() || !openForRead(name))
        return 0;
    readSections();
    (void)close(); // opened for reading only: nothing is lost
    return 1;
}

int AppSettingsFile::skipToNextSection(int section)
{
    if (currentKind() == kSection && currentId() != section)
        return 1;
    int result;
    while ((result = readKey()) != 0)
        if (currentKind() == kSection)
            return result;
    return 0;
}

void AppSettingsFile::readSections()
{
    int result = readKey();
    while (result) {
        const int section = currentId();
        SettingsSectionOwner* owner = currentKind() == kSection ? presentSettingsOwner(section) : nullptr;
        if (!owner) {
            // A key outside a section, an unknown name, or a section nobody reads: read on.
            result = readKey();
            continue;
        }
        const DWORD before = readPosition();
        result = owner->readSection(*this);
        if (!result && !atEnd() && !errorState())
            result = skipToNextSection(section);
        else if (result && readPosition() == before)
            result = readKey(); // an owner that read nothing would be handed its section forever
    }
}

int AppSettingsFile::writeSections()
{
    for (const SettingsSectionSlot& slot : settingsSections) {
        SettingsSectionOwner* owner = presentSettingsOwner(slot.sectionId);
        if (owner && !owner->writeSection(*this))
            return 0;
    }
    return 1;
}

int AppSettingsFile::save()
{
    clearError();
    FileName temp;
    if (!bindPath() || !setNameInWindowsDirectory(temp, kTempFileName)) {
        showErrorById(IDS_WRITE_ERROR);
        return 0;
    }
    // A file the user made read-only (or a folder of that name) is not replaced.
    if (isProtectedTarget(name.getPath())) {
        showErrorById(IDS_WRITE_ERROR);
        return 0;
    }
    // A temporary file left by an earlier run that stopped half-way is ours to replace.
    DeleteFileA(temp.getPath());
    if (!createEmpty(temp) || !openReadWrite(temp)) {
        DeleteFileA(temp.getPath());
        showErrorById(IDS_WRITE_ERROR);
        return 0;
    }
    setBufferedWrite(1);
    int written = writeSections();
    // flush and verifyWritten show their own errors.
    int reported = !written && writeErrorShown();
    if (written && !(flush() && verifyWritten())) {
        written = 0;
        reported = 1;
    }
    // A file that cannot be closed may not hold all that was written: it replaces nothing.
    if (!close())
        written = 0;
    setBufferedWrite(0);
    if (written && !MoveFileExA(temp.getPath(), name.getPath(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
        written = 0;
    if (!written) {
        DeleteFileA(temp.getPath());
        if (!reported)
            showErrorById(IDS_WRITE_ERROR);
    }
    return written;
}

int loadAppSettings()
{
    AppSettingsFile file;
    return file.load();
}

int saveAppSettings()
{
    AppSettingsFile file;
    return file.save();
}
