#pragma once
#include "platform/Dialog.h"

class InkColor;
class InkInfo;

// "オーバープリント" (dialog 1635): the nine plate marks of a colour (cyan, magenta, yellow, black,
// spot inks 1 to 5), each ticked beside a swatch of its ink: the process inks at 100 %, each spot
// ink in its DIC colour (white when the spot ink has none). OK takes the ticks into the colour.
class OverprintDialog : public Dialog {
public:
    OverprintDialog(InkColor& colour, InkInfo& inks, Dialog* owner);

    // Runs the dialog modally, captioned "オーバープリント"; 1 for OK.
    [[nodiscard]] int run();
    [[nodiscard]] int handleMessage() override;

    InkColor& colour;
    InkInfo& inkInfo;
    Dialog* owner;

private:
    void initialise();
};
