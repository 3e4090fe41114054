#pragma once
// Interface header: the element editor as the folders below reach it: every operation virtual
// (bodies in ElementEditor.cpp, reached through the vtable), no internals of this folder.
#include "document/ElementIndexEntry.h"

class DocumentContext;
class DoubleRect;
class Element;
class ElementStore;
class Point;

// Takes elements by id from the store into a live element of their kind and creates new elements
// by mouse. A context holds four, each with its own element in hand: the first draws the pages,
// the second creates new elements and holds the element in edit, the third serves the select,
// move, rotate and scale tools, the fourth reads and writes the drawing file.
//
// Elements are made and destroyed through the application's kind registry. The element in hand
// stays after an operation and is reused for the next element taken of the same kind. By-id
// operations answer 0 (or -1 where they answer an id) when the element cannot be taken; "next id"
// is the id that follows in the page chain, -1 after the last. The editor keeps one element of
// each kind it has taken, so the element of a kind taken again is the one taken before (its
// record read into it anew).
class ElementEditor {
    // The kinds' codes run from 1 to 19.
    static constexpr int kKindSlots = 20;

public:
    ElementEditor();
    virtual ~ElementEditor();
    ElementEditor(const ElementEditor&) = delete;
    ElementEditor& operator=(const ElementEditor&) = delete;

    virtual void setOwner(DocumentContext* owner);

    // --- creation by mouse ---
    // One mouse step of creating an element of a kind with the tool's mode: an element of the
    // kind whose input is pending continues, else the click loop waits for its first point. The
    // state code: 1 committed, 21 context menu asked for, 41 and 43 committed (41 began the next
    // element at the cursor), 15 the step is over, -1 aborted (a pending input resumes).
    [[nodiscard]] virtual int mouseStep(int kind, int mode);
    // A new element of the kind in hand, with its default attributes, takes its first input.
    [[nodiscard]] virtual int beginCreation(int kind, int mode);
    // The element in hand (of this kind; 0 otherwise) takes its next input.
    [[nodiscard]] virtual int continueCreation(int kind, int mode);
    // 1 commits the new element and asks the view for a mouse move; other codes pass.
    [[nodiscard]] virtual int finishStep(int result);
    // Drops an element whose creation is under way (nothing is stored).
    virtual void abandonCreation();
    // A mouse edit, a handle drag and the property sheet of a stored element (see the .cpp).
    [[nodiscard]] virtual int editByMouseById(int id);
    [[nodiscard]] virtual int dragHandleById(int id, int handle);
    [[nodiscard]] virtual int runPropertySheet(int id, int hasPrevious, int hasNext);
    // Places an element of a kind (pictures) by mouse; the state code.
    [[nodiscard]] virtual int placeByMouse(int kind, int mode);
    // Finishes the element in hand: commits it as new, or stores it back and draws it (then,
    // with markSelected, it becomes the select tool's single selection).
    virtual void settleElement(int markSelected);
    // The element in hand, or null.
    [[nodiscard]] virtual Element* elementInHand();
    // 1 when the element in hand has this kind.
    [[nodiscard]] virtual int holdsKind(int kind);
    // 1 while the element in hand is being edited in place.
    [[nodiscard]] virtual int isInEditState();
    virtual void redrawInputOverlay();
    virtual void handleKey();
    virtual int insertCharacters(int first, int second);
    virtual int onContextEvent1();
    virtual int onContextEvent2();
    virtual int onContextEvent3();

    // --- new elements ---
    // The element in hand becomes a new element of the kind on the current page: the one in hand
    // reused when it has the kind (its input state cleared), else a fresh one from the registry.
    // 0 for a kind the registry cannot make.
    [[nodiscard]] virtual int startNewElement(int kind);
    [[nodiscard]] virtual int newElement(int kind) { return startNewElement(kind); }
    // The same with an element made afresh by the registry, never the one in hand: what only the
    // defaults and the user's input fill (creation by mouse, placement, a pasted picture) must
    // not keep what the last element of the kind held (its open form, corners, rotation, text).
    [[nodiscard]] virtual int startFreshElement(int kind);
    // Stores the element in hand on the current page as a new element (its extent in the mask
    // index, the drawing marked changed); the new id, 0 when the store gave none.
    [[nodiscard]] virtual int addToPage();
    // addToPage's id, or -1.
    [[nodiscard]] virtual int commitNewId();
    // A completed new element: its serial from the drawing's counter, stored, recorded for undo
    // (a new element, named by its kind), its input state reset and drawn into the view, the
    // navigator and the page bar, under a grid that lies over the figures, made the single
    // selection and shown; then the low-memory check. -1 when the store gave no id (nothing else
    // happens), else 1.
    [[nodiscard]] virtual int commitNewElement();

