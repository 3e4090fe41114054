// The undo manager's life cycle, its log frame, the menu texts and the common parts of the steps.
// The record kinds are in UndoManagerRecords.cpp, UndoManagerImages.cpp and UndoManagerText.cpp.
#include "document/UndoManager.h"

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "document/ElementKindNames.h"
#include "document/ElementStore.h"
#include "document/SelectToolBase.h"
#include "document/ViewUpdater.h"
#include "platform/FileName.h"
#include "platform/MessageBoxes.h"
#include "platform/StringUtil.h"

namespace {

// Every live manager, so that an element going away can be looked up in each open record.
UndoManager* firstManager = nullptr;

// The tail of a record: its closing head (6 bytes) and the total length (4 bytes).
constexpr int kTailBytes = 10;
constexpr int kHeadBytes = 6;
// Head, closing head and length: the frame of every record.
constexpr unsigned int kFrameBytes = 16;

struct OperationName {
    UndoCode code;
    const char* name;
};

const OperationName operationNames[] = {
    {UndoCode::Move, "移動"},
    {UndoCode::Copy, "複写"},
    {UndoCode::Rotate, "回転"},
    {UndoCode::OrderChange, "順番変更"},
    {UndoCode::Cut, "カット"},
    {UndoCode::Paste, "貼込み"},
    {UndoCode::Delete, "削除"},
    {UndoCode::Typing, "文字入力"},
    {UndoCode::TextDelete, "文字削除"},
    {UndoCode::TextReplace, "文字変更"},
    {UndoCode::FunctionChange, "機能変更"},
    {UndoCode::TextCut, "文字切取"},
    {UndoCode::TextPaste, "文字張込"},
    {UndoCode::PointMove, "点移動"},
    {UndoCode::PointAdd, "点追加"},
    {UndoCode::PointDelete, "点削除"},
    {UndoCode::Reshape, "可変"},
    {UndoCode::AttributeChange, "属性"},
    {UndoCode::BatchChange, "一括変更"},
    {UndoCode::ElementZoom, "要素ズーム"},
    {UndoCode::PageAdd1, "ページ追加"},
    {UndoCode::PageAdd2, "ページ追加"},
    {UndoCode::PageAdd3, "ページ追加"},
    {UndoCode::PageDelete, "ページ消去"},
    {UndoCode::PartPlacement, "部品配置"},
};

} // namespace

UndoManager::FreeSpaceQuery UndoManager::freeSpaceQuery = UndoManager::systemFreeSpace;

int UndoManager::systemFreeSpace(const FileName& log, unsigned long long& bytes) { return log.freeDiskSpace(bytes); }

UndoManager::UndoManager()
{
    nextManager = firstManager;
    firstManager = this;
    // Without its log the manager stays off and every writer returns at once.
    (void)openLogFile();
    resetPositions();
    clearPending();
}

UndoManager::~UndoManager()
{
    for (UndoManager** link = &firstManager; *link; link = &(*link)->nextManager) {
        if (*link == this) {
            *link = nextManager;
            break;
        }
    }
    logFile.closeAndDelete();
}

void UndoManager::forgetElement(const Element* element)
{
    for (UndoManager* manager = firstManager; manager; manager = manager->nextManager) {
        if (manager->pending.element == element)
            manager->flushPending();
    }
}

int UndoManager::openLogFile()
{
    if (!logFile.open())
        return 0;
    enabled = 1;
    writeOk = 1;
    return 1;
}

void UndoManager::resetPositions()
{
    position = 0;
    count = 0;
    beginStep();
}

void UndoManager::clearPending()
{
    pending.code = UndoCode::None;
    pending.element = nullptr;
    for (int32_t& word : pending.word)
        word = 0;
    imageId = 0;
    pairStart = -1;
    pairCount = 0;
}

void UndoManager::flushPending()
{
    if (pending.code == UndoCode::PendingTyping)
        writeTextRecord(UndoCode::Typing);
    else if (pending.code == UndoCode::TextDelete)
        writeTextRecord(UndoCode::TextDelete);
    // A record begun over several calls and not ended: its staged bytes never reach the log.
    if (pending.code == UndoCode::Reshape || pending.code == UndoCode::AttributeChange ||
        pending.code == UndoCode::BatchChange || pending.code == UndoCode::ElementZoom)
        logFile.discard();
    pending.code = UndoCode::None;
    pending.element = nullptr;
    for (int i = 2; i <= 8; ++i)
        pending.word[i] = 0;
    imageId = 0;
    pairStart = -1;
    pairCount = 0;
}

void UndoManager::flushPendingIfOther(UndoCode code)
{
    if (pending.code != UndoCode::None && pending.code != code)
        flushPending();
}

void UndoManager::captureSelection() { selectedIds(ids); }

