// DXF import against its peers, on files written by ezdxf (Debian python3-ezdxf):
//   - 100,000 R12 entities (LINE, ARC, 4-vertex POLYLINE and TEXT, a quarter each, on 8 layers),
//     imported into a drawing with every element stored, against ezdxf.readfile plus a walk of
//     its modelspace and LibreCAD's dxf2pdf (Debian librecad; skipped when not installed) on the
//     same file in the same run;
//   - 100 and 1,000 blocks of two lines, each inserted 10 times: the time per element made;
//   - one POLYLINE of 1,000,000 vertices: time and the process's peak memory (measured first,
//     before anything else has raised it);
//   - a block of 1,000 lines inserted 1,000 times: the time to refuse it at the import's cap and
//     take back what it made;
//   - DXF and SVG export of the 100,000 elements.
// Run: scripts/wine-run build/bench/DxfImportBench.exe
#include <cstdio>
#include <cstdlib>
#include <string>
#include <windows.h>

#include "BenchHarness.h"
#include "PeakWorkingSet.h"
#include "document/Document.h"
#include "document/Element.h"
#include "io/dxf/DxfExchange.h"
#include "io/svg/SvgIoDriver.h"
#include "tests/io/IoTestDrawing.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"

using namespace io_fixture;

namespace {

const char* const kWriteFiles = R"(
import ezdxf
doc = ezdxf.new('R12')
for n in range(1, 9):
    doc.layers.add(str(n))
msp = doc.modelspace()
for i in range(25000):
    layer = {'layer': str(1 + i % 8)}
    x, y = (i % 500) * 2.0, (i // 500) * 2.0
    msp.add_line((x, y), (x + 1.5, y + 0.5), dxfattribs=layer)
    msp.add_arc((x, y), 0.7, 10, 200, dxfattribs=layer)
    msp.add_polyline2d([(x, y), (x + 1, y), (x + 1, y + 1), (x, y + 1)], close=True, dxfattribs=layer)
    msp.add_text('T%d' % i, dxfattribs=dict(layer, height=0.5, insert=(x, y)))
doc.saveas('big.dxf')
for count in (100, 1000):
    doc = ezdxf.new('R12')
    msp = doc.modelspace()
    for b in range(count):
        block = doc.blocks.new('B%d' % b)
        block.add_line((0, 0), (1, 0))
        block.add_line((0, 0), (0, 1))
        for k in range(10):
            msp.add_blockref('B%d' % b, (k * 3, b * 3))
    doc.saveas('blocks%d.dxf' % count)
doc = ezdxf.new('R12')
doc.modelspace().add_polyline2d([(i * 0.001, (i % 100) * 0.01) for i in range(1000000)])
doc.saveas('poly.dxf')
doc = ezdxf.new('R12')
block = doc.blocks.new('M')
for i in range(1000):
    block.add_line((i, 0), (i, 1))
for k in range(1000):
    doc.modelspace().add_blockref('M', (0, 2 * k))
doc.saveas('million.dxf')
print('ok')
)";

const char* const kEzdxfRead = R"(
import time, ezdxf
best = 1e9
for run in range(3):
    start = time.perf_counter()
    doc = ezdxf.readfile('big.dxf')
    n = sum(1 for e in doc.modelspace())
    best = min(best, time.perf_counter() - start)
print('%.3f %d' % (best, n))
)";

const char* const kLibreCad = R"(
import os, shutil, subprocess, time
if not shutil.which('librecad'):
    print('none')
else:
    best = 1e9
    for run in range(3):
        start = time.perf_counter()
        subprocess.run(['librecad', 'dxf2pdf', '-o', 'big.pdf', 'big.dxf'], capture_output=True,
                       env=dict(os.environ, QT_QPA_PLATFORM='offscreen'))
        best = min(best, time.perf_counter() - start)
    print('%.3f' % best if os.path.exists('big.pdf') else 'failed')
)";

// Imports a file into a fresh drawing: seconds, and the elements made.
double importFile(const ScratchFolder& scratch, const char* name, int& elements)
{
    IoDrawing drawing;
    Document document;
    document.setOwner(&drawing.context);
    document.showProgress = 0;
    if (!document.assign(scratch.pathOf(name).c_str()))
        return -1.0;
    XmlContextScope publish(&document);
    if (!document.beginIo())
        return -1.0;
    DxfExchange command(drawing.context);
    command.showProgress = 0;
    const double start = benchNow();
    const int read = command.readAll(document);
    const double seconds = benchNow() - start;
    (void)document.endIo();
    elements = read ? drawing.context.elementCount() : -1;
    return seconds;
}

