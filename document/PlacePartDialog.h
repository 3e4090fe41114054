#pragma once
#include "geometry/DrawPoint.h"
#include "platform/DialogTemplate.h"

class DocumentContext;
class PartsLibrary;

// "部品の配置": two pages under a tab strip. "ファイル" shows the path of the part to place and
// chooses another part file ("ファイル..."); "配置" chooses the placement by numbers ("数値指定",
// the target in the fields 横(X) and 縦(Y), in the grid's unit) or by mouse ("マウス指示", where
// "再表示" redraws the preview). The choice and the target are kept across page switches; the
// caller places after OK.
class PlacePartDialog : public DialogTemplate {
public:
    PlacePartDialog(PartsLibrary& library, DocumentContext* drawing);

    // Runs the dialog on its first page; the value it ended with (IDOK to place).
    [[nodiscard]] int run();
    [[nodiscard]] int handleMessage() override;

    // kByMouse or kByNumbers of PartsLibrary.
    int mode;
    // Where the part's origin goes, in drawing coordinates (starting at the part's own origin).
    DrawPoint target;

private:
    void declareFilePage();
    void declarePlacementPage();
    // The placement page's fields into target; 0, with the user told, when a field holds a point
    // too far out to place anything at: that field shows the target's value again.
    [[nodiscard]] int takePlacementPage();
    void showMode();
    void chooseFile();
    [[nodiscard]] int onPlacementPage() const;

    PartsLibrary& library_;
    DocumentContext* drawing_;
};
