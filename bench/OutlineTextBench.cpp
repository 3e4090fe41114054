// Rotated text at 30 degrees and 40 pixels, drawn as filled outlines into an off-screen bitmap:
// microseconds per character for a text of 20 and of 200 characters. The outline renderer is
// made once per call, so the longer text costs no more per character. Then a line of ten
// characters 32,000 pixels tall (a text of about 85 mm or more at the largest zoom) across a
// 1024 x 768 bitmap: its first paint filled from its outline, and once with its glyphs rasterized
// as TextOut draws them (each new glyph rasterized whole, most of it off the bitmap).
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
    {
        OffscreenBitmap offscreen;
        IntRect size;
        size.setWidth(1024);
        size.setHeight(768);
        LOGFONTA description = {};
        description.lfHeight = -32000;
        description.lfCharSet = SHIFTJIS_CHARSET;
        if (!offscreen.createSized(size, nullptr) || !offscreen.dc.selectFont(description)) {
            std::printf("no off-screen bitmap or font\n");
            return 1;
        }
        // Other characters for each paint: the system keeps glyphs it rasterized once.
        const char* const lines[] = {"仮名漢字ABCDEF", "GHIJKLMNOP", "図形線分円弧楕円", "QRSTUVWXYZ"};
        int line = 0;
        for (int rasterized = 0; rasterized < 2; ++rasterized) {
            offscreen.dc.maxRasterTextHeight = rasterized ? 1 << 30 : 1024;
            for (int paint = 0; paint < (rasterized ? 1 : 3); ++paint) {
                offscreen.erase();
                const double start = benchNow();
                offscreen.dc.textOut(-2000, -12000, lines[line++ % 4]);
                GdiFlush();
                std::printf("%-40s %10.3f ms\n",
                            rasterized ? "32,000 pixels, glyphs rasterized" : "32,000 pixels, filled outline",
                            (benchNow() - start) * 1e3);
            }
        }
    }
    return 0;
}
