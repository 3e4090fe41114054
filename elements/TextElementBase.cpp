// The text kinds' shared part: the text's lines and their layout, the caret's place and the pick
// display (in-place editing is in TextElementEditing.cpp, the mouse in TextElementMouse.cpp).
#include "elements/TextElementBase.h"

#include <cmath>
#include <cstring>
#include <new>

#include "document/DocumentContext.h"
#include "document/ElementEditorBase.h"
#include "document/ElementStore.h"
#include "document/SelectToolBase.h"
#include "document/ShapeOp.h"
#include "document/TextBuffer.h"
#include "document/TextCaretPlace.h"
#include "document/UndoManager.h"
#include "elements/ElementShapes.h"
#include "elements/ElementTextString.h"
#include "geometry/FontAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/TextSpacingAttribute.h"
#include "geometry/ViewParams.h"
#include "platform/CurrentEvent.h"
#include "platform/DeviceContext.h"
#include "platform/EventCodes.h"
#include "platform/GlobalBlock.h"
#include "platform/KeyboardState.h"
#include "platform/Window.h"

namespace {

constexpr ElementAttribute kTextAttributes[] = {ElementAttribute::lean, ElementAttribute::font,
                                                ElementAttribute::textSpacing, ElementAttribute::text};

} // namespace

// --- the text ---

TextBuffer* TextElementBase::textBuffer() const { return text() ? &text()->buffer : nullptr; }

int TextElementBase::textLength() const { return text() ? text()->length() : 0; }

std::string TextElementBase::textBytes() const
{
    const int n = textLength();
    if (n < 1)
        return std::string();
    std::vector<char> bytes(static_cast<size_t>(n) + 1);
    const int copied = text()->copyText(bytes.data(), n + 1);
    return std::string(bytes.data(), static_cast<size_t>(copied));
}

// --- layout ---

DrawPoint* TextElementBase::anchor() const { return firstPoint(); }

void TextElementBase::setAnchor(double x, double y)
{
    if (DrawPoint* a = anchor())
        a->x = x, a->y = y;
}

double TextElementBase::fontSize() const { return font() ? font()->scaledSize() : 0.0; }

double TextElementBase::linePitch() const
{
    if (!font())
        return 0.0;
    return textSpacing() ? textSpacing()->defaultLinePitch(*font()) : font()->scaledSize() * 1.2;
}

double TextElementBase::rotationAngle() const
{
    return lean() && std::isfinite(lean()->angle) ? lean()->angle : 0.0;
}

Window* TextElementBase::viewWindow() const
{
    ViewParams* view = context ? context->view : nullptr;
    return view ? view->window() : nullptr;
}

int TextElementBase::selectFont()
{
    Window* window = viewWindow();
    ViewParams* view = context ? context->view : nullptr;
    if (!window || !view || !font())
        return 0;
    return font()->makeDeviceFont(view, window->dc);
}

double TextElementBase::extentViewScale() { return viewScaleOf(context); }

double TextElementBase::pixelsToDrawing(double pixels) const
{
    ViewParams* view = context ? context->view : nullptr;
    if (!view)
        return 0.0;
    const double paper = view->pixelsToLengthForOp(ShapeOp::Draw, pixels);
    const double length = paper * scaleDenominator() / scaleNumerator();
    return std::isfinite(length) ? length : 0.0;
}

double TextElementBase::lineWidth(const std::string& bytes, const Line& line)
{
    Window* window = viewWindow();
    if (!window || line.end <= line.start)
        return 0.0;
    return pixelsToDrawing(window->textWidth(bytes.data(), line.start, line.end));
}

void TextElementBase::textExtent(double& width, double& height)
{
    width = height = 0.0;
    lastRun.scale = 0.0;
    const std::string bytes = textBytes();
    std::vector<Line> lines;
    splitLines(bytes, lines);
    if (lines.empty())
        return;
    Window* window = viewWindow();
    if (!window) {
        height = (static_cast<double>(lines.size()) - 1.0) * linePitch() + fontSize();
        return;
    }
    DcScope held(window->dc); // one device context for every line
    (void)selectFont();
    int longest = 0;
    for (const Line& line : lines) {
        const double w = lineWidth(bytes, line);
        if (w > width)
            width = w;
        if (line.end - line.start > longest)
            longest = line.end - line.start;
    }
    height = (static_cast<double>(lines.size()) - 1.0) * linePitch() + fontSize();
    // A byte is at most a glyph. The font follows the view's own scale; the run is kept only
    // where the widths are taken at that scale too (not through printing's output scaling).
    ViewParams* view = context->view;
    const double em = font() ? view->lengthToPixels(font()->size) : 0.0;
    if (em != view->lengthToPixelsForOp(ShapeOp::Draw, font() ? font()->size : 0.0))
        return;
    lastRun.width = width;
    lastRun.glyphs = longest;
    lastRun.emPixels = em;
    lastRun.scale = extentViewScale();
}

