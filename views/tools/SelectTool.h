#pragma once
#include <unordered_set>

#include "document/PageOrder.h"
#include "document/SelectToolBase.h"
#include "platform/GlobalBlock.h"
#include "platform/IntPoint.h"

class DocumentContext;
class ElementEditorBase;
class Point;
class Selection;

// The default tool of a document window. It picks elements under the mouse (the topmost first,
// whole groups), keeps the selection (one element in mode 1, the drawing's Selection list in mode
// 2), shows its marks and handles, drags handles and the selection, moves it by the arrow keys or
// typed numbers through the move tool, and opens the property sheets of the selection. Each
// drawing owns one; every operation answers 0 (or -1 for an id) when the drawing lacks a piece it
// needs (editor, view, selection list, move tool).
//
// Coordinates: the pick point and box are drawing units; arrow steps are view pixels.
class SelectTool : public SelectToolBase {
public:
    SelectTool() = default;
    ~SelectTool() override;

    // The select tool of a drawing; null when it has none. Every select tool a drawing holds is
    // one of these (the views make it).
    [[nodiscard]] static SelectTool* of(const DocumentContext* context);

    // --- the operations of SelectToolBase (document/SelectToolBase.h) ---
    void setOwner(DocumentContext* owner) override;
    int onMouse() override;
    int selectAll() override;
    int selectByClick() override;
    [[nodiscard]] int selectionMode() override;
    [[nodiscard]] int canEditProperties() override;
    int openProperties() override;
    int stepSelection(int direction) override;
    [[nodiscard]] int isEditing() override;
    [[nodiscard]] int singleElementEditState() override;
    void hideMarks() override;
    void redrawMarks() override;
    void drawMarksOnOverlay() override;
    void applyArrowMove() override;
    void setSelectionMode(int mode) override;
    void clearSelection() override;
    void selectSingle(int id) override;
    void addToSelection(int id) override;
    [[nodiscard]] int firstSelectedId() override;
    [[nodiscard]] int nextSelectedId() override;
    void resetState() override;
    void getPressPoint(double& x, double& y) override;
    void setSelectionRect(double minX, double minY, double maxX, double maxY) override;
    [[nodiscard]] int testCandidate(int id, int whole) override;
    [[nodiscard]] int pickElement() override;
    [[nodiscard]] int isUnderCursor(const Point& point) override;
    void drawExtentSide(int operation, const Point& from, const Point& to) override;
    void drawHandleMark(int operation, const Point& at, int active) override;
    void drawPointMark(int operation, const Point& at) override;
    // The sides and handles of an element shown on the box of its extent (drawing units), the
    // handles active when filled, as the element draws them.
    void drawExtentHandles(const DoubleRect& extent, int filled);
    void setPickBoxAtMouse() override;
    [[nodiscard]] int findInPickBox() override;
    [[nodiscard]] int pickAreaContainsBox(const Point& low, const Point& high) override;
    // The pick box, the pick tolerance, the drawing and its view; 0 without a drawing.
    [[nodiscard]] int strokePick(StrokePick& out) override;

    // --- the tool's own steps (the document window runs them through onMouse and the keys) ---
    // The keys while the tool is current (the key code of the current event): the arrow keys
    // move the selection one step each, and the key's release records the gathered steps. A key
    // acts once, at its key-down; of the character made from it only '+' and '-' count.
    virtual int onKeyDown();
    virtual int onKeyUp();
    // How many elements are selected.
    [[nodiscard]] virtual int selectedCount();
    // The pick box: the mouse point of the last pick and that point +- the pick tolerance (the
    // world length of 2 pixels), normalised. With save, the copy that Esc steps under.
    void setPickBox(double x, double y, int save);
    // The pick box at the mouse; 0 without a view.
    int pickAtMouse(int save);
    // The elements of the current page whose extent meets the pick box, from the top of the
    // drawing order down (the last drawn first); their count. The pick box is set at the mouse.
    int collectCandidates();
    // The candidates of the pick box as they are, without setting it (Esc, tests).
    int collectCandidatesInBox();
    // The left button, the right button and a key as the tracking loop hands them on.
    virtual int onLeftButton();
    virtual void onRightButton();
    virtual int onKey(int key);
    // The mode keys '+' and '-' as the tracking loop sets them (1 on, 0 off).
    void setAddMode(int on);
    void setRemoveMode(int on);
    // 1 when the mouse (the pick box) lies over a selected element, by the pick style.
    [[nodiscard]] int isMouseOverSelection();
    // Every other element of the current page whose group is that of a selected one joins, in
    // page order; a single selection that grows becomes a list.
    void joinGroups();
    // The union of the selected elements' extents; 0 when nothing is selected.
    [[nodiscard]] int getSelectionBounds(Point& lower, Point& upper);
    [[nodiscard]] int hasSelection();
    [[nodiscard]] int hasElementsOnPage();
    // The property sheets of the list, stepping with the sheets' previous and next results.
    int editSelectionProperties();
    // Forget the pick (a page switch, a new drawing).
    void resetPickState() override;

