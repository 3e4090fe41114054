#pragma once
// An interface that this folder and those above call; the folders above implement it.
#include "document/ElementIndexEntry.h"

class DocumentContext;
class DoubleRect;
class Element;
class Point;

// An element editor as a document context holds it: takes elements by id from the store into a
// live element of their kind and creates new elements by mouse. A context holds four, each with
// its own element in hand (see DocumentContext's accessors for their roles).
//
// The store, file and undo role (new elements, the drawing file, the by-id operations) is
// ElementRecordEditor's, below the tools; the mouse, creation and handles are the views'
// ElementEditor's, on top of it. By-id operations answer 0 (or -1 where they answer an id) when
// the element cannot be taken; "next id" is the id that follows in the page chain, -1 after the
// last.
class ElementEditorBase {
public:
    ElementEditorBase() = default;
    virtual ~ElementEditorBase() = default;
    ElementEditorBase(const ElementEditorBase&) = delete;
    ElementEditorBase& operator=(const ElementEditorBase&) = delete;

    virtual void setOwner(DocumentContext* owner) = 0;

    // --- creation by mouse (the views' ElementEditor) ---
    // One mouse step of creating an element of a kind with the tool's mode: an element of the
    // kind whose input is pending continues, else the click loop waits for its first point. The
    // state code: 1 committed, 21 context menu asked for, 41 and 43 committed (41 began the next
    // element at the cursor), 15 the step is over, -1 aborted (a pending input resumes).
    [[nodiscard]] virtual int mouseStep(int kind, int mode) = 0;
    // A new element of the kind in hand, with its default attributes, takes its first input.
    [[nodiscard]] virtual int beginCreation(int kind, int mode) = 0;
    // The element in hand (of this kind; 0 otherwise) takes its next input.
    [[nodiscard]] virtual int continueCreation(int kind, int mode) = 0;
    // 1 commits the new element and asks the view for a mouse move; other codes pass.
    [[nodiscard]] virtual int finishStep(int result) = 0;
    // Drops an element whose creation is under way (nothing is stored).
    virtual void abandonCreation() = 0;
    // A mouse edit, a handle drag and the property sheet of a stored element.
    [[nodiscard]] virtual int editByMouseById(int id) = 0;
    [[nodiscard]] virtual int dragHandleById(int id, int handle) = 0;
    [[nodiscard]] virtual int runPropertySheet(int id, int hasPrevious, int hasNext) = 0;
    // Places an element of a kind (pictures) by mouse; the state code.
    [[nodiscard]] virtual int placeByMouse(int kind, int mode) = 0;
    // Finishes the element in hand: commits it as new, or stores it back and draws it (then,
    // with markSelected, it becomes the select tool's single selection).
    virtual void settleElement(int markSelected) = 0;
    // 1 when the element in hand has this kind.
    [[nodiscard]] virtual int holdsKind(int kind) = 0;
    // 1 while the element in hand is a stored text being edited in place (Element::isEditedInPlace).
    [[nodiscard]] virtual int isInEditState() = 0;
    virtual void redrawInputOverlay() = 0;
    virtual void handleKey() = 0;
    virtual int insertCharacters(int first, int second) = 0;
    virtual int onContextEvent1() = 0;
    virtual int onContextEvent2() = 0;
    virtual int onContextEvent3() = 0;
    // A completed new element: its serial from the drawing's counter, stored, recorded for undo,
    // drawn, made the single selection and shown. -1 when the store gave no id, else 1.
    [[nodiscard]] virtual int commitNewElement() = 0;

    // --- the element in hand and new elements (ElementRecordEditor) ---
    // The element in hand, or null.
    [[nodiscard]] virtual Element* elementInHand() = 0;
    // The element in hand becomes a new element of the kind on the current page: the one in hand
    // reused when it has the kind (its input state cleared), else a fresh one from the registry.
    // 0 for a kind the registry cannot make.
    [[nodiscard]] virtual int startNewElement(int kind) = 0;
    [[nodiscard]] virtual int newElement(int kind) { return startNewElement(kind); }
    // The same with an element made afresh by the registry, never the one in hand: what only the
    // defaults and the user's input fill (creation by mouse, placement, a pasted picture) must
    // not keep what the last element of the kind held (its open form, corners, rotation, text).
    [[nodiscard]] virtual int startFreshElement(int kind) = 0;
    // Stores the element in hand on the current page as a new element (its extent in the mask
    // index, the drawing marked changed); the new id, 0 when the store gave none. An element
    // with a value the drawing file could not write is refused so (Element::stageRecord), here
    // and by storeBack; the store then holds what it held.
    [[nodiscard]] virtual int addToPage() = 0;
    // addToPage's id, or -1.
    [[nodiscard]] virtual int commitNewId() = 0;

