#pragma once
#include "platform/Dialog.h"

class FontPairList;
class InstalledFontList;

// "フォントチェンジ" (dialog 1303): the rows of the font change table side by side, the faces read
// from drawings ("読込フォント") and the installed faces shown for them ("表示フォント"), scrolled
// together; choosing a face in the list of installed faces gives it to the chosen row. "全消去"
// and "削除" empty the rows or remove the chosen one, and are offered only when deleting is
// allowed (no drawing is open). The dialog edits the rows it is given; OK takes the display
// faces of the list back into them.
class FontChangeDialog : public Dialog {
public:
    FontChangeDialog(FontPairList& rows, InstalledFontList& faces, int allowDelete);

    // Runs the dialog modally, captioned "フォントチェンジ"; 1 for OK.
    [[nodiscard]] int run();
    [[nodiscard]] int handleMessage() override;

    FontPairList& rows;
    InstalledFontList& faces;
    int allowDelete;

private:
    void initialise();
    // Both lists filled from the rows, nothing chosen.
    void fillLists();
    void updateButtons();
    // The row chosen in the list that was clicked, chosen in the other one too.
    void followSelection(int clickedId);
    void takeFace();
    void storeRows();
    [[nodiscard]] int selectedRow();
};
