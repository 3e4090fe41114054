#pragma once
#include "platform/Control.h"
#include "platform/GlobalBlock.h"
#include "platform/IntPoint.h"
#include "platform/IntRect.h"

// Kind 1603: an edit field with a list of texts. On demand it opens a small pop-up dialog with a
// list box over the field; the row chosen there becomes the current item and its text fills the
// field. Text the user types replaces the current item's text, so the next pop-up lists it.
// Only one pop-up is open at a time.
class DropDownList : public Control {
public:
    // Item texts keep at most this many bytes.
    enum { kTextSize = 82 };

    DropDownList();
    ~DropDownList() override;

    using Control::addItem;
    using Control::getItemText;

    // 1, or 0 when the list cannot grow.
    int addItem(const char* text) override;
    // 1 and the text (at most size - 1 bytes, never half a character), or 0 for a bad index.
    [[nodiscard]] int getItemText(int index, char* buffer, int size) override;
    [[nodiscard]] int getCurrent() override { return current; }
    // Makes a valid index current and shows its text in the field (1); 0 otherwise.
    int choose(int index) override;
    // The dialog resource of the pop-up, the id of its list box, and whether it may open; 1.
    int setupPopup(int dialogId, int listId, int enabled) override;
    // Runs the pop-up (when it is set up and enabled and the field has a parent window): 1 when a
    // row was chosen (it is current and shown), 2 when the pop-up ended with nothing chosen or
    // could not run, 0 when it did not open.
    int openPopup() override;
    [[nodiscard]] int isChanged() override { return changed; }
    // The user typed (event 902): a field text that differs from the current item's replaces it
    // (an empty field leaves it) and the list counts as changed. A field that shows the current
    // item's text changes nothing, so the event may come any number of times.
    void onChange() override;
    void release() override;

    // Where a pop-up of `popup`'s size goes when its corner is put at `corner` (screen pixels):
    // moved left and up until it fits a screen of the given size, its top never above 0.
    [[nodiscard]] static IntRect placePopup(const IntRect& popup, const IntPoint& corner, int screenWidth,
                                            int screenHeight);

    // The drop-down whose pop-up is open, null when none.
    [[nodiscard]] static DropDownList* openOne() { return open_; }

    GlobalBlock items;
    int current = 0;
    int popupDialogId = 0;
    int popupListId = 0;
    int popupEnabled = 0;
    int changed = 0;

private:
    [[nodiscard]] int isItem(int index) const { return index >= 0 && index < items.count; }
    void showCurrent();
    void fillPopup(HWND popup);
    // Ends the pop-up with its list's selection (then 1, the selection current) or with 2.
    void endWithSelection(HWND popup);
    static INT_PTR CALLBACK popupProcedure(HWND popup, UINT message, WPARAM wParam, LPARAM lParam);

    static DropDownList* open_;
};
