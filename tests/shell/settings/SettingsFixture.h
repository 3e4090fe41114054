#pragma once
// Seams of the settings file tests: the file's place in the test prefix's Windows directory
// (kept as it was found), owners that record what they read and write, and the application's
// own section owners made for one test.
#include <functional>
#include <string>
#include <vector>

#include "shell/settings/AppSettingsFile.h"
#include "shell/settings/SettingsSectionOwner.h"
#include "tests/support/ScopedOverride.h"

// korvane.ini in the prefix's Windows directory.
[[nodiscard]] std::string settingsPath();
// The bytes of korvane.ini ("" when there is none).
[[nodiscard]] std::string settingsBytes();
// Writes korvane.ini with exactly these bytes.
void putSettings(const std::string& bytes);

// Takes korvane.ini (and a left temporary file) away for one test and puts back what was there.
class SettingsFileScope {
public:
    SettingsFileScope();
    ~SettingsFileScope();
    SettingsFileScope(const SettingsFileScope&) = delete;
    SettingsFileScope& operator=(const SettingsFileScope&) = delete;

private:
    bool had = false;
    std::string saved;
};

// Opens an AppSettingsFile on these bytes (a scratch file of the test prefix's temporary
// folder); the file is deleted with the object.
class SettingsBytes {
public:
    explicit SettingsBytes(const std::string& bytes);
    ~SettingsBytes();
    SettingsBytes(const SettingsBytes&) = delete;
    SettingsBytes& operator=(const SettingsBytes&) = delete;

    AppSettingsFile file;

private:
    std::string path;
};

// Writes through a fresh AppSettingsFile into a scratch file and gives back the bytes.
[[nodiscard]] std::string writtenBytes(const std::function<int(BufferedSettingsFile&)>& write);

// A section owner that notes the keys it reads ("NAME=v1,v2" by the file's names) and writes its
// section with the given key lines (key id, values). It can give up after `giveUpAfter` keys
// (returning 0 inside its section) or fail its write after `failAfter` keys.
class RecordingOwner : public SettingsSectionOwner {
public:
    explicit RecordingOwner(int section) : sectionId(section) {}
    [[nodiscard]] int readSection(SettingsFile& file) override;
    [[nodiscard]] int writeSection(SettingsFile& file) override;

    struct Line {
        int key;
        std::vector<int> values;
    };
    int sectionId;
    std::vector<Line> lines;
    std::vector<Line> read;
    int sectionsRead = 0;
    int giveUpAfter = -1;
    int failAfter = -1;
};

// The application's managers of this build, made as start-up makes them (with the three parts
// libraries), and deleted afterwards.
class ApplicationManagers {
public:
    ApplicationManagers();
    ~ApplicationManagers();
    ApplicationManagers(const ApplicationManagers&) = delete;
    ApplicationManagers& operator=(const ApplicationManagers&) = delete;
};
