#include "tests/io/IoTestDrawing.h"

#include <cmath>
#include <cstdio>

#include "document/Document.h"
#include "document/Element.h"
#include "document/ElementStore.h"
#include "elements/ElementTextString.h"
#include "geometry/FontAttributes.h"
#include "geometry/PointList.h"
#include "io/dxf/DxfExchange.h"
#include "tests/support/DrawingText.h"
#include "tests/support/FileDialogScript.h"
#include "tests/support/UnixScript.h"

namespace io_fixture {

namespace {

std::string number(double v)
{
    // Rounding noise of computed points (6e-16 for 0) is not told apart.
    if (std::fabs(v) < 1e9)
        v = std::round(v * 1e9) / 1e9;
    char text[64];
    std::snprintf(text, sizeof text, "%.10g", v);
    return std::string(text) == "-0" ? "0" : text;
}

std::string points(std::initializer_list<const Point*> list)
{
    std::string s;
    for (const Point* p : list)
        s += " " + number(p->x) + " " + number(p->y);
    return s;
}

std::string readOutput(const ScratchFolder& scratch, const std::string& command)
{
    const std::string out = scratch.pathOf("run.out");
    DeleteFileA(out.c_str());
    const int code = runUnixScript("cd '" + unixPathOf(scratch.path()) + "' && " + command + " > run.out 2>&1",
                                   scratch.pathOf("run"), 120000);
    std::string text = ScratchFolder::read(out);
    DeleteFileA(out.c_str());
    return code == 0 ? text : text + "exit " + std::to_string(code);
}

} // namespace

std::string describe(Element& e)
{
    const bool known = e.kind >= 1 && e.kind <= 19;
    std::string s = std::string(known ? kElementKindRows[e.kind - 1].keyword : "?") + " " + std::to_string(e.layer) + " " + std::to_string(e.group) +
                    " |";
    switch (static_cast<ElementKind>(e.kind)) {
    case ElementKind::Line:
    case ElementKind::Box:
        return s + points({e.firstPoint(), e.secondPoint()});
    case ElementKind::Arc:
        return s + points({e.firstPoint(), e.secondPoint(), e.thirdPoint()});
    case ElementKind::Polygon:
        for (int i = 0; i < e.vertices()->count; ++i)
            s += " " + number(e.vertices()->getX(i)) + " " + number(e.vertices()->getY(i));
        return s;
    case ElementKind::Text: {
        std::string bytes(static_cast<size_t>(e.text()->length()) + 1, '\0');
        (void)e.text()->copyText(&bytes[0], static_cast<int>(bytes.size()));
        bytes.pop_back();
        return s + points({e.firstPoint()}) + " " + bytes + " " + number(e.font()->size);
    }
    default:
        return s;
    }
}

IoDrawing::IoDrawing()
    : registry(makeKindRegistry()), installed(theKindRegistry, registry.get())
{
    context.createMembers();
    context.linkManagers();
}

IoDrawing::~IoDrawing() { context.destroyManagers(); }

Element* IoDrawing::begin(ElementKind kind, int layer)
{
    ElementEditorBase* editor = context.editor3;
    if (!editor->startNewElement(kindCode(kind)))
        return nullptr;
    Element* e = editor->elementInHand();
    e->layer = layer;
    return e;
}

int IoDrawing::commit()
{
    Element* e = context.editor3->elementInHand();
    return context.editor3->commitNewElement() == 1 ? e->id : 0;
}

int IoDrawing::addLine(double x1, double y1, double x2, double y2, int layer)
{
    Element* e = begin(ElementKind::Line, layer);
    e->firstPoint()->x = x1, e->firstPoint()->y = y1;
    e->secondPoint()->x = x2, e->secondPoint()->y = y2;
    return commit();
}

int IoDrawing::addArc(double x1, double y1, double x2, double y2, double x3, double y3, int layer)
{
    Element* e = begin(ElementKind::Arc, layer);
    e->firstPoint()->x = x1, e->firstPoint()->y = y1;
    e->secondPoint()->x = x2, e->secondPoint()->y = y2;
    e->thirdPoint()->x = x3, e->thirdPoint()->y = y3;
    return commit();
}

int IoDrawing::addBox(double x1, double y1, double x2, double y2)
{
    Element* e = begin(ElementKind::Box, 100);
    e->firstPoint()->x = x1, e->firstPoint()->y = y1;
    e->secondPoint()->x = x2, e->secondPoint()->y = y2;
    return commit();
}

int IoDrawing::addPolygon(const std::vector<std::pair<double, double>>& list, int layer)
{
    Element* e = begin(ElementKind::Polygon, layer);
    (void)e->vertices()->resize(0);
    for (auto [x, y] : list)
        (void)e->vertices()->appendXY(x, y);
    return commit();
}

int IoDrawing::addText(double x, double y, const std::string& bytes, int layer, double size)
{
    Element* e = begin(ElementKind::Text, layer);
    e->firstPoint()->x = x, e->firstPoint()->y = y;
    e->text()->buffer.reset();
    (void)e->text()->buffer.insert(bytes.data(), static_cast<int>(bytes.size()));
    e->font()->size = size;
    return commit();
}

int IoDrawing::addKind(ElementKind kind) { return begin(kind, 100) ? commit() : 0; }

Element* IoDrawing::element(int id)
{
    return context.editor3->beginEdit(id) ? context.editor3->elementInHand() : nullptr;
}

std::vector<std::string> IoDrawing::elements()
{
    std::vector<std::string> all;
    ElementStore* store = context.elementStore();
    for (int id = 1; store && id <= store->highestId(); ++id) {
        if (!store->isLive(id))
            continue;
        Element* e = element(id);
        all.push_back(e ? describe(*e) : "unreadable " + std::to_string(id));
    }
    return all;
}

int IoDrawing::open(const std::string& path)
{
    Document* d = context.document;
    if (!d->assign(path.c_str()))
        return 0;
    XmlContextScope reading(d);
    return d->read();
}

std::string IoDrawing::save(const std::string& path)
{
    Document* d = context.document;
    if (!d->setPathAndTitle(path.c_str()))
        return "";
    XmlContextScope writing(d);
    return d->write() ? ScratchFolder::read(path) : "";
}

std::vector<std::string> IoDrawing::savedElements(const std::string& path)
{
    std::vector<std::string> sections = entitySections(save(path));
    for (std::string& section : sections)
        section = flatSection(section);
    return sections;
}

int IoDrawing::importDxf(const std::string& path)
{
    FileDialogScript dialogs;
    dialogs.answers = {path};
    DxfExchange command(context);
    return command.importDxf();
}

int IoDrawing::exportDxf(const std::string& path, std::vector<std::string>* filters)
{
    FileDialogScript dialogs;
    dialogs.answers = {path};
    DxfExchange command(context);
    const int result = command.exportDxf();
    if (filters)
        *filters = dialogs.filters;
    return result;
}

const std::string kSavedBlack = "<rgbColor><r>0</r><g>0</g><b>0</b></rgbColor>";
const std::string kSavedStroke = "<lineSize>0.14</lineSize><lineOrigin>\"CENTER\"</lineOrigin><lineType>"
                                 "<style>\"SOLID\"</style><jisen>2</jisen><kuhaku>1</kuhaku><sasen>1</sasen>"
                                 "</lineType>";
const std::string kSavedLineEnds = "<lineCap>\"BUTT\"</lineCap><gray>1</gray>";
const std::string kSavedAreas = "<edge><draw>\"ON\"</draw>" + kSavedBlack +
                                "<gray>1</gray></edge><paint><draw>\"OFF\"</draw>" + kSavedBlack +
                                "</paint><pattern><style>\"NONE\"</style><spacex>3</spacex><spacey>3</spacey>" +
                                kSavedBlack + "</pattern>";

std::string savedText(const std::string& x, const std::string& y, const std::string& lean, const std::string& size,
                      const std::string& character)
{
    return "<text><layer>100</layer>" + kSavedBlack + "<startPoint><x>" + x + "</x><y>" + y +
           "</y></startPoint><lean>" + lean + "</lean><jikan>0</jikan><gyokan>1</gyokan><font><textSize>" + size +
           "</textSize><textFont>\"\"</textFont><textStyle>\"DEFALUT\"</textStyle></font><textData><length>1</length>"
           "<p>\"" + character + "\"</p></textData></text>";
}

std::string runPython(const ScratchFolder& scratch, const std::string& script)
{
    (void)scratch.file("script.py", script);
    return readOutput(scratch, "/usr/bin/python3 script.py");
}

std::string runShell(const ScratchFolder& scratch, const std::string& command)
{
    return readOutput(scratch, command);
}

} // namespace io_fixture
