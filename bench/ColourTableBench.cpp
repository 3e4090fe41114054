// The DIC colour table: reading a "DICCOLOR.TXT" of 10,000 entries, and drawing its list in the
// colour dialog with 10,000 entries against 10 (the list draws only the rows it shows, so the two
// take the same time).
#include <cstdio>
#include <string>

#include "BenchHarness.h"
#include "dialogs/colour/ColorSettingsDialog.h"
#include "dialogs/colour/NamedColorTable.h"
#include "geometry/InkColor.h"
#include "geometry/InkInfo.h"
#include "resources/ids_colour.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

namespace {

const int kEntries = 10000;
const int kDraws = 200;

std::string dicFile(int entries)
{
    std::string bytes;
    for (int i = 1; i <= entries; ++i)
        bytes += std::to_string(i) + ",\"DIC-" + std::to_string(i) + "\"," + std::to_string(i % 101) + "," +
                 std::to_string(i * 7 % 101) + "," + std::to_string(i * 13 % 101) + "," + std::to_string(i % 29) + "\r\n";
    return bytes;
}

// Milliseconds per drawing of the DIC list, in the running colour dialog, for a table of the file.
double drawTime(const std::string& path)
{
    NamedColorTable users("USRCOLOR.TXT"), dic("DICCOLOR.TXT");
    users.loaded = 1;
    dic.setPath(path.c_str());
    ScopedOverride<NamedColorTable*> u(theUserColorTable, &users), d(theDicColorTable, &dic);
    InkColor colour;
    InkInfo inks;
    double perDraw = 0.0;
    (void)driveModalDialog([&] { return static_cast<INT_PTR>(runColorSettingsDialog(colour, inks, nullptr)); },
                           [&](HWND dialog) {
                               dic.scrollTo(dic.count() / 2);
                               const BenchResult r = runBenchmark("draw", [&] {
                                   for (int i = 0; i < kDraws; ++i)
                                       dic.drawList();
                               }, 5, 1);
                               perDraw = r.medianSeconds * 1e3 / kDraws;
                               PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                           });
    return perDraw;
}

} // namespace

int main()
{
    TestApplication app;
    ScratchFolder scratch;
    const std::string path = scratch.file("DICCOLOR.TXT", dicFile(kEntries));
    NamedColorTable table("DICCOLOR.TXT");
    table.setPath(path.c_str());
    const BenchResult load = runBenchmark("load 10,000 DIC colours", [&] { (void)table.load(); }, 15);
    printRate(load, kEntries, "entries/s");
    std::printf("entries read: %d\n", table.count());
    const double large = drawTime(path);
    const double small = drawTime(scratch.file("SMALL.TXT", dicFile(10)));
    std::printf("DIC list drawn: %.3f ms with %d entries, %.3f ms with 10\n", large, kEntries, small);
    return 0;
}