// The list := the ids of the selected elements; the selection mode.
int UndoManager::selectedIds(GlobalBlock& list)
{
    list.count = 0;
    SelectToolBase* tool = owner ? owner->selectTool : nullptr;
    const int mode = tool ? tool->selectionMode() : 0;
    if (mode == 0)
        return 0;
    for (int id = tool->firstSelectedId(); id >= 1; id = tool->nextSelectedId()) {
        int32_t value = id;
        if (!list.append(&value))
            break;
    }
    return mode;
}

void UndoManager::setSingleId(int id)
{
    ids.count = 0;
    int32_t value = id;
    // A list that cannot grow has told the user; the record then names no element to step.
    (void)ids.append(&value);
}

void UndoManager::addRecordPoint(double x, double y, double z)
{
    UndoPoint point = {x, y, z};
    // A list that cannot grow has told the user; a record short of its points is not written.
    (void)points.append(&point);
}

int UndoManager::idAt(int index) { return idFrom(ids, index); }

int UndoManager::idFrom(GlobalBlock& list, int index)
{
    int32_t id = 0;
    return list.get(index, &id) ? id : 0;
}

// The frame

void UndoManager::beginRecord(UndoCode code, int kind)
{
    head.marker = 2;
    head.code = static_cast<uint16_t>(code);
    head.kind = static_cast<uint16_t>(kind);
    logFile.beginRecord();
    logFile.putShort(head.marker);
    logFile.putShort(head.code);
    logFile.putShort(head.kind);
}

void UndoManager::endRecord()
{
    head.marker = 1;
    logFile.putShort(head.marker);
    logFile.putShort(head.code);
    logFile.putShort(head.kind);
    recordLength = static_cast<unsigned int>(logFile.recordLength()) + 4;
    logFile.putWord(static_cast<int32_t>(recordLength));
    // The record counts as written even when its bytes did not reach the disk; the check below
    // then rebuilds the log.
    if (writeOk) {
        if (!logFile.commit())
            writeOk = 0;
    } else {
        logFile.discard();
    }
    ++position;
    count = position;
    ids.count = 0;
    ++recordsWritten;
    afterRecord();
}

void UndoManager::afterRecord()
{
    if (!enabled)
        return;
    bytesSinceSpaceCheck += recordLength;
    const int ask = !spaceCheckedInStep || bytesSinceSpaceCheck >= kFreeSpaceRecheckBytes;
    if (ask) {
        spaceCheckedInStep = 1;
        bytesSinceSpaceCheck = 0;
    }
    if (ask && !checkDiskSpace()) {
        showErrorBox("ディスクの残りがわずかです。", "UNDOを無効にします。");
        logFile.closeAndDelete();
        enabled = 0;
        writeOk = 0;
        return;
    }
    if (!writeOk) {
        // A write failed: the history is lost without a message and a new log begins.
        logFile.closeAndDelete();
        enabled = 0;
        writeOk = 0;
        // A log that cannot be made again leaves undo off, as at construction.
        (void)openLogFile();
        resetPositions();
    }
}

int UndoManager::checkDiskSpace()
{
    unsigned long long bytes = 0;
    // Free space that cannot be found counts as too little.
    if (!freeSpaceQuery || !freeSpaceQuery(logFile.tempFile().fileName(), bytes))
        return 0;
    return bytes >= kMinimumFreeSpace;
}

int UndoManager::readHead(UndoRecordHead& into)
{
    int ok = logFile.readShort(into.marker);
    ok = logFile.readShort(into.code) && ok;
    ok = logFile.readShort(into.kind) && ok;
    return ok;
}

// Reads the last applied record's closing head and length; the file position ends where it was.
int UndoManager::stepBack()
{
    if (!logFile.seek(-kTailBytes))
        return 0;
    logFile.beginRead(kTailBytes);
    int32_t length = 0;
    int ok = readHead(head);
    ok = logFile.readWord(length) && ok;
    recordLength = static_cast<unsigned int>(length);
    if (logFile.bytesRead() < kTailBytes)
        ok = logFile.seek(kTailBytes - logFile.bytesRead()) && ok;
    return ok;
}

// Reads the next record's head; the file position stays at the record's start.
int UndoManager::peekForward()
{
    logFile.beginRead(kHeadBytes);
    int ok = readHead(head);
    ok = logFile.seek(-logFile.bytesRead()) && ok;
    return ok;
}

int UndoManager::readTail()
{
    UndoRecordHead tail;
    int ok = readHead(tail);
    int32_t length = 0;
    ok = logFile.readWord(length) && ok;
    recordLength = static_cast<unsigned int>(length);
    return ok;
}

// Position back by one, to the start of the record in hand, whose head is read again.
int UndoManager::countersBack()
{
    --position;
    if (!logFile.seek(-static_cast<long long>(recordLength)))
        return 0;
    logFile.beginRead(recordLength);
    return readHead(head);
}

