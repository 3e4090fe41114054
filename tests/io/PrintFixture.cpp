#include "tests/io/PrintFixture.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/PageList.h"
#include "document/SheetSettings.h"
#include "elements/TextElementBase.h"
#include "geometry/FontAttributes.h"
#include "io/pdf/PdfExportCommand.h"
#include "platform/StringUtil.h"
#include "shell/StartUp.h"
#include "tests/io/pdf/PdfTestFile.h"
#include "tests/support/MessagePump.h"
#include "tests/support/UnixScript.h"
#include "views/tools/ElementEditor.h"

void PrintDrawing::SetUp()
{
    nameApplication(*theApplication);
    app->showCommand = SW_HIDE;
    app->frame = &frame;
    ASSERT_TRUE(frame.create());
    window = frame.createDocumentWindow();
    ASSERT_TRUE(window && window->context && window->context->printSettings && window->context->editor3);
    settle();
}

void PrintDrawing::TearDown()
{
    if (IsWindow(frame.hwnd()))
        frame.destroy();
    settle();
    app->frame = nullptr;
}

void PrintDrawing::settle() { settleEventsAndMessages(); }

std::string PrintDrawing::exportPagePdf(const std::string& path)
{
    PdfExportCommand job;
    ScopedOverride<PdfExportJob*> running{thePdfExportJob, &job};
    job.setContext(&drawing());
    return pdf_test::writeFile(job, path, 1);
}

int PrintDrawing::addLine(double x1, double y1, double x2, double y2)
{
    ElementEditorBase& editor = *drawing().editor3;
    if (editor.startNewElement(kindCode(ElementKind::Line)) != 1)
        return 0;
    Element* line = editor.elementInHand();
    line->firstPoint()->x = x1, line->firstPoint()->y = y1;
    line->secondPoint()->x = x2, line->secondPoint()->y = y2;
    return editor.addToPage();
}

int PrintDrawing::addText(double x, double y, const char* text, const char* face, double size)
{
    ElementEditorBase& editor = *drawing().editor3;
    if (editor.startNewElement(kindCode(ElementKind::Text)) != 1)
        return 0;
    auto* element = dynamic_cast<TextElementBase*>(editor.elementInHand());
    if (!element)
        return 0;
    element->firstPoint()->x = x, element->firstPoint()->y = y;
    FontAttributes font;
    StringUtil::copy(font.faceName, face);
    font.size = size;
    element->setFontName(font);
    element->setFontSize(font);
    element->insertTextAt(0, text, static_cast<int>(std::char_traits<char>::length(text)));
    return editor.addToPage();
}

void PrintDrawing::setPaper(double width, double height, int denominator)
{
    auto* sheet = dynamic_cast<SheetSettings*>(drawing().paper);
    ASSERT_TRUE(sheet);
    ASSERT_EQ(sheet->setSize(height, width), 1);
    sheet->setScaleNumerator(1);
    sheet->setScaleDenominator(denominator);
}

void PrintDrawing::goToPage(int n) { drawing().pages->setCurrent(n); }

std::string fileText(const std::string& path)
{
    std::ifstream in(unixPathOf(path).empty() ? path : path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

int occurrences(const std::string& text, const std::string& part)
{
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

InkedBox ghostscriptBoundingBox(const std::string& postScriptPath, const std::string& work)
{
    const std::string out = work + ".bbox";
    DeleteFileA(out.c_str());
    const std::string command = "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=bbox '" + unixPathOf(postScriptPath) +
                                "' 2>'" + unixPathOf(out) + "' >/dev/null";
    InkedBox box;
    if (runUnixScript(command, work) != 0)
        return box;
    const std::string text = fileText(out);
    DeleteFileA(out.c_str());
    box.found = std::sscanf(text.c_str(), "%%%%BoundingBox: %d %d %d %d", &box.left, &box.bottom, &box.right,
                            &box.top) == 4;
    return box;
}

int ghostscriptPageCount(const std::string& postScriptPath, const std::string& work)
{
    const std::string pattern = work + "-page";
    const std::string command = "rm -f '" + unixPathOf(pattern) + "'*.png; gs -q -dSAFER -dBATCH -dNOPAUSE "
                                "-sDEVICE=png16m -r20 '-sOutputFile=" + unixPathOf(pattern) + "%d.png' '" +
                                unixPathOf(postScriptPath) + "' >/dev/null 2>&1 && n=$(ls '" + unixPathOf(pattern) +
                                "'*.png | wc -l) && rm -f '" + unixPathOf(pattern) + "'*.png && exit $((n + 10))";
    const int code = runUnixScript(command, work);
    return code >= 10 ? code - 10 : -1;
}
