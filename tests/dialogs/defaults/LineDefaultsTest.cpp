// The line-drawing record without its dialogs: what new elements take from it, its header section
// "setGeometry" and its settings section "SETSENGA", good and damaged.
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/Document.h"
#include "document/Element.h"
#include "geometry/TagIds.h"
#include "platform/Application.h"
#include "shapes/BoxRules.h"
#include "shapes/CornerRounding.h"
#include "tests/dialogs/defaults/DefaultsFixture.h"
#include "tests/support/AttributeFile.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"

using namespace defaults_test;

namespace {

// Values unlike every default.
void giveValues(LineDefaults& r)
{
    r.layer.layer = 12;
    r.edgeColor.setRgb(255, 0, 0);
    r.paintColor.setRgb(0, 128, 0);
    r.patternColor.setRgb(0, 0, 255);
    r.edgeGray.value = 0.5;
    r.patternGray.value = 0.25;
    r.paintGray.kind = GrayAttributes::kFlat;
    r.paintGray.startGray = 0.3;
    r.lineSize.width = 0.35;
    r.lineOrigin.position = LineOriginAttribute::kTop;
    r.lineType.style = LineStyle::kDash;
    r.lineCap.capStyle = LineCapAttribute::kRound;
    r.edge.draw.value = 1;
    r.paint.draw.value = 0;
    r.pattern.pattern = 2;
    r.pattern.pitch1 = 1.5;
    r.pattern.pitch2 = 2.25;
    r.boxRules->horizontal = 6;
    r.cornerRounding->setRadius(0, 3.0);
}

FakeSettingsFile settingsFile() { return recordSettingsFile(LineDefaults::kSection, "SETSENGA"); }

} // namespace