    // --- file input and output ---
    // The element in hand takes the values read into the document's attribute holder.
    [[nodiscard]] virtual int readElementXmlAttributes() = 0;
    // Takes the element and writes its section; the next id, -1 after the last or on failure.
    [[nodiscard]] virtual int writeElementXmlById(int id) = 0;

    // --- elements by id (undo, redo, paste) ---
    // Takes the element from the store into the editor.
    [[nodiscard]] virtual int beginEdit(int id) = 0;
    // Writes the element in hand back under id (the mask index and the change mark follow).
    [[nodiscard]] virtual int storeBack(int id) = 0;
    // Deletes the element from the store and the mask index; every editor of the document lets
    // it go (DocumentContext::releaseStoredElement).
    [[nodiscard]] virtual int removeById(int id) = 0;
    // The element in hand, when it was taken from the stored element id, lets the id go
    // (Element::releaseStoredId); 1 when that ended an edit in place.
    virtual int releaseStored(int id) = 0;
    // Puts a deleted id back at the place its 48-byte entry image records, then takes it.
    [[nodiscard]] virtual int reinsertById(int id, const ElementIndexEntry& entry) = 0;
    // Links the element at the end of its page's chains, then takes it.
    [[nodiscard]] virtual int appendToPageEndById(int id) = 0;
    // Pasting: an element of the entry's kind (words 3 to 7 give serial, group, kind, layer and
    // page) loaded from the record staged in the store's buffer becomes the element in hand.
    [[nodiscard]] virtual int takeRecord(const ElementIndexEntry& entry) = 0;
    // Takes the element and registers its stored extent with the mask index (after its record
    // was rewritten from an undo image).
    [[nodiscard]] virtual int registerExtentById(int id) = 0;
    // The element's extent in drawing coordinates.
    [[nodiscard]] virtual int elementExtent(int id, DoubleRect& extent) = 0;
    [[nodiscard]] virtual int getElementBounds(int id, Point* corner1, Point* corner2) = 0;

    // --- per-element operations; those answering an id give the next id ---
    virtual int drawElementById(int id) = 0;
    virtual int executeById(int id, int operation, double x, double y, double z) = 0;
    virtual int printById(int id, double x, double y, double z) = 0;
    virtual int writePostScriptById(int id, double x, double y, double z) = 0;
    virtual int writePdfById(int id, double x, double y, double z) = 0;
    [[nodiscard]] virtual int hitTestById(int id) = 0;
    [[nodiscard]] virtual int isInSelectionAreaById(int id) = 0;
    [[nodiscard]] virtual int hitHandleById(int id, int* handle, int* flag) = 0;
    // 1 when the element's kind drags its handles (Element::hasHandleDrag).
    [[nodiscard]] virtual int dragsHandlesById(int id) = 0;
    virtual int setActiveHandleById(int id, int mode, int number) = 0;
    // Whether the elements of a kind show their handle marks on their registered extent
    // (Element::marksFollowExactExtent), asked of the kind's element kept by this editor; 0 for a
    // kind not taken yet.
    [[nodiscard]] virtual int kindMarksFollowExactExtent(int /*kind*/, int& /*filled*/) { return 0; }
    virtual int drawDragPreviewById(int id, double dx, double dy, double dz) = 0;
    virtual int drawPreviewSegmentById(int id, double angle, const Point& centre) = 0;
    // Then stored back.
    virtual int translateById(int id, double dx, double dy, double dz) = 0;
    virtual int rotateById(int id, double angle, double centreX, double centreY, double centreZ) = 0;
    [[nodiscard]] virtual int snapToNearestPointById(int id, Point* p) = 0;
    [[nodiscard]] virtual int snapToKeyPointById(int id, Point* p) = 0;
    [[nodiscard]] virtual int snapToNearestEdgeById(int id, Point* p, const Point* from) = 0;
    [[nodiscard]] virtual int getRadiusById(int id, double out[2], Point* centre) = 0;
    [[nodiscard]] virtual int getDiameterById(int id, double out[2], Point* centre) = 0;
};
