// Start-up reads korvane.ini and the frame's close writes it: the time to load and to save a full
// file (every section of this build, 256 layer items, a part in each parts list), 1,000 times
// each, in a folder of its own (the Windows directory is redirected there).
//   scripts/wine-run build/bench/SettingsFileBench.exe
#include <string>

#include "BenchHarness.h"
#include "document/FolderMemory.h"
#include "document/LayerTable.h"
#include "document/PartsLibrary.h"
#include "platform/StringUtil.h"
#include "platform/WindowsDirectory.h"
#include "shell/GlobalManagers.h"
#include "shell/settings/AppSettingsFile.h"
#include "tests/support/TestApplication.h"

namespace {

char folder[MAX_PATH];
UINT benchFolder(char* buffer, UINT size)
{
    lstrcpynA(buffer, folder, static_cast<int>(size));
    return static_cast<UINT>(lstrlenA(folder));
}

} // namespace

int main()
{
    TestApplication app;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    wsprintfA(folder, "%skorvane-settings-bench", temp);
    CreateDirectoryA(folder, nullptr);
    const WindowsDirectoryQuery previous = setWindowsDirectoryQuery(benchFolder);

    createGlobals();
    for (int number = 1; number <= 3; ++number)
        (void)partsLibrary(number, 9 + number); // a library that cannot be made has no section
    for (int n = 0; n < LayerTable::kLayerCount; ++n) {
        char name[32];
        wsprintfA(name, "layer %d \x83\x8C\x83\x43\x83\x84\x81\x5B", n);
        theLayerTable->setName(n, name);
    }
    StringUtil::copy(theFolderMemory->drawingFolder, "C:\\drawings\\");
    for (int number = 1; number <= 3; ++number)
        if (PartsLibrary* library = existingPartsLibrary(number))
            (void)library->addPart("C:\\parts\\valve.ycx"); // listed whether or not the file exists

    const int kRounds = 1000;
    int failures = 0;
    const BenchResult save = runBenchmark("save korvane.ini x1000", [&] {
        for (int i = 0; i < kRounds; ++i)
            failures += saveAppSettings() ? 0 : 1;
    }, 3, 1);
    const BenchResult load = runBenchmark("load korvane.ini x1000", [&] {
        for (int i = 0; i < kRounds; ++i)
            failures += loadAppSettings() ? 0 : 1;
    }, 3, 1);
    std::string path = std::string(folder) + "\\korvane.ini";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const DWORD size = GetFileSize(file, nullptr);
    CloseHandle(file);
    std::printf("file: %lu bytes; failed loads and saves: %d\n", static_cast<unsigned long>(size), failures);
    std::printf("save: %.3f ms per file (min %.3f)\n", save.medianSeconds * 1000.0 / kRounds,
                save.minSeconds * 1000.0 / kRounds);
    std::printf("load: %.3f ms per file (min %.3f)\n", load.medianSeconds * 1000.0 / kRounds,
                load.minSeconds * 1000.0 / kRounds);

    destroyGlobals();
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder);
    (void)setWindowsDirectoryQuery(previous); // the system's directory again
    return failures == 0 ? 0 : 1;
}
