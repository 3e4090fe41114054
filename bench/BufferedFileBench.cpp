// BufferedFile::readLine over a 64 MB text file of CR LF lines (the reading path of every file
// reader: drawings, settings, DXF, SVG).
#include <string>
#include <windows.h>

#include "BenchHarness.h"
#include "platform/BufferedFile.h"
#include "platform/FileName.h"

int main()
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string path = std::string(folder) + "korvane-readline-bench.txt";

    // Lines of 20 to 99 bytes, as drawing and DXF files have them.
    const size_t target = 64u << 20;
    std::string text;
    text.reserve(target + 200);
    for (int i = 0; text.size() < target; ++i) {
        text.append(static_cast<size_t>(20 + i % 80), static_cast<char>('a' + i % 26));
        text += "\r\n";
    }
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(out);

    FileName name;
    if (!name.setPathAndTitle(path.c_str())) {
        std::printf("the temporary path is too long: %s\n", path.c_str());
        DeleteFileA(path.c_str());
        return 1;
    }
    long long lines = 0;
    BenchResult result = runBenchmark("readLine 64 MB CR LF", [&] {
        BufferedFile file;
        lines = 0;
        if (!file.openForRead(name))
            return; // no lines: the run counts as failed below
        char line[256];
        while (file.readLine(line, sizeof line) >= 0)
            ++lines;
    }, 5, 1);
    printRate(result, static_cast<double>(text.size()), "MB/s");
    std::printf("%lld lines\n", lines);
    DeleteFileA(path.c_str());
    return lines > 0 ? 0 : 1;
}