TEST(LineDefaults, NewElementsTakeTheirDrawingsRecordComposedByKind)
{
    ApplicationRecord application;
    DefaultsDrawing d;
    // A new closed figure is filled in cyan by default, no longer in black.
    const int plain = d.draw(ElementKind::Box, [](Element& e) { e.secondPoint()->x = 10; });
    EXPECT_EQ(d.stored(plain).fill()->colour.colorRef, RGB(0, 255, 255));
    EXPECT_EQ(d.stored(plain).fill()->draw.value, 1);

    giveValues(d.record());
    struct Case {
        ElementKind kind;
        bool area;    // outline, fill and hatch composed
        bool outline; // the outline only (the circle)
        bool line;    // the line colour and, for the open kinds, the cap
    };
    const Case cases[] = {
        {ElementKind::Box, true, false, false},      {ElementKind::Oval, true, false, false},
        {ElementKind::Polygon, true, false, false},  {ElementKind::Circle, false, true, false},
        {ElementKind::Line, false, false, true},     {ElementKind::Breakline, false, false, true},
        {ElementKind::Spline, false, false, true},   {ElementKind::Arc, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(kindCode(c.kind));
        const int id = d.draw(c.kind, [&](Element& e) {
            if (e.vertices()) {
                e.clearPoints();
                e.appendPoint(0, 0, 0), e.appendPoint(20, 5, 0), e.appendPoint(30, 30, 0);
            } else if (c.kind == ElementKind::Circle) {
                e.thirdPoint()->x = 50;
            } else {
                e.secondPoint()->x = 40, e.secondPoint()->y = 20;
                if (e.thirdPoint())
                    e.thirdPoint()->x = 20, e.thirdPoint()->y = 5;
            }
        });
        ASSERT_GE(id, 1);
        Element& e = d.stored(id);
        EXPECT_EQ(e.getLayer(), 12);
        EXPECT_EQ(e.lineWidth()->width, 0.35);
        EXPECT_EQ(e.linePosition()->position, LineOriginAttribute::kTop);
        EXPECT_EQ(e.lineType()->style, LineStyle::kDash);
        if (c.area || c.outline) {
            EXPECT_EQ(e.edge()->colour.colorRef, RGB(255, 0, 0));
            EXPECT_EQ(e.edge()->gray.value, 0.5);
        }
        if (c.area) {
            EXPECT_EQ(e.fill()->colour.colorRef, RGB(0, 128, 0));
            EXPECT_EQ(e.fill()->draw.value, 0);
            EXPECT_EQ(e.fill()->gray.kind, GrayAttributes::kFlat);
            EXPECT_EQ(e.hatch()->colour.colorRef, RGB(0, 0, 255));
            EXPECT_EQ(e.hatch()->gray.value, 0.25);
            EXPECT_EQ(e.hatch()->pattern, 2);
            EXPECT_EQ(e.hatch()->pitch2, 2.25);
        }
        if (c.outline && e.fill()) {
            EXPECT_NE(e.fill()->colour.colorRef, RGB(0, 128, 0)) << "the circle takes only its outline";
        }
        if (c.line) {
            EXPECT_EQ(e.colour()->colorRef, RGB(255, 0, 0));
            if (e.lineCap()) {
                EXPECT_EQ(e.lineCap()->capStyle, LineCapAttribute::kRound);
            }
        }
        if (c.kind == ElementKind::Box) {
            EXPECT_EQ(e.boxRules()->horizontal, 2) << "a new box keeps its own rules";
            EXPECT_EQ(e.cornerRounding()->radius(0), 0.0) << "and its own radii";
        }
    }
}

TEST(LineDefaults, TheSettingsSectionWritesItsKeysInOrderAndReadsThemInAnyModel)
{
    TestApplication app;
    LineDefaults written;
    giveValues(written);
    written.edgeColor.setInkValues(10, 20, 30, 40);
    written.edgeColor.inkNumber = 3;
    written.edgeColor.overprint = 1;
    written.edgeColor.setPlateOverprint(2, 1);
    written.pattern.pitch2 = 0.1239;

    const std::vector<std::string> common = {"LAYERNO", "EDGECOLOR", "PAINTCOLOR", "PATTERNCOLOR"};
    const std::vector<std::string> inks = {"EDGECMYK",  "EDGENOSE",   "EDGEUSEINK", "PAINTCMYK",   "PAINTNOSE",
                                           "PAINTUSEINK", "PATERNCMYK", "PATERNNOSE", "PATERNUSEINK"};
    const std::vector<std::string> rest = {"LINESIZE",   "LINESTYLE",   "LINEORIGIN",    "LINECAP",      "EDGEDRAWSW",
                                           "PAINTDRAWSW", "AREAPATTERN", "PATTERNSPACEX", "PATTERNSPACEY"};
    std::string inkText;
    for (int model : {0, 2}) {
        SCOPED_TRACE(model);
        ScopedOverride<int> colourModel(theApplication->colorModel, model);
        FakeSettingsFile file = settingsFile();
        ASSERT_EQ(written.saveSettings(file), 1);
        std::vector<std::string> expected = common;
        if (model == 2)
            expected.insert(expected.end(), inks.begin(), inks.end());
        expected.insert(expected.end(), rest.begin(), rest.end());
        EXPECT_EQ(file.text.rfind("[SETSENGA]\r\n", 0), 0u);
        EXPECT_EQ(keysOf(file.text), expected);
        EXPECT_NE(file.text.find("\nLINESTYLE=\"DASH\"\r\nLINEORIGIN=\"TOP\"\r\nLINECAP=\"ROUND\"\r\n"), std::string::npos);
        EXPECT_NE(file.text.find("\nPATTERNSPACEX=1.5\r\nPATTERNSPACEY=0.123\r\n"), std::string::npos);
        if (model == 2)
            inkText = file.text;
    }

    // The ink keys are read whatever the model.
    FakeSettingsFile file = settingsFile();
    file.text = inkText + "[GRID]\r\n";
    ASSERT_EQ(file.readKey(), 1);
    LineDefaults read;
    EXPECT_EQ(read.loadSettings(file), 1);
    EXPECT_EQ(file.currentId(), 15040) << "the next section's name was read";
    EXPECT_EQ(read.edgeColor.inks[3], 40);
    EXPECT_EQ(read.edgeColor.inkNumber, 3);
    EXPECT_EQ(read.edgeColor.plateOverprint(2), 1);
    EXPECT_EQ(read.layer.layer, 12);
    EXPECT_EQ(read.lineType.style, LineStyle::kDash);
    EXPECT_EQ(read.lineCap.capStyle, LineCapAttribute::kRound);
    EXPECT_EQ(read.paint.draw.value, 0);
    EXPECT_EQ(read.pattern.pattern, 2);
    EXPECT_EQ(read.pattern.pitch2, 0.123);

    // LINESIZE keeps six decimals, cut, without trailing zeros.
    const struct {
        double width;
        const char* text;
    } widths[] = {{2.3, "2.3"}, {1.23456789, "1.234567"}, {0.14, "0.14"}, {1.0, "1"}};
    for (const auto& w : widths) {
        FakeSettingsFile out = settingsFile();
        written.lineSize.width = w.width;
        ASSERT_EQ(written.saveSettings(out), 1);
        EXPECT_NE(out.text.find(std::string("\nLINESIZE=") + w.text + "\r\n"), std::string::npos) << w.text;
    }
}

TEST(LineDefaults, DamagedSettingsLinesArePassedOverAndTheRestIsRead)
{
    TestApplication app;
    struct Case {
        const char* line;
        std::function<bool(const LineDefaults&)> kept;
    };
    const Case cases[] = {
        {"EDGECOLOR=256,-1,abc", [](const LineDefaults& r) { return r.edgeColor.colorRef == RGB(0, 0, 0); }},
        {"EDGECOLOR=10,20", [](const LineDefaults& r) { return r.edgeColor.colorRef == RGB(0, 0, 0); }},
        {"PAINTCMYK=10,200,0,0", [](const LineDefaults& r) { return r.paintColor.inks[1] == 0; }},
        {"PAINTNOSE=TRUE,FALSE,TRUE", [](const LineDefaults& r) { return r.paintColor.overprint == 1 && r.paintColor.plateOverprint(1) == 1; }},
        {"PAINTNOSE=TRUE,TRUE,TRUE,TRUE,TRUE,TRUE,TRUE,TRUE,TRUE,TRUE,TRUE,TRUE,TRUE,TRUE,TRUE",
         [](const LineDefaults& r) { return r.paintColor.plateOverprint(8) == 1; }},
        {"LINESIZE=1e999", [](const LineDefaults& r) { return r.lineSize.width == 0.14; }},
        {"LINESIZE=-2", [](const LineDefaults& r) { return r.lineSize.width == 0.14; }},
        {"LINESTYLE=\"dash\"", [](const LineDefaults& r) { return r.lineType.style == LineStyle::kSolid; }},
        {"LINEORIGIN=\"TOP", [](const LineDefaults&) { return true; }},
        {"AREAPATTERN=\"" , [](const LineDefaults& r) { return r.pattern.pattern == 0; }},
        {"PATTERNSPACEX=0", [](const LineDefaults& r) { return r.pattern.pitch1 == 3.0; }},
        {"LAYERNO=abc", [](const LineDefaults& r) { return r.layer.layer == 100; }},
        {"LAYERNO=300", [](const LineDefaults& r) { return r.layer.layer == 100; }},
    };
    std::vector<std::string> lines;
    for (const Case& c : cases)
        lines.push_back(c.line);
    lines.push_back("LINESTYLE=\"" + std::string(400, 'D') + "\"");
    lines.push_back(std::string(400, 'X') + "=1,2,3");
    for (size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i]);
        FakeSettingsFile file = settingsFile();
        file.text = "[SETSENGA]\r\n" + lines[i] + "\r\nLINECAP=\"SQUARE\"\r\n[GRID]\r\n";
        ASSERT_EQ(file.readKey(), 1);
        LineDefaults read;
        EXPECT_EQ(read.loadSettings(file), 1);
        EXPECT_EQ(read.lineCap.capStyle, LineCapAttribute::kSquare) << "the line after it is read";
        EXPECT_EQ(file.currentId(), 15040);
        if (i < sizeof cases / sizeof cases[0]) {
            EXPECT_TRUE(cases[i].kept(read));
        }
    }
}

