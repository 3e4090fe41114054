// The Bezier defaults: what a new curve takes, the header section "setBezier" and the settings
// section "SETBEZIER" with what they leave out, the batch edit of the screen alone, and the
// settings dialog's outline that cannot go off with the fill.
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/Document.h"
#include "document/Element.h"
#include "document/UndoManager.h"
#include "geometry/TagIds.h"
#include "platform/Application.h"
#include "resources/ids_bezier.h"
#include "resources/ids_defaults.h"
#include "tests/dialogs/defaults/DefaultsFixture.h"
#include "tests/support/AttributeFile.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"

using namespace defaults_test;
using namespace property_test;

namespace {

constexpr int kColourTab = 1, kAreaTab = 2;

// Values unlike every default.
void giveValues(BezierDefaults& r)
{
    r.layer.layer = 12;
    r.edgeColor.setRgb(255, 0, 0);
    r.paintColor.setRgb(0, 128, 0);
    r.patternColor.setRgb(0, 0, 255);
    r.edgeGray.value = 0.5;
    r.patternGray.value = 0.25;
    r.paintGray.kind = GrayAttributes::kGradation;
    r.paintGray.startGray = 0.3;
    r.paintGray.cuts = 64;
    r.edge.draw.value = 1;
    r.paint.draw.value = 0;
    r.pattern.pattern = 2;
    r.pattern.pitch1 = 1.5;
    r.pattern.pitch2 = 2.25;
}

// A closed curve of one segment, drawn as the drawing's tool draws one; its id.
int drawCurve(DefaultsDrawing& d)
{
    return d.draw(ElementKind::Bezier, [](Element& e) {
        e.clearPoints();
        for (double x : {0.0, 10.0, 20.0, 30.0})
            e.appendPoint(x, x == 10.0 || x == 20.0 ? 15.0 : 0.0, 0.0);
    });
}

FakeSettingsFile settingsFile() { return recordSettingsFile(BezierDefaults::kSection, "SETBEZIER"); }

std::vector<double> screenOf(const GrayAttributes& g)
{
    return {static_cast<double>(g.kind), g.startGray, g.endGray, static_cast<double>(g.vector),
            static_cast<double>(g.cuts), static_cast<double>(g.sensuu), g.kakudo[0], g.kakudo[3]};
}

} // namespace

TEST(BezierDefaults, ANewCurveTakesItsDrawingsRecordAndItsFillStartsCyan)
{
    ApplicationBezierRecord application;
    DefaultsDrawing d;
    const int plain = drawCurve(d);
    ASSERT_GE(plain, 1);
    EXPECT_EQ(d.stored(plain).fill()->colour.colorRef, RGB(0, 255, 255)) << "no longer black";
    EXPECT_EQ(d.stored(plain).fill()->draw.value, 1);
    EXPECT_EQ(d.stored(plain).edge()->colour.colorRef, RGB(0, 0, 0));

    giveValues(d.bezierRecord());
    const int id = drawCurve(d);
    Element& e = d.stored(id);
    EXPECT_EQ(e.getLayer(), 12);
    EXPECT_EQ(e.edge()->colour.colorRef, RGB(255, 0, 0));
    EXPECT_EQ(e.edge()->gray.value, 0.5);
    EXPECT_EQ(e.edge()->draw.value, 1);
    EXPECT_EQ(e.fill()->colour.colorRef, RGB(0, 128, 0));
    EXPECT_EQ(e.fill()->draw.value, 0);
    EXPECT_EQ(screenOf(e.fill()->gray), screenOf(d.bezierRecord().paintGray)) << "the screen serves new curves";
    EXPECT_EQ(e.hatch()->colour.colorRef, RGB(0, 0, 255));
    EXPECT_EQ(e.hatch()->gray.value, 0.25);
    EXPECT_EQ(e.hatch()->pattern, 2);
    EXPECT_EQ(e.hatch()->pitch1, 1.5);
    EXPECT_EQ(e.hatch()->pitch2, 2.25);
    // The application's record is not the drawing's.
    EXPECT_EQ(application.record.layer.layer, 100);
}

