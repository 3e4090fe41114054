#include "tests/io/PicturePage.h"

#include <cstdlib>

#include "document/Element.h"
#include "document/FileNameValue.h"
#include "io/print/PrintRecord.h"
#include "shapes/ImageTypeValue.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixScript.h"
#include "views/tools/ElementEditor.h"

int PicturePage::addPicture(const std::string& path, int kind, double left, double top, double width, double height)
{
    ElementEditorBase& editor = *drawing().editor3;
    if (editor.startNewElement(kindCode(ElementKind::Picture)) != 1)
        return 0;
    Element* e = editor.elementInHand();
    e->firstPoint()->x = left, e->firstPoint()->y = top;
    e->secondPoint()->x = left + width, e->secondPoint()->y = top + height;
    e->imageKind()->value = kind;
    e->fileName()->setText(path.c_str());
    return editor.addToPage();
}

std::string PicturePage::render(const std::string& postScript, const ScratchFolder& scratch, const char* device)
{
    const std::string out = postScript + ".out";
    std::string script = "gs -q -dSAFER -dBATCH -dNOPAUSE -dUseFastColor -r72 -sDEVICE=" + std::string(device) +
                         " -sOutputFile=" + quotedUnixPath(out) + " " + quotedUnixPath(postScript) + " || exit 1\n";
    if (std::string(device) == "tiffsep")
        script += "convert " + quotedUnixPath(out + "(Black).tif") + " -depth 8 gray:" + quotedUnixPath(out + ".grey") + "\n";
    if (runUnixScript(script, scratch.pathOf("gs")) != 0)
        return "";
    return ScratchFolder::read(std::string(device) == "tiffsep" ? out + ".grey" : out);
}

std::string PicturePage::renderPage(const ScratchFolder& scratch, const std::string& name, int* pages)
{
    const std::string path = scratch.pathOf(name);
    if (!record().writePageToFile(path.c_str()))
        return "";
    if (pages)
        *pages = ghostscriptPageCount(path, scratch.pathOf("count"));
    return render(path, scratch, "ppmraw");
}

std::string PicturePage::renderPlate(const ScratchFolder& scratch, int plate)
{
    PostScriptWriter& writer = record().postScript();
    writer.separationMode = 2;
    writer.separationProcedures = 1;
    if (writer.plateCount != 4) {
        writer.plateCount = 4;
        writer.plates.reset(new PsPlate[4]);
    }
    writer.currentPlate = plate;
    const std::string path = scratch.pathOf("plate" + std::to_string(plate) + ".ps");
    return record().writePageToFile(path.c_str()) ? render(path, scratch, "tiffsep") : "";
}

COLORREF ppmPixel(const std::string& ppm, double xMm, double yMm)
{
    const size_t header = ppm.find("255\n") + 4;
    const int x = static_cast<int>(xMm * 72 / 25.4), y = static_cast<int>(yMm * 72 / 25.4);
    const size_t at = header + (static_cast<size_t>(y) * 595 + x) * 3;
    if (header < 4 || at + 2 >= ppm.size())
        return 0xFFFFFFFF;
    return RGB(static_cast<unsigned char>(ppm[at]), static_cast<unsigned char>(ppm[at + 1]),
               static_cast<unsigned char>(ppm[at + 2]));
}

int inkIn(const std::string& grey, double left, double top, double right, double bottom)
{
    int n = 0;
    for (int y = static_cast<int>(top * 72 / 25.4) + 1; y < static_cast<int>(bottom * 72 / 25.4) - 1; ++y)
        for (int x = static_cast<int>(left * 72 / 25.4) + 1; x < static_cast<int>(right * 72 / 25.4) - 1; ++x)
            n += static_cast<size_t>(y) * 595 + x < grey.size() && static_cast<unsigned char>(grey[static_cast<size_t>(y) * 595 + x]) < 128;
    return n;
}
