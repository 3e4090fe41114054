#pragma once
#include "document/DocumentMembers.h"
#include "geometry/DrawingOwner.h"
#include "platform/IntPoint.h"

class ChildScrollBar;
class CropMarkSettings;
class DisplayControlState;
class Document;
class Element;
class ElementClipboard;
class ElementIdSet;
class ElementMaskIndex;
class ElementSerialCounter;
class ElementStore;
class GridSettings;
class OpenDrawings;
class OrderChangeSettings;
class PageList;
class PaperSettings;
class PictureCache;
class Selection;
class TickStamp;
class ToolWorkRecord;
class UndoManager;
class Window;

// The owner of one drawing's managers. Each document window owns one context: it creates it, runs
// createMembers and linkManagers, and at close runs destroyManagers and deletes it.
//
// Shapes, tools, dialogs and commands hold the context and reach every manager through it. Every
// forwarder tests its member first: without it the forwarder does nothing and answers 0 (null),
// the current page and the page count answer 1. So a drawing whose creation stopped half-way
// (the application's error flag was set) still answers every call, and its commands become no-ops.
//
// Members are made in the order of the fields below: those of the document's own classes
// directly, those that a folder above builds through the hooks of documentMemberFactories (a
// member whose hook is null stays empty).
class DocumentContext : public DrawingOwner {
public:
    DocumentContext();
    // Deletes the members that are left (destroyManagers normally leaves none).
    virtual ~DocumentContext();
    DocumentContext(const DocumentContext&) = delete;
    DocumentContext& operator=(const DocumentContext&) = delete;

    // Life cycle.
    void createMembers();
    void linkManagers();
    void destroyManagers();
    void copyDefaults();

    // Set-up once the window exists: painter bitmaps, block reuse of the store, the application's
    // defaults, scroll bars and a first refresh.
    virtual void initialize();
    // Called by the page list when a page switch raised the page count; nothing here.
    virtual void onPageCountRaised() {}
    // Rulers, painter and the input overlay of the element being created, redrawn in one clip.
    virtual void refreshView();
    // The three context events of the element in the second editor.
    virtual int onContextEvent1();
    virtual int onContextEvent2();
    virtual int onContextEvent3();
    // 0 while the second editor's element is edited in place; otherwise the edit state of the
    // single selected element; 0 without one.
    [[nodiscard]] virtual int editState();
    // Called by the page list after the current page changed; nothing here.
    virtual void onCurrentPageChanged() {}

    // The paper and grid that the drawing's coordinates and attribute values follow.
    [[nodiscard]] PaperSettings* paperSettings() const override { return paper; }
    [[nodiscard]] GridSettings* gridSettings() const override { return grid; }

    // The store in use: the parts library's store while it works on a part, else the own one.
    [[nodiscard]] ElementStore* elementStore() const;
    // The drawing's decoded pictures, made on first use and deleted with the members; null when
    // memory ran out.
    [[nodiscard]] PictureCache* pictureCache();

    // View mapping.
    int repaintView();
    // 1 when the cursor lies in the view; the mouse move is then posted to the view again.
    [[nodiscard]] int isCursorInView();
    [[nodiscard]] int canZoomIn();
    [[nodiscard]] int canZoomOut();
    int zoomIn();
    int zoomOut();
    int zoomByMouse();
    int zoomAtPoint(const IntPoint& point, double factor);
    void resetView();

    // Grid: the grid dialog, and the redraw code of the grid kind (mesh 51, grid 53, else 0).
    int editGrid();
    [[nodiscard]] int gridRedrawCode();

    // Redraw manager. scrollViewBy runs the view refresh also without a redraw manager.
    int refreshAll();
    // The page first; the navigator and the page bar follow when the program is idle.
    int refreshViewFirst();
    int refreshAfterReset();
    int scrollViewBy(int dx, int dy);

    // Element store: live elements (highest id - released ids).
    [[nodiscard]] int elementCount() const;
    [[nodiscard]] int hasElements() const { return elementCount() > 0; }

    // Pages (1 without a page list).
    [[nodiscard]] int currentPage();
    [[nodiscard]] int pageCount();
    // Only from page 2 on; else the current page.
    int goToPreviousPage();
    // Only below the page count; else the page count.
    int goToNextPage();

    // Paper: the paper dialog (on OK the application's defaults take the drawing's paper), and
    // taking the application's paper again.
    void editPaper();
    int takePaperDefaults();

