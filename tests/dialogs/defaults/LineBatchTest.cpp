// "線画一括": which selected elements a batch edit reaches, its one undo step, what it does without
// ticks or selection, every step of the record on boxes and ovals, and which box a touched value
// ticks.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/Element.h"
#include "document/Selection.h"
#include "document/UndoManager.h"
#include "resources/ids_defaults.h"
#include "shapes/BoxRules.h"
#include "shapes/CornerRounding.h"
#include "tests/dialogs/defaults/DefaultsFixture.h"
#include "tests/support/MessagePump.h"

using namespace defaults_test;
using namespace property_test;

namespace {

constexpr int kColourTab = 1, kLineTab = 2, kAreaTab = 3, kPointsTab = 4;

int undoRecords(DefaultsDrawing& d) { return d.context.undoManager->recordCount(); }

} // namespace

TEST(LineBatch, OnlyTheLayerTickedMovesTheLineKindsInOneUndoStep)
{
    ApplicationRecord application;
    DefaultsDrawing d;
    struct Kind {
        ElementKind kind;
        bool served;
        int id;
    };
    std::vector<Kind> kinds = {
        {ElementKind::Line, true, 0},     {ElementKind::Breakline, true, 0}, {ElementKind::ArcBreakline, false, 0},
        {ElementKind::Spline, true, 0},   {ElementKind::Box, true, 0},       {ElementKind::Arc, true, 0},
        {ElementKind::Circle, true, 0},   {ElementKind::Polygon, true, 0},   {ElementKind::ArcPolygon, false, 0},
        {ElementKind::Oval, true, 0},     {ElementKind::Text, false, 0},
    };
    for (Kind& k : kinds) {
        k.id = addKind(d, k.kind);
        ASSERT_GE(k.id, 1) << kindCode(k.kind);
    }
    const int records = undoRecords(d);
    auto layersAre = [&](int served, int others) {
        for (const Kind& k : kinds)
            EXPECT_EQ(d.stored(k.id).getLayer(), k.served ? served : others) << kindCode(k.kind);
    };
    std::vector<int> all;
    for (const Kind& k : kinds)
        all.push_back(k.id);
    auto selectAll = [&] { d.select(all); };

    // A click on row 7 ticks "レイヤー".
    selectAll();
    std::string caption;
    bool tickedAtOpening = true;
    EXPECT_EQ(d.runBatch([&](HWND w) {
        caption = captionOf(w);
        tickedAtOpening = isTicked(w, IDC_BATCH_APPLY_LAYER);
        chooseLayerRow(w, IDC_BATCH_LAYER_LIST, IDC_BATCH_LAYER_SCROLL, 7);
        finish(w, IDOK);
    }), 1);
    EXPECT_EQ(caption, "線画の一括編集");
    EXPECT_FALSE(tickedAtOpening);
    layersAre(7, 100);
    EXPECT_EQ(undoRecords(d), records + 1);
    char text[UndoManager::kTextSize] = {};
    EXPECT_EQ(d.context.undoManager->undoText(text), 1);
    EXPECT_STREQ(text, "一括変更の取り消し");
    ASSERT_EQ(d.context.undo(), 1);
    layersAre(100, 100);
    // From here a new undo record would show as the redo step being dropped.
    ASSERT_EQ(d.context.canRedo(), 1);

    // Nothing ticked: the layer chosen becomes the drawing's default only; no element, no record.
    selectAll();
    EXPECT_EQ(d.runBatch([&](HWND w) {
        tickedAtOpening = isTicked(w, IDC_BATCH_APPLY_LAYER);
        chooseLayerRow(w, IDC_BATCH_LAYER_LIST, IDC_BATCH_LAYER_SCROLL, 9);
        tick(w, IDC_BATCH_APPLY_LAYER, false);
        finish(w, IDOK);
    }), 1);
    EXPECT_FALSE(tickedAtOpening) << "a second opening starts unticked too";
    layersAre(100, 100);
    EXPECT_EQ(d.context.canRedo(), 1);
    EXPECT_EQ(d.record().layer.layer, 9);
    EXPECT_EQ(application.record.layer.layer, 100);

    // Ticked, but nothing selected: no record either.
    d.select({});
    (void)d.runBatch([&](HWND w) {
        tick(w, IDC_BATCH_APPLY_LAYER, true);
        finish(w, IDOK);
    });
    EXPECT_EQ(d.context.canRedo(), 1);

    // One element held by the select tool alone is reached too.
    d.selectOne(kinds[4].id);
    (void)d.runBatch([&](HWND w) {
        tick(w, IDC_BATCH_APPLY_LAYER, true);
        finish(w, IDOK);
    });
    EXPECT_EQ(d.stored(kinds[4].id).getLayer(), 9);
    EXPECT_EQ(d.context.canRedo(), 0);
    ASSERT_EQ(d.context.undo(), 1);
    EXPECT_EQ(d.stored(kinds[4].id).getLayer(), 100);
}

