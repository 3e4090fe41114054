#pragma once
#include "platform/Dialog.h"

class PrintRecord;

// "プリントの設定" (dialog 1606) on a drawing's print record: the offsets (15519, 15520), the page
// range shown read-only (15732, 15733), "全てのページ" (15734) and the preview (15731). Typed
// offsets move the preview at once but reach the record only with "プリント" (1), which refuses an
// offset beyond 1 km and keeps the dialog open; "ｷｬﾝｾﾙ" (2) leaves the record's offsets as they
// were.
class PrintSettingsDialog : public Dialog {
public:
    explicit PrintSettingsDialog(PrintRecord& record) : record_(record) {}

    // The dialog's result: 1 "プリント", 2 "ｷｬﾝｾﾙ", -1 when it could not be shown.
    [[nodiscard]] int run();
    int handleMessage() override;

private:
    void declareControls();
    void showPages();
    void showOffsets();
    // The fields as numbers (a field that is not a number gives the record's value).
    void readOffsets(double& x, double& y);
    // Both fields into the record; 0, with the user told, when one lies too far out: neither is
    // taken, and that field shows the record's offset again.
    [[nodiscard]] int takeOffsets();
    void drawPreview();
    // The typed offsets shown in the preview, the record's own kept.
    void previewTypedOffsets();

    PrintRecord& record_;
};