TEST(BezierDefaults, TheSettingsSectionKeepsItsKeysInOrderAndNoTintOrScreen)
{
    TestApplication app;
    BezierDefaults written;
    giveValues(written);
    written.paintColor.setInkValues(10, 20, 30, 40);
    written.paintColor.inkNumber = 4;
    written.paintColor.setPlateOverprint(5, 1);
    const std::vector<std::string> common = {"LAYERNO", "EDGECOLOR", "PAINTCOLOR", "PATTERNCOLOR"};
    const std::vector<std::string> inks = {"EDGECMYK",  "EDGENOSE",   "EDGEUSEINK", "PAINTCMYK",   "PAINTNOSE",
                                           "PAINTUSEINK", "PATERNCMYK", "PATERNNOSE", "PATERNUSEINK"};
    const std::vector<std::string> rest = {"EDGEDRAWSW", "PAINTDRAWSW", "AREAPATTERN", "PATTERNSPACEX", "PATTERNSPACEY"};
    std::string inkText;
    for (int model : {0, 1, 2}) {
        SCOPED_TRACE(model);
        ScopedOverride<int> colourModel(theApplication->colorModel, model);
        FakeSettingsFile file = settingsFile();
        ASSERT_EQ(written.saveSettings(file), 1);
        std::vector<std::string> expected = common;
        if (model == 2)
            expected.insert(expected.end(), inks.begin(), inks.end());
        expected.insert(expected.end(), rest.begin(), rest.end());
        EXPECT_EQ(file.text.rfind("[SETBEZIER]\r\nLAYERNO=12\r\n", 0), 0u);
        EXPECT_EQ(keysOf(file.text), expected);
        EXPECT_NE(file.text.find("\nPAINTDRAWSW=FALSE\r\nAREAPATTERN=\""), std::string::npos);
        EXPECT_NE(file.text.find("\nPATTERNSPACEX=1.5\r\nPATTERNSPACEY=2.25\r\n"), std::string::npos);
        if (model == 2)
            inkText = file.text;
    }

    // Read back in the RGB model: the ink keys are taken all the same; tints and screen are not
    // in the file, a damaged line is passed over, and the section ends at the next one.
    FakeSettingsFile file = settingsFile();
    file.text = inkText + "LAYERNO=abc\r\nPATTERNSPACEX=0\r\n[GRID]\r\n";
    ASSERT_EQ(file.readKey(), 1);
    BezierDefaults read;
    EXPECT_EQ(read.loadSettings(file), 1);
    EXPECT_EQ(file.currentId(), 15040);
    EXPECT_EQ(read.layer.layer, 12);
    EXPECT_EQ(read.paintColor.inks[3], 40);
    EXPECT_EQ(read.paintColor.inkNumber, 4);
    EXPECT_EQ(read.paintColor.plateOverprint(5), 1);
    EXPECT_EQ(read.paint.draw.value, 0);
    EXPECT_EQ(read.pattern.pattern, 2);
    EXPECT_EQ(read.pattern.pitch1, 1.5);
    EXPECT_EQ(read.pattern.pitch2, 2.25);
    EXPECT_EQ(read.edgeGray.value, 1.0);
    EXPECT_EQ(read.paintGray.kind, GrayAttributes::kNone);
}

