#pragma once
#include "dialogs/properties/LayerListPage.h"
#include "dialogs/properties/TabbedPageDialog.h"

class ElementDefaults;
class InkColor;

// What the settings dialogs (AttributeSettingsDialog) and the batch dialogs (BatchEditDialog) of
// the default records share: a tabbed dialog with OK and Cancel on every page, run on a record the
// caller owns (the protocol's temporary copy, DefaultsProtocol.h), whose page 0 is a common page of
// the 256 layers (the record's layer chosen; names edited there reach the application's layer
// table on OK) and whose colour pages show the record's colours in swatches.
//
// A kind's dialog adds its pages through the page protocol of TabbedPageDialog (pageDialogId,
// addPages, declareControls, setupTabs, loadPage, storePage) and handles their events in
// onPageEvent; each operation calls the base's first. Only the current page's controls are
// declared, and every handler looks at the current page first: ids repeat from page to page.
class DefaultsDialog : public TabbedPageDialog {
public:
    // A swatch of a colour page and the colour of the record it shows (not owned).
    struct Swatch {
        int id;
        InkColor* colour;
    };

    // A kind's pages: the tab labels and the dialog ids, page 0 the common page (its id in the
    // table is not used). Both tables outlive the dialog (constants of the kind).
    void setPages(const char* const* labels, const int* dialogIds, int count);

    // Takes the record the pages edit (not owned; null for none: the pages then show nothing). The
    // dialog registered itself with the dialog registry when it was made.
    virtual void setRecord(ElementDefaults* edited);
    // Runs the dialog on page pageIndex with the caption; pageIndex gets the page shown last. 1
    // after OK, 2 otherwise, also when the pages cannot be shown (nothing changes then).
    [[nodiscard]] int run(int& pageIndex, const char* caption);

    // The buttons first, then the current page; the common page on page 0, onPageEvent on the
    // kind's pages.
    [[nodiscard]] int handleMessage() override;
    // The pages of the table (the common page alone without one).
    [[nodiscard]] int pageDialogId(int index) override;
    // Every page of the table, the buttons kept across page switches; 0 when they cannot be kept.
    [[nodiscard]] int addPages() override;
    // The table's tabs, then loadPage.
    void setupTabs() override;
    // OK and Cancel, and the common page's controls on page 0.
    void declareControls() override;
    // Attaches the controls; page 0 shows the record's layer.
    void loadPage() override;
    // Page 0: the chosen layer into the record, the names into the dialog's layer table.
    void storePage() override;
    // The events of the kind's pages (page 1 on); 1 when consumed.
    [[nodiscard]] virtual int onPageEvent() { return 0; }

    // Swatches of a colour page: declared, shown, and a click on one lets the user choose its
    // colour (written into the record at once) and repaints the page. pickSwatch answers the
    // index of the swatch clicked, or -1 when the control is none of them.
    void declareSwatches(const Swatch* swatches, int count);
    void showSwatches(const Swatch* swatches, int count);
    [[nodiscard]] int pickSwatch(const Swatch* swatches, int count, int controlId);

    // The record's layer list page; the batch dialogs add their check box around it.
    [[nodiscard]] LayerListIds layerIds() const { return {layerNameEditId, layerListId, layerScrollId}; }
    virtual void declareCommonControls();
    virtual void loadCommonPage();
    virtual void storeCommonPage();
    [[nodiscard]] virtual int onCommonPageEvent();

    int frameTemplateId = 0; // the frame (OK and Cancel only); every page carries them itself
    ElementDefaults* record = nullptr;
    const char* const* tabLabels = nullptr;
    const int* pageIds = nullptr;
    int tableCount = 0;

protected:
    DefaultsDialog() = default;
};
