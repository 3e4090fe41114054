#pragma once
#include "platform/Dialog.h"

class DocumentContext;

// 移動設定: the distances of a numeric move or copy of the selection. The fields show and take
// the distances in the grid unit of each axis, with the unit's name beside them; the distances
// themselves are drawing units. "移動" (1) and "複写" (15508) end the dialog with their ids after
// both fields read as numbers within the coordinate range (a field that does not is named in a
// message and keeps the dialog open); "ｷｬﾝｾﾙ" (2) ends it and leaves the distances alone.
class MoveSettingsDialog : public Dialog {
public:
    MoveSettingsDialog(DocumentContext* drawing, double& dx, double& dy) : drawing_(drawing), dx_(dx), dy_(dy) {}

    // The id the dialog ended with: 1 move, 15508 copy, 2 cancel; -1 when it could not be shown.
    [[nodiscard]] int run();
    [[nodiscard]] int handleMessage() override;

private:
    // Both fields into the distances; 0 (told to the user) when one is not a number in range.
    [[nodiscard]] int takeFields();

    DocumentContext* drawing_;
    double& dx_;
    double& dy_;
};
