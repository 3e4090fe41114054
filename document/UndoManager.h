#pragma once
#include <cstdint>

#include "document/ElementIndexEntry.h"
#include "document/OrderChangeRecord.h"
#include "document/UndoCode.h"
#include "document/UndoLog.h"
#include "geometry/DoubleArray.h"
#include "platform/GlobalBlock.h"

class DocumentContext;
class Element;
class ElementEditorBase;
class ElementStore;
class FileName;

// Marker, code and element kind: the six bytes that open a record of the undo log (marker 2) and
// close it (marker 1).
struct UndoRecordHead {
    uint16_t marker = 0;
    uint16_t code = 0;
    uint16_t kind = 0;
};

// An operation that has begun and whose log record is not written yet: the code, the element it
// belongs to, and words 2 to 11 whose meaning depends on the code (word 2 the caret, 3 and 4 the
// text selection, 5 and 6 the old and new text lengths, 7 the deletion direction, 8 the text
// position, 9 and 10 the first point and the point count, 10 also the point count before, 11 the
// value count before).
struct PendingUndoRecord {
    UndoCode code = UndoCode::None;
    Element* element = nullptr; // not owned; see UndoManager::forgetElement
    int32_t word[12] = {};
};

// A point of the undo records: three doubles, the 24 bytes that the log stores per point.
struct UndoPoint {
    double x;
    double y;
    double z;
};
static_assert(sizeof(UndoPoint) == 24, "the log stores points as three doubles");

// The undo and redo history of one drawing, kept in a temporary log file: every undoable
// operation appends one self-delimiting record (head, payload, tail, total length), undo walks
// the log backwards one record at a time and redo forwards. Nothing of the history is held in
// memory beyond the record in hand. The history covers the current page: the page list clears it
// (resetPositions) when the page changes or a page is inserted or deleted.
//
// Records are written by the element operations and commands through the writers below; the
// menu and the shell call the six virtual operations. Every writer returns at once while undo is
// off (the log could not be made, or the disk ran nearly full, which turns undo off for good).
//
// Steps replay their change through the document context: elements by id through the editor
// that serves the select tools (the third), text through the editor that edits in place (the
// second), the selection through the select tool, redrawing through the redraw manager.
class UndoManager {
public:
    // The menu texts are at most this long with their terminator; callers pass a buffer this big.
    static constexpr int kTextSize = 256;
    // Fewer free bytes than this on the log's drive after a record turn undo off.
    static constexpr unsigned long long kMinimumFreeSpace = 10000001ULL;
    // Asking the drive costs a hundred times a record, so it is asked after the first record of
    // each step and within a step only once this much more was written. A step ends whenever the
    // history is consulted or moved: canUndo and canRedo (which the shell asks after every
    // command), undo, redo and resetPositions.
    static constexpr unsigned long long kFreeSpaceRecheckBytes = 1ULL << 20;

    // Free bytes on the drive of the log file; 0 when they cannot be found. Tests replace it.
    using FreeSpaceQuery = int (*)(const FileName& log, unsigned long long& bytes);
    static FreeSpaceQuery freeSpaceQuery;
    [[nodiscard]] static int systemFreeSpace(const FileName& log, unsigned long long& bytes);

    UndoManager();
    virtual ~UndoManager();
    UndoManager(const UndoManager&) = delete;
    UndoManager& operator=(const UndoManager&) = delete;

    void setOwner(DocumentContext* newOwner) { owner = newOwner; }
    // 5, which keeps released record blocks of the document's store out of reuse, so that the
    // entry images in the log keep pointing at intact blocks.
    [[nodiscard]] int mode() const { return modeWord; }

    // The menu text of Undo ("移動の取り消し"; "取り消し" when there is nothing to undo or no
    // name) and canUndo's answer.
    virtual int undoText(char* text);
    // 1 while undo is on and a record is applied. Closes an open typing or deletion record first.
    [[nodiscard]] virtual int canUndo();
    virtual int redoText(char* text);
    [[nodiscard]] virtual int canRedo();
    // Takes back the last applied record; 1 when a step ran. A step is all or nothing: when it
    // fails (an element cannot be taken, the record cannot be read) it answers 0 and leaves the
    // log position, the elements and the selection as they were.
    [[nodiscard]] virtual int undo();
    // Re-applies the next record; 1 when a step ran, 0 as undo.
    [[nodiscard]] virtual int redo();

    // Forgets the history (the file stays as it is; later records overwrite it).
    void resetPositions();
    // Writes an open typing or text deletion record; drops any other open record.
    void flushPending();
    void flushPendingIfOther(UndoCode code);
    // The id list := the ids of the selected elements.
    void captureSelection();
    void setSingleId(int id);