TEST(BezierDefaults, TheHeaderSectionWritesSevenTagsAndAFileWithoutThePatternKeepsTheApplicationsHatch)
{
    TestApplication app;
    MessageBoxScript boxes;
    AttributeFile file;
    BezierDefaults written;
    giveValues(written);
    const std::string bytes = file.write([&](Document& d) { EXPECT_EQ(written.writeXml(d), 1); });
    std::vector<std::string> tags;
    const std::regex child("\r\n <([A-Za-z]+)>");
    for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), child); it != std::sregex_iterator(); ++it)
        tags.push_back((*it)[1]);
    EXPECT_EQ(tags, (std::vector<std::string>{"layer", "edgeColor", "paintColor", "patternColor", "edge", "paint",
                                              "pattern"}));
    EXPECT_EQ(bytes.rfind("<setBezier>\r\n", 0), 0u);
    EXPECT_EQ(bytes.find("halfTone"), std::string::npos) << "the screen is in no file";
    EXPECT_EQ(bytes.find("<gray>"), std::string::npos) << "nor the tints";

    auto readBack = [&](const std::string& text, BezierDefaults& into) {
        file.open(text);
        int id = 0;
        EXPECT_TRUE(file.nextTag(id) && id == tag_id::setBezier);
        return into.readXml(file, tag_id::setBezier);
    };
    BezierDefaults read;
    ASSERT_EQ(readBack(bytes, read), 1);
    EXPECT_EQ(read.layer.layer, 12);
    EXPECT_EQ(read.patternColor.colorRef, RGB(0, 0, 255));
    EXPECT_EQ(read.paint.draw.value, 0);
    EXPECT_EQ(read.pattern.pitch2, 2.25);
    // A block cut off ends the read with a failure, without a crash.
    for (size_t cut = 1; cut < bytes.size(); cut += 5) {
        BezierDefaults partial;
        file.open(bytes.substr(0, cut));
        int id = 0;
        if (file.nextTag(id) && id == tag_id::setBezier) {
            EXPECT_EQ(partial.readXml(file, tag_id::setBezier), 0) << cut;
        }
    }

    // A drawing's "setBezier" without "pattern": the drawing keeps the hatch the application's
    // record gave it.
    ApplicationBezierRecord application;
    application.record.pattern.pattern = 5;
    application.record.pattern.pitch1 = 4.5;
    ScratchFolder scratch;
    const std::string path = scratch.file(
        "d.ycx", "<?xml version=\"1.0\" encording=\"Shift_JIS\"?>\r\n<tesvanCADml>\r\n <header>\r\n  <setBezier>\r\n"
                 "   <layer>7</layer>\r\n  </setBezier>\r\n </header>\r\n</tesvanCADml>\r\n");
    DefaultsDrawing d;
    ASSERT_EQ(d.context.document->assign(path.c_str()), 1);
    XmlContextScope publish(d.context.document);
    EXPECT_EQ(d.context.document->read(), 1);
    EXPECT_EQ(d.bezierRecord().layer.layer, 7);
    EXPECT_EQ(d.bezierRecord().pattern.pattern, 5);
    EXPECT_EQ(d.bezierRecord().pattern.pitch1, 4.5);
}

