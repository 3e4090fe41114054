#pragma once
// Members of a drawing that do nothing and answer 0: a test double derives from one and overrides
// only what its test looks at, instead of spelling out every operation of the interface.
#include "document/FileProgress.h"
#include "document/ViewScroller.h"
#include "geometry/GridSettings.h"
#include "geometry/PaperSettings.h"
#include "geometry/Point.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/SelectTool.h"

// A progress window that nobody cancels.
class IdleProgress : public FileProgress {
public:
    void begin(int, int) override {}
    void step(int) override {}
    [[nodiscard]] int cancelled() override { return 0; }
};

// A progress window whose Cancel was pressed before the first step.
class CancelledProgress : public IdleProgress {
public:
    [[nodiscard]] int cancelled() override { return 1; }
};

class IdlePaper : public PaperSettings {
public:
    void setOwner(DocumentContext*) override {}
    int runDialogAndRefresh() override { return 0; }
    void assign(const PaperSettings*) override {}
    void refreshViews() override {}
};

// No grid: origin 0, unit 1, points stay where they are.
class IdleGrid : public GridSettings {
public:
    void setOwner(DocumentContext*) override {}
    int editSettings() override { return 0; }
    [[nodiscard]] int gridKind() override { return 0; }
    void assign(const GridSettings*) override {}
    void updateDisplayOrigin() override {}
    [[nodiscard]] double originX() const override { return 0.0; }
    [[nodiscard]] double originY() const override { return 0.0; }
    [[nodiscard]] int xUnit() const override { return 1; }
    [[nodiscard]] int yUnit() const override { return 1; }
    void convertPoint(Point*) override {}
};

class IdleScroller : public ViewScroller {
public:
    void setOwner(DocumentContext*) override {}
    void setHorizontalBar(ChildScrollBar*) override {}
    void setVerticalBar(ChildScrollBar*) override {}
    int resetRanges() override { return 0; }
    int onHScroll() override { return 0; }
    int onVScroll() override { return 0; }
    int scrollBy(int, int) override { return 0; }
    int stepHorizontally(int) override { return 0; }
    int stepVertically(int) override { return 0; }
    int autoScroll() override { return 0; }
    int handTool() override { return 0; }
};

// Nothing selected, nothing to select.
class IdleSelectTool : public SelectTool {
public:
    void setOwner(DocumentContext*) override {}
    int onMouse() override { return 0; }
    int selectAll() override { return 0; }
    int selectByClick() override { return 0; }
    [[nodiscard]] int selectionMode() override { return 0; }
    [[nodiscard]] int canEditProperties() override { return 0; }
    int openProperties() override { return 0; }
    int stepSelection(int) override { return 0; }
    [[nodiscard]] int isEditing() override { return 0; }
    [[nodiscard]] int singleElementEditState() override { return 0; }
    void hideMarks() override {}
    void redrawMarks() override {}
};

// A pick at one drawing point: a box of 1 x 1 about it with a tolerance of 0.5, seen in the view.
inline SelectTool::StrokePick pickAbout(const Point& at, ViewParams* view)
{
    SelectTool::StrokePick out;
    out.x1 = at.x - 0.5, out.y1 = at.y - 0.5, out.x2 = at.x + 0.5, out.y2 = at.y + 0.5;
    out.tolerance = 0.5;
    out.view = view;
    return out;
}

// An editor without an element: the mouse and the keys change nothing.
class IdleEditor : public ElementEditor {
public:
    void setOwner(DocumentContext*) override {}
    [[nodiscard]] int mouseStep(int, int) override { return 0; }
    [[nodiscard]] int placeByMouse(int, int) override { return 0; }
    void settleElement(int) override {}
    [[nodiscard]] Element* elementInHand() override { return nullptr; }
    [[nodiscard]] int holdsKind(int) override { return 0; }
    [[nodiscard]] int isInEditState() override { return 0; }
    void redrawInputOverlay() override {}
    void handleKey() override {}
    int insertCharacters(int, int) override { return 0; }
    int onContextEvent1() override { return 0; }
    int onContextEvent2() override { return 0; }
    int onContextEvent3() override { return 0; }
};