// The head of the record at the file position, read forward as the first piece of a redo step.
int UndoManager::beginRedoRead()
{
    logFile.beginRead(logFile.bytesToEnd());
    return readHead(head);
}

// After reading a record forward to its end; 0 when its tail could not be read.
int UndoManager::countersForward()
{
    ++position;
    return readTail();
}

int UndoManager::seekBack() { return logFile.seek(-logFile.bytesRead()); }

int UndoManager::openRecord(int redoing) { return redoing ? beginRedoRead() : countersBack(); }

int UndoManager::closeRecord(int redoing)
{
    if (redoing)
        return countersForward() && !logFile.readFailed();
    // The failure flag first: seeking back leaves it as the reads set it.
    return !logFile.readFailed() && seekBack();
}

// The virtual operations

int UndoManager::canUndo()
{
    flushPending();
    beginStep();
    return enabled && position > 0;
}

int UndoManager::canRedo()
{
    flushPending();
    beginStep();
    return enabled && position < count;
}

int UndoManager::operationName(int code, int kind, char* name, int size)
{
    if (!name || size < 1)
        return 0;
    name[0] = 0;
    if (code == static_cast<int>(UndoCode::NewElement))
        return elementKindName(kind, name, size);
    for (const OperationName& entry : operationNames) {
        if (static_cast<int>(entry.code) == code) {
            StringUtil::copy(name, size, entry.name);
            return 1;
        }
    }
    return 0;
}

namespace {
void composeMenuText(char* text, const char* name, const char* action)
{
    StringUtil::copy(text, UndoManager::kTextSize, name);
    StringUtil::append(text, UndoManager::kTextSize, "の");
    StringUtil::append(text, UndoManager::kTextSize, action);
}
} // namespace

int UndoManager::undoText(char* text)
{
    if (!text)
        return canUndo();
    StringUtil::copy(text, kTextSize, "取り消し");
    if (!canUndo())
        return 0;
    char name[168];
    if (stepBack() && operationName(head.code, head.kind, name, sizeof name))
        composeMenuText(text, name, "取り消し");
    return 1;
}

int UndoManager::redoText(char* text)
{
    if (!text)
        return canRedo();
    StringUtil::copy(text, kTextSize, "やり直し");
    if (!canRedo())
        return 0;
    char name[168];
    if (peekForward() && operationName(head.code, head.kind, name, sizeof name))
        composeMenuText(text, name, "やり直し");
    return 1;
}

int UndoManager::undo()
{
    if (!canUndo() || !stepBack())
        return 0;
    // A length that the log before the file position cannot hold: nothing sound to take back.
    if (recordLength < kFrameBytes || recordLength > logFile.filePosition())
        return 0;
    return steppedRun(0);
}

int UndoManager::redo()
{
    if (!canRedo() || !peekForward())
        return 0;
    return steppedRun(1);
}

int UndoManager::steppedRun(int redoing)
{
    stepping = 1;
    const int done = runStep(redoing);
    stepping = 0;
    return done;
}

// The step of the record in hand, whole or not at all: a step that fails has put back what it had
// changed of the elements, and here the log position and the selection go back to where the step
// began.
int UndoManager::runStep(int redoing)
{
    // Settling may commit the element in edit as a new record: the history then changed under the
    // step, which must not go on (and the new record stays).
    if (!settleBeforeStep(redoing))
        return 0;
    const int positionBefore = position;
    const unsigned long fileBefore = logFile.filePosition();
    selectionModeBefore = selectedIds(selectionBefore);
    if (dispatch(redoing))
        return 1;
    position = positionBefore;
    // A log whose position cannot be set again is as unreadable as before; nothing more to do.
    (void)logFile.seekTo(fileBefore);
    selectListed(selectionBefore, selectionModeBefore);
    refresh();
    return 0;
}

int UndoManager::dispatch(int redoing)
{
    switch (headCode()) {
    case UndoCode::NewElement:
        return redoing ? redoNewElement() : undoNewElement();
    case UndoCode::Move:
    case UndoCode::Rotate:
        return undoMoveOrRotate(redoing);
    case UndoCode::Copy:
    case UndoCode::PartPlacement:
        return redoing ? redoCopy() : undoCopy();
    case UndoCode::OrderChange:
        return undoOrder(redoing);
    case UndoCode::Cut:
    case UndoCode::Delete:
        return redoing ? stepRemoveListed(1) : stepReinsertListed(0);
    case UndoCode::Paste:
        return redoing ? stepReinsertListed(1) : stepRemoveListed(0);
    case UndoCode::Typing:
    case UndoCode::TextDelete:
    case UndoCode::TextReplace:
    case UndoCode::TextCut:
    case UndoCode::TextPaste:
        return stepText(redoing);
    case UndoCode::PointMove:
        return stepPointMove(redoing);
    case UndoCode::PointAdd:
    case UndoCode::PointDelete:
        return stepPointList(redoing);
    case UndoCode::Reshape:
    case UndoCode::AttributeChange:
        return stepImage(redoing);
    case UndoCode::BatchChange:
    case UndoCode::ElementZoom:
        return stepImageBatch(redoing);
    default:
        return 0;
    }
}

