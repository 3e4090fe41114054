#pragma once
#include "platform/DialogTemplate.h"

class DisplayControlState;
class LayerTable;

// 表示制御: four tabs over one state, "レイヤー表示", "要素表示", "レイヤー選択" and "要素選択".
// The layer tabs (page 1510) show a check list of the 256 layers under their names, buttons that
// switch all of them on or off, and a name field: choosing a layer puts its name into the field,
// and what is typed there renames the chosen layer. The kind tabs (page 1513) show a check list
// of the kind registry's kinds with the same two buttons. Each list scrolls with its scroll bar.
//
// The state and the names are edited in place (the caller hands in copies). A tab is stored into
// them when the user leaves it and on OK; the dialog ends with 1 for OK and 2 for キャンセル.
class DisplayControlDialog : public DialogTemplate {
public:
    enum Page { kLayersDrawn = 0, kKindsDrawn = 1, kLayersSelectable = 2, kKindsSelectable = 3 };

    DisplayControlDialog(DisplayControlState& state, LayerTable& names, int firstPage);

    // Runs the dialog from its first page; its result, -1 when it could not be shown.
    [[nodiscard]] int run();
    // The tab shown (the last one, after the run).
    [[nodiscard]] int page() const { return page_; }
    [[nodiscard]] int handleMessage() override;

private:
    [[nodiscard]] static int isLayerPage(int page) { return page == kLayersDrawn || page == kLayersSelectable; }
    [[nodiscard]] static int templateOf(int page);
    // Declares the shown page's controls and fills them from the state.
    void buildPage();
    void buildLayerPage();
    void buildKindPage();
    // Stores the shown page into the state (and the names).
    void storePage();
    void switchToPage(int page);
    void checkAll(int on);
    void showChosenName();
    void renameChosenLayer();

    DisplayControlState& state_;
    LayerTable& names_;
    int page_;
};