    // --- file input and output ---
    // The element in hand takes the values read into the document's attribute holder.
    [[nodiscard]] virtual int readElementXmlAttributes();
    // Takes the element and writes its section; the next id, -1 after the last or on failure.
    [[nodiscard]] virtual int writeElementXmlById(int id);

    // --- elements by id (undo, redo, paste) ---
    // Takes the element from the store into the editor.
    [[nodiscard]] virtual int beginEdit(int id);
    // Writes the element in hand back under id (the mask index and the change mark follow).
    [[nodiscard]] virtual int storeBack(int id);
    // Deletes the element from the store and the mask index, drops it from the editor.
    [[nodiscard]] virtual int removeById(int id);
    // Puts a deleted id back at the place its 48-byte entry image records, then takes it.
    [[nodiscard]] virtual int reinsertById(int id, const ElementIndexEntry& entry);
    // Links the element at the end of its page's chains, then takes it.
    [[nodiscard]] virtual int appendToPageEndById(int id);
    // Pasting: an element of the entry's kind (words 3 to 7 give serial, group, kind, layer and
    // page) loaded from the record staged in the store's buffer becomes the element in hand.
    [[nodiscard]] virtual int takeRecord(const ElementIndexEntry& entry);
    // Takes the element and registers its stored extent with the mask index (after its record
    // was rewritten from an undo image).
    [[nodiscard]] virtual int registerExtentById(int id);
    // The element's extent in drawing coordinates.
    [[nodiscard]] virtual int elementExtent(int id, DoubleRect& extent);
    [[nodiscard]] virtual int getElementBounds(int id, Point* corner1, Point* corner2);

    // --- per-element operations; those answering an id give the next id ---
    // Drawn when the display control shows its layer and kind and its stored extent meets the
    // area being redrawn. A record that cannot make an element (unknown kind, record cut short,
    // coordinates that are not finite) is passed over and reported once until the next full
    // refresh.
    virtual int drawElementById(int id);
    virtual int executeById(int id, int operation, double x, double y, double z);
    virtual int printById(int id, double x, double y, double z);
    virtual int writePostScriptById(int id, double x, double y, double z);
    virtual int writePdfById(int id, double x, double y, double z);
    // By the pick style: 1 the extent, 2 and 3 the stroke; only a selectable element answers.
    [[nodiscard]] virtual int hitTestById(int id);
    [[nodiscard]] virtual int isInSelectionAreaById(int id);
    [[nodiscard]] virtual int hitHandleById(int id, int* handle, int* flag);
    virtual int setActiveHandleById(int id, int mode, int number);
    // Whether the elements of a kind show their handle marks on their registered extent
    // (Element::marksFollowExactExtent), asked of the kind's element kept by this editor; 0 for a
    // kind not taken yet.
    [[nodiscard]] virtual int kindMarksFollowExactExtent(int kind, int& filled);
    virtual int drawDragPreviewById(int id, double dx, double dy, double dz);
    virtual int drawPreviewSegmentById(int id, double angle, const Point& centre);
    // Then stored back.
    virtual int translateById(int id, double dx, double dy, double dz);
    virtual int rotateById(int id, double angle, double centreX, double centreY, double centreZ);
    [[nodiscard]] virtual int snapToNearestPointById(int id, Point* p);
    [[nodiscard]] virtual int snapToKeyPointById(int id, Point* p);
    [[nodiscard]] virtual int snapToNearestEdgeById(int id, Point* p, const Point* from);
    [[nodiscard]] virtual int getRadiusById(int id, double out[2], Point* centre);
    [[nodiscard]] virtual int getDiameterById(int id, double out[2], Point* centre);

protected:
    // The element in hand stored back under its own id and drawn; 0 when the store refused it.
    [[nodiscard]] int storeBackAndDraw();
    // The mask index takes the extent of the element just taken from its record.
    [[nodiscard]] int registerTakenExtent();
    // The view refreshed after an interaction changed or abandoned an element.
    void refreshView();
    void repaintView();
    // Discards the element in hand (through the registry when there is one); the next element of
    // its kind is made afresh.
    void discardElement();
    // The store of the owner, or null.
    [[nodiscard]] ElementStore* store() const;

    DocumentContext* context = nullptr; // not owned
    int kindInHand = 0;                 // of the element in hand; 0 for none
    ElementIndexEntry entry;            // of the element taken last
    Element* element = nullptr;         // the one of kept[kindInHand]; null for none

private:
    // One element per kind, made at the kind's first use and reused for every element of the
    // kind taken after it (a page of mixed kinds makes no element per element drawn). Owned.
    Element* kept[kKindSlots] = {};
};

// A new element editor, null when memory ran out (the document members' maker).
[[nodiscard]] ElementEditor* newElementEditor();
