#pragma once
#include "platform/Dialog.h"

// ページ削除 (resource 1632): asks before the page bar deletes a page. The check box 本文を削除する
// shows the option kept from the last OK; "OK" (1) stores the box into it, "ｷｬﾝｾﾙ" (2) leaves it
// as it was. Whatever the box says, a deleted page takes its elements with it.
class DeletePageDialog : public Dialog {
public:
    explicit DeletePageDialog(int& deleteBody) : deleteBody_(deleteBody) {}

    // 1 OK, 2 cancel, -1 when it could not be shown.
    [[nodiscard]] int run();
    [[nodiscard]] int handleMessage() override;

private:
    int& deleteBody_;
};
