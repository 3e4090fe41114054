#pragma once
#include "platform/Dialog.h"

class FontFaceMap;
struct FontFaceRecord;

// "PDF Font Set" (dialog 1308) on a font-face table: the installed faces (13038) beside the
// display name of each face's record (13039), scrolled together (13040); the records in a combo
// (13041); the current record's display name (13042) and four style names (13043-13046); and
// "追加" (13047), "修正" (13048) and "削除" (13049).
//
// A click on a row of either list selects it in both and makes that face's record current;
// choosing a record in the combo makes it current and gives it to the selected face. "追加"
// appends a record from the fields and makes it current; "修正" replaces the current record;
// "削除" removes it (its faces go back to the default record, later numbers move down) and the
// default record becomes current. The dialog edits the table it is given: its caller hands it a
// copy and keeps that only on "OK".
class PdfFontSetDialog : public Dialog {
public:
    explicit PdfFontSetDialog(FontFaceMap& table) : table_(table) {}

    // 1 "OK", 2 "ｷｬﾝｾﾙ", -1 when the dialog could not be shown.
    [[nodiscard]] int run();
    int handleMessage() override;

    // What the fields changed against the current record (set as the fields are edited).
    int displayChanged = 0;
    int stylesChanged = 0;

private:
    void declareControls();
    void fillChoice();
    void fillLists();
    void showCurrentRecord();
    void refreshAll();
    // The buttons' enabled states from the flags and the fields.
    void updateButtons();
    void compareFields();
    void readFields(FontFaceRecord& record);
    // The face row selected in the lists; -1 when none.
    [[nodiscard]] int selectedFace();
    void selectFace(int row);
    void chooseRecord();
    void addRecord();
    void replaceRecord();
    void deleteRecord();
    // The display name of a face's record ("" for a number that names none).
    [[nodiscard]] const char* recordNameOf(int logical) const;

    FontFaceMap& table_;
};
