#pragma once
#include "platform/Dialog.h"

// 要素の拡大、縮小 (resource 1626): the factor and the two switches "線幅に倍率を掛ける" and
// "文字サイズに倍率を掛ける". "OK" (1) takes all three once the factor reads as a finite number (a
// field that does not is named in a message and keeps the dialog open); "ｷｬﾝｾﾙ" (2) leaves them.
// Whether the factor lies in the range the elements take is the scaler's question, not the
// dialog's.
class ScaleElementsDialog : public Dialog {
public:
    struct Values {
        double factor;
        int lineWidths;
        int textSizes;
    };

    explicit ScaleElementsDialog(Values& values) : values_(values) {}

    // 1 OK, 2 cancel, -1 when it could not be shown.
    [[nodiscard]] int run();
    [[nodiscard]] int handleMessage() override;

private:
    Values& values_;
};
