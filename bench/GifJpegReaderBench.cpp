// The GIF and JPEG readers decoding 4000 x 3000 pictures made by ImageMagick (a 256-colour GIF; a
// baseline JPEG of quality 90 with 4:2:0 sampling) and 8000 x 3000 ones, with the peers in the
// same run when they are installed: libjpeg-turbo's `djpeg -outfile /dev/null` (target: within 3
// times its time) and giflib's `gif2rgb -1 -o /dev/null` (target: faster). Doubling the pixels
// should at most double the time. Then the PostScript of the JPEG placed twice: one decoding per
// output when the frame choice is already the one written. Run by hand:
//     scripts/wine-run build/bench/GifJpegReaderBench.exe
#include <cstdio>
#include <cstdlib>
#include <string>
#include <windows.h>

#include "BenchHarness.h"
#include "CountingWriter.h"
#include "geometry/DoubleRect.h"
#include "io/images/GifImage.h"
#include "io/images/JpegImage.h"
#include "io/postscript/PostScriptWriter.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixScript.h"

namespace {

// The mean milliseconds of three runs of a Unix command line; -1 when it is not installed or failed.
double peerMilliseconds(const ScratchFolder& scratch, const std::string& tool, const std::string& line)
{
    const std::string out = scratch.pathOf("peer.txt");
    const std::string script = "command -v " + tool + " >/dev/null || exit 1\ncd " + quotedUnixPath(scratch.pathOf("")) +
                               "\n" + line + " || exit 1\ns=$(date +%s%N)\nfor i in 1 2 3; do " + line +
                               " || exit 1; done\ne=$(date +%s%N)\necho $(( (e - s) / 3000 )) > " + quotedUnixPath(out) + "\n";
    if (runUnixScript(script, scratch.pathOf("peer"), 600000) != 0)
        return -1.0;
    return std::atof(ScratchFolder::read(out).c_str()) / 1000.0;
}

template <typename Reader> double decodeMilliseconds(const std::string& path, int& ok, const char* name)
{
    const BenchResult r = runBenchmark(name, [&] {
        Reader reader;
        reader.setSource(path.c_str());
        int w = 0, h = 0;
        ok = ok && reader.getPixelSize(w, h);
    }, 5, 1);
    std::printf("%-40s median %10.3f ms  min %10.3f ms\n", r.name, r.medianSeconds * 1e3, r.minSeconds * 1e3);
    return r.medianSeconds * 1e3;
}

void compare(const char* what, double ours, double peer, double allowed)
{
    if (peer < 0) {
        std::printf("  %s: the peer is not installed\n", what);
        return;
    }
    std::printf("  %s: %.1f ms, ours %.2f times that (target at most %.1f)\n", what, peer, ours / peer, allowed);
}

} // namespace

int main()
{
    ScratchFolder scratch;
    const std::string make = "cd " + quotedUnixPath(scratch.pathOf("")) +
                             "\nconvert -seed 5 -size 4000x3000 plasma:fractal -blur 0x2 big.ppm || exit 1\n"
                             "convert big.ppm -colors 256 big.gif || exit 1\n"
                             "convert big.ppm -quality 90 -sampling-factor 2x2 big.jpg || exit 1\n"
                             "convert big.ppm big.ppm +append wide.ppm || exit 1\n"
                             "convert wide.ppm -colors 256 wide.gif || exit 1\n"
                             "convert wide.ppm -quality 90 -sampling-factor 2x2 wide.jpg || exit 1\n";
    std::printf("making the pictures with ImageMagick...\n");
    if (runUnixScript(make, scratch.pathOf("make"), 600000) != 0) {
        std::printf("ImageMagick could not make the pictures\n");
        return 1;
    }
    int ok = 1;
    const double jpeg = decodeMilliseconds<JpegImage>(scratch.pathOf("big.jpg"), ok, "JPEG 4000 x 3000, 4:2:0, q90");
    compare("djpeg", jpeg, peerMilliseconds(scratch, "djpeg", "djpeg -outfile /dev/null big.jpg"), 3.0);
    const double jpegWide = decodeMilliseconds<JpegImage>(scratch.pathOf("wide.jpg"), ok, "JPEG 8000 x 3000");
    std::printf("  twice the pixels: %.2f times the time (target at most 2)\n", jpegWide / jpeg);

    const double gif = decodeMilliseconds<GifImage>(scratch.pathOf("big.gif"), ok, "GIF 4000 x 3000, 256 colours");
    compare("gif2rgb", gif, peerMilliseconds(scratch, "gif2rgb", "gif2rgb -1 -o /dev/null big.gif"), 1.0);
    const double gifWide = decodeMilliseconds<GifImage>(scratch.pathOf("wide.gif"), ok, "GIF 8000 x 3000");
    std::printf("  twice the pixels: %.2f times the time (target at most 2)\n", gifWide / gif);

    // PostScript of the JPEG as two placements write it: the first output decodes, the second
    // finds frame 0 decoded already.
    JpegImage reader;
    reader.setSource(scratch.pathOf("big.jpg").c_str());
    DoubleRect rect;
    rect.set(10, 10, 200, 160);
    CountingWriter writer;
    const double start = benchNow();
    ok = ok && reader.writePostScript(writer, rect);
    const double first = benchNow();
    ok = ok && reader.writePostScript(writer, rect);
    const double second = benchNow();
    std::printf("%-40s first %10.3f ms  second %10.3f ms  (%lld bytes)\n", "PostScript of the JPEG twice",
                (first - start) * 1e3, (second - first) * 1e3, writer.written);
    std::printf("%s\n", ok ? "all steps done" : "a step failed");
    return ok ? 0 : 1;
}
