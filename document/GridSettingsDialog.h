#pragma once
#include "platform/DialogTemplate.h"

class DrawingGrid;

// グリッドの設定: edits a grid in place (the caller hands it a copy) on two tabs. "表示" (page
// 1506): the kind, the position under or over the figures, the pitch of each axis with the unit of
// the x axis, and the two grid colours. "原点" (page 1507): the displayed origin, its mark and
// colour, "標 準" (the origin back to 0, 0) and the two buttons that close the dialog so that the
// origin is placed by mouse: "要素指示" (on an element's key point) and "クリック" (where the user
// clicks). Both pages carry OK and キャンセル, which stay while the tabs change; the fields of a
// page are taken into the grid when it is left, on OK and before the two mouse buttons.
//
// A numerator is taken only when its field was changed; a denominator only when it reads at least
// 1; a value that is no finite number within the grid's bounds never.
class GridSettingsDialog : public DialogTemplate {
public:
    enum Page { kDisplayPage = 0, kOriginPage = 1 };

    void setSettings(DrawingGrid* grid) { grid_ = grid; }
    // Runs the dialog from page `page` (another value shows page 0). The result: 1 OK, 2
    // キャンセル, 101 要素指示, 103 クリック, -1 when it could not be shown or has no grid; `page`
    // is the page shown last.
    [[nodiscard]] int run(int& page);
    [[nodiscard]] int handleMessage() override;

private:
    [[nodiscard]] static int templateOf(int page);
    // Declares the page's controls and fills them from the grid.
    void buildPage();
    void storePage();
    void switchToPage(int page);
    // 1 when the event was a click on one of the page's swatches (the colour was chosen).
    [[nodiscard]] int pickColour(int id);
    void finish(int result);

    DrawingGrid* grid_ = nullptr;
    int page_ = kDisplayPage;
    int result_ = 2;
};