int TextElementBase::measuredRun(double& width, double& glyphs, double& emPixels)
{
    if (!(lastRun.scale > 0.0) || lastRun.scale != extentViewScale() || !(lastRun.emPixels >= 0.0))
        return 0;
    width = lastRun.width;
    glyphs = lastRun.glyphs;
    emPixels = lastRun.emPixels;
    return 1;
}

void TextElementBase::turnAboutAnchor(Point& p, double angle) const
{
    if (anchor() && angle != 0.0)
        p.rotateAbout(anchor()->x, anchor()->y, angle);
}

int TextElementBase::caretLocation(Point& out)
{
    TextBuffer* buffer = textBuffer();
    if (!buffer || !anchor() || !viewWindow())
        return 0;
    const std::string bytes = textBytes();
    std::vector<Line> lines;
    splitLines(bytes, lines);
    const int caret = buffer->caretPosition();
    out.x = anchor()->x;
    out.y = anchor()->y;
    out.z = 0.0;
    size_t i = 0;
    while (i + 1 < lines.size() && lines[i + 1].start <= caret)
        ++i;
    if (!lines.empty()) {
        (void)selectFont();
        const int end = caret < lines[i].end ? caret : lines[i].end;
        out.x += lineWidth(bytes, {lines[i].start, end});
        out.y += static_cast<double>(i) * linePitch();
    }
    turnAboutAnchor(out, rotationAngle());
    return 1;
}

int TextElementBase::indexAtPoint(const IntPoint& device, int extend)
{
    ViewParams* view = context ? context->view : nullptr;
    Window* window = viewWindow();
    if (!view || !window || !anchor())
        return -1;
    const std::string bytes = textBytes();
    std::vector<Line> lines;
    splitLines(bytes, lines);
    if (lines.empty())
        return extend ? 0 : -1;
    Point p;
    view->deviceToWorld(device, &p.x, &p.y, &p.z);
    turnAboutAnchor(p, -rotationAngle());
    IntPoint unturned;
    view->worldToDevice(p.x, p.y, &unturned);

    if (!extend) {
        double width = 0.0, height = 0.0;
        textExtent(width, height);
        if (p.x < anchor()->x || p.x > anchor()->x + width || p.y < anchor()->y || p.y > anchor()->y + height)
            return -1;
    }
    const double pitch = linePitch();
    size_t i = 0;
    while (i + 1 < lines.size() && anchor()->y + (static_cast<double>(i) + 1.0) * pitch < p.y)
        ++i;

    (void)selectFont();
    IntPoint origin;
    view->worldToDevice(anchor()->x, anchor()->y, &origin);
    const Line& line = lines[i];
    const int pixels = unturned.x - origin.x;
    if (pixels < 1 || line.end <= line.start)
        return line.start;
    const int at = window->charIndexAtWidth(bytes.data(), line.start, line.end, pixels);
    if (at < line.start)
        return line.start;
    return at > line.end ? line.end : at;
}

// --- the caret ---

TextCaretPlace* TextElementBase::caretPlace() const { return context ? context->caret : nullptr; }

void TextElementBase::showCaretAtAnchor()
{
    TextCaretPlace* caret = caretPlace();
    if (!caret || !anchor())
        return;
    caret->setHeight(fontSize());
    caret->setAngle(rotationAngle());
    caret->showAt(anchor());
}

void TextElementBase::showCaretAtCaret()
{
    TextCaretPlace* caret = caretPlace();
    if (!caret || !anchor())
        return;
    Point at;
    if (!caretLocation(at))
        at = *anchor();
    caret->setHeight(fontSize());
    caret->setAngle(rotationAngle());
    caret->showAt(&at);
}

void TextElementBase::placeCaret()
{
    TextCaretPlace* caret = caretPlace();
    Point at;
    if (caret && caret->isShown() && caretLocation(at))
        caret->moveTo(at.x, at.y);
}

void TextElementBase::hideCaret()
{
    if (TextCaretPlace* caret = caretPlace())
        caret->hide();
}

// --- the pick display ---

void TextElementBase::showPickColour()
{
    if (!anchor())
        return;
    const std::string bytes = textBytes();
    std::vector<Line> lines;
    splitLines(bytes, lines);
    (void)selectFont();
    const double pitch = linePitch(), size = fontSize(), angle = rotationAngle();
    for (size_t i = 0; i < lines.size(); ++i) {
        Point from(anchor()->x, anchor()->y + static_cast<double>(i) * pitch + 0.9 * size);
        Point to(from.x + lineWidth(bytes, lines[i]), from.y);
        turnAboutAnchor(from, angle);
        turnAboutAnchor(to, angle);
        drawPickUnderline(*this, from, to);
        drawPointMark(ShapeOp::ShowPicked, from);
        drawPointMark(ShapeOp::ShowPicked, to);
    }
}

void TextElementBase::createTextAttributes()
{
    for (ElementAttribute which : kTextAttributes)
        (void)ensureAttribute(which); // a slot left null makes the operations that need it do nothing
}

void TextElementBase::releaseTextAttributes()
{
    for (ElementAttribute which : kTextAttributes)
        releaseAttribute(which);
}
