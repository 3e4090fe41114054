#pragma once
#include "platform/Dialog.h"

class WorkspaceLayout;

// ツールバー選択 (resource 1301): one checked row per pane of the layout, in its order, checked
// while the pane is shown; a click on a row shows or hides that pane at once. 初期値にする gives
// the layout of a first start; 閉じる hands "ヒント情報を表示" to the hint window and ends the
// dialog. There is no cancel.
class ToolbarSelectDialog : public Dialog {
public:
    explicit ToolbarSelectDialog(WorkspaceLayout& layout) : layout_(layout) {}

    // The dialog's result, -1 when it could not be shown.
    [[nodiscard]] int run();
    [[nodiscard]] int handleMessage() override;

private:
    void fillList();
    void refreshChecks();
    void toggleClickedRow();

    WorkspaceLayout& layout_;
};
