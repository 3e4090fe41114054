#pragma once
#include "dialogs/defaults/FontRecordDialog.h"

// "テキストの一括編集": the tabs "共通" (the layer), "カラー" (1564: text, leader and arrow colours),
// "フォント" (1565), "線" (1602: the leader's style and width, the arrow head) and "座標" (1572: the
// start point and the rotation), each value with the box that applies it to the selected texts and
// leader texts.
class TextBatchDialog : public FontRecordDialog<FontBatchDialogBase> {
public:
    TextBatchDialog();

protected:
    [[nodiscard]] FontRecordValues values() const override;
};
