#pragma once
#include "platform/Dialog.h"

class ColorDialog;
class DrawEnvironmentEdit;

// 作画環境 (resource 101): the pick colour (a swatch that opens the colour chooser), the enclose
// mode ("全体を囲む", "一部を囲む"), the screen resolution (10 to 200 dpi with its up-down) and the
// colour model ("RGB", "RGB（CMYKに換算）", "CMYK＋特色": 0 to 2, in force from the next start)
// of a working copy. The swatch shows and chooses through the chooser, which holds the pick colour
// while the dialog runs. OK takes the resolution, the mode and the colour model into the copy
// and ends with 1; a text that is not wholly one number of 10..200 is named to the user instead
// and the dialog stays, an emptied field keeps the resolution. キャンセル ends with 2 and takes
// nothing; 初期値にする puts the copy and the chooser back to 72 dpi, WHOLE, cyan and RGB and
// shows them.
class DrawEnvironmentDialog : public Dialog {
public:
    DrawEnvironmentDialog(DrawEnvironmentEdit& edit, ColorDialog& chooser) : edit_(edit), chooser_(chooser) {}

    // The dialog's result, -1 when it could not be shown.
    [[nodiscard]] int run();
    [[nodiscard]] int handleMessage() override;

private:
    void declareControls();
    void fillControls();
    void choosePickColour();
    // 0 when the typed resolution was refused: nothing is taken.
    [[nodiscard]] int takeFields();

    DrawEnvironmentEdit& edit_;
    ColorDialog& chooser_;
};

// 作図環境: the dialog on copies of the application's resolution, pick settings and chosen colour
// model, which take them on OK. The dialog's result.
[[nodiscard]] int editDrawEnvironment();
