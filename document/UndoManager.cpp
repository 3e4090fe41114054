// The undo manager's life cycle, its log frame, the menu texts and the common parts of the steps.
// The record kinds are in UndoManagerRecords.cpp, UndoManagerImages.cpp and UndoManagerText.cpp.
#include "document/UndoManager.h"

#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "elements/Element.h"
#include "document/ElementKindNames.h"
#include "platform/FileName.h"
#include "platform/MessageBoxes.h"
#include "platform/StringUtil.h"
#include "views/ViewUpdater.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/SelectTool.h"

namespace {

// Every live manager, so that an element going away can be looked up in each open record.
UndoManager* firstManager = nullptr;

// The tail of a record: its closing head (6 bytes) and the total length (4 bytes).
constexpr int kTailBytes = 10;
constexpr int kHeadBytes = 6;
// Head, closing head and length: the frame of every record.
constexpr unsigned int kFrameBytes = 16;

struct OperationName {
    int code;
    const char* name;
};

const OperationName operationNames[] = {
    {13, "移動"},       {15, "複写"},     {17, "回転"},       {19, "順番変更"},   {21, "カット"},
    {25, "貼込み"},     {27, "削除"},     {41, "文字入力"},   {43, "文字削除"},   {45, "文字変更"},
    {46, "機能変更"},   {47, "文字切取"}, {49, "文字張込"},   {51, "点移動"},     {53, "点追加"},
    {55, "点削除"},     {61, "可変"},     {71, "属性"},       {73, "一括変更"},   {75, "要素ズーム"},
    {81, "ページ追加"}, {82, "ページ追加"}, {83, "ページ追加"}, {84, "ページ消去"}, {91, "部品配置"},
};

} // namespace

UndoManager::FreeSpaceQuery UndoManager::freeSpaceQuery = UndoManager::systemFreeSpace;

int UndoManager::systemFreeSpace(const FileName& log, unsigned long long& bytes) { return log.freeDiskSpace(bytes); }

UndoManager::UndoManager()
{
    nextManager = firstManager;
    firstManager = this;
    openLogFile();
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
}

void UndoManager::clearPending()
{
    pending.code = 0;
    pending.element = nullptr;
    for (int32_t& word : pending.word)
        word = 0;
    imageId = 0;
    pairStart = -1;
    pairCount = 0;
}

void UndoManager::flushPending()
{
    if (pending.code == 1)
        writeTextRecord(41);
    else if (pending.code == 43)
        writeTextRecord(43);
    // A record begun over several calls and not ended: its staged bytes never reach the log.
    if (pending.code == 61 || pending.code == 71 || pending.code == 73 || pending.code == 75)
        logFile.discard();
    pending.code = 0;
    pending.element = nullptr;
    for (int i = 2; i <= 8; ++i)
        pending.word[i] = 0;
    imageId = 0;
    pairStart = -1;
    pairCount = 0;
}

void UndoManager::flushPendingIfOther(int code)
{
    if (pending.code != 0 && pending.code != code)
        flushPending();
}

void UndoManager::captureSelection()
{
    ids.count = 0;
    SelectTool* tool = owner ? owner->selectTool : nullptr;
    if (!tool || tool->selectionMode() == 0)
        return;
    for (int id = tool->firstSelectedId(); id >= 1; id = tool->nextSelectedId()) {
        int32_t value = id;
        if (!ids.append(&value))
            break;
    }
}

void UndoManager::setSingleId(int id)
{
    ids.count = 0;
    int32_t value = id;
    ids.append(&value);
}

void UndoManager::addRecordPoint(double x, double y, double z)
{
    UndoPoint point = {x, y, z};
    points.append(&point);
}

int UndoManager::idAt(int index) { return idFrom(ids, index); }

int UndoManager::idFrom(GlobalBlock& list, int index)
{
    int32_t id = 0;
    return list.get(index, &id) ? id : 0;
}

// The frame

void UndoManager::beginRecord(int code, int kind)
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
    if (!checkDiskSpace()) {
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
        openLogFile();
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
        logFile.seek(kTailBytes - logFile.bytesRead());
    return ok;
}

// Reads the next record's head; the file position stays at the record's start.
int UndoManager::peekForward()
{
    logFile.beginRead(kHeadBytes);
    int ok = readHead(head);
    logFile.seek(-logFile.bytesRead());
    return ok;
}

void UndoManager::readTail()
{
    UndoRecordHead tail;
    readHead(tail);
    int32_t length = 0;
    logFile.readWord(length);
    recordLength = static_cast<unsigned int>(length);
}

