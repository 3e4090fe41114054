#include "tests/shell/settings/SettingsFixture.h"

#include <windows.h>

#include "geometry/SettingsFile.h"
#include "shell/GlobalManagers.h"
#include "tests/support/ScratchFolder.h"

namespace {
std::string windowsFile(const char* name)
{
    char directory[MAX_PATH];
    GetWindowsDirectoryA(directory, sizeof directory);
    return std::string(directory) + "\\" + name;
}

int scratchNumber = 0;

std::string scratchPath()
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + "korvane-settings-test-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++scratchNumber) + ".ini";
}
} // namespace

std::string settingsPath() { return windowsFile(AppSettingsFile::kFileName); }

std::string settingsBytes() { return ScratchFolder::read(settingsPath()); }

void putSettings(const std::string& bytes)
{
    HANDLE file = CreateFileA(settingsPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

SettingsFileScope::SettingsFileScope()
{
    had = ScratchFolder::exists(settingsPath());
    if (had)
        saved = settingsBytes();
    SetFileAttributesA(settingsPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(settingsPath().c_str());
    DeleteFileA(windowsFile(AppSettingsFile::kTempFileName).c_str());
}

SettingsFileScope::~SettingsFileScope()
{
    SetFileAttributesA(settingsPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(settingsPath().c_str());
    DeleteFileA(windowsFile(AppSettingsFile::kTempFileName).c_str());
    if (had)
        putSettings(saved);
}

SettingsBytes::SettingsBytes(const std::string& bytes) : path(scratchPath())
{
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(handle);
    FileName name;
    if (name.setPath(path.c_str()))
        (void)file.openForRead(name); // an empty file does not open: it reads as ended
}

SettingsBytes::~SettingsBytes()
{
    (void)file.close();
    DeleteFileA(path.c_str());
}

std::string writtenBytes(const std::function<int(BufferedSettingsFile&)>& write)
{
    const std::string path = scratchPath();
    std::string bytes;
    {
        AppSettingsFile file;
        FileName name;
        if (name.setPath(path.c_str()) && file.createEmpty(name) && file.openReadWrite(name)) {
            file.setBufferedWrite(1);
            (void)write(file); // the bytes tell what was written
            (void)file.flush();
            (void)file.close();
        }
    }
    bytes = ScratchFolder::read(path);
    DeleteFileA(path.c_str());
    return bytes;
}

int RecordingOwner::readSection(SettingsFile& file)
{
    ++sectionsRead;
    int result;
    int keys = 0;
    while ((result = file.readKey()) != 0 && file.currentKind() != SettingsFile::kSection) {
        if (giveUpAfter >= 0 && keys >= giveUpAfter)
            return 0;
        ++keys;
        Line line{file.currentId(), {}};
        int value = 0;
        do {
            if (!file.readInt(value))
                return 0;
            line.values.push_back(value);
        } while (file.getDelimiterFlag(SettingsFile::kComma));
        read.push_back(line);
    }
    return result;
}

int RecordingOwner::writeSection(SettingsFile& file)
{
    if (!file.writeSection(sectionId))
        return 0;
    int keys = 0;
    for (const Line& line : lines) {
        if (failAfter >= 0 && keys >= failAfter)
            return 0;
        ++keys;
        if (!file.writeKey(line.key))
            return 0;
        for (size_t i = 0; i < line.values.size(); ++i)
            if (!file.writeInt(line.values[i], i + 1 < line.values.size(), i + 1 == line.values.size()))
                return 0;
    }
    return 1;
}

ApplicationManagers::ApplicationManagers()
{
    createGlobals();
    for (int number = 1; number <= 3; ++number)
        (void)partsLibrary(number, 9 + number); // checked by the tests through existingPartsLibrary
}

ApplicationManagers::~ApplicationManagers() { destroyGlobals(); }
