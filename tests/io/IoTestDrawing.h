#pragma once
// A drawing of the real element kinds with the real element editors for the DXF and SVG tests,
// the elements it holds in a form to compare, and the independent readers (ezdxf, xmllint,
// rsvg-convert) run on the Linux side.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "document/DocumentContext.h"
#include "document/ElementKind.h"
#include "elements/ElementKindRegistry.h"
#include "tests/support/RealElementEditors.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"
#include "views/tools/ElementEditor.h"

class Element;

namespace io_fixture {

// One stored element as the tests compare it: "kind layer group | values", e.g.
// "line 5 0 | 10 20 110 20" (numbers with ten significant digits, a text's bytes and size last).
std::string describe(Element& element);

class IoDrawing {
public:
    IoDrawing();
    ~IoDrawing();
    IoDrawing(const IoDrawing&) = delete;
    IoDrawing& operator=(const IoDrawing&) = delete;

    // New elements committed as the user commits them (with an undo record); their ids.
    int addLine(double x1, double y1, double x2, double y2, int layer = 100);
    // An arc from the first through the third point to the second.
    int addArc(double x1, double y1, double x2, double y2, double x3, double y3, int layer = 100);
    int addBox(double x1, double y1, double x2, double y2);
    int addPolygon(const std::vector<std::pair<double, double>>& points, int layer = 100);
    int addText(double x, double y, const std::string& bytes, int layer = 100, double size = 3.75);
    // An element of a kind with its default values.
    int addKind(ElementKind kind);

    // Every live element, described, in id order.
    std::vector<std::string> elements();
    Element* element(int id);

    // Opens a drawing file of any kind into this drawing; the result.
    int open(const std::string& path);
    // Writes the drawing to a file of the kind its name gives: the bytes written, "" when the
    // write failed.
    std::string save(const std::string& path);
    // The elements as the program's own format saves them under the path, one section each in
    // file order, without the line breaks and indents: "<line><layer>5</layer>...</line>".
    std::vector<std::string> savedElements(const std::string& path);
    // The DXF command's import or export with the file the user chooses; its result. The file
    // dialog's types go to `filters` when given.
    int importDxf(const std::string& path);
    int exportDxf(const std::string& path, std::vector<std::string>* filters = nullptr);

    std::unique_ptr<ElementKindRegistry> registry;
    ScopedOverride<ElementKindRegistry*> installed;
    RealElementEditors editors;
    DocumentContext context;

private:
    Element* begin(ElementKind kind, int layer);
    int commit();
};

// Pieces of the sections savedElements gives, at the defaults: black; a solid line 0.14 wide on
// its centre; butt ends at full strength; a black edge, no paint, no hatching.
extern const std::string kSavedBlack;
extern const std::string kSavedStroke;
extern const std::string kSavedLineEnds;
extern const std::string kSavedAreas;
// A saved text of layer 100 at those values, one character long.
std::string savedText(const std::string& x, const std::string& y, const std::string& lean, const std::string& size,
                      const std::string& character);

// Runs a Python 3 script (the Debian interpreter, with ezdxf) with the scratch folder as its
// working directory: its standard output and error, and "exit N" appended when it failed.
std::string runPython(const ScratchFolder& scratch, const std::string& script);
// Runs a shell command line in the scratch folder; its output as above.
std::string runShell(const ScratchFolder& scratch, const std::string& command);

} // namespace io_fixture
