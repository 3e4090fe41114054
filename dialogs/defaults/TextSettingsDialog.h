#pragma once
#include "dialogs/defaults/FontRecordDialog.h"

// "テキストの設定": the text defaults edited on the tabs "共通" (the layer), "カラー" (1523: the
// text, leader and arrow colours), "フォント" (1524: face, style, size) and "線" (1597: the leader's
// style and width, the arrow head's kind, width, length and lean).
class TextDefaults;

// The record's values as the settings pages show them (the batch pages add theirs); all null
// without a record.
[[nodiscard]] FontRecordValues settingsValuesOf(TextDefaults* record);

class TextSettingsDialog : public FontRecordDialog<FontSettingsDialogBase> {
public:
    TextSettingsDialog();

protected:
    [[nodiscard]] FontRecordValues values() const override;
};
