// "テキスト設定", "寸法設定", "テキスト一括" and "寸法一括" on a drawing: what new texts, leader texts and
// dimensions take after OK, a face that is not installed, each unit's own label, which box a
// touched value ticks, and which selected elements a batch edit reaches.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/Element.h"
#include "document/UndoManager.h"
#include "geometry/LeanAttribute.h"
#include "resources/ids_text_measure_defaults.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/MeasureAttributes.h"
#include "tests/dialogs/defaults/DefaultsFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"

using namespace defaults_test;
using namespace property_test;

namespace {

using Command = int (DocumentContext::*)();
const Command kTextSettings = &DocumentContext::editTextDefaults;
const Command kTextBatch = &DocumentContext::batchEditText;
const Command kMeasureSettings = &DocumentContext::editMeasureDefaults;
const Command kMeasureBatch = &DocumentContext::batchEditMeasure;

int indexOf(const std::vector<std::string>& items, const std::string& item)
{
    const auto at = std::find(items.begin(), items.end(), item);
    return at == items.end() ? -1 : static_cast<int>(at - items.begin());
}

// An element of the kind drawn with the drawing's defaults; its id.
int drawWithDefaults(DefaultsDrawing& d, ElementKind kind)
{
    return d.addTextKind(kind, [](Element& e) { e.takeDefaultAttributes(); });
}

} // namespace

TEST(TextSettings, AMissingFaceStaysAndOkGivesNewTextsTheFontColourLeaderAndArrowHead)
{
    ApplicationRecord lines;
    ApplicationFontRecords application;
    application.text.font.setFaceName("Face Missing Here");
    application.text.fontInfo.setFaceName("Face Missing Here");
    DefaultsDrawing d;
    ChooserScript chooser;
    ChooserScript::colour = RGB(10, 20, 200);

    // Untouched: the face that is not installed is listed once, chosen, and kept.
    std::vector<std::string> faces;
    std::string chosen;
    EXPECT_EQ(d.run(kTextSettings, [&](HWND w) {
        chooseTab(w, 2);
        faces = itemsOf(w, IDC_TEXT_SET_FACE);
        chosen = textOf(w, IDC_TEXT_SET_FACE);
        finish(w, IDOK);
    }), 1);
    EXPECT_EQ(std::count(faces.begin(), faces.end(), "Face Missing Here"), 1);
    EXPECT_EQ(chosen, "Face Missing Here");
    EXPECT_STREQ(d.texts().font.faceName, "Face Missing Here");
    ASSERT_GE(faces.size(), 2u);

    std::string caption;
    EXPECT_EQ(d.run(kTextSettings, [&](HWND w) {
        caption = captionOf(w);
        chooseTab(w, 1);
        click(w, IDC_TEXT_SET_TEXT_COLOUR);
        chooseTab(w, 2); // 15084 and 15085 are lists here, no more swatches
        chooseItem(w, IDC_TEXT_SET_FACE, 0);
        chooseItem(w, IDC_TEXT_SET_STYLE, 3);
        type(w, IDC_TEXT_SET_SIZE, "5.5");
        chooseTab(w, 3);
        chooseItem(w, IDC_TEXT_SET_LEADER_STYLE, 2);
        type(w, IDC_TEXT_SET_LEADER_WIDTH, "0.3");
        chooseItem(w, IDC_TEXT_SET_ARROW_KIND, 5);
        finish(w, IDOK);
    }), 1);
    EXPECT_EQ(caption, "テキストの設定");
    EXPECT_EQ(ChooserScript::calls, 1);
    for (const TextDefaults* r : {&d.texts(), &application.text}) {
        EXPECT_EQ(r->font.faceName, faces.front());
        EXPECT_EQ(r->font.size, 5.5);
    }
    const int text = drawWithDefaults(d, ElementKind::Text);
    const int leader = drawWithDefaults(d, ElementKind::TextLine);
    for (int id : {text, leader}) {
        Element& e = d.stored(id);
        EXPECT_EQ(e.font()->faceName, faces.front());
        EXPECT_EQ(e.font()->style, FontAttributes::kBoldItalic);
        EXPECT_EQ(e.font()->size, 5.5);
        EXPECT_EQ(e.colour()->colorRef, RGB(10, 20, 200));
    }
    Element& e = d.stored(leader);
    EXPECT_EQ(e.arrowLine()->style, LineStyle::kDash);
    EXPECT_EQ(e.arrowLine()->width, 0.3);
    EXPECT_EQ(e.arrowHead()->kind, ArrowHeadStyle::kFillTriangle);
}

