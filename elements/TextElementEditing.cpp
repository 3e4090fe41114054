// In-place editing of the text kinds: typed characters, the editing keys, the clipboard, the undo
// records of every change and their replay, and the end of an edit.
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
#include "document/ViewUpdater.h"
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
#include "platform/StringUtil.h"
#include "platform/Window.h"

namespace {
enum EditingKey { kBackspace = 8, kEscape = 27, kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kDelete = 46 };
} // namespace

// --- editing ---

void TextElementBase::enterEditing()
{
    inputState = kStoredBack;
    editing = 1;
    inputPending = 1;
}

void TextElementBase::leavePainterForEdit()
{
    if (id < 1)
        return;
    (void)erase(); // nothing to erase without a view
    if (ViewUpdater* updater = viewUpdater())
        updater->setSkippedId(id);
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
    if (!editing)
        leavePainterForEdit(); // a stored text reopened by an undo step
    showCaretAtAnchor();
    if (TextBuffer* buffer = textBuffer())
        buffer->setCaret(0);
    enterEditing();
}

void TextElementBase::beginTextEdit()
{
    hideCaret();
    if (!editing)
        leavePainterForEdit(); // the text held since its last edit, reopened by an undo step
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
    ElementEditorBase* editor = DocumentContext::toolEditorOf(context);
    if (!editor || id < 1)
        return;
    if (UndoManager* undo = context->undoManager)
        undo->recordDeleteOf(id);
    // Emptied, the text has nothing left to erase: the page is redrawn where it was stored.
    (void)editor->removeById(id); // an id the store lost has nothing left to remove
    if (ViewUpdater* updater = context->updater) {
        updater->repaintChanges();
        updater->repaint();
    }
}

int TextElementBase::releaseStoredId()
{
    const int wasEditing = editing;
    if (editing) {
        if (ViewUpdater* updater = viewUpdater())
            updater->setSkippedId(-1);
        editing = 0;
        inputState = 0;
        heldLead = 0;
        hideCaret();
    }
    inputPending = 0;
    inputResult = 0;
    Element::releaseStoredId();
    return wasEditing;
}

int TextElementBase::finishInput()
{
    int result = editing ? inputState : 0;
    if (editing && inputState == kStoredBack) {
        if (ViewUpdater* updater = viewUpdater())
            updater->setSkippedId(-1);
    }
    editing = 0;
    inputPending = 0;
    inputResult = 0;
    if (heldLead) {
        const char lone = static_cast<char>(heldLead);
        heldLead = 0;
        insertTyped(&lone, 1);
    }
    // An undo or redo step settles the text before it replays its record: the element's fate is
    // then the log's to say, and a step writes no record of its own.
    UndoManager* undo = context ? context->undoManager : nullptr;
    const int underStep = undo && undo->isStepping();
    if (result == kStoredBack && textLength() < 1 && id >= 1 && !underStep) {
        deleteEmptied();
        result = 0;
    } else if (result == kStoredBack && undo) {
        undo->flushPending(); // the open typing record names this element
    }
    hideCaret();
    return result;
}