// Position back by one, to the start of the record in hand, whose head is read again.
void UndoManager::countersBack()
{
    --position;
    logFile.seek(-static_cast<long long>(recordLength));
    logFile.beginRead(recordLength);
    readHead(head);
}

// The head of the record at the file position, read forward as the first piece of a redo step.
void UndoManager::beginRedoRead()
{
    logFile.beginRead(logFile.bytesToEnd());
    readHead(head);
}

// After reading a record forward to its end.
void UndoManager::countersForward()
{
    readTail();
    ++position;
}

void UndoManager::seekBack() { logFile.seek(-logFile.bytesRead()); }

void UndoManager::openRecord(int redoing)
{
    if (redoing)
        beginRedoRead();
    else
        countersBack();
}

void UndoManager::closeRecord(int redoing)
{
    if (redoing)
        countersForward();
    else
        seekBack();
}

int UndoManager::openSettledRecord(int redoing)
{
    if (redoing && !settle())
        return 0;
    openRecord(redoing);
    return 1;
}

// The virtual operations

int UndoManager::canUndo()
{
    flushPending();
    return enabled && position > 0;
}

int UndoManager::canRedo()
{
    flushPending();
    return enabled && position < count;
}

int UndoManager::operationName(int code, int kind, char* name, int size)
{
    if (!name || size < 1)
        return 0;
    name[0] = 0;
    if (code == 11)
        return elementKindName(kind, name, size);
    for (const OperationName& entry : operationNames) {
        if (entry.code == code) {
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
    return dispatch(0);
}

int UndoManager::redo()
{
    if (!canRedo() || !peekForward())
        return 0;
    return dispatch(1);
}

int UndoManager::dispatch(int redoing)
{
    switch (head.code) {
    case 11:
        if (redoing)
            redoNewElement();
        else
            undoNewElement();
        break;
    case 13:
    case 17:
        undoMoveOrRotate(redoing);
        break;
    case 15:
    case 91:
        if (redoing)
            redoCopy();
        else
            undoCopy();
        break;
    case 19:
        undoOrder(redoing);
        break;
    case 21:
    case 27:
        if (redoing)
            stepRemoveListed(1);
        else
            stepReinsertListed(0);
        break;
    case 25:
        if (redoing)
            stepReinsertListed(1);
        else
            stepRemoveListed(0);
        break;
    case 41:
    case 43:
    case 45:
    case 47:
    case 49:
        stepText(redoing);
        break;
    case 51:
        stepPointMove(redoing);
        break;
    case 53:
    case 55:
        stepPointList(redoing);
        break;
    case 61:
    case 71:
        stepImage(redoing);
        break;
    case 73:
    case 75:
        stepImageBatch(redoing);
        break;
    default:
        return 0;
    }
    return 1;
}

// Common parts of the steps

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

void UndoManager::refresh()
{
    if (!owner)
        return;
    SelectTool* tool = owner->selectTool;
    ElementEditor* editor = elementEditor();
    if (tool && editor && tool->selectionMode() == 1)
        editor->beginEdit(tool->firstSelectedId());
    if (owner->updater) {
        owner->updater->refreshAll();
        owner->updater->flushPainter();
    }
}

void UndoManager::clearSelection()
{
    if (owner && owner->selectTool)
        owner->selectTool->clearSelection();
}

void UndoManager::reselect(GlobalBlock& list)
{
    SelectTool* tool = owner ? owner->selectTool : nullptr;
    if (!tool)
        return;
    tool->clearSelection();
    int n = list.count;
    if (n < 1)
        return;
    tool->setSelectionMode(n == 1 ? 1 : 2);
    for (int i = 0; i < n; ++i) {
        int id = idFrom(list, i);
        if (id < 1)
            break;
        if (n == 1)
            tool->selectSingle(id);
        else
            tool->addToSelection(id);
    }
}

void UndoManager::selectAlone(int id)
{
    SelectTool* tool = owner ? owner->selectTool : nullptr;
    if (!tool)
        return;
    tool->clearSelection();
    tool->setSelectionMode(1);
    tool->selectSingle(id);
}

// The editor's element when it is the one with this id; null otherwise.
Element* UndoManager::elementInHand(ElementEditor* editor, int id) const
{
    Element* element = editor ? editor->elementInHand() : nullptr;
    return element && element->id == id ? element : nullptr;
}

ElementEditor* UndoManager::elementEditor() const { return owner ? owner->editor3 : nullptr; }

ElementEditor* UndoManager::textEditor() const { return owner ? owner->editor2 : nullptr; }

ElementStore* UndoManager::store() const { return owner ? owner->elementStore() : nullptr; }
