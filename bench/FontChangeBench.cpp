// Opening a drawing of 100,000 texts in 200 face names, 100 of them not installed: the read with
// the font change table against the same read without it (each opening in a fresh drawing, the
// table made beforehand as start-up makes it, its look-ups and the system's answers for faces it
// does not list counted). The names of installed faces are the faces this system lists, cycled
// (the Wine prefix lists some thirty).
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "BenchHarness.h"
#include "dialogs/FontPairList.h"
#include "dialogs/InstalledFontList.h"
#include "document/Document.h"
#include "document/Element.h"
#include "geometry/FontChangeTable.h"
#include "tests/dialogs/PropertyFixture.h"
#include "tests/support/DrawingText.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"

using namespace property_test;

namespace {

const int kTexts = 100000;
const int kRuns = 5;

std::string textElement(const std::string& face, int i)
{
    return "   <text>\r\n    <layer>100</layer>\r\n    <startPoint>\r\n     <x>" + std::to_string(i % 400) +
           "</x>\r\n     <y>" + std::to_string(i / 400) + "</y>\r\n    </startPoint>\r\n    <font>\r\n"
           "     <textSize>3.75</textSize>\r\n     <textFont>\"" + face + "\"</textFont>\r\n"
           "     <textStyle>\"DEFALUT\"</textStyle>\r\n    </font>\r\n    <textData>\r\n     <length>3</length>\r\n"
           "     <p>\"abc\"</p>\r\n    </textData>\r\n   </text>\r\n";
}

// Milliseconds of each read of the file into a fresh drawing, with a fresh font change table
// when `withTable`; the rows of the last table in `rows`.
std::vector<double> readTimes(const std::string& path, bool withTable, int& rows)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        PropertyDrawing drawing;
        std::unique_ptr<FontChangeTable> table(withTable ? new FontChangeTable : nullptr);
        ScopedOverride<FontChangeTable*> installed(theFontChangeTable, table.get());
        if (drawing.context.document->assign(path.c_str()) != 1)
            return {};
        XmlContextScope reading(drawing.context.document);
        const double start = benchNow();
        const int read = drawing.context.document->read();
        times.push_back((benchNow() - start) * 1e3);
        if (!read)
            std::printf("the drawing did not read\n");
        rows = table ? table->pairs().count() : 0;
    }
    std::sort(times.begin(), times.end());
    return times;
}

} // namespace

int main()
{
    ScratchFolder scratch;
    MessageBoxScript boxes; // a box would stop the run: it is answered and shown at the end
    // As start-up does: the documents' attribute holders.
    makeBaseElement = newBaseElement;
    std::vector<std::string> faces;
    {
        TestApplication app;
        InstalledFontList installed;
        for (int i = 0; i < 100; ++i)
            faces.push_back(installed.get(i % installed.count()));
    }
    for (int i = 0; i < 100; ++i)
        faces.push_back("MissingFace" + std::to_string(i));
    std::string entities;
    for (int i = 0; i < kTexts; ++i)
        entities += textElement(faces[static_cast<size_t>(i % 200)], i);
    const std::string path = scratch.file("texts.ycx", drawingFileText(entities));

    int rows = 0;
    const std::vector<double> without = readTimes(path, false, rows);
    const std::vector<double> with = readTimes(path, true, rows);
    if (without.empty() || with.empty())
        return 1;
    const double base = without[without.size() / 2], table = with[with.size() / 2];
    std::printf("%d texts in 200 names, %d rows made for the names not installed\n", kTexts, rows);
    std::printf("read without the table: median %9.1f ms  min %9.1f ms\n", base, without.front());
    std::printf("read with the table:    median %9.1f ms  min %9.1f ms\n", table, with.front());
    std::printf("the table adds %.1f %% (median)\n", (table - base) * 100.0 / base);
    if (!boxes.shown().empty())
        std::printf("message boxes: %s\n", boxes.texts().c_str());
    return 0;
}