TEST(BezierBatch, TheScreenAloneGivesEveryGradationFieldAndNothingElseInOneUndoStep)
{
    ApplicationBezierRecord application;
    DefaultsDrawing d;
    d.bezierRecord().paintGray.cuts = 64;
    d.bezierRecord().paintGray.sensuu = 150;
    d.bezierRecord().edgeColor.setRgb(1, 2, 3);
    const int first = drawCurve(d), second = drawCurve(d);
    const int box = d.add(ElementKind::Box, [](Element& e) { e.secondPoint()->x = 10; });
    ASSERT_TRUE(first >= 1 && second >= 1 && box >= 1);
    // The curves' own values, unlike the record's.
    auto snapshot = [&](int id) {
        Element& e = d.stored(id);
        return std::vector<double>{static_cast<double>(e.edge()->colour.colorRef), static_cast<double>(e.fill()->draw.value),
                                   static_cast<double>(e.hatch()->pattern), e.hatch()->pitch1,
                                   static_cast<double>(e.getLayer())};
    };
    const std::vector<double> before = snapshot(first);
    const std::vector<double> boxScreen = screenOf(d.stored(box).fill()->gray);
    const std::vector<double> curveScreen = screenOf(d.stored(first).fill()->gray);
    const int records = d.context.undoManager->recordCount();
    d.select({first, box, second});
    std::string caption;
    std::vector<int> ticked;
    EXPECT_EQ(d.run(&DocumentContext::batchEditBezier, [&](HWND w) {
        caption = captionOf(w);
        chooseTab(w, kAreaTab);
        chooseItem(w, IDC_AREA_BATCH_SCREEN, 2);
        type(w, IDC_AREA_BATCH_START, "30");
        type(w, IDC_AREA_BATCH_END, "70");
        chooseItem(w, IDC_AREA_BATCH_DIRECTION, 2);
        ticked = tickedAmong(w, {IDC_AREA_TICK_EDGE_DRAWN, IDC_AREA_TICK_FILL_DRAWN, IDC_AREA_TICK_PATTERN,
                                 IDC_AREA_TICK_PITCH1, IDC_AREA_TICK_PITCH2, IDC_AREA_TICK_SCREEN});
        finish(w, IDOK);
    }), 1);
    EXPECT_EQ(caption, "ベジェの一括編集");
    EXPECT_EQ(ticked, std::vector<int>({IDC_AREA_TICK_SCREEN}));
    const std::vector<double> expected = {GrayAttributes::kGradation, 0.3, 0.7, 3, 64, 150, 15.0, 75.0};
    for (int id : {first, second}) {
        EXPECT_EQ(screenOf(d.stored(id).fill()->gray), expected) << id;
        EXPECT_EQ(snapshot(id), before) << "nothing else changes: " << id;
    }
    EXPECT_EQ(screenOf(d.stored(box).fill()->gray), boxScreen) << "a box is no curve";
    EXPECT_EQ(d.context.undoManager->recordCount(), records + 1);
    ASSERT_EQ(d.context.undo(), 1);
    EXPECT_EQ(screenOf(d.stored(second).fill()->gray), curveScreen);

    // A colour picked on the batch colour page ticks its box.
    ChooserScript chooser;
    ChooserScript::colour = RGB(7, 8, 9);
    (void)d.run(&DocumentContext::batchEditBezier, [&](HWND w) {
        chooseTab(w, kColourTab);
        click(w, IDC_BEZIER_BATCH_PAINT_COLOUR);
        ticked = tickedAmong(w, {IDC_BEZIER_TICK_EDGE_COLOUR, IDC_BEZIER_TICK_PAINT_COLOUR, IDC_BEZIER_TICK_PATTERN_COLOUR});
        finish(w, IDOK);
    });
    EXPECT_EQ(ticked, std::vector<int>({IDC_BEZIER_TICK_PAINT_COLOUR}));
    EXPECT_EQ(d.stored(first).fill()->colour.colorRef, RGB(7, 8, 9));
    EXPECT_EQ(d.stored(first).edge()->colour.colorRef, static_cast<COLORREF>(before[0]));
}

TEST(BezierSettings, TheOutlineCannotGoOffWithTheFillAndOnlyOkReachesTheApplication)
{
    ApplicationBezierRecord application;
    DefaultsDrawing d;
    ChooserScript chooser;
    ChooserScript::colour = RGB(40, 50, 60);
    for (int button : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(button);
        std::string caption;
        std::vector<int> switches;
        (void)d.run(&DocumentContext::editBezierDefaults, [&](HWND w) {
            caption = captionOf(w);
            chooseTab(w, kColourTab);
            click(w, IDC_BEZIER_SET_EDGE_COLOUR);
            chooseTab(w, kAreaTab);
            tick(w, IDC_AREA_SET_FILL_DRAWN, false);
            tick(w, IDC_AREA_SET_EDGE_DRAWN, false); // the fill comes back on
            switches = {isTicked(w, IDC_AREA_SET_EDGE_DRAWN), isTicked(w, IDC_AREA_SET_FILL_DRAWN)};
            finish(w, button);
        });
        EXPECT_EQ(caption, "ベジェの設定");
        EXPECT_EQ(switches, std::vector<int>({0, 1}));
        const COLORREF edge = button == IDOK ? RGB(40, 50, 60) : RGB(0, 0, 0);
        EXPECT_EQ(d.bezierRecord().edgeColor.colorRef, edge);
        EXPECT_EQ(application.record.edgeColor.colorRef, edge);
        EXPECT_EQ(application.record.edge.draw.value, button == IDOK ? 0 : 1);
    }
    const int id = drawCurve(d);
    EXPECT_EQ(d.stored(id).edge()->colour.colorRef, RGB(40, 50, 60));
    EXPECT_EQ(d.stored(id).fill()->draw.value, 1);
}