TEST(MeasureSettings, EachUnitKeepsItsLabelAndANewDimensionShowsTheRecordsLabel)
{
    ApplicationRecord lines;
    ApplicationFontRecords application;
    DefaultsDrawing d;
    MessageBoxScript boxes;
    std::vector<std::string> shown;
    std::string told;
    EXPECT_EQ(d.run(kMeasureSettings, [&](HWND w) {
        chooseTab(w, 3);
        const std::vector<std::string> units = itemsOf(w, IDC_MEASURE_SET_UNIT);
        const int mm = indexOf(units, UnitSettings::displayNameOf(1)), cm = indexOf(units, UnitSettings::displayNameOf(6));
        ASSERT_TRUE(mm >= 0 && cm >= 0);
        type(w, IDC_MEASURE_SET_UNIT_LABEL, "mm!");
        chooseItem(w, IDC_MEASURE_SET_UNIT, cm);
        shown.push_back(textOf(w, IDC_MEASURE_SET_UNIT_LABEL));
        type(w, IDC_MEASURE_SET_UNIT_LABEL, "cm!");
        chooseItem(w, IDC_MEASURE_SET_UNIT, mm);
        shown.push_back(textOf(w, IDC_MEASURE_SET_UNIT_LABEL));
        chooseItem(w, IDC_MEASURE_SET_UNIT, cm);
        shown.push_back(textOf(w, IDC_MEASURE_SET_UNIT_LABEL));
        type(w, IDC_MEASURE_SET_DECIMALS, "51");
        type(w, IDC_MEASURE_SET_ANGLE_LABEL, "deg");
        click(w, IDOK);
        told = boxes.texts();
        type(w, IDC_MEASURE_SET_DECIMALS, "0");
        finish(w, IDOK);
    }), 1);
    EXPECT_EQ(told, "小数点以下の桁数には0から50までの数値を入力して下さい。") << "51 decimals are named";
    const MeasureAttributes fresh;
    EXPECT_EQ(shown, (std::vector<std::string>{fresh.lengthUnit.labelAt(5), "mm!", "cm!"}));
    const MeasureAttributes& numeral = *d.measures().numeralValues;
    EXPECT_EQ(numeral.decimals, 0);
    EXPECT_STREQ(numeral.lengthUnit.labelAt(0), "mm!");
    EXPECT_STREQ(numeral.lengthUnit.labelAt(5), "cm!");
    EXPECT_EQ(application.measure.numeralValues->lengthUnit.unit(), 6);

    const int length = drawWithDefaults(d, ElementKind::Measure);
    const int angle = drawWithDefaults(d, ElementKind::AngleMeasure);
    char label[32] = {};
    ASSERT_EQ(d.stored(length).measure()->lengthLabel(label, sizeof label), 1);
    EXPECT_STREQ(label, "cm!");
    ASSERT_EQ(d.stored(angle).measure()->angleLabel(label, sizeof label), 1);
    EXPECT_STREQ(label, "deg");
    EXPECT_EQ(d.stored(length).font()->size, 4.0);
}