    // Record writers, one group per record code.
    void recordNewElement(Element* element);
    void recordMove(double dx, double dy, double dz);
    void beginCopy(int, int, int, int, int, int); // the arguments are not used
    void endCopy();
    void beginPartPlacement();
    void endPartPlacement();
    void recordRotate(double angle, double centreX, double centreY, double centreZ);
    void recordOrderChange();
    void recordCut();
    void recordPaste();
    void recordDelete();
    // The delete record of one element, whatever is selected; an open text record of the
    // element is dropped.
    void recordDeleteOf(int id);
    void beginPointMove(int firstIndex, int n);
    void endPointMove(Element* element);
    void beginPointAdd(int pointCount);
    void endPointAdd(Element* element);
    void beginPointDelete(int pointCount);
    void endPointDelete(Element* element);
    void clearRecordPoints() { points.count = 0; }
    void addRecordPoint(double x, double y, double z);
    void clearRecordValues() { values.count = 0; }
    void setValueCountBefore(int n) { pending.word[11] = n; }
    // The element appends its per-vertex values here itself, before and after the change.
    DoubleArray* recordValues() { return &values; }
    void beginReshape(Element* element);
    void endReshape(Element* element);
    void beginAttributeChange(Element* element);
    void endAttributeChange(Element* element);
    void beginBatchChange(int n);
    void batchChangeBefore(int id);
    void batchChangeAfter(int id);
    void endBatchChange();
    void beginElementZoom(int n);
    void elementZoomBefore(int id);
    void elementZoomAfter(int id);
    void endElementZoom();
    // Text editing of one element (positions in bytes).
    void beginTyping(Element* element, int caret);
    void appendTyped(const char* bytes, int n);
    void beginTextDelete(Element* element, int caret, int direction);
    void setTextSelectionRange(int start, int end);
    void addDeletedText(int position, const char* bytes, int n);
    void beginTextCut(Element* element, int caret);
    void addCutText(int position, const char* bytes, int n);
    void endTextCut();
    void beginTextReplace(Element* element, int caret);
    void endTextReplace(const char* oldBytes, int oldLength, const char* newBytes, int newLength);
    void beginTextPaste(Element* element, int caret);
    void endTextPaste(const char* oldBytes, int oldLength, const char* newBytes, int newLength);
    // The drawing-order change that the order command fills before recordOrderChange.
    OrderChangeRecord* orderList() { return &order; }

    // The name of a stored record code ("移動"), or an empty text; a new element is named by its
    // kind.
    [[nodiscard]] static int operationName(int code, int kind, char* name, int size);
    // An element is going away: a pending record on it is closed while its id and kind can
    // still be read (the element base calls this from its destructor).
    static void forgetElement(const Element* element);

    // 1 while an undo or redo step runs, the settling of the element in edit included: what is
    // done then replays the history and is no new action.
    [[nodiscard]] int isStepping() const { return stepping; }
    [[nodiscard]] int isEnabled() const { return enabled; }
    [[nodiscard]] int isWriteOk() const { return writeOk; }
    [[nodiscard]] int appliedCount() const { return position; }
    [[nodiscard]] int recordCount() const { return count; }
    const PendingUndoRecord& pendingRecord() const { return pending; }
    const UndoLog& log() const { return logFile; }
    [[nodiscard]] int idCount() const { return ids.count; }
    [[nodiscard]] int idAt(int index);

private:
    // The place an element had before a step changed its chains, to put it back when the step
    // cannot be completed.
    struct PlaceBefore {
        int32_t id;
        ElementIndexEntry entry;
    };

    // The log and its frame.
    [[nodiscard]] int openLogFile();
    void beginRecord(UndoCode code, int kind);
    void endRecord();
    void afterRecord();
    [[nodiscard]] int checkDiskSpace();
    [[nodiscard]] int stepBack();
    [[nodiscard]] int peekForward();
    [[nodiscard]] int readHead(UndoRecordHead& head);
    [[nodiscard]] int readTail();
    [[nodiscard]] int countersBack();
    [[nodiscard]] int beginRedoRead();
    [[nodiscard]] int countersForward();
    [[nodiscard]] int seekBack();
    // The record of a step: read forward from its head (redo) or from its start after stepping
    // back (undo); then past it (redo) or back at its start (undo). 0 when the record's start
    // cannot be reached, or when it was not read whole or its end cannot be reached.
    [[nodiscard]] int openRecord(int redoing);
    [[nodiscard]] int closeRecord(int redoing);
    [[nodiscard]] UndoCode headCode() const { return static_cast<UndoCode>(head.code); }
    void clearPending();

    // Common parts of the steps.
    [[nodiscard]] int settle();
    [[nodiscard]] int settlesFirst(int redoing) const;
    // settle for the steps that settle first; every other step but those of the text records
    // stores a text in edit (DocumentContext::settleTextInEdit). 0 when settling wrote a record.
    [[nodiscard]] int settleBeforeStep(int redoing);
    // The view after a step: the elements it changed repainted; with wholePage the whole page
    // (a step that changed the drawing order, which no extent shows).
    void refresh(int wholePage = 0);
    int selectedIds(GlobalBlock& list);
    void reselect(GlobalBlock& list);
    void selectListed(GlobalBlock& list, int mode);
    void selectAlone(int id);
    void clearSelection();
    [[nodiscard]] ElementEditorBase* elementEditor() const;
    [[nodiscard]] ElementEditorBase* textEditor() const;
    [[nodiscard]] ElementStore* store() const;
    [[nodiscard]] int idFrom(GlobalBlock& list, int index);
    [[nodiscard]] Element* elementInHand(ElementEditorBase* editor, int id) const;
    [[nodiscard]] Element* openTextElement(int id, int kind);

