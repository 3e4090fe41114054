#include "document/ElementClipboard.h"

#include <memory>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementClipboardData.h"
#include "document/ElementEditorBase.h"
#include "document/ElementIdSet.h"
#include "document/ElementKind.h"
#include "document/ElementRefusal.h"
#include "document/ElementStore.h"
#include "document/SelectToolBase.h"
#include "document/Selection.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"
#include "geometry/ViewParams.h"
#include "platform/Clipboard.h"
#include "platform/DibImage.h"
#include "platform/IntRect.h"

ElementClipboard* theElementClipboard = nullptr;

namespace {

// The element edited in place, whose selected text the text mode works on.
Element* textElementOf(DocumentContext* context)
{
    ElementEditorBase* editor = DocumentContext::creationEditorOf(context);
    return editor ? editor->elementInHand() : nullptr;
}

int hasSelectedText(DocumentContext* context)
{
    Element* element = textElementOf(context);
    return element && element->selectedTextLength() > 0;
}

int copySelectedText(DocumentContext* context)
{
    Element* element = textElementOf(context);
    if (!element || element->selectedTextLength() < 1)
        return 0;
    std::unique_ptr<GlobalBlock> text(element->copySelectedText());
    if (!text || !clearClipboard())
        return 0;
    BlockLock bytes(*text);
    return bytes && putClipboardText(bytes.data(), static_cast<SIZE_T>(text->count));
}

int pasteText(DocumentContext* context)
{
    Element* element = textElementOf(context);
    if (!element)
        return 0;
    // The block holds the text's bytes; its element size is their number.
    std::unique_ptr<GlobalBlock> text(getClipboardText());
    if (!text || text->elementSize < 1)
        return 0;
    BlockLock bytes(*text);
    if (!bytes)
        return 0;
    element->insertText(bytes.data(), text->elementSize);
    return 1;
}

} // namespace

int ElementClipboard::isTextMode() const { return owner && owner->interactionMode == 1; }

int ElementClipboard::isReady() const { return owner && owner->selectTool && owner->editor3; }

int ElementClipboard::takeElements()
{
    if (!isReady())
        return 0;
    (void)owner->settleTextInEdit(); // 0: no text was in edit
    return 1;
}

int ElementClipboard::canCopy()
{
    if (isTextMode())
        return hasSelectedText(owner);
    if (!isReady())
        return 0;
    const int mode = owner->selectTool->selectionMode();
    return mode == 1 || mode == 2;
}

int ElementClipboard::canCut()
{
    if (isTextMode())
        return hasSelectedText(owner);
    if (!isReady())
        return 0;
    return canCopy() || (owner->selection && owner->selection->pending);
}

int ElementClipboard::canPaste()
{
    if (isTextMode())
        return clipboardTextSize() > 0;
    if (!isReady())
        return 0;
    if (clipboardDataSize(kElementClipboardFormat) > 0)
        return 1;
    return picturePaste == 1 && clipboardDibSize() > 0;
}

int ElementClipboard::canDelete() { return canCopy(); }

int ElementClipboard::copy()
{
    if (isTextMode())
        return copySelectedText(owner);
    return takeElements() ? copySelection() : 0;
}

int ElementClipboard::cut()
{
    if (isTextMode()) {
        if (!copySelectedText(owner))
            return 0;
        textElementOf(owner)->cutSelectedText();
        return 1;
    }
    if (!takeElements())
        return 0;
    const int elements = canCopy();
    // A copy that failed deletes nothing and leaves no undo record.
    if (!copySelection())
        return 0;
    if (!elements)
        return 1; // the marked rectangle went as a bitmap; no element to take away
    if (owner->undoManager)
        owner->undoManager->recordCut();
    return deleteSelection(0);
}

int ElementClipboard::paste()
{
    if (isTextMode())
        return pasteText(owner);
    return takeElements() ? pasteElements() : 0;
}

int ElementClipboard::erase()
{
    if (isTextMode()) {
        Element* element = textElementOf(owner);
        if (!element || element->selectedTextLength() < 1)
            return 0;
        element->deleteSelectedText();
        return 1;
    }
    return takeElements() ? deleteSelection(1) : 0;
}

int ElementClipboard::copySelection()
{
    SelectToolBase* tool = owner->selectTool;
    ElementStore* store = owner->elementStore();
    if (tool->selectionMode() == 0)
        return copyMarkedRect();
    GlobalBlock ids(100, 4);
    if (!store || selectedIdsOf(owner, ids) < 1)
        return 0;
    GlobalBlock data(4096, 1);
    const int complete = buildElementData(*store, ids, data);
    if (!clearClipboard() || !complete)
        return 0;
    BlockLock bytes(data);
    return bytes && putClipboardData(kElementClipboardFormat, bytes.data(), static_cast<SIZE_T>(data.count));
}

