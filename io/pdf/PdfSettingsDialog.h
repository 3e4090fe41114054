#pragma once
#include "platform/Dialog.h"

class PdfExportCommand;

// "PDF出力の設定" (dialog 1610) on the PDF export: the offsets every element is moved by, X to the
// right (15557) and Y downwards (15558), in millimetres. "フォントの設定..." (15556) opens the "PDF
// Font Set" dialog on the export's font table. Only "OK" (1) stores the offsets; an offset beyond
// 1 km is refused and the dialog stays open.
class PdfSettingsDialog : public Dialog {
public:
    explicit PdfSettingsDialog(PdfExportCommand& job) : job_(job) {}

    // 1 "OK", 2 "ｷｬﾝｾﾙ", -1 when the dialog could not be shown.
    [[nodiscard]] int run();
    int handleMessage() override;

private:
    // Both fields into the export's offsets (a field that holds no number keeps its offset); 0,
    // with the user told, when one lies too far out to write anything at: neither is taken, and
    // that field shows the export's offset again.
    [[nodiscard]] int takeOffsets();

    PdfExportCommand& job_;
};