TEST(LineBatch, EachTickedStepReachesEverySelectedBoxAndOvalThatHasTheAttribute)
{
    using Set = std::function<void(LineDefaults&)>;
    using Check = std::function<bool(Element&)>;
    struct Step {
        LineDefaults::Flag flag;
        bool ovalToo; // the oval has no rules and no radii
        Set set;
        Check changed;
    };
    const Step steps[] = {
        {LineDefaults::kEdgeColorFlag, true, [](LineDefaults& r) { r.edgeColor.setRgb(1, 2, 3); },
         [](Element& e) { return e.edge()->colour.colorRef == RGB(1, 2, 3); }},
        {LineDefaults::kPaintColorFlag, true, [](LineDefaults& r) { r.paintColor.setRgb(4, 5, 6); },
         [](Element& e) { return e.fill()->colour.colorRef == RGB(4, 5, 6); }},
        {LineDefaults::kPatternColorFlag, true, [](LineDefaults& r) { r.patternColor.setRgb(7, 8, 9); },
         [](Element& e) { return e.hatch()->colour.colorRef == RGB(7, 8, 9); }},
        {LineDefaults::kLineSizeFlag, true, [](LineDefaults& r) { r.lineSize.width = 0.7; },
         [](Element& e) { return e.lineWidth()->width == 0.7; }},
        {LineDefaults::kLineOriginFlag, true, [](LineDefaults& r) { r.lineOrigin.position = LineOriginAttribute::kTop; },
         [](Element& e) { return e.linePosition()->position == LineOriginAttribute::kTop; }},
        {LineDefaults::kLineTypeFlag, true, [](LineDefaults& r) { r.lineType.style = LineStyle::kDash; },
         [](Element& e) { return e.lineType()->style == LineStyle::kDash; }},
        {LineDefaults::kEdgeDrawFlag, true, [](LineDefaults& r) { r.edge.draw.value = 0; },
         [](Element& e) { return e.edge()->draw.value == 0; }},
        {LineDefaults::kPaintDrawFlag, true, [](LineDefaults& r) { r.paint.draw.value = 0; },
         [](Element& e) { return e.fill()->draw.value == 0; }},
        {LineDefaults::kPatternFlag, true, [](LineDefaults& r) { r.pattern.pattern = 4; },
         [](Element& e) { return e.hatch()->pattern == 4; }},
        {LineDefaults::kPatternPitch1Flag, true, [](LineDefaults& r) { r.pattern.pitch1 = 1.5; },
         [](Element& e) { return e.hatch()->pitch1 == 1.5 && e.hatch()->pitch2 == 3.0; }},
        {LineDefaults::kPatternPitch2Flag, true, [](LineDefaults& r) { r.pattern.pitch2 = 2.5; },
         [](Element& e) { return e.hatch()->pitch2 == 2.5 && e.hatch()->pitch1 == 3.0; }},
        {LineDefaults::kPaintGrayFlag, true,
         [](LineDefaults& r) {
             r.paintGray.kind = GrayAttributes::kGradation;
             r.paintGray.vector = 3;
         },
         [](Element& e) { return e.fill()->gray.kind == GrayAttributes::kGradation && e.fill()->gray.vector == 3; }},
        {LineDefaults::kRulesVerticalFlag, false,
         [](LineDefaults& r) {
             r.boxRules->horizontal = 5;
             r.boxRules->vertical = 4;
         },
         [](Element& e) { return e.boxRules()->vertical == 4 && e.boxRules()->horizontal == 2; }},
        {LineDefaults::kCornerFlag2, false, [](LineDefaults& r) { r.cornerRounding->setRadius(1, 2.0); },
         [](Element& e) { return e.cornerRounding()->radius(1) == 2.0 && e.cornerRounding()->radius(0) == 0.0; }},
        {LineDefaults::kStartXFlag, true, [](LineDefaults& r) { r.startPoint.x = 11; },
         [](Element& e) { return e.firstPoint()->x == 11 && e.firstPoint()->y == 100; }},
        {LineDefaults::kStartYFlag, true, [](LineDefaults& r) { r.startPoint.y = 12; },
         [](Element& e) { return e.firstPoint()->y == 12 && e.firstPoint()->x == 100; }},
        {LineDefaults::kEndXFlag, true, [](LineDefaults& r) { r.endPoint.x = 13; },
         [](Element& e) { return e.secondPoint()->x == 13 && e.secondPoint()->y == 140; }},
        {LineDefaults::kEndYFlag, true, [](LineDefaults& r) { r.endPoint.y = 14; },
         [](Element& e) { return e.secondPoint()->y == 14 && e.secondPoint()->x == 150; }},
        {LineDefaults::kLeanFlag, true, [](LineDefaults& r) { r.lean.angle = 30.0; },
         [](Element& e) { return e.lean()->angle == 30.0; }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.flag);
        ApplicationRecord application;
        DefaultsDrawing d;
        const int box = addKind(d, ElementKind::Box);
        const int oval = addKind(d, ElementKind::Oval);
        d.select({box, oval});
        LineDefaults& r = d.record();
        step.set(r);
        r.clearFlags();
        r.flags[step.flag].value = 1;
        EXPECT_EQ(d.context.selection->forEach(r), 2);
        EXPECT_TRUE(step.changed(d.stored(box))) << "box";
        if (step.ovalToo) {
            EXPECT_TRUE(step.changed(d.stored(oval))) << "oval";
        }
        EXPECT_EQ(d.stored(oval).getLayer(), 100) << "the layer is not ticked";
    }
}

