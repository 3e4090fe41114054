#pragma once
#include "platform/Dialog.h"

class SheetSettings;

// 用紙設定: edits a sheet in place (the caller hands it a copy). Orientation buttons 縦使用 and
// 横使用 and one button per standard size, of which at most one is pressed: the size whose short
// and long sides are the sheet's (none for another size). The two size fields take a typed size
// at once (one of 0 or less, or no number, is ignored); the scale fields and the y direction are
// taken on OK. The dialog ends with 1 for OK and 2 for キャンセル.
//
// A scale term takes a whole number of 1 to 2147483647 (an empty field makes it 1); a number
// beyond that, or any other text, is named to the user with the range. The drawing's file writes
// its values on paper, at the scale: a scale under which one of the drawing's stored elements
// could not be written is refused too, with the store's own message for such a value, the field
// named. OK then leaves the dialog open on the refused field and the sheet keeps its scale.
class PaperSettingsDialog : public Dialog {
public:
    // A standard sheet: its button and its short and long sides in millimetres.
    struct SheetSize {
        int controlId;
        double shortSide;
        double longSide;
    };
    // B0 to B6, then A0 to A6: the order in which a sheet's size is looked up.
    static const SheetSize kSizes[14];

    // The largest scale term.
    static constexpr int kMaxScaleTerm = 2147483647;

    // `drawing` is the sheet of the drawing whose elements judge a new scale (null for none).
    explicit PaperSettingsDialog(SheetSettings& paper, SheetSettings* drawing = nullptr)
        : paper_(paper), drawing_(drawing)
    {
    }

    // Runs the dialog (resource 1501); its result, -1 when it could not be shown.
    [[nodiscard]] int run();
    [[nodiscard]] int handleMessage() override;

private:
    void declareControls();
    // The buttons from the sheet, then the size fields.
    void fillControls();
    // Orientation and size buttons from the sheet; the fields stay.
    void showButtons();
    void takeTypedSize(int fieldId);
    void orient(int portrait);
    void chooseSize(const SheetSize& size);
    // A term of the field into `term`; 0 when it was refused (the user told).
    [[nodiscard]] int takeScaleTerm(int fieldId, int current, int& term);
    // 0 when the scale was refused: nothing is stored.
    [[nodiscard]] int storeScaleAndDirection();

    SheetSettings& paper_;
    SheetSettings* drawing_; // not owned
};
