#pragma once
#include "dialogs/defaults/FontBatchDialogBase.h"

class TextDefaults;

// "テキストの一括編集": the tabs "共通" (the layer), "カラー" (1564: text, leader and arrow colours),
// "フォント" (1565), "線" (1602: the leader's style and width, the arrow head) and "座標" (1572: the
// start point and the rotation), each value with the box that applies it to the selected texts and
// leader texts. Touching a value ticks its box: a swatch picked, a list chosen, a number typed
// that differs from the one shown.
class TextBatchDialog : public FontBatchDialogBase {
public:
    TextBatchDialog();

    void declareControls() override;
    void loadPage() override;
    void storePage() override;
    [[nodiscard]] int onPageEvent() override;

private:
    [[nodiscard]] TextDefaults* texts() const;
};
