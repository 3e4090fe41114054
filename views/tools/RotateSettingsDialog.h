#pragma once
#include "platform/Dialog.h"

class DocumentContext;

// 回転設定: the angle (degrees) and the centre of a rotation. The centre shows and is taken as the
// coordinate fields of the drawing show points (from the grid origin, in the grid unit, y as the
// paper counts it). "OK" (1) takes all three after each reads as a number (the centre within the
// coordinate range; a field that does not is named in a message and keeps the dialog open);
// "ｷｬﾝｾﾙ" (2) leaves the values alone.
class RotateSettingsDialog : public Dialog {
public:
    RotateSettingsDialog(DocumentContext* drawing, double& angle, double& centreX, double& centreY)
        : drawing_(drawing), angle_(angle), centreX_(centreX), centreY_(centreY)
    {
    }

    // 1 OK, 2 cancel, -1 when it could not be shown.
    [[nodiscard]] int run();
    [[nodiscard]] int handleMessage() override;

private:
    [[nodiscard]] int takeFields();

    DocumentContext* drawing_;
    double& angle_;
    double& centreX_;
    double& centreY_;
};