double bestImport(const ScratchFolder& scratch, const char* name, int& elements, int runs)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const double t = importFile(scratch, name, elements);
        best = t < best ? t : best;
    }
    return best;
}

} // namespace

int main()
{
    // As start-up does: the attribute holder of the element kinds.
    makeBaseElement = newBaseElement;
    ScratchFolder scratch;
    std::printf("writing the files with ezdxf ...\n");
    const std::string written = runPython(scratch, kWriteFiles);
    if (written != "ok\n") {
        std::printf("the files could not be written (python3-ezdxf missing?): %s\n", written.c_str());
        return 1;
    }
    int elements = 0;
    std::printf("peak working set before the polyline: %.1f MB\n", peakWorkingSetMegabytes());
    const double poly = importFile(scratch, "poly.dxf", elements);
    std::printf("POLYLINE of 1,000,000 vertices   %8.3f s   %d element   peak %.1f MB\n", poly, elements,
                peakWorkingSetMegabytes());

    const double ours = bestImport(scratch, "big.dxf", elements, 3);
    std::printf("import of 100,000 entities        %8.3f s   %d elements stored\n", ours, elements);
    std::string ezdxf = runPython(scratch, kEzdxfRead);
    while (!ezdxf.empty() && (ezdxf.back() == '\n' || ezdxf.back() == '\r'))
        ezdxf.pop_back();
    const double ezdxfSeconds = std::atof(ezdxf.c_str());
    std::printf("ezdxf readfile + modelspace walk  %8.3f s   (seconds, entities: %s)\n", ezdxfSeconds, ezdxf.c_str());
    const std::string libreCad = runPython(scratch, kLibreCad);
    const double libreCadSeconds = libreCad.rfind("none", 0) == 0 || libreCad.rfind("failed", 0) == 0
                                       ? 0.0
                                       : std::atof(libreCad.c_str());
    if (libreCadSeconds > 0.0)
        std::printf("LibreCAD dxf2pdf                  %8.3f s\n", libreCadSeconds);
    else
        std::printf("LibreCAD dxf2pdf: %s (apt-get install librecad to compare)\n", libreCad.c_str());
    double fastest = ezdxfSeconds;
    if (libreCadSeconds > 0.0 && libreCadSeconds < fastest)
        fastest = libreCadSeconds;
    std::printf("fastest peer / ours               %8.1f x   (target at least 5 x)\n", fastest / ours);

    int small = 0, large = 0;
    const double t100 = bestImport(scratch, "blocks100.dxf", small, 3);
    const double t1000 = bestImport(scratch, "blocks1000.dxf", large, 3);
    std::printf("100 blocks x 10 insertions        %8.3f s   %d elements   %.2f us each\n", t100, small,
                t100 * 1e6 / small);
    std::printf("1,000 blocks x 10 insertions      %8.3f s   %d elements   %.2f us each\n", t1000, large,
                t1000 * 1e6 / large);
    {
        MessageBoxScript boxes; // the refusal is told
        int refused = 0;
        const double t = bestImport(scratch, "million.dxf", refused, 3);
        std::printf("1,000 lines x 1,000 insertions    %8.3f s   %s\n", t,
                    refused < 0 ? "refused" : "taken (the cap did not hold)");
    }

    // Export of the 100,000 elements, DXF through the command's writer, SVG as a drawing.
    IoDrawing drawing;
    {
        Document document;
        document.setOwner(&drawing.context);
        document.showProgress = 0;
        if (!document.assign(scratch.pathOf("big.dxf").c_str()))
            return 1;
        XmlContextScope publish(&document);
        DxfExchange command(drawing.context);
        command.showProgress = 0;
        if (!document.beginIo() || !command.readAll(document))
            return 1;
        (void)document.endIo();
        const BenchResult dxf = runBenchmark("DXF export of 100,000 elements", [&] {
            if (!document.beginIo() || !command.writeFile(document, scratch.pathOf("out.dxf").c_str()))
                std::printf("the DXF export failed\n");
            (void)document.endIo();
        }, 3, 1);
        printRate(dxf, 100000, "elements/s");
    }
    foreignFileDrivers.writeSvg = writeSvgDocument;
    Document* own = drawing.context.document;
    own->showProgress = 0;
    if (!own->setPathAndTitle(scratch.pathOf("out.svg").c_str()))
        return 1;
    const BenchResult svg = runBenchmark("SVG export of 100,000 elements", [&] {
        XmlContextScope publish(own);
        if (!own->write())
            std::printf("the SVG export failed\n");
    }, 3, 1);
    printRate(svg, 100000, "elements/s");
    std::printf("import %.3f s; exports must each take less\n", ours);
    return 0;
}