TEST(LineBatch, ATouchedValueTicksOnlyItsOwnBoxAndEveryOpeningStartsUnticked)
{
    ApplicationRecord application;
    DefaultsDrawing d; // nothing selected: the edits reach the drawing's record only
    ChooserScript chooser;
    ChooserScript::colour = RGB(9, 9, 9);
    using F = LineDefaults::Flag;
    struct Case {
        const char* what;
        int tab;
        std::function<void(HWND)> touch;
        std::vector<int> flags; // set afterwards; -1 is the layer's
    };
    const Case cases[] = {
        {"the width as shown", kLineTab, [](HWND w) { type(w, IDC_LINE_BATCH_WIDTH, textOf(w, IDC_LINE_BATCH_WIDTH).c_str()); }, {}},
        {"another width", kLineTab, [](HWND w) { type(w, IDC_LINE_BATCH_WIDTH, "0.3"); }, {F::kLineSizeFlag}},
        {"a width typed, then unticked", kLineTab,
         [](HWND w) {
             type(w, IDC_LINE_BATCH_WIDTH, "0.4");
             tick(w, IDC_LINE_TICK_WIDTH, false);
         },
         {}},
        {"the position the record has", kLineTab, [](HWND w) { chooseItem(w, IDC_LINE_BATCH_POSITION, 0); }, {}},
        {"another position", kLineTab, [](HWND w) { chooseItem(w, IDC_LINE_BATCH_POSITION, 1); }, {F::kLineOriginFlag}},
        {"the type the record has", kLineTab, [](HWND w) { chooseItem(w, IDC_LINE_BATCH_STYLE, 0); }, {}},
        {"another type", kLineTab, [](HWND w) { chooseItem(w, IDC_LINE_BATCH_STYLE, 1); }, {F::kLineTypeFlag}},
        {"another cap", kLineTab, [](HWND w) { chooseItem(w, IDC_LINE_BATCH_CAP, 2); }, {F::kLineCapFlag}},
        {"the pattern swatch, never the position", kColourTab, [](HWND w) { click(w, IDC_LINE_BATCH_PATTERN_COLOUR); },
         {F::kPatternColorFlag}},
        {"the outline swatch", kColourTab, [](HWND w) { click(w, IDC_LINE_BATCH_EDGE_COLOUR); }, {F::kEdgeColorFlag}},
        {"the pattern list, on any choice", kAreaTab, [](HWND w) { chooseItem(w, IDC_AREA_BATCH_PATTERN, selectionOf(w, IDC_AREA_BATCH_PATTERN)); },
         {F::kPatternFlag}},
        {"both switches cleared, neither forced back", kAreaTab,
         [](HWND w) {
             tick(w, IDC_AREA_BATCH_EDGE_DRAWN, false);
             tick(w, IDC_AREA_BATCH_FILL_DRAWN, false);
         },
         {F::kEdgeDrawFlag, F::kPaintDrawFlag}},
        {"a pitch as shown, and another", kAreaTab,
         [](HWND w) {
             type(w, IDC_AREA_BATCH_PITCH1, "3");
             type(w, IDC_AREA_BATCH_PITCH2, "2");
         },
         {F::kPatternPitch2Flag}},
        {"a start tint", kAreaTab, [](HWND w) { type(w, IDC_AREA_BATCH_START, "25"); }, {F::kPaintGrayFlag}},
        {"a direction", kAreaTab, [](HWND w) { chooseItem(w, IDC_AREA_BATCH_DIRECTION, 2); }, {F::kPaintGrayFlag}},
        {"a start x and the rotation as shown", kPointsTab,
         [](HWND w) {
             type(w, IDC_LINE_BATCH_START_X, "5");
             type(w, IDC_LINE_BATCH_LEAN, "0");
         },
         {F::kStartXFlag}},
        {"an end y", kPointsTab, [](HWND w) { type(w, IDC_LINE_BATCH_END_Y, "-2.5"); }, {F::kEndYFlag}},
        {"a layer row clicked", 0, [](HWND w) { chooseLayerRow(w, IDC_BATCH_LAYER_LIST, IDC_BATCH_LAYER_SCROLL, 3); }, {-1}},
    };
    const int allTicks[] = {IDC_LINE_TICK_EDGE_COLOUR, IDC_LINE_TICK_PAINT_COLOUR, IDC_LINE_TICK_PATTERN_COLOUR,
                            IDC_LINE_TICK_WIDTH,       IDC_LINE_TICK_STYLE,        IDC_LINE_TICK_CAP,
                            IDC_AREA_TICK_EDGE_DRAWN,  IDC_AREA_TICK_FILL_DRAWN,   IDC_AREA_TICK_PATTERN,
                            IDC_AREA_TICK_PITCH1,      IDC_AREA_TICK_PITCH2,       IDC_AREA_TICK_SCREEN,
                            IDC_LINE_TICK_START_X,     IDC_LINE_TICK_END_Y,        IDC_LINE_TICK_LEAN,
                            IDC_BATCH_APPLY_LAYER};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<int> tickedAtOpening;
        EXPECT_EQ(d.runBatch([&](HWND w) {
            chooseTab(w, c.tab);
            for (int id : allTicks)
                if (GetDlgItem(w, id) && isTicked(w, id))
                    tickedAtOpening.push_back(id);
            c.touch(w);
            finish(w, IDOK);
        }), 1);
        EXPECT_TRUE(tickedAtOpening.empty());
        std::vector<int> set;
        if (d.record().applyLayerFlag.value)
            set.push_back(-1);
        for (int f = 0; f < LineDefaults::kFlagCount; ++f)
            if (d.record().flags[f].value)
                set.push_back(f);
        EXPECT_EQ(set, c.flags);
    }
    EXPECT_EQ(d.record().edge.draw.value, 0);
    EXPECT_EQ(d.record().paint.draw.value, 0);
    EXPECT_EQ(d.record().lineSize.width, 0.4) << "a value left unticked still becomes the drawing's";
}
