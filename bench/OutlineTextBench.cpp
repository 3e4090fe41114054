// Rotated text at 30 degrees and 40 pixels, drawn as filled outlines into an off-screen bitmap:
// microseconds per character for a text of 20 and of 200 characters. The outline renderer is
// made once per call, so the longer text costs no more per character.
#include <cstdio>
#include <string>
#include <windows.h>

#include "BenchHarness.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "platform/OffscreenBitmap.h"

int main()
{
    // Ten characters, half of them two-byte.
    const std::string unit = "表示Ag線画1三x字";
    for (int characters : {20, 200}) {
        std::string text;
        for (int i = 0; i < characters / 10; ++i)
            text += unit;
        // A bitmap that holds the whole line, so that every character is really filled.
        OffscreenBitmap offscreen;
        LOGFONTA description = {};
        description.lfHeight = -40;
        description.lfCharSet = SHIFTJIS_CHARSET;
        IntRect probe;
        probe.setWidth(64);
        probe.setHeight(64);
        int length = 0, height = 0;
        if (!offscreen.createSized(probe, nullptr) || !offscreen.dc.selectFont(description)) {
            std::printf("no off-screen bitmap or font\n");
            return 1;
        }
        offscreen.dc.getTextExtent(text.c_str(), length, height);
        IntRect size;
        size.setWidth(length * 87 / 100 + 100);    // cos 30 degrees
        size.setHeight(length / 2 + 100);          // sin 30 degrees
        if (!offscreen.createSized(size, nullptr) || !offscreen.dc.selectFont(description)) {
            std::printf("no off-screen bitmap of %d x %d\n", size.width(), size.height());
            return 1;
        }
        offscreen.erase();
        char name[64];
        std::snprintf(name, sizeof name, "outlined text, %d characters", characters);
        BenchResult result = runBenchmark(name, [&] {
            offscreen.dc.drawTextRotatedTopLeft(20, size.height() - 60, 40, 30.0, text.c_str());
        }, 9);
        std::printf("%-40s median %10.3f ms  min %10.3f ms  %12.1f us per character\n", result.name,
                    result.medianSeconds * 1e3, result.minSeconds * 1e3, result.medianSeconds * 1e6 / characters);
    }
    return 0;
}