// The view's pixels under the rectangle of a Control-drag, as a bitmap.
int ElementClipboard::copyMarkedRect()
{
    Selection* selection = owner->selection;
    ViewParams* view = owner->view;
    if (!selection || !selection->pending || !view || !owner->window)
        return 0;
    IntPoint a, b;
    view->worldToDeviceClamped(selection->startX, selection->startY, &a);
    view->worldToDeviceClamped(selection->endX, selection->endY, &b);
    IntRect rect;
    rect.left = a.x < b.x ? a.x : b.x;
    rect.right = a.x < b.x ? b.x : a.x;
    rect.top = a.y < b.y ? a.y : b.y;
    rect.bottom = a.y < b.y ? b.y : a.y;
    DibImage image;
    if (!image.captureWindowRect(owner->window, rect) || !clearClipboard())
        return 0;
    return putClipboardDib(image);
}

int ElementClipboard::deleteSelection(int withRecord)
{
    SelectToolBase* tool = owner->selectTool;
    ElementEditorBase* editor = owner->editor3;
    GlobalBlock ids(100, 4);
    const int n = selectedIdsOf(owner, ids);
    if (n < 1)
        return 0;
    if (withRecord && owner->undoManager)
        owner->undoManager->recordDelete();
    int deleted = 0;
    for (int i = 0; i < n; ++i) {
        int32_t id = 0;
        if (!ids.get(i, &id) || !editor->removeById(id))
            break;
        ++deleted;
    }
    tool->clearSelection();
    if (owner->updater) {
        owner->updater->repaintChanges();
        owner->updater->flushPainter();
    }
    return deleted == n;
}

int ElementClipboard::pasteElements()
{
    std::unique_ptr<GlobalBlock> data(getClipboardData(kElementClipboardFormat));
    if (!data)
        return pastePicture();
    SelectToolBase* tool = owner->selectTool;
    ElementEditorBase* editor = owner->editor3;
    ElementStore* store = owner->elementStore();
    ElementIdSet* groups = owner->idSet;
    tool->clearSelection();
    if (groups)
        groups->initGroupMap();

    int pasted = 0;
    int refused = 0;
    {
        BlockLock bytes(*data);
        ElementDataReader reader(bytes ? bytes.data() : nullptr, bytes ? data->count : 0);
        const int single = reader.statedCount() == 1;
        tool->setSelectionMode(single ? 1 : 2);
        const int page = owner->currentPage();
        ElementIndexEntry entry;
        const char* record = nullptr;
        int length = 0;
        while (store && store->recordBuffer && reader.next(entry, record, length)) {
            ElementRecordBuffer& buffer = *store->recordBuffer;
            buffer.rewind();
            entry.page = page;
            if (!buffer.putBytes(record, length) || !editor->takeRecord(entry))
                break;
            buffer.rewind();
            Element* element = editor->elementInHand();
            if (!element)
                break;
            element->page = page;
            if (groups)
                element->group = groups->remapGroup(element->group);
            const int id = editor->addToPage();
            if (id < 1) {
                refused = 1; // skipped; the others are pasted
                continue;
            }
            if (single)
                tool->selectSingle(id);
            else
                tool->addToSelection(id);
            ++pasted;
        }
    }
    if (groups)
        groups->clearGroupMap();
    if (pasted < 1)
        tool->clearSelection();
    else
        finishPaste();
    if (refused)
        showElementsRefused();
    return pasted > 0;
}

int ElementClipboard::pastePicture()
{
    ElementEditorBase* editor = owner->editor2;
    if (picturePaste != 1 || !editor)
        return 0;
    std::unique_ptr<DibImage> image(getClipboardDib());
    if (!image || !editor->startFreshElement(kindCode(ElementKind::Bitmap)))
        return 0;
    Element* element = editor->elementInHand();
    if (!element || !element->takeImage(image.get()))
        return 0;
    (void)image.release(); // the element owns it now
    const int id = editor->commitNewId();
    if (id < 1)
        return 0;
    SelectToolBase* tool = owner->selectTool;
    tool->clearSelection();
    tool->setSelectionMode(1);
    tool->selectSingle(id);
    finishPaste();
    return 1;
}

void ElementClipboard::finishPaste()
{
    if (owner->undoManager)
        owner->undoManager->recordPaste();
    SelectToolBase* tool = owner->selectTool;
    // The element in hand follows a single selection; one that cannot be taken is only not held.
    if (tool->selectionMode() == 1)
        (void)owner->editor3->beginEdit(tool->firstSelectedId());
    if (owner->updater) {
        owner->updater->repaintChanges();
        owner->updater->repaint(); // with the marks of the pasted elements, which are selected
    }
}
