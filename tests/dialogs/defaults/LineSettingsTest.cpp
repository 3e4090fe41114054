// "線画設定": the settings protocol on the drawing's and the application's record, the pages'
// values, the outline-or-fill rule and the layer names of the common page.
#include <gtest/gtest.h>

#include "document/Element.h"
#include "document/LayerTable.h"
#include "resources/ids_defaults.h"
#include "tests/dialogs/defaults/DefaultsFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"

using namespace defaults_test;
using namespace property_test;

namespace {
constexpr int kColourTab = 1, kLineTab = 2, kAreaTab = 3;
} // namespace

TEST(LineSettings, CancelKeepsBothRecordsAndTheTabWhileOkReachesOnlyDrawingsMadeAfterIt)
{
    ApplicationRecord application;
    DefaultsDrawing a;
    DefaultsDrawing openBefore;

    // Cancel: a typed width reaches neither record, but the tab is remembered.
    std::string caption;
    EXPECT_EQ(a.runSettings([&](HWND w) {
        caption = captionOf(w);
        chooseTab(w, kLineTab);
        type(w, IDC_LINE_SET_WIDTH, "0.5");
        finish(w, IDCANCEL);
    }), 0);
    EXPECT_EQ(caption, "線画の設定");
    EXPECT_EQ(a.record().lineSize.width, 0.14);
    EXPECT_EQ(application.record.lineSize.width, 0.14);
    EXPECT_EQ(a.record().settingsPage, kLineTab);
    EXPECT_FALSE(a.context.isModified());

    // OK, opened on the remembered tab: both records take the width, the position and the cap.
    int openedOn = -1;
    EXPECT_EQ(a.runSettings([&](HWND w) {
        openedOn = shownTab(w);
        type(w, IDC_LINE_SET_WIDTH, "0.5");
        chooseItem(w, IDC_LINE_SET_POSITION, 2); // 内-左
        chooseItem(w, IDC_LINE_SET_CAP, 1);      // ラウンド
        finish(w, IDOK);
    }), 1);
    EXPECT_EQ(openedOn, kLineTab);
    EXPECT_TRUE(a.context.isModified()) << "the drawing file keeps its defaults: closing asks to save them";
    for (const LineDefaults* r : {&a.record(), &application.record}) {
        EXPECT_EQ(r->lineSize.width, 0.5);
        EXPECT_EQ(r->lineOrigin.position, LineOriginAttribute::kBottom);
        EXPECT_EQ(r->lineCap.capStyle, LineCapAttribute::kRound);
    }
    EXPECT_EQ(openBefore.record().lineSize.width, 0.14) << "an open drawing keeps its own defaults";
    DefaultsDrawing openAfter;
    EXPECT_EQ(openAfter.record().lineSize.width, 0.5);

    // A line drawn in the drawing now has the width.
    const int line = a.draw(ElementKind::Line, [](Element& e) { e.secondPoint()->x = 50; });
    EXPECT_EQ(a.stored(line).lineWidth()->width, 0.5);
    EXPECT_EQ(a.stored(line).lineCap()->capStyle, LineCapAttribute::kRound);
}

TEST(LineSettings, TheAreaPageKeepsAnOutlineOrAFillAndTheColourPageWritesTheRecordAtOnce)
{
    ApplicationRecord application;
    DefaultsDrawing d;
    ChooserScript chooser;
    ChooserScript::colour = RGB(200, 10, 20);
    MessageBoxScript boxes;
    std::vector<std::pair<bool, bool>> switches; // outline, fill after each click
    EXPECT_EQ(d.runSettings([&](HWND w) {
        chooseTab(w, kColourTab);
        click(w, IDC_LINE_SET_PATTERN_COLOUR);
        chooseTab(w, kLineTab); // 15080 is the width field here, never the pattern swatch
        type(w, IDC_LINE_SET_WIDTH, "0.25");
        chooseTab(w, kAreaTab);
        tick(w, IDC_AREA_SET_EDGE_DRAWN, false);
        switches.emplace_back(isTicked(w, IDC_AREA_SET_EDGE_DRAWN), isTicked(w, IDC_AREA_SET_FILL_DRAWN));
        tick(w, IDC_AREA_SET_FILL_DRAWN, false);
        switches.emplace_back(isTicked(w, IDC_AREA_SET_EDGE_DRAWN), isTicked(w, IDC_AREA_SET_FILL_DRAWN));
        chooseItem(w, IDC_AREA_SET_PATTERN, 5);   // メッシュ
        type(w, IDC_AREA_SET_PITCH1, "0");        // no pitch: refused, and the user told
        type(w, IDC_AREA_SET_PITCH2, "4.5");
        chooseItem(w, IDC_AREA_SET_SCREEN, 2);    // グラデーション
        type(w, IDC_AREA_SET_START, "30");
        click(w, IDOK);
        type(w, IDC_AREA_SET_PITCH1, "3");        // the pitch it had
        finish(w, IDOK);
    }), 1);
    EXPECT_EQ(boxes.texts(), "横(右)間隔には0.001から1000までの数値を入力して下さい。");
    EXPECT_EQ(ChooserScript::calls, 1);
    EXPECT_EQ(switches, (std::vector<std::pair<bool, bool>>{{false, true}, {true, false}}));
    const LineDefaults& r = application.record;
    EXPECT_EQ(r.patternColor.colorRef, RGB(200, 10, 20));
    EXPECT_EQ(r.lineSize.width, 0.25);
    EXPECT_EQ(r.edge.draw.value, 1);
    EXPECT_EQ(r.paint.draw.value, 0);
    EXPECT_EQ(r.pattern.pattern, 5);
    EXPECT_EQ(r.pattern.pitch1, 3.0);
    EXPECT_EQ(r.pattern.pitch2, 4.5);
    EXPECT_EQ(r.paintGray.kind, GrayAttributes::kGradation);
    EXPECT_DOUBLE_EQ(r.paintGray.startGray, 0.3);
    EXPECT_EQ(r.paint.gray.kind, GrayAttributes::kNone) << "the screen is kept apart from the fill";
}

TEST(LineSettings, TheCommonPageSetsTheLayerAndItsRenamesReachTheApplicationOnlyOnOk)
{
    struct Case {
        int button;
        int layer;             // the record's layer afterwards
        std::string tableName; // the application's name of layer 12 afterwards
    };
    for (const Case& c : {Case{IDCANCEL, 100, "12"}, Case{IDOK, 12, "壁"}}) {
        SCOPED_TRACE(c.button);
        ApplicationRecord application;
        DefaultsDrawing d;
        std::string shownName, nameAfterClick;
        (void)d.runSettings([&](HWND w) {
            shownName = textOf(w, IDC_SETTINGS_LAYER_NAME);
            chooseLayerRow(w, IDC_SETTINGS_LAYER_LIST, IDC_SETTINGS_LAYER_SCROLL, 12);
            nameAfterClick = textOf(w, IDC_SETTINGS_LAYER_NAME);
            type(w, IDC_SETTINGS_LAYER_NAME, "壁");
            finish(w, c.button);
        });
        EXPECT_EQ(shownName, d.layers.nameOf(100));
        EXPECT_EQ(nameAfterClick, "12");
        EXPECT_EQ(d.record().layer.layer, c.layer);
        EXPECT_EQ(application.record.layer.layer, c.layer);
        EXPECT_EQ(std::string(d.layers.nameOf(12)), c.tableName);
    }
}