    // Scroll bars.
    int setHorizontalBar(ChildScrollBar* bar);
    int setVerticalBar(ChildScrollBar* bar);
    int resetScrollBars();
    int onHScroll();
    int onVScroll();
    int scrollBarsBy(int dx, int dy);
    int autoScroll();
    int panByMouse();
    // Scrolls by n steps of the bars: caret suspended, bar moved, view scrolled and refreshed.
    void scrollHorizontally(int steps);
    void scrollVertically(int steps);
    // After a size change: no clip, scroll bars recomputed, a full refresh when they changed or
    // the view's client size did (a grown window shows parts the painter never drew).
    int refocus();
    // The client size of the view at the last refocus.
    int refocusedWidth = 0;
    int refocusedHeight = 0;

    // Default records: their settings dialogs and the batch edit of the selection.
    int editLineDefaults();
    int batchEditLine();
    int editTextDefaults();
    int batchEditText();
    int editBezierDefaults();
    int batchEditBezier();
    int editMeasureDefaults();
    int batchEditMeasure();
    int editPictureDefaults();
    int batchEditPicture();

    // Select tool.
    int runSelectTool();
    int selectAll();
    int selectByClick();
    [[nodiscard]] int hasSelection();
    [[nodiscard]] int hasSeveralSelected();
    [[nodiscard]] int canEditProperties();
    int openProperties();
    int stepSelection(int direction);
    [[nodiscard]] int isSelectToolEditing();
    void moveSelectionByMouse();
    // Arrow steps of the select tool not yet recorded become one move record (a tool switch, an
    // undo or redo, and the frame losing the focus cannot wait for the key's release).
    void flushArrowSteps();

    // Rotate tool.
    int rotateByMouse();
    int prepareRotate();

    // Tick stamp.
    int restartTimer();
    [[nodiscard]] int notYet150ms();
    [[nodiscard]] int notYet300ms();
    [[nodiscard]] int withinDoubleClickTime();

    // Undo manager.
    int undoText(char* text);
    [[nodiscard]] int canUndo();
    int redoText(char* text);
    [[nodiscard]] int canRedo();
    [[nodiscard]] int undo();
    [[nodiscard]] int redo();

    // Text caret.
    int caretRefresh();
    int caretResume();
    int caretSuspend();
    int caretReset();

    void runDisplayControl();
    void groupSelection();
    void changeOrderByDialog();
    int changeOrder();
    void scaleSelection();

    // The element being created or edited by the second editor.
    void settleElement();
    // A text edited in place by the second editor is stored as the screen shows it and its edit
    // ends, before anything reads, changes, saves or exports the stored elements: the store
    // would otherwise hold its old record, which the edit's end would later write back over what
    // came in between. Nothing else in hand is touched (an element being drawn, the arrow steps
    // of a held key, a marked rectangle). 1 when a text was settled.
    int settleTextInEdit();
    // A stored element left the store: every editor holding it lets its id go, so that none
    // writes it back over the element that takes the id later (a paste, an undo or a redo), and
    // a text being typed into it ends its text input.
    void releaseStoredElement(int id);
    int drawNewElement(int kind, int mode);
    [[nodiscard]] Element* elementInProgress();
    // 1 while an element is being entered: a text typed, or a figure whose input waits for the
    // next mouse step to take more points.
    [[nodiscard]] int isEnteringElement();
    [[nodiscard]] int holdsKind(int kind);
    int handleKey();
    int insertCharacters(int first, int second);
    int placePicture(int mode);

    // The application's clipboard object, told to work on this drawing.
    [[nodiscard]] ElementClipboard* clipboard();
    [[nodiscard]] int canCopy();
    [[nodiscard]] int canCut();
    [[nodiscard]] int canPaste();
    [[nodiscard]] int canDelete();
    [[nodiscard]] int cut();
    [[nodiscard]] int copy();
    [[nodiscard]] int paste();
    [[nodiscard]] int erase();

    int trackPopupMenu();
    [[nodiscard]] int isShortcutMode();
    // While text is being typed (mode 1 or 3): the application's text buffer is not empty.
    [[nodiscard]] int hasTypedText();

    [[nodiscard]] int canPrint();
    void print();
    void exportPdf();
    void importDxf();
    void exportDxf();

    // Document.
    [[nodiscard]] int isSamePath(const char* path);
    [[nodiscard]] int setPathAndTitle(const char* path);
    [[nodiscard]] int assignFile(const char* path);
    [[nodiscard]] int openFile();
    [[nodiscard]] int save();
    [[nodiscard]] int saveAs();
    [[nodiscard]] int hasFile();
    [[nodiscard]] const char* title();
    int markModified();
    [[nodiscard]] int isModified();