TEST(DefaultsBatch, TouchingAValueTicksItsBoxAndEveryRunOpensUnticked)
{
    struct Case {
        const char* what;
        Command command;
        int tab;
        std::function<void(HWND)> touch;
        std::vector<int> ticked; // among the page's boxes
    };
    const std::vector<int> textLineBoxes = {IDC_TEXT_TICK_LEADER_STYLE, IDC_TEXT_TICK_LEADER_WIDTH,
                                            IDC_TEXT_TICK_ARROW_KIND, IDC_TEXT_TICK_ARROW_SIZE};
    const std::vector<int> numeralBoxes = {IDC_MEASURE_TICK_UNIT, IDC_MEASURE_TICK_ANGLE_UNIT,
                                           IDC_MEASURE_TICK_SHOW_UNIT, IDC_MEASURE_TICK_DECIMALS};
    const Case cases[] = {
        {"a width typed as shown", kTextBatch, 3, [](HWND w) { type(w, IDC_TEXT_BATCH_LEADER_WIDTH, "0.14"); }, {}},
        {"another width", kTextBatch, 3, [](HWND w) { type(w, IDC_TEXT_BATCH_LEADER_WIDTH, "0.3"); },
         {IDC_TEXT_TICK_LEADER_WIDTH}},
        {"a leader style chosen", kTextBatch, 3, [](HWND w) { chooseItem(w, IDC_TEXT_BATCH_LEADER_STYLE, 1); },
         {IDC_TEXT_TICK_LEADER_STYLE}},
        {"a length unit chosen", kMeasureBatch, 3, [](HWND w) { chooseItem(w, IDC_MEASURE_BATCH_UNIT, 0); },
         {IDC_MEASURE_TICK_UNIT}},
        {"the unit switch clicked", kMeasureBatch, 3, [](HWND w) { tick(w, IDC_MEASURE_BATCH_SHOW_UNIT, false); },
         {IDC_MEASURE_TICK_SHOW_UNIT}},
        {"decimals typed with a sign", kMeasureBatch, 3, [](HWND w) { type(w, IDC_MEASURE_BATCH_DECIMALS, " +3"); },
         {IDC_MEASURE_TICK_DECIMALS}},
        {"decimals typed", kMeasureBatch, 3, [](HWND w) { type(w, IDC_MEASURE_BATCH_DECIMALS, "3"); },
         {IDC_MEASURE_TICK_DECIMALS}},
    };
    ApplicationRecord lines;
    ApplicationFontRecords application;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DefaultsDrawing d;
        const std::vector<int>& boxes = c.command == kTextBatch ? textLineBoxes : numeralBoxes;
        std::vector<int> ticked, reopened;
        for (int run = 0; run < 2; ++run) {
            EXPECT_EQ(d.run(c.command, [&](HWND w) {
                chooseTab(w, c.tab);
                std::vector<int>& seen = run == 0 ? ticked : reopened;
                if (run == 0)
                    c.touch(w);
                for (int box : boxes)
                    if (isTicked(w, box))
                        seen.push_back(box);
                finish(w, IDOK);
            }), 1);
        }
        EXPECT_EQ(ticked, c.ticked);
        EXPECT_TRUE(reopened.empty()) << "a batch dialog opens with nothing ticked";
    }
}

TEST(DefaultsBatch, OnlyTheTickedValueReachesTheSelectedElementsOfTheRecordsKinds)
{
    struct Case {
        const char* what;
        Command command;
        std::vector<ElementKind> served, other;
        std::function<void(HWND)> touch;
        std::function<bool(Element&)> changed;
    };
    const Case cases[] = {
        {"the rotation alone", kTextBatch, {ElementKind::Text, ElementKind::TextLine},
         {ElementKind::Measure, ElementKind::Box},
         [](HWND w) {
             chooseTab(w, 4);
             type(w, IDC_TEXT_BATCH_ROTATION, "30");
         },
         [](Element& e) { return e.lean() && e.lean()->angle == 30.0; }},
        {"the font size alone", kMeasureBatch, {ElementKind::Measure, ElementKind::AngleMeasure},
         {ElementKind::MsrRadius, ElementKind::Text},
         [](HWND w) {
             chooseTab(w, 2);
             type(w, IDC_MEASURE_BATCH_SIZE, "6");
         },
         [](Element& e) { return e.font() && e.font()->size == 6.0; }},
    };
    ApplicationRecord lines;
    ApplicationFontRecords application;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DefaultsDrawing d;
        std::vector<int> served, other, all;
        for (ElementKind kind : c.served)
            served.push_back(drawWithDefaults(d, kind));
        for (ElementKind kind : c.other)
            other.push_back(kind == ElementKind::Box ? d.draw(kind, [](Element& e) { e.secondPoint()->x = 20; })
                                                     : drawWithDefaults(d, kind));
        all = served;
        all.insert(all.end(), other.begin(), other.end());
        d.select(all);
        const int records = d.context.undoManager->recordCount();
        EXPECT_EQ(d.run(c.command, [&](HWND w) {
            c.touch(w);
            finish(w, IDOK);
        }), 1);
        EXPECT_EQ(d.context.undoManager->recordCount(), records + 1);
        for (int id : served) {
            Element& e = d.stored(id);
            EXPECT_TRUE(c.changed(e)) << e.kind;
            EXPECT_EQ(e.colour() ? e.colour()->colorRef : 0u, 0u) << "nothing else changes";
        }
        for (int id : other)
            EXPECT_FALSE(c.changed(d.stored(id))) << id;
    }
}
