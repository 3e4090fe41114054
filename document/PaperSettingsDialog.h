#pragma once
#include "platform/Dialog.h"

class SheetSettings;

// 用紙設定: edits a sheet in place (the caller hands it a copy). Orientation buttons 縦使用 and
// 横使用 and one button per standard size, of which at most one is pressed: the size whose short
// and long sides are the sheet's (none for another size). The two size fields take a typed size
// at once (one of 0 or less, or no number, is ignored); the scale fields and the y direction are
// taken on OK. The dialog ends with 1 for OK and 2 for キャンセル.
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

    explicit PaperSettingsDialog(SheetSettings& paper) : paper_(paper) {}

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
    void storeScaleAndDirection();

    SheetSettings& paper_;
};
