#pragma once
#include "dialogs/properties/TabbedPageDialog.h"
#include "document/PropertyDialogPlacement.h"

class ColorDialog;
class DocumentContext;
class Element;
class InkColor;
struct LayerListIds;
class Point;

// What the caller of a property dialog hands it and gets back: the page to open on (ignored when
// the drawing remembers the page its dialogs showed last; afterwards the page shown last), and
// whether the selection holds an element before and after this one.
struct PropertyStepRecord {
    int startPage = 0;
    int hasPrevious = 0;
    int hasNext = 0;
};

// The tabbed dialog that shows and edits one element: page 0 is the common page (the element's
// layer and the layer names), the kind's pages follow. Every page is a dialog resource of its own,
// switched in the running dialog under a tab strip; each carries the frame buttons OK, Cancel,
// "再表示" and the four stepping buttons "<", "<S", "S>", ">", which stay while the tabs change.
//
// The dialog works on the element it is given (the caller's working copy, not owned): storing a
// page writes straight into the element's attribute objects and points, when the page is left,
// on OK, on "再表示" and on "<S" / "S>". It records no undo; the caller keeps or drops the working
// copy by the result. Layer renames go into the dialog's own copy of the layer table and reach
// the application's table only on OK. While a field holds a value its page cannot take, the user is
// told so at each of these and the dialog stays on the page, that field focused.
//
// A kind builds its pages through the page protocol below (the virtual operations in the order
// the dialog calls them); the kind's own objects are pointers into the element, taken by its
// setElement. Every handler looks at the current page first: control ids repeat from page to
// page, and only the current page's controls are declared.
//
// The drawing's PropertyDialogPlacement, when it has one, opens every property dialog on the tab
// its last one showed (the common page when the kind has fewer pages) and at its last position.
class PropertyDialog : public TabbedPageDialog, public ElementPropertyDialog {
public:
    // What run answers; the button ids of the same numbers end the dialog with them.
    enum Result : int {
        kNoDialog = 0, // the element had no dialog to run
        kOk = 1,       // keep the changes
        kCancel = 2,   // drop them (also any end of the dialog not caused by the buttons)
        kSheetAction1 = 9901, // the picture's mask tools, 9901..9904
        kSheetAction4 = 9904,
        kPrevious = 15092,      // "<": to the previous element, this one's page not stored
        kStorePrevious = 15093, // "<S": stored, then to the previous element
        kStoreNext = 15094,     // "S>": stored, then to the next element
        kNext = 15095,          // ">": to the next element, not stored
    };
    // "再表示": stores the page and repaints the element; the dialog stays.
    static constexpr int kRedisplayButton = 15091;
    // The host dialog and the common page; each page runs by itself, the host is never combined.
    static constexpr int kHostDialogId = 1527;
    static constexpr int kCommonPageId = 1628;

    // Page 0 first, nothing shown yet.
    PropertyDialog();

    // --- what the element kinds reach (virtual: they call through the object) ---
    // setElement under the name the element side uses.
    void bind(Element* target) override;
    // Runs the kind's dialog (runKind) with a step record of these flags from page 0; the result.
    [[nodiscard]] int run(int hasPrevious, int hasNext) override;
    // Takes the element and its drawing; a kind also takes the element's attribute objects its
    // pages show. Null unbinds.
    virtual void setElement(Element* target);
    // The kind's one-line wrapper: run with the kind's caption.
    [[nodiscard]] virtual int runKind(PropertyStepRecord& record);

    // Runs the dialog modally, captioned `caption`, on the page the record or the drawing's
    // placement asks for; answers a Result. The record (and the placement) get the page shown
    // last; the placement also the window's position, and the next dialog opens there. Layer
    // names edited in the dialog reach the application's layer table only with kOk.
    [[nodiscard]] int run(PropertyStepRecord& record, const char* caption);

    // --- the page protocol, in the order of the slots ---
    // Frame events first (handleFrameMessage); the rest goes to the current page: the common
    // page's handler on page 0, onPageEvent on the kind's pages.
    [[nodiscard]] int handleMessage() override;
    // The kind's page table (setKindPages): page 0 the common page, then the table's; without a
    // table the common page alone.
    [[nodiscard]] int pageDialogId(int index) override;
    // addPage for each page pageDialogId names, in tab order (the common page first), then
    // keepFrameButtons; 1.
    [[nodiscard]] int addPages() override;
    // Declares the controls of the current page only (the frame buttons included).
    void declareControls() override;
    void setupTabs() override;
    // Attaches the controls, sets the stepping buttons, and fills the page from the element.
    void loadPage() override;
    // Writes the page's fields into the element.
    void storePage() override;
    // storeShownPage (refusedField then names a field it could not take), then the element
    // repainted in its picked state; kinds that step through vertices also mark the current
    // vertex when markVertex is not 0.
    virtual void applyPage(int markVertex);
    // The events of the kind's pages (page 1 on); 1 when consumed.
    [[nodiscard]] virtual int onPageEvent();

    // --- what every kind shares ---
    // A kind whose pages are fixed gives them once, in tab order: their labels and dialog ids,
    // the common page's entry first (its id is not used). Both tables outlive the dialog
    // (constants of the kind); pageDialogId, addPages and setupTabs then follow them.
    void setKindPages(const char* const* labels, const int* dialogIds, int count);
    // The frame buttons survive page switches / are declared on the current page.
    void keepFrameButtons();
    void declareFrameButtons();
    // "<" and "<S" enabled when there is a previous element, "S>" and ">" when there is a next.
    void updateNavigationButtons();
    // The frame's events: initialisation, the buttons, tab changes and painting. -1 when the
    // event is the page's; otherwise the answer to the dialog message.
    [[nodiscard]] int handleFrameMessage();

    // The common page: the layer list (256 rows, the element's layer chosen), its scroll bar and
    // the name field. A click on the list shows the chosen row's name in the field; a changed
    // field renames the chosen row (an empty field renames nothing). Store puts the element on
    // the chosen layer and takes every row's name into the dialog's layer table.
    [[nodiscard]] LayerListIds layerIds() const;
    void declareCommonControls();
    void loadCommonPage();
    void storeCommonPage();
    [[nodiscard]] int onCommonPageEvent();

    // A red 7 x 7 pixel frame about the device point of p (drawing units) on the drawing's view;
    // nothing without the view or its redraw manager.
    void markVertex(const Point& p);
    // Lets the user pick `colour` at swatch `swatchId` through `chooser`, which shares the
    // application chooser's custom colours; 1 when a colour was chosen (it is in `colour` then).
    // 0 and nothing changed without the swatch or the application's chooser.
    [[nodiscard]] int pickColourWithColourChooser(int swatchId, ColorDialog& chooser, InkColor& colour);

    // The drawing's placement record, or null.
    [[nodiscard]] PropertyDialogPlacement* placementRecord() const;
    // How far from the grid origin a typed coordinate may lie, in drawing units: many sheet
    // lengths, so that only a mistyped number is refused.
    [[nodiscard]] double coordinateLimit() const;

    DocumentContext* documentContext = nullptr; // the element's drawing
    Element* element = nullptr;                 // not owned
    PropertyStepRecord* stepRecord = nullptr;   // the caller's, during run

private:
    const char* const* kindTabs = nullptr;
    const int* kindPageIds = nullptr;
    int kindPageCount = 0;
};
