#pragma once
#include "platform/Dialog.h"

class ShortcutCommandList;
class ShortcutKeyTable;

// ショートカットキー (resource 1304), on a working table: the key names and the labels bound to
// them in two lists that scroll together (a click in either selects the row in both), the
// commands in a combo box. Choosing a command binds it to the selected key; 外す (enabled while a
// row is selected) frees the key, 初期化 frees every key. System keys take nothing. OK (1) lets
// the caller take the working table; ｷｬﾝｾﾙ (2) drops it.
class ShortcutKeyDialog : public Dialog {
public:
    ShortcutKeyDialog(ShortcutKeyTable& table, ShortcutCommandList& commands) : table_(table), commands_(commands) {}

    // 1 OK, 2 cancel, -1 when it could not be shown.
    [[nodiscard]] int run();
    [[nodiscard]] int handleMessage() override;

private:
    void fill();
    void fillLabels();
    // The row selected in both lists, -1 for none.
    [[nodiscard]] int selectedRow();
    void selectRow(int row);
    void bindChosenCommand();
    void unbindSelected();

    ShortcutKeyTable& table_;
    ShortcutCommandList& commands_;
};
