#pragma once
#include "document/ElementEditorBase.h"
#include "document/ElementIndexEntry.h"

class DocumentContext;
class Element;
class ElementMaskIndex;
class ElementStore;

// The store, file and undo role of an element editor: takes elements by id from the store into
// a live element of their kind, stores them back, adds new ones, reads and writes them in the
// drawing file and runs the per-element operations by id. The mouse, creation and handles are
// the views' ElementEditor's, on top of this.
//
// Elements are made and destroyed through the application's kind registry. The element in hand
// stays after an operation and is reused for the next element taken of the same kind. The editor
// keeps one element of each kind it has taken, so the element of a kind taken again is the one
// taken before (its record read into it anew).
class ElementRecordEditor : public ElementEditorBase {
    // The kinds' codes run from 1 to 19.
    static constexpr int kKindSlots = 20;

public:
    ElementRecordEditor();
    ~ElementRecordEditor() override;

    void setOwner(DocumentContext* owner) override;

    [[nodiscard]] Element* elementInHand() override;
    [[nodiscard]] int startNewElement(int kind) override;
    [[nodiscard]] int startFreshElement(int kind) override;
    [[nodiscard]] int addToPage() override;
    [[nodiscard]] int commitNewId() override;

    [[nodiscard]] int readElementXmlAttributes() override;
    [[nodiscard]] int writeElementXmlById(int id) override;

    [[nodiscard]] int beginEdit(int id) override;
    [[nodiscard]] int storeBack(int id) override;
    [[nodiscard]] int removeById(int id) override;
    int releaseStored(int id) override;
    [[nodiscard]] int reinsertById(int id, const ElementIndexEntry& entry) override;
    [[nodiscard]] int appendToPageEndById(int id) override;
    [[nodiscard]] int takeRecord(const ElementIndexEntry& entry) override;
    [[nodiscard]] int registerExtentById(int id) override;
    [[nodiscard]] int elementExtent(int id, DoubleRect& extent) override;
    [[nodiscard]] int getElementBounds(int id, Point* corner1, Point* corner2) override;

    // Drawn when the display control shows its layer and kind and its stored extent meets the
    // area being redrawn. A record that cannot make an element (unknown kind, record cut short,
    // coordinates that are not finite) is passed over and reported once until the next full
    // refresh.
    int drawElementById(int id) override;
    int executeById(int id, int operation, double x, double y, double z) override;
    int printById(int id, double x, double y, double z) override;
    int writePostScriptById(int id, double x, double y, double z) override;
    int writePdfById(int id, double x, double y, double z) override;
    // By the pick style: 1 the extent, 2 and 3 the stroke; only a selectable element answers.
    [[nodiscard]] int hitTestById(int id) override;
    [[nodiscard]] int isInSelectionAreaById(int id) override;
    [[nodiscard]] int hitHandleById(int id, int* handle, int* flag) override;
    [[nodiscard]] int dragsHandlesById(int id) override;
    int setActiveHandleById(int id, int mode, int number) override;
    [[nodiscard]] int kindMarksFollowExactExtent(int kind, int& filled) override;
    int drawDragPreviewById(int id, double dx, double dy, double dz) override;
    int drawPreviewSegmentById(int id, double angle, const Point& centre) override;
    int translateById(int id, double dx, double dy, double dz) override;
    int rotateById(int id, double angle, double centreX, double centreY, double centreZ) override;
    [[nodiscard]] int snapToNearestPointById(int id, Point* p) override;
    [[nodiscard]] int snapToKeyPointById(int id, Point* p) override;
    [[nodiscard]] int snapToNearestEdgeById(int id, Point* p, const Point* from) override;
    [[nodiscard]] int getRadiusById(int id, double out[2], Point* centre) override;
    [[nodiscard]] int getDiameterById(int id, double out[2], Point* centre) override;

protected:
    // The element in hand stored back under its own id and drawn (a change the user made); 0, with
    // the user told, when the store refused it.
    [[nodiscard]] int storeBackAndDraw();
    // 1 when the element in hand would store another record, layer or group than the one stored
    // under id (or the stored one cannot be read).
    [[nodiscard]] int differsFromStored(int id);
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
    // A kind whose handles stand on an extent measured apart from the stored one (a box, a curve,
    // a dimension) keeps that extent with the index once drawn on the view, so that selecting
    // many elements shows their handles without taking each of them again.
    void keepHandlesBox(ElementMaskIndex& index, int id, double scale);
    // beginEdit of an element whose index entry was just read.
    [[nodiscard]] int beginEditFound(int id, const ElementIndexEntry& found);

    // One element per kind, made at the kind's first use and reused for every element of the
    // kind taken after it (a page of mixed kinds makes no element per element drawn). Owned.
    Element* kept[kKindSlots] = {};
};