    // Element images (reshape, attribute change, batch change, element zoom).
    [[nodiscard]] int captureImage(int id);
    void writeImage();
    [[nodiscard]] int readImage();
    void skipImage();
    [[nodiscard]] int putImageBack(int id);
    void beginImageRecord(UndoCode code, Element* element);
    void endImageRecord(UndoCode code, Element* element);
    void beginImageBatch(UndoCode code, int n);
    void imageBefore(UndoCode code, int id);
    void imageAfter(UndoCode code, int id);
    void endImageBatch(UndoCode code);

    // Writers shared by several codes.
    void recordSelectionEntries(UndoCode code);
    void endSelectionPair(UndoCode code);
    // The record of the ids in the id list with their index entries as the store holds them.
    void recordEntriesOfIds(UndoCode code);
    // The entries of the id list's elements as the store holds them now, into the entry list,
    // with their ids into the other id list; ids the store does not hold are left out.
    void takeEntriesOfIds();
    void writeTextRecord(UndoCode code);
    void beginTextRecord(UndoCode code, Element* element, int caret);
    void endTextChange(UndoCode code, const char* oldBytes, int oldLength, const char* newBytes, int newLength);
    void appendText(const char* bytes, int n, int atFront);
    void endPointRecord(UndoCode code, Element* element);
    void beginPointRecord(UndoCode code, int pointCount);

    // Undo and redo steps by code: 1 when done, 0 when not (a step that fails half-way puts back
    // what it had changed of the elements; runStep restores the rest).
    [[nodiscard]] int runStep(int redoing);
    // runStep with isStepping answering 1.
    [[nodiscard]] int steppedRun(int redoing);
    [[nodiscard]] int dispatch(int redoing);
    [[nodiscard]] int undoNewElement();
    [[nodiscard]] int redoNewElement();
    [[nodiscard]] int undoMoveOrRotate(int redoing);
    [[nodiscard]] int undoCopy();
    [[nodiscard]] int redoCopy();
    [[nodiscard]] int undoOrder(int redoing);
    [[nodiscard]] int stepReinsertListed(int redoing);
    [[nodiscard]] int stepRemoveListed(int redoing);
    [[nodiscard]] int stepPointMove(int redoing);
    [[nodiscard]] int stepPointList(int redoing);
    [[nodiscard]] int stepImage(int redoing);
    [[nodiscard]] int stepImageBatch(int redoing);
    [[nodiscard]] int stepText(int redoing);
    // The parts of the steps over several elements; each answers how far it got.
    [[nodiscard]] int transformListed(int n, int rotation, double angle, const UndoPoint& amount, double factor);
    [[nodiscard]] int removeListed();
    void putPlacesBack();
    [[nodiscard]] int reinsertListed();
    [[nodiscard]] int putImagesBack(int n, int after);

    UndoLog logFile;
    DocumentContext* owner = nullptr;
    int modeWord = 5;
    int enabled = 0;
    int writeOk = 0;
    int position = 0;
    int count = 0;
    int stepping = 0;
    UndoRecordHead head;
    ElementIndexEntry entry;
    GlobalBlock entries{50, sizeof(ElementIndexEntry)};
    GlobalBlock recordBytes{500, 1};
    GlobalBlock ids{100, 4};
    GlobalBlock otherIds{100, 4}; // an id list read into the selection only
    GlobalBlock placesBefore{50, sizeof(PlaceBefore)};
    // The selection when the step in hand began, and its mode.
    GlobalBlock selectionBefore{100, 4};
    int selectionModeBefore = 0;
    GlobalBlock text{100, 1};
    unsigned int recordLength = 0;
    PendingUndoRecord pending;
    GlobalBlock points{50, sizeof(UndoPoint)};
    DoubleArray values;
    OrderChangeRecord order;

    // A record written over several calls: the id of the element whose image is in hand and the
    // record length before that unfinished pair, and the number of complete pairs.
    int imageId = 0;
    int pairStart = -1;
    int pairCount = 0;
    // Records written since construction; a settle step that writes one changes the history.
    unsigned int recordsWritten = 0;
    // The free-space rule: whether the drive was asked in this step, and the bytes written since
    // it was last asked.
    int spaceCheckedInStep = 0;
    unsigned long long bytesSinceSpaceCheck = 0;
    void beginStep() { spaceCheckedInStep = 0; }

    UndoManager* nextManager = nullptr; // the chain of live managers, for forgetElement
};
