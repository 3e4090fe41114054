// The text kinds' shared part: layout of the lines, the caret, and in-place editing with the
// undo records of every change.
#include "elements/TextElementBase.h"

#include <cmath>
#include <cstring>
#include <new>

#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "document/TextBuffer.h"
#include "document/UndoManager.h"
#include "elements/ElementTextString.h"
#include "elements/TextCaretPlace.h"
#include "geometry/FontAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/TextSpacingAttribute.h"
#include "platform/CurrentEvent.h"
#include "platform/DeviceContext.h"
#include "platform/EventCodes.h"
#include "platform/GlobalBlock.h"
#include "platform/KeyboardState.h"
#include "platform/StringUtil.h"
#include "platform/Window.h"
#include "shapes/ShapeOp.h"
#include "views/ViewParams.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/SelectTool.h"

namespace {

constexpr ElementAttribute kTextAttributes[] = {ElementAttribute::lean, ElementAttribute::font,
                                                ElementAttribute::textSpacing, ElementAttribute::text};

enum EditingKey { kBackspace = 8, kEscape = 27, kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kDelete = 46 };

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Two clicks this close (pixels) make a double click.
constexpr int kDoubleClickDistance = 2;

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

void TextElementBase::splitLines(const std::string& bytes, std::vector<Line>& lines)
{
    lines.clear();
    const int n = static_cast<int>(bytes.size());
    if (n == 0)
        return;
    int start = 0;
    for (int i = 0; i < n; ++i) {
        const char c = bytes[static_cast<size_t>(i)];
        if (isLineEnd(c)) {
            lines.push_back({start, i});
            if (c == '\r' && i + 1 < n && bytes[static_cast<size_t>(i) + 1] == '\n')
                ++i;
            start = i + 1;
        } else if (StringUtil::isLeadByte(static_cast<unsigned char>(c)) && i + 1 < n &&
                   !isLineEnd(bytes[static_cast<size_t>(i) + 1])) {
            ++i; // the trail byte, which may look like anything but a line end
        }
    }
    lines.push_back({start, n});
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
    for (const Line& line : lines) {
        const double w = lineWidth(bytes, line);
        if (w > width)
            width = w;
    }
    height = (static_cast<double>(lines.size()) - 1.0) * linePitch() + fontSize();
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

// --- editing ---

void TextElementBase::enterEditing()
{
    inputState = kStoredBack;
    editing = 1;
    inputPending = 1;
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

// A text stays in progress while it is edited: committing a new text (which resets the input)
// must not end its editing.
void TextElementBase::resetInputState()
{
    const int pending = inputPending;
    Element::resetInputState();
    if (editing)
        inputPending = pending;
}

void TextElementBase::redrawInputOverlay()
{
    if (!editing)
        return;
    showInputOverlay(1);
    showCaretAtCaret();
}

void TextElementBase::insertTyped(const char* bytes, int n)
{
    TextBuffer* buffer = textBuffer();
    if (!buffer || !bytes || n < 1)
        return;
    // A lead byte whose trail byte did not arrive with it waits for the next piece, so that no
    // pair is split between two insertions.
    std::string piece;
    if (heldLead)
        piece.push_back(static_cast<char>(heldLead));
    heldLead = 0;
    piece.append(bytes, static_cast<size_t>(n));
    const int length = static_cast<int>(piece.size());
    int i = 0;
    while (i < length) {
        const unsigned char c = static_cast<unsigned char>(piece[static_cast<size_t>(i)]);
        if (StringUtil::isLeadByte(c) && i + 1 == length) {
            heldLead = c;
            piece.pop_back();
            break;
        }
        i += StringUtil::isLeadByte(c) && !isLineEnd(piece[static_cast<size_t>(i) + 1]) ? 2 : 1;
    }
    if (piece.empty())
        return;
    const int count = static_cast<int>(piece.size());
    UndoManager* undo = context ? context->undoManager : nullptr;
    const int caret = buffer->caretPosition();
    if (buffer->hasSelection()) {
        const int start = buffer->selectionStart(), end = buffer->selectionEnd();
        const int anchorAt = caret == start ? end : start;
        const std::string removed = textBytes().substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
        if (undo) {
            undo->beginTextReplace(this, caret);
            undo->setTextSelectionRange(anchorAt, caret);
        }
        if (!buffer->insert(piece.data(), count))
            return;
        if (undo)
            undo->endTextReplace(removed.data(), end - start, piece.data(), count);
        (void)postDeferredCommand(); // menus follow on the next idle turn at the latest
    } else {
        if (undo)
            undo->beginTyping(this, caret);
        if (!buffer->insert(piece.data(), count))
            return;
        if (undo)
            undo->appendTyped(piece.data(), count);
    }
    showInputOverlay(1);
    placeCaret();
}

int TextElementBase::insertCharacters(int first, int second)
{
    char bytes[2] = {static_cast<char>(first), static_cast<char>(second)};
    insertTyped(bytes, second ? 2 : 1);
    return 0;
}

void TextElementBase::removeSelection(int forCut)
{
    TextBuffer* buffer = textBuffer();
    if (!buffer || !buffer->hasSelection())
        return;
    UndoManager* undo = context ? context->undoManager : nullptr;
    const int caret = buffer->caretPosition();
    const int start = buffer->selectionStart(), end = buffer->selectionEnd();
    const int anchorAt = caret == start ? end : start;
    const std::string removed = textBytes().substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
    if (undo && forCut) {
        undo->beginTextCut(this, caret);
        undo->setTextSelectionRange(anchorAt, caret);
        undo->addCutText(start, removed.data(), end - start);
        undo->endTextCut();
    } else if (undo) {
        undo->beginTextDelete(this, caret, 0);
        undo->setTextSelectionRange(anchorAt, caret);
        undo->addDeletedText(start, removed.data(), end - start);
        undo->flushPending(); // a deleted selection is a step of its own
    }
    (void)buffer->deleteSelection();
    (void)postDeferredCommand();
}

void TextElementBase::deleteBefore()
{
    TextBuffer* buffer = textBuffer();
    if (!buffer)
        return;
    if (buffer->hasSelection()) {
        removeSelection(0);
        return;
    }
    const int caret = buffer->caretPosition();
    const int size = buffer->charSizeBefore(caret);
    if (size < 1)
        return;
    const std::string removed = textBytes().substr(static_cast<size_t>(caret - size), static_cast<size_t>(size));
    if (UndoManager* undo = context ? context->undoManager : nullptr) {
        undo->beginTextDelete(this, caret, -1);
        undo->addDeletedText(caret - size, removed.data(), size);
    }
    (void)buffer->deleteAt(caret - size, size);
}

void TextElementBase::deleteAfter()
{
    TextBuffer* buffer = textBuffer();
    if (!buffer)
        return;
    if (buffer->hasSelection()) {
        removeSelection(0);
        return;
    }
    const int caret = buffer->caretPosition();
    const int size = buffer->charSizeAt(caret);
    if (size < 1)
        return;
    const std::string removed = textBytes().substr(static_cast<size_t>(caret), static_cast<size_t>(size));
    if (UndoManager* undo = context ? context->undoManager : nullptr) {
        undo->beginTextDelete(this, caret, 1);
        undo->addDeletedText(caret, removed.data(), size);
    }
    (void)buffer->deleteAt(caret, size);
}

void TextElementBase::moveCaret(int key, int extend)
{
    TextBuffer* buffer = textBuffer();
    if (!buffer)
        return;
    if (UndoManager* undo = context ? context->undoManager : nullptr)
        undo->flushPending(); // a caret move ends the typing or deleting run
    const int caretBefore = buffer->caretPosition();
    const int startBefore = buffer->selectionStart(), endBefore = buffer->selectionEnd();
    switch (key) {
    case kLeft:
        buffer->moveLeft(extend);
        break;
    case kRight:
        buffer->moveRight(extend);
        break;
    case kUp:
        buffer->moveUp(extend);
        break;
    case kDown:
        buffer->moveDown(extend);
        break;
    default:
        return;
    }
    if (buffer->caretPosition() != caretBefore || buffer->selectionStart() != startBefore ||
        buffer->selectionEnd() != endBefore)
        showInputOverlay(1);
}

int TextElementBase::processKey()
{
    CurrentEvent* event = theCurrentEvent;
    if (!editing || !event || !textBuffer() || event->keyConsumed)
        return 0;
    // The window's key handling and the editing mouse loop both offer the event pumped last:
    // it is taken once.
    const int key = event->getEditingKey();
    if (key || (event->code == EV_KEY_DOWN && event->message == WM_CHAR))
        event->keyConsumed = 1;
    switch (key) {
    case kBackspace:
        deleteBefore();
        showInputOverlay(0);
        break;
    case kDelete:
        deleteAfter();
        showInputOverlay(0);
        break;
    case kLeft:
    case kUp:
    case kRight:
    case kDown:
        moveCaret(key, KeyboardState::isShiftKeyDown());
        break;
    case kEscape:
        break;
    default: {
        char typed[kTypedChunk + 1];
        const int n = event->readTypedText(typed, sizeof typed);
        if (n > 0)
            insertTyped(typed, n);
        return 0;
    }
    }
    placeCaret();
    return 1;
}

void TextElementBase::handleKey() { (void)processKey(); } // the answer matters to the mouse loop only

void TextElementBase::beginTextEditAtStart()
{
    hideCaret();
    showCaretAtAnchor();
    if (TextBuffer* buffer = textBuffer())
        buffer->setCaret(0);
    enterEditing();
}

void TextElementBase::beginTextEdit()
{
    hideCaret();
    enterEditing();
    showCaretAtCaret();
}

void TextElementBase::setCaretPosition(int position)
{
    if (TextBuffer* buffer = textBuffer())
        buffer->setCaret(position);
    placeCaret();
}

void TextElementBase::setTextSelection(int start, int end)
{
    if (TextBuffer* buffer = textBuffer())
        buffer->setSelection(start, end);
}

void TextElementBase::insertTextAt(int position, const char* bytes, int length)
{
    TextBuffer* buffer = textBuffer();
    if (!buffer || !bytes || length < 1)
        return;
    buffer->setCaret(position);
    (void)buffer->insert(bytes, length); // a text that cannot grow stays as it was
    placeCaret();
}

void TextElementBase::deleteTextAt(int position, int length)
{
    TextBuffer* buffer = textBuffer();
    if (!buffer || length < 1)
        return;
    buffer->setCaret(position);
    (void)buffer->deleteAt(position, length); // nothing to delete past the end
    placeCaret();
}

void TextElementBase::hideInputOverlay() { showInputOverlay(0); }

int TextElementBase::selectedTextLength()
{
    TextBuffer* buffer = textBuffer();
    return buffer ? buffer->selectionLength() : 0;
}

GlobalBlock* TextElementBase::copySelectedText()
{
    TextBuffer* buffer = textBuffer();
    if (!buffer || !buffer->hasSelection())
        return nullptr;
    const int start = buffer->selectionStart(), n = buffer->selectionLength();
    const std::string bytes = textBytes().substr(static_cast<size_t>(start), static_cast<size_t>(n));
    auto* block = new (std::nothrow) GlobalBlock(1024, 1);
    if (!block)
        return nullptr;
    if (!block->reserve(n)) {
        delete block;
        return nullptr;
    }
    {
        BlockLock data(*block);
        if (!data) {
            delete block;
            return nullptr;
        }
        std::memcpy(data.data(), bytes.data(), static_cast<size_t>(n));
    }
    block->count = n;
    return block;
}

void TextElementBase::cutSelectedText()
{
    removeSelection(1);
    showInputOverlay(0);
    placeCaret();
}

void TextElementBase::deleteSelectedText()
{
    deleteAfter();
    showInputOverlay(0);
    placeCaret();
}

void TextElementBase::insertText(const char* bytes, int length)
{
    TextBuffer* buffer = textBuffer();
    if (!buffer || !bytes || length < 1)
        return;
    UndoManager* undo = context ? context->undoManager : nullptr;
    const int caret = buffer->caretPosition();
    const int start = buffer->selectionStart(), end = buffer->selectionEnd();
    const std::string removed = textBytes().substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
    if (undo) {
        undo->beginTextPaste(this, caret);
        if (end > start)
            undo->setTextSelectionRange(caret == start ? end : start, caret);
    }
    if (!buffer->insert(bytes, length))
        return;
    if (undo)
        undo->endTextPaste(removed.data(), end - start, bytes, length);
    (void)postDeferredCommand();
    showInputOverlay(1);
    placeCaret();
}

void TextElementBase::deleteEmptied()
{
    ElementEditor* editor = context ? context->editor3 : nullptr;
    if (!editor || id < 1)
        return;
    if (UndoManager* undo = context->undoManager)
        undo->recordDeleteOf(id);
    (void)erase(); // from the page before it goes
    (void)editor->removeById(id); // an id the store lost has nothing left to remove
}

int TextElementBase::finishInput()
{
    int result = editing ? inputState : 0;
    editing = 0;
    inputPending = 0;
    inputResult = 0;
    if (heldLead) {
        const char lone = static_cast<char>(heldLead);
        heldLead = 0;
        insertTyped(&lone, 1);
    }
    if (result == kStoredBack && textLength() < 1 && id >= 1) {
        deleteEmptied();
        result = 0;
    } else if (result == kStoredBack) {
        if (UndoManager* undo = context ? context->undoManager : nullptr)
            undo->flushPending(); // the open typing record names this element
    }
    hideCaret();
    return result;
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
        if (pickUnderlineHook)
            pickUnderlineHook(*this, from, to);
        drawPointMark(ShapeOp::ShowPicked, from);
        drawPointMark(ShapeOp::ShowPicked, to);
    }
}

// --- the mouse ---

void TextElementBase::saveCaret()
{
    TextBuffer* buffer = textBuffer();
    if (!buffer)
        return;
    savedCaret = buffer->caretPosition();
    savedAnchor = savedCaret == buffer->selectionStart() ? buffer->selectionEnd() : buffer->selectionStart();
    savedEnd = savedCaret;
}

void TextElementBase::restoreCaret()
{
    if (TextBuffer* buffer = textBuffer())
        buffer->setSelection(savedAnchor, savedEnd);
}

int TextElementBase::dragSelect()
{
    ViewParams* view = context ? context->view : nullptr;
    TextBuffer* buffer = textBuffer();
    if (!view || !buffer)
        return -1;
    showInputOverlay(1);
    int last = buffer->caretPosition();
    IntPoint device, previous = lastPress;
    int left = 0, right = 0;
    for (;;) {
        if (!view->nextMousePoint(device, left, right))
            return -1;
        if (!left)
            break;
        // Only a point the mouse moved to selects: a click in place keeps the caret.
        if (device.x == previous.x && device.y == previous.y)
            continue;
        previous = device;
        const int at = indexAtPoint(device, 1);
        if (at >= 0 && at != last) {
            buffer->setSelection(buffer->selectionStart() == last ? buffer->selectionEnd() : buffer->selectionStart(),
                                 at);
            last = at;
            showInputOverlay(1);
        }
    }
    placeCaret();
    return 0;
}

int TextElementBase::trackEditMouse()
{
    ViewParams* view = context ? context->view : nullptr;
    TextBuffer* buffer = textBuffer();
    if (!editing || !view || !buffer)
        return kCancelled;
    context->interactionMode = 1;
    placeCaret();
    IntPoint device;
    int left = 0, right = 0;
    for (;;) {
        if (TextCaretPlace* caret = caretPlace())
            (void)caret->refresh(); // a hidden caret has nothing to restore
        if (!view->nextMousePoint(device, left, right))
            return kCancelled;
        if (!left) {
            if (right)
                return kRightButton;
            handleKey();
            continue;
        }
        // A second press soon after the first and where it was is a double click: the caret and
        // selection of before the first press come back.
        const int second = pressCount > 0 && isDoubleClick() &&
                           std::abs(device.x - lastPress.x) <= kDoubleClickDistance &&
                           std::abs(device.y - lastPress.y) <= kDoubleClickDistance;
        restartClickTimer();
        lastPress = device;
        if (second) {
            pressCount = 0;
            restoreCaret();
            showInputOverlay(1);
            placeCaret();
            if (!waitForRelease(*view))
                return kCancelled;
            return kDoubleClick;
        }
        ++pressCount;
        saveCaret();
        computeExtent(0);
        const int at = indexAtPoint(device, 0);
        if (at >= 0)
            buffer->setCaret(at);
        if (dragSelect() < 0)
            return kCancelled;
    }
}

int TextElementBase::waitForRelease(ViewParams& view)
{
    IntPoint device;
    int left = 1, right = 0;
    while (left) {
        if (!view.nextMousePoint(device, left, right))
            return 0;
    }
    return 1;
}

int TextElementBase::beginEditAtCursor()
{
    SelectTool* tool = selectTool();
    ElementStore* store = elementStore();
    if (!tool || !store)
        return 0;
    tool->setPickBoxAtMouse();
    const int found = tool->findInPickBox();
    if (found < 1 || !isStoredAsSameKind(found) || !load(found) || !exchangeRecord(3) || !hitTestLeader())
        return 0;
    id = found;
    showCaretAtAnchor();
    enterEditing();
    if (ViewParams* view = context->view) {
        IntPoint cursor;
        view->cursorPosition(cursor);
        const int at = indexAtPoint(cursor, 0);
        if (at >= 0 && textBuffer())
            textBuffer()->setCaret(at);
        placeCaret();
    }
    showInputOverlay(0);
    postMouseMove();
    return kEditingText;
}

void (*TextElementBase::pickUnderlineHook)(Element& element, const Point& from, const Point& to) = nullptr;