// Common parts of the steps

// The steps that change elements by id settle the element in edit first, so that a text held
// in edit cannot later be stored over what the step gave back; the undo of a copy or a part
// placement (whose elements go, letting every editor go of them) and of an order change (which
// changes no element) and the steps of cut, paste, delete and the text records do not.
int UndoManager::settlesFirst(int redoing) const
{
    switch (headCode()) {
    case UndoCode::NewElement:
    case UndoCode::Move:
    case UndoCode::Rotate:
    case UndoCode::PointMove:
    case UndoCode::PointAdd:
    case UndoCode::PointDelete:
    case UndoCode::Reshape:
    case UndoCode::AttributeChange:
    case UndoCode::BatchChange:
    case UndoCode::ElementZoom:
        return 1;
    case UndoCode::Copy:
    case UndoCode::OrderChange:
    case UndoCode::PartPlacement:
        return redoing;
    default:
        return 0;
    }
}

// A text still in edit holds what the screen shows, its record what it held before: a step that
// takes elements away (the undo of a copy, a paste or a part placement, the redo of a cut or a
// delete) would leave the old record for a later redo to bring back, and one that reads or changes
// the elements would find it. Only the text records work on the text in edit (openTextElement).
int UndoManager::settleBeforeStep(int redoing)
{
    if (settlesFirst(redoing))
        return settle();
    switch (headCode()) {
    case UndoCode::Typing:
    case UndoCode::TextDelete:
    case UndoCode::TextReplace:
    case UndoCode::TextCut:
    case UndoCode::TextPaste:
        return 1;
    default:
        if (owner)
            (void)owner->settleTextInEdit(); // 0: no text was in edit
        return 1;
    }
}

// Ends text input and settles the element being edited in place. 0 when that wrote a record (a
// new element was committed): the history then changed under the step, which must not go on.
int UndoManager::settle()
{
    if (!owner)
        return 1;
    unsigned int before = recordsWritten;
    owner->settleElement();
    return recordsWritten == before;
}

void UndoManager::refresh(int wholePage)
{
    if (!owner)
        return;
    SelectToolBase* tool = owner->selectTool;
    ElementEditorBase* editor = elementEditor();
    // The step is done: a selected element that cannot be taken is only not held for editing.
    if (tool && editor && tool->selectionMode() == 1)
        (void)editor->beginEdit(tool->firstSelectedId());
    if (owner->updater) {
        if (wholePage)
            owner->updater->refreshAll();
        else
            owner->updater->repaintChanges();
        // The elements the step selected are shown so, as a click would show them.
        owner->updater->repaint();
    }
}

void UndoManager::clearSelection()
{
    if (owner && owner->selectTool)
        owner->selectTool->clearSelection();
}

void UndoManager::reselect(GlobalBlock& list) { selectListed(list, list.count == 1 ? 1 : 2); }

// The selection := the listed ids, in single mode (1) or list mode (2); none for mode 0.
void UndoManager::selectListed(GlobalBlock& list, int mode)
{
    SelectToolBase* tool = owner ? owner->selectTool : nullptr;
    if (!tool)
        return;
    tool->clearSelection();
    int n = list.count;
    if (n < 1 || mode == 0)
        return;
    tool->setSelectionMode(mode);
    for (int i = 0; i < n; ++i) {
        int id = idFrom(list, i);
        if (id < 1)
            break;
        if (mode == 1)
            tool->selectSingle(id);
        else
            tool->addToSelection(id);
    }
}

void UndoManager::selectAlone(int id)
{
    SelectToolBase* tool = owner ? owner->selectTool : nullptr;
    if (!tool)
        return;
    tool->clearSelection();
    tool->setSelectionMode(1);
    tool->selectSingle(id);
}

// The editor's element when it is the one with this id; null otherwise.
Element* UndoManager::elementInHand(ElementEditorBase* editor, int id) const
{
    Element* element = editor ? editor->elementInHand() : nullptr;
    return element && element->id == id ? element : nullptr;
}

ElementEditorBase* UndoManager::elementEditor() const { return DocumentContext::toolEditorOf(owner); }

ElementEditorBase* UndoManager::textEditor() const { return DocumentContext::creationEditorOf(owner); }

ElementStore* UndoManager::store() const { return owner ? owner->elementStore() : nullptr; }