    // The pick state (drawing units).
    struct Box {
        double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    };
    double pickX = 0.0, pickY = 0.0;
    Box pickBox;
    Box savedPickBox;
    int candidateIndex = 0;
    int mode = 0;
    int singleId = 0;
    int listIndex = 0;
    int marksEnabled = 1;
    int moving = 0;
    int arrowDx = 0, arrowDy = 0;
    int activeHandleA = 0, activeHandleB = 0, activeHandleId = 0;
    int hoveredHandle = -1;
    int addMode = 0, removeMode = 0;
    int digitTyped = 0;
    int listHitIndex = 0;
    int locked = 0;
    int busy = 0;

protected:
    // The tools' editor (the context's third), the selection list; null when missing.
    [[nodiscard]] ElementEditorBase* toolEditor() const;
    [[nodiscard]] Selection* list() const;
    // 1 when the element passes the hit test (by the pick style when byStyle, else its full
    // test), its layer and kind being selectable.
    [[nodiscard]] int passesHit(int id, int byStyle);
    // From candidateIndex on: the first candidate that passes (and, with unselectedOnly, is not
    // selected); its id, candidateIndex past it; -1 when none.
    int nextPassingCandidate(int byStyle, int unselectedOnly);
    // The first candidate that is selected and passes by the pick style; -1 when none.
    int nextPassingCandidateSelected();
    // The selected ids, for tests of many candidates at once.
    [[nodiscard]] std::unordered_set<int> selectedSet();
    // Removes the element and its group from the list; an emptied list returns to mode 0.
    void removeWithGroup(int id);
    // The group number of an element, 0 when it has none or the store does not hold it.
    [[nodiscard]] int groupOf(int id);
    void repostMouseMove();
    void postSelectionProperties();
    // 1 when a second press follows within the double-click time near the first.
    [[nodiscard]] int secondClickFollows();
    void updateHoverCursor();
    // The handle mark of the single selected element under the cursor (pick style 1); its number
    // in handle, -1 for none.
    [[nodiscard]] int markUnderCursor(int& handle);
    // 1 on a mark of a single selected element whose kind has no handle drags (a circle, a text,
    // a dimension): its marks only show the selection, and a press on one is a press on the
    // element.
    [[nodiscard]] int isOnFixedMark();
    // Device pixels of the pick point; 0 without a view.
    [[nodiscard]] int pickDevicePoint(IntPoint& out);

    // The marks over a copy of the painter on the overlay, shown in the window when `show`, else
    // left there for what is drawn over them (redrawMarks, drawMarksOnOverlay).
    void drawMarks(int show);

    // The pick colour's pen and brush and a white brush, made once for all the marks of a redraw
    // of the marks while it runs; null otherwise (each mark then makes its own).
    struct MarkTools;
    MarkTools* markTools = nullptr;

    DocumentContext* context = nullptr; // not owned
    GlobalBlock candidates{100, 4};     // int32 ids, from the top of the drawing order down
    PageOrder drawingOrder;             // of the page of the last candidates
    double pressX = 0.0, pressY = 0.0;
};