TEST(LineDefaults, TheHeaderSectionWritesTenTagsInOrderAndReadsThemInAnyOrder)
{
    TestApplication app;
    MessageBoxScript boxes;
    AttributeFile file;
    LineDefaults written;
    giveValues(written);
    written.patternColor.model = 3;
    written.patternColor.setInkValues(5, 6, 7, 8);
    const std::string bytes = file.write([&](Document& d) { EXPECT_EQ(written.writeXml(d), 1); });
    std::vector<std::string> tags;
    const std::regex child("\r\n <([A-Za-z]+)>");
    for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), child); it != std::sregex_iterator(); ++it)
        tags.push_back((*it)[1]);
    EXPECT_EQ(tags, (std::vector<std::string>{"layer", "edgeColor", "paintColor", "patternColor", "lineSize", "lineOrigin",
                                              "lineType", "edge", "paint", "pattern"}));
    EXPECT_EQ(bytes.rfind("<setGeometry>\r\n", 0), 0u);

    auto readBack = [&](const std::string& text, LineDefaults& into) {
        file.open(text);
        int id = 0;
        EXPECT_TRUE(file.nextTag(id) && id == tag_id::setGeometry);
        return into.readXml(file, tag_id::setGeometry);
    };
    LineDefaults read;
    ASSERT_EQ(readBack(bytes, read), 1);
    EXPECT_EQ(read.layer.layer, 12);
    EXPECT_EQ(read.edgeColor.colorRef, RGB(255, 0, 0));
    EXPECT_EQ(read.paintColor.colorRef, RGB(0, 128, 0));
    EXPECT_EQ(read.patternColor.inks[3], 8);
    EXPECT_EQ(read.lineSize.width, 0.35);
    EXPECT_EQ(read.lineOrigin.position, LineOriginAttribute::kTop);
    EXPECT_EQ(read.lineType.style, LineStyle::kDash);
    EXPECT_EQ(read.edge.draw.value, 1);
    EXPECT_EQ(read.paint.draw.value, 0);
    EXPECT_EQ(read.pattern.pattern, 2);
    EXPECT_EQ(read.pattern.pitch1, 1.5);
    EXPECT_EQ(read.pattern.pitch2, 2.25);
    EXPECT_EQ(read.lineCap.capStyle, LineCapAttribute::kButt) << "the cap is in no file";
    EXPECT_EQ(read.paintGray.kind, GrayAttributes::kNone) << "nor the fill's screen";

    // Any order; a tag of no value here, or unknown, nested or not, is passed over; values no
    // default can have are data errors and stay as they were.
    LineDefaults shuffled;
    EXPECT_EQ(readBack("<setGeometry>\r\n <lineSize>0.5</lineSize>\r\n <lineCap>\"ROUND\"</lineCap>\r\n"
                       " <mystery>\r\n  <inner>1</inner>\r\n </mystery>\r\n <layer>300</layer>\r\n"
                       " <pattern>\r\n  <spacex>0</spacex>\r\n </pattern>\r\n <layer>9</layer>\r\n"
                       "</setGeometry>\r\n", shuffled), 1);
    EXPECT_EQ(shuffled.lineSize.width, 0.5);
    EXPECT_EQ(shuffled.layer.layer, 9);
    EXPECT_EQ(shuffled.lineCap.capStyle, LineCapAttribute::kButt);
    EXPECT_EQ(shuffled.pattern.pitch1, 3.0);
    EXPECT_EQ(file.dataErrorCount, 2);

    // A block cut off ends the read with a failure, without a crash.
    for (size_t cut = 1; cut < bytes.size(); cut += 7) {
        LineDefaults partial;
        file.open(bytes.substr(0, cut));
        int id = 0;
        if (file.nextTag(id) && id == tag_id::setGeometry) {
            EXPECT_EQ(partial.readXml(file, tag_id::setGeometry), 0) << cut;
        }
    }
}

TEST(LineDefaults, ADrawingFileWithoutTheSectionLeavesTheCopiedRecord)
{
    TestApplication app;
    MessageBoxScript boxes;
    ApplicationRecord application;
    application.record.lineSize.width = 0.5;
    ScratchFolder scratch;
    const std::string head = "<?xml version=\"1.0\" encording=\"Shift_JIS\"?>\r\n<tesvanCADml>\r\n <header>\r\n";
    const std::string tail = " </header>\r\n</tesvanCADml>\r\n";
    const struct {
        const char* section;
        double width;
    } cases[] = {{"", 0.5}, {"  <setGeometry>\r\n   <lineSize>0.8</lineSize>\r\n  </setGeometry>\r\n", 0.8}};
    for (const auto& c : cases) {
        DefaultsDrawing d;
        const std::string path = scratch.file("d.ycx", head + c.section + tail);
        ASSERT_EQ(d.context.document->assign(path.c_str()), 1);
        XmlContextScope publish(d.context.document);
        EXPECT_EQ(d.context.document->read(), 1);
        EXPECT_EQ(d.record().lineSize.width, c.width);
    }
}
