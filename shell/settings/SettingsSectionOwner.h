#pragma once
// What the owner of a settings section implements.

class SettingsFile;

// The owner of one section of the settings file: it reads the section's keys after the loader
// has read the section line, and writes the section line and its keys when the file is saved.
class SettingsSectionOwner {
public:
    virtual ~SettingsSectionOwner() = default;

    // 0 while the object behind the section does not exist: the section is then neither read
    // (it is skipped) nor written, and that is no failure.
    [[nodiscard]] virtual int isPresent() const { return 1; }
    // Reads keys (readKey, then the typed readers) up to the next section line or the end of the
    // file, passing over keys it does not know; returns the last readKey result, nonzero when the
    // next section's line is the current name. A 0 before the end of the file means it gave up:
    // the loader then skips to the next section.
    [[nodiscard]] virtual int readSection(SettingsFile& file) = 0;
    // The section line (writeSection) and the keys; 0 when a write failed.
    [[nodiscard]] virtual int writeSection(SettingsFile& file) = 0;
};
