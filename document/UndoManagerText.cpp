// Undo records of in-place text editing: typing, deletion, replacement, cut and paste. Typing and
// deletion stay open over many keystrokes on the same element and are written when another
// record begins, when the menu asks whether Undo is possible, or when the element goes away.
#include <cstring>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "document/ElementKind.h"
#include "document/UndoManager.h"

namespace {
bool sameElement(const Element* a, const Element* b) { return a && b && a->id == b->id; }
} // namespace

// Writers

void UndoManager::beginTyping(Element* element, int caret)
{
    if (!enabled || !element)
        return;
    if (pending.code == UndoCode::PendingTyping && sameElement(pending.element, element))
        return;
    flushPending();
    pending.code = UndoCode::PendingTyping;
    pending.element = element;
    pending.word[2] = caret;
    text.count = 0;
}

void UndoManager::appendTyped(const char* bytes, int n)
{
    if (pending.code == UndoCode::PendingTyping && bytes && n >= 1)
        appendText(bytes, n, 0);
}

void UndoManager::beginTextDelete(Element* element, int caret, int direction)
{
    if (!enabled || !element)
        return;
    if (pending.code == UndoCode::TextDelete && pending.word[7] == direction && sameElement(pending.element, element))
        return;
    flushPending();
    pending.code = UndoCode::TextDelete;
    pending.element = element;
    pending.word[2] = caret;
    pending.word[7] = direction;
    text.count = 0;
}

void UndoManager::setTextSelectionRange(int start, int end)
{
    pending.word[3] = start;
    pending.word[4] = end;
}

// Deleting leftwards removes the text from its end, so those bytes go in front of the ones held.
void UndoManager::addDeletedText(int position, const char* bytes, int n)
{
    if (pending.code != UndoCode::TextDelete)
        return;
    pending.word[8] = position;
    if (bytes && n >= 1)
        appendText(bytes, n, pending.word[7] < 0);
}

void UndoManager::beginTextCut(Element* element, int caret)
{
    flushPending();
    if (!enabled || !element)
        return;
    pending.code = UndoCode::TextCut;
    pending.element = element;
    pending.word[2] = caret;
    pending.word[7] = 0;
    text.count = 0;
}

void UndoManager::addCutText(int position, const char* bytes, int n)
{
    if (pending.code != UndoCode::TextCut)
        return;
    pending.word[8] = position;
    if (bytes && n >= 1)
        appendText(bytes, n, 0);
}

void UndoManager::endTextCut()
{
    if (pending.code != UndoCode::TextCut)
        return;
    writeTextRecord(UndoCode::TextCut);
    clearPending();
}

void UndoManager::beginTextReplace(Element* element, int caret)
{
    beginTextRecord(UndoCode::TextReplace, element, caret);
}

void UndoManager::endTextReplace(const char* oldBytes, int oldLength, const char* newBytes, int newLength)
{
    endTextChange(UndoCode::TextReplace, oldBytes, oldLength, newBytes, newLength);
}

void UndoManager::beginTextPaste(Element* element, int caret)
{
    beginTextRecord(UndoCode::TextPaste, element, caret);
}

void UndoManager::endTextPaste(const char* oldBytes, int oldLength, const char* newBytes, int newLength)
{
    endTextChange(UndoCode::TextPaste, oldBytes, oldLength, newBytes, newLength);
}

void UndoManager::beginTextRecord(UndoCode code, Element* element, int caret)
{
    flushPending();
    if (!enabled || !element)
        return;
    pending.code = code;
    pending.element = element;
    pending.word[2] = caret;
    text.count = 0;
}

// The text holds the old bytes followed by the new ones.
void UndoManager::endTextChange(UndoCode code, const char* oldBytes, int oldLength, const char* newBytes, int newLength)
{
    if (pending.code != code || !pending.element)
        return;
    if (!oldBytes || oldLength < 0)
        oldLength = 0;
    if (!newBytes || newLength < 0)
        newLength = 0;
    text.count = 0;
    appendText(oldBytes, oldLength, 0);
    appendText(newBytes, newLength, 0);
    pending.word[5] = oldLength;
    pending.word[6] = newLength;
    writeTextRecord(code);
    clearPending();
}

void UndoManager::appendText(const char* bytes, int n, int atFront)
{
    if (!bytes || n <= 0 || !text.reserve(text.count + n))
        return;
    BlockLock data(text);
    if (!data)
        return;
    char* base = data.data();
    if (atFront) {
        std::memmove(base + n, base, static_cast<size_t>(text.count));
        std::memcpy(base, bytes, static_cast<size_t>(n));
    } else {
        std::memcpy(base + text.count, bytes, static_cast<size_t>(n));
    }
    text.count += n;
}