    // The application's ink object follows the active drawing's ink choice: a drawing registers
    // its own when it comes to the front and detaches it before its members go.
    void registerInkInfo();
    void detachInkInfo();

    // For objects that keep a context which may be null: the member, or its missing value.
    [[nodiscard]] static SelectToolBase* selectToolOf(const DocumentContext* context);
    // The element editors by their roles: the page drawing's, the creation's (it holds the element
    // in edit), the tools' (select, move, rotate, scale, paste and undo) and the drawing file's.
    [[nodiscard]] static ElementEditorBase* pageEditorOf(const DocumentContext* context);
    [[nodiscard]] static ElementEditorBase* creationEditorOf(const DocumentContext* context);
    [[nodiscard]] static ElementEditorBase* toolEditorOf(const DocumentContext* context);
    [[nodiscard]] static ElementEditorBase* fileEditorOf(const DocumentContext* context);
    [[nodiscard]] static Selection* selectionOf(const DocumentContext* context);
    [[nodiscard]] static GridSettings* gridOf(const DocumentContext* context);
    [[nodiscard]] static int isShortcutModeOf(DocumentContext* context);
    [[nodiscard]] static int notYet300msOf(DocumentContext* context);
    [[nodiscard]] static PageList* pageListOf(const DocumentContext* context);
    [[nodiscard]] static int currentPageOf(DocumentContext* context);
    static int setCurrentPageOf(DocumentContext* context, int page);
    [[nodiscard]] static ViewUpdater* viewUpdaterOf(const DocumentContext* context);
    [[nodiscard]] static ViewScroller* scrollerOf(const DocumentContext* context);
    // -1 when there is no context or no document.
    static int setModificationTrackingOf(DocumentContext* context, int on);

    DocumentContext* self;
    // 0 normally and after an element is settled; 1 and 3 while text is typed.
    int interactionMode = 0;
    Window* window = nullptr; // not owned
    // The program's drawings, asked before a save under a chosen name; not owned (null: a drawing
    // of its own, such as a parts library's).
    OpenDrawings* openDrawings = nullptr;

    // Members, in creation order (owned).
    ElementStore* ownStore = nullptr;
    ElementMaskIndex* maskIndex = nullptr;
    InputPointListBase* inputPoints = nullptr;
    ViewParams* view = nullptr;
    GridSettings* grid = nullptr;
    RulerBars* rulers = nullptr;
    ViewUpdater* updater = nullptr;
    PageList* pages = nullptr;
    PaperSettings* paper = nullptr;
    CropMarkSettings* cropMarks = nullptr;
    ViewScroller* scroller = nullptr;
    ElementEditorBase* editor1 = nullptr; // draws the pages
    ElementEditorBase* editor2 = nullptr; // creates elements, holds the element in edit
    ElementEditorBase* editor3 = nullptr; // select, move, rotate and scale tools
    ElementEditorBase* editor4 = nullptr; // reads and writes the drawing file
    LineDefaults* lineDefaults = nullptr;
    TextDefaults* textDefaults = nullptr;
    BezierDefaults* bezierDefaults = nullptr;
    MeasureDefaults* measureDefaults = nullptr;
    PictureDefaults* pictureDefaults = nullptr;
    PropertyDialogPlacement* propertyPlacement = nullptr;
    StatusBarPanes* statusBar = nullptr;
    SelectToolBase* selectTool = nullptr;
    Selection* selection = nullptr;
    ToolWorkRecord* workRecord = nullptr;
    MoveToolBase* moveTool = nullptr;
    RotateToolBase* rotateTool = nullptr;
    PainterBase* pagePainter = nullptr;
    TickStamp* tickStamp = nullptr;
    UndoManager* undoManager = nullptr;
    TextCaretPlace* caret = nullptr;
    DisplayControlState* displayControl = nullptr;
    ElementIdSet* idSet = nullptr;
    ElementSerialCounter* serialCounter = nullptr;
    OrderChangeSettings* orderSettings = nullptr;
    ElementScalerBase* scaler = nullptr;
    PrintSettings* printSettings = nullptr;
    Document* document = nullptr;
    InkInfo* inkInfo = nullptr;

    // Set after a scroll by the scroll bars.
    int scrolled = 0;
    // Made by pictureCache (owned); not one of the members made through the hooks.
    PictureCache* pictures = nullptr;

    static constexpr int kMemberCount = 39;

private:
    void deleteMembers();
};
