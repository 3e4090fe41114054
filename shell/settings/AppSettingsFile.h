#pragma once
#include "platform/FileName.h"
#include "shell/settings/DefaultSettingsFile.h"

// The application's settings file, "korvane.ini" in the Windows directory, with the drawing
// environment's section (DRAWENVIRONMENT: DISPLAYDPI, HOWTOPICK, PICKRGB, COLORMODEL) besides
// the defaults'. One object serves one load (start-up) or one save (the frame's close).
//
// Loading hands every section line to the section's owner (SettingsSections.h) and skips what
// has no owner: keys outside a section, unknown names, sections without owner, and the rest of
// a section whose owner gave up. Sections may come in any order.
//
// Saving writes every present owner's section in the fixed order into a new file beside
// korvane.ini, which replaces the old file only when every section was written; otherwise the
// old file stays byte for byte and "Write Error" is shown once.
class AppSettingsFile : public DefaultSettingsFile {
public:
    static constexpr const char* kFileName = "korvane.ini";
    // The new file while it is written, beside the old one (a path no longer than its path).
    static constexpr const char* kTempFileName = "korvane.tmp";

    AppSettingsFile();

    // The path: the Windows directory, "\", kFileName; 0 when it would be 260 characters or more.
    [[nodiscard]] int bindPath();
    [[nodiscard]] const FileName& path() const { return name; }

    // 0 when the file cannot be opened (nothing changes), else 1.
    [[nodiscard]] int load();
    // 1 when korvane.ini was replaced with every section.
    [[nodiscard]] int save();

private:
    void readSections();
    [[nodiscard]] int writeSections();
    // After an owner gave up inside section `section`: the next section line's reading result.
    [[nodiscard]] int skipToNextSection(int section);

    FileName name;
};

// What the frame's start-up and close run: one AppSettingsFile loaded or saved.
[[nodiscard]] int loadAppSettings();
[[nodiscard]] int saveAppSettings();