// The record of the pending text operation: nothing without its element or, for the records that
// gather bytes (typing, deletion, cut), without any byte to take back.
void UndoManager::writeTextRecord(UndoCode code)
{
    Element* element = pending.element;
    if (!enabled || !element)
        return;
    bool gathered = code == UndoCode::Typing || code == UndoCode::TextDelete || code == UndoCode::TextCut;
    if (gathered && text.count < 1)
        return;
    beginRecord(code, element->kind);
    logFile.putWord(element->id);
    logFile.putWord(pending.word[2]);
    if (code == UndoCode::TextDelete || code == UndoCode::TextCut) {
        logFile.putWord(pending.word[3]);
        logFile.putWord(pending.word[4]);
        logFile.putWord(pending.word[8]);
    } else if (code == UndoCode::TextReplace || code == UndoCode::TextPaste) {
        logFile.putWord(pending.word[3]);
        logFile.putWord(pending.word[4]);
        logFile.putWord(pending.word[5]);
        logFile.putWord(pending.word[6]);
    }
    logFile.putList(text);
    endRecord();
}

// Steps

// Texts and leader texts are reopened by the record's id in the editor that edits in place;
// the text operations then act on the element it holds, and only when that is the record's. A
// text still being edited goes on; one held since its edit ended is taken from the store again,
// since a step or a tool may have changed the stored text since (moved, turned, restyled it).
Element* UndoManager::openTextElement(int id, int kind)
{
    ElementEditorBase* editor = textEditor();
    if (!editor)
        return nullptr;
    if (isTextKind(kind)) {
        Element* held = elementInHand(editor, id);
        if (held && held->kind == kind && held->inputPending) {
            held->beginTextEdit();
        } else {
            // Another text still in edit (an earlier step left it so) is stored before this one
            // takes its place in the editor; its edit would be lost with it.
            if (owner)
                (void)owner->settleTextInEdit();
            if (editor->beginEdit(id) && (held = elementInHand(editor, id)) != nullptr)
                held->beginTextEditAtStart();
        }
        clearSelection();
    }
    return elementInHand(editor, id);
}

int UndoManager::stepText(int redoing)
{
    clearSelection();
    if (!openRecord(redoing))
        return 0;
    const UndoCode code = headCode();
    int32_t id = 0, caret = 0, start = 0, end = 0, at = 0, oldLength = 0, newLength = 0;
    int read = logFile.readWord(id) && logFile.readWord(caret);
    if (code == UndoCode::TextDelete || code == UndoCode::TextCut)
        read = read && logFile.readWord(start) && logFile.readWord(end) && logFile.readWord(at);
    else if (code == UndoCode::TextReplace || code == UndoCode::TextPaste)
        read = read && logFile.readWord(start) && logFile.readWord(end) && logFile.readWord(oldLength) &&
               logFile.readWord(newLength);
    if (!read)
        return 0;
    logFile.readList(&text, 1);
    if (!closeRecord(redoing))
        return 0;
    refresh();

    Element* element = openTextElement(id, head.kind);
    BlockLock data(text);
    if (!element || (text.count > 0 && !data))
        return 0;
    const char* bytes = data ? data.data<const char>() : "";
    int length = text.count;
    switch (code) {
    case UndoCode::Typing:
        if (redoing)
            element->insertTextAt(caret, bytes, length);
        else
            element->deleteTextAt(caret, length);
        break;
    case UndoCode::TextDelete:
    case UndoCode::TextCut:
        if (redoing) {
            element->deleteTextAt(at, length);
            element->setTextSelection(0, 0);
        } else {
            element->insertTextAt(at, bytes, length);
            element->setTextSelection(start, end);
            element->setCaretPosition(caret);
        }
        break;
    case UndoCode::TextReplace:
    case UndoCode::TextPaste: {
        if (oldLength < 0 || newLength < 0 || oldLength + newLength > length)
            return 0;
        // Without a selection the replaced range starts at the caret.
        int from = start == end ? caret : (start < end ? start : end);
        if (redoing) {
            if (start != end)
                element->deleteTextAt(from, oldLength);
            element->setTextSelection(0, 0);
            element->insertTextAt(from, bytes + oldLength, newLength);
        } else {
            element->deleteTextAt(from, newLength);
            if (start != end) {
                element->insertTextAt(from, bytes, oldLength);
                element->setCaretPosition(caret);
                element->setTextSelection(start, end);
            }
        }
        break;
    }
    default:
        return 0;
    }
    element->hideInputOverlay();
    return 1;
}
