// The mouse while a text is edited: the caret put under a press, the selection dragged, the
// double click, and the click that begins editing a stored text.
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
// Two clicks this close (pixels) make a double click.
constexpr int kDoubleClickDistance = 2;
} // namespace

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
        // The pump may have settled the text (a pressed tool button ends the running tool):
        // the loop has nothing left to edit and must give the mouse back to the new tool.
        if (!editing)
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
    SelectToolBase* tool = selectTool();
    ElementStore* store = elementStore();
    if (!tool || !store)
        return 0;
    tool->setPickBoxAtMouse();
    const int found = tool->findInPickBox();
    if (found < 1 || !isStoredAsSameKind(found) || !load(found) || !exchangeRecord(3) || !hitTestLeader())
        return 0;
    id = found;
    leavePainterForEdit();
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
