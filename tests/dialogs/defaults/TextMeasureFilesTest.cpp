// The text and measure records in their files: every value of randomised records reads back equal
// from the drawing file's header ("setText", "setMeasure") and from the settings file ("SETTEXT",
// "SETMEASURE", with and without the ink keys), the keys come in their order, the texts' leader is
// written without gap and overshoot, and cut-off or strange header sections keep what they cannot
// take.
#include <random>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/MeasureDefaults.h"
#include "document/TextDefaults.h"
#include "geometry/TagIds.h"
#include "platform/Application.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/MeasureAttributes.h"
#include "tests/dialogs/defaults/DefaultsFixture.h"
#include "tests/support/AttributeFile.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

struct Random {
    explicit Random(unsigned seed) : engine(seed) {}
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
    // Hundredths: what a user types, and what every file keeps exactly.
    double hundredths(int low, int high) { return pick(low * 100, high * 100) / 100.0; }
    std::string text(int most)
    {
        static const char* const pieces[] = {"a", "Z", "7", " ", "ミ", "書", "ｶ"};
        std::string s;
        for (int n = pick(1, most); static_cast<int>(s.size()) + 2 <= n;)
            s += pieces[pick(0, 6)];
        return s;
    }
    std::mt19937 engine;
};

// Under colour model 2 a colour is kept as ink percentages, its RGB following them.
void randomColour(InkColor& c, Random& r)
{
    const int inks = theApplication && theApplication->colorModel == 2;
    if (!inks) {
        c.setRgbAndInks(r.pick(0, 255), r.pick(0, 255), r.pick(0, 255));
        return;
    }
    c.setInkValues(r.pick(0, 100), r.pick(0, 100), r.pick(0, 100), r.pick(0, 100));
    // The plates' marks count (and are kept) only while the colour overprints.
    c.overprint = r.pick(0, 1);
    for (int& mark : c.plateMarks)
        mark = c.overprint ? r.pick(0, 1) : 0;
    c.inkNumber = r.pick(1, 6);
}

std::string describe(const InkColor& c, int inks)
{
    std::string s = std::to_string(c.colorRef);
    if (inks) {
        s += " " + std::to_string(c.overprint) + " " + std::to_string(c.inkNumber);
        for (int i = 0; i < 4; ++i)
            s += "," + std::to_string(c.inks[i]);
        for (int mark : c.plateMarks)
            s += std::to_string(mark);
    }
    return s + "|";
}

void randomFont(FontDefaultsBase& f, Random& r)
{
    f.font.setFaceName(("Face " + r.text(60)).c_str());
    f.fontInfo.setFaceName(f.font.faceName);
    f.font.style = f.fontInfo.style = r.pick(1, 4);
    f.font.size = r.hundredths(1, 200);
}

void randomLeader(DrawLineAttribute& l, ArrowHeadStyle& a, Random& r)
{
    l.style = r.pick(0, 8); // 0: "なし"
    l.width = r.hundredths(0, 5);
    l.space = r.hundredths(0, 20);
    l.over = r.hundredths(0, 20);
    randomColour(l.colour, r);
    a.kind = static_cast<unsigned>(r.pick(0, 7));
    a.lineSize = r.hundredths(0, 5);
    a.length = r.hundredths(0, 30);
    a.lean = r.hundredths(-90, 90);
    randomColour(a.colour, r);
}

void randomise(TextDefaults& t, Random& r)
{
    t.layer.layer = r.pick(0, 255);
    for (InkColor* c : {&t.textColor, &t.drawColor, &t.arrowColor})
        randomColour(*c, r);
    randomFont(t, r);
    randomLeader(t.drawLine, *t.arrowLine, r);
}

void randomise(MeasureDefaults& m, Random& r)
{
    m.layer.layer = r.pick(0, 255);
    for (InkColor* c : {&m.textColor, &m.ulineColor, &m.drawColor, &m.arrowColor})
        randomColour(*c, r);
    randomFont(m, r);
    MeasureAttributes& n = *m.numeralValues;
    n.decimals = r.pick(0, 50);
    n.numeralPosition = r.pick(1, 2);
    const int lengthUnits[] = {1, 5, 6, 7};
    ASSERT_EQ(n.lengthUnit.setUnit(lengthUnits[r.pick(0, 3)]), 1);
    for (int unit = 1; unit <= 8; ++unit)
        ASSERT_EQ((unit < 8 ? n.lengthUnit : n.angleUnit).setLabel(unit, r.text(19).c_str()), 1);
    n.unitDisplay.value = r.pick(0, 1);
    n.direction = r.pick(1, 4);
    n.space = r.hundredths(0, 10);
    randomColour(n.numeralColour, r);
    m.underLine.style = r.pick(0, 3);
    m.underLine.penWidth = r.hundredths(0, 5);
    randomColour(m.underLine.colour, r);
    randomLeader(m.drawLine, *m.arrowLine, r);
}

// What a form of a file keeps of a record: the header keeps every colour (as ink percentages under
// colour model 2) and the labels of the units the lists offer; the settings keep the colours apart
// (with their inks under colour model 2), every label, the underline's width only, and the leader
// and arrow head without their colours; the texts' header has no gap or overshoot.
enum Form { kHeader, kHeaderWithInks, kSettings, kSettingsWithInks };
int isHeader(Form f) { return f == kHeader || f == kHeaderWithInks; }
int withInks(Form f) { return f == kHeaderWithInks || f == kSettingsWithInks; }

std::string describeLeader(const DrawLineAttribute& l, const ArrowHeadStyle& a, Form form, int withGaps)
{
    std::string s = std::to_string(l.style) + " " + std::to_string(l.width) + " ";
    if (withGaps)
        s += std::to_string(l.space) + " " + std::to_string(l.over) + " ";
    s += std::to_string(a.kind) + " " + std::to_string(a.lineSize) + " " + std::to_string(a.length) + " " +
         std::to_string(a.lean) + "|";
    if (isHeader(form))
        s += describe(l.colour, withInks(form)) + describe(a.colour, withInks(form));
    return s;
}

std::string describeFont(const FontDefaultsBase& f)
{
    return std::string(f.font.faceName) + "/" + f.fontInfo.getFaceName() + " " + std::to_string(f.font.style) + " " +
           std::to_string(f.fontInfo.style) + " " + std::to_string(f.font.size) + "|";
}

std::string describe(const TextDefaults& t, Form form)
{
    const int inks = withInks(form);
    return std::to_string(t.layer.layer) + "|" + describe(t.textColor, inks) + describe(t.drawColor, inks) +
           describe(t.arrowColor, inks) + describeFont(t) + describeLeader(t.drawLine, *t.arrowLine, form, !isHeader(form));
}

std::string describe(const MeasureDefaults& m, Form form)
{
    const int inks = withInks(form);
    const MeasureAttributes& n = *m.numeralValues;
    std::string s = std::to_string(m.layer.layer) + "|" + describe(m.textColor, inks) + describe(m.ulineColor, inks) +
                    describe(m.drawColor, inks) + describe(m.arrowColor, inks) + describeFont(m);
    s += std::to_string(n.decimals) + " " + std::to_string(n.numeralPosition) + " " +
         std::to_string(n.lengthUnit.unit()) + " " + std::to_string(n.angleUnit.unit()) + " " +
         std::to_string(n.unitDisplay.value) + " " + std::to_string(n.direction) + " " + std::to_string(n.space);
    for (int unit = 1; unit <= 8; ++unit)
        if (!isHeader(form) || n.lengthUnit.indexOfChoice(unit) >= 0 || unit == 8)
            s += std::string(",") + (unit < 8 ? n.lengthUnit : n.angleUnit).labelAt(unit - 1);
    s += "|" + std::to_string(m.underLine.penWidth);
    if (isHeader(form))
        s += " " + std::to_string(m.underLine.style) + describe(m.underLine.colour, inks) +
             describe(n.numeralColour, inks);
    return s + describeLeader(m.drawLine, *m.arrowLine, form, 1);
}

// A settings file that also knows the text colour's keys, for the record's section.
template <typename Record> FakeSettingsFile settingsFile()
{
    const bool text = static_cast<int>(Record::kSection) == static_cast<int>(TextDefaults::kSection);
    FakeSettingsFile file = defaults_test::recordSettingsFile(Record::kSection, text ? "SETTEXT" : "SETMEASURE");
    const char* textKeys[] = {"TEXTCOLOR", "TEXTCMYK", "TEXTNOSE", "TEXTUSEINK"};
    for (int i = 0; i < 4; ++i)
        file.registerKey(15211 + i, textKeys[i]);
    return file;
}

template <typename Record> std::string writtenSettings(const Record& record)
{
    FakeSettingsFile file = settingsFile<Record>();
    EXPECT_EQ(record.saveSettings(file), 1);
    return file.text;
}

template <typename Record> void readSettings(const std::string& text, Record& into)
{
    FakeSettingsFile file = settingsFile<Record>();
    file.text = text + "[GRID]\r\n";
    ASSERT_EQ(file.readKey(), 1); // the section line
    EXPECT_EQ(into.loadSettings(file), 1);
    EXPECT_EQ(file.currentId(), 15040) << "the next section was reached";
}

template <typename Record> std::string writtenHeader(AttributeFile& file, Record& record)
{
    return file.write([&](Document& d) { EXPECT_EQ(record.writeXml(d), 1); });
}

template <typename Record> int readHeader(AttributeFile& file, const std::string& bytes, int tag, Record& into)
{
    file.open(bytes);
    int id = 0;
    if (!file.nextTag(id) || id != tag)
        return -1;
    return into.readXml(file, tag);
}

const std::vector<std::string> kMeasureKeys = {
    "LAYERNO",    "TEXTCOLOR",   "ULINECOLOR",  "DRAWCOLOR",   "ARROWCOLOR", "FONTNAME",  "FONTSTYLE",
    "FONTSIZE",   "DECIMALNUM",  "NUMERALPOS",  "MSRUNIT",     "KDOUNIT",    "UNITDISP",  "ANGLETYPE",
    "NUMERALSPACE", "MIRITEXT",  "INCHITEXT",   "KYUTEXT",     "POINTTEXT",  "MICRONTEXT", "CENTITEXT",
    "METRETEXT",  "DEGREETEXT",  "ULINELSIZE",  "DRAWLSTYLE",  "DRAWLSIZE",  "DRAWSPACE", "DRAWOVER",
    "ARROWSTYLE", "ARROWLSIZE",  "ARROWLENGTH", "ARROWLEAN"};
const std::vector<std::string> kMeasureInkKeys = {"TEXTCMYK",   "TEXTNOSE",   "TEXTUSEINK", "ULINECMYK",
                                                  "ULINENOSE",  "ULINEUSEINK", "DRAWCMYK",  "DRAWNOSE",
                                                  "DRAWUSEINK", "ARROWCMYK",   "ARROWNOSE", "ARROWUSEINK"};

} // namespace

TEST(TextMeasureFiles, RandomisedRecordsReadBackEqualFromTheHeaderAndTheSettingsInTheirKeyOrder)
{
    TestApplication app;
    MessageBoxScript boxes;
    AttributeFile header;
    Random r(51);
    for (int model : {0, 2}) {
        ScopedOverride colours(app->colorModel, model);
        const Form settingsForm = model == 2 ? kSettingsWithInks : kSettings;
        const Form headerForm = model == 2 ? kHeaderWithInks : kHeader;
        for (int round = 0; round < 25; ++round) {
            SCOPED_TRACE("model " + std::to_string(model) + " round " + std::to_string(round));
            TextDefaults text, textBack, textFromSettings;
            MeasureDefaults measure, measureBack, measureFromSettings;
            randomise(text, r);
            randomise(measure, r);

            // The settings first: writing the header switches the texts' leader gaps off.
            const std::string textKeys = writtenSettings(text);
            readSettings(textKeys, textFromSettings);
            EXPECT_EQ(describe(textFromSettings, settingsForm), describe(text, settingsForm));
            const std::string measureKeys = writtenSettings(measure);
            readSettings(measureKeys, measureFromSettings);
            EXPECT_EQ(describe(measureFromSettings, settingsForm), describe(measure, settingsForm));
            const std::string textBytes = writtenHeader(header, text);
            ASSERT_EQ(readHeader(header, textBytes, tag_id::setText, textBack), 1);
            EXPECT_EQ(describe(textBack, headerForm), describe(text, headerForm));
            EXPECT_EQ(writtenHeader(header, text), textBytes) << "written twice alike";
            const std::regex leader("<drawLine>[^]*</drawLine>");
            std::smatch found;
            ASSERT_TRUE(std::regex_search(textBytes, found, leader));
            EXPECT_EQ(found.str().find("<space>"), std::string::npos);
            EXPECT_EQ(found.str().find("<over>"), std::string::npos);
            const std::string measureBytes = writtenHeader(header, measure);
            ASSERT_EQ(readHeader(header, measureBytes, tag_id::setMeasure, measureBack), 1);
            EXPECT_EQ(describe(measureBack, headerForm), describe(measure, headerForm));

            if (round > 0)
                continue;
            std::vector<std::string> keys = kMeasureKeys;
            if (model == 2)
                keys.insert(keys.begin() + 5, kMeasureInkKeys.begin(), kMeasureInkKeys.end());
            EXPECT_EQ(defaults_test::keysOf(measureKeys), keys);
            std::vector<std::string> textKeyOrder = {"LAYERNO",    "TEXTCOLOR",  "DRAWCOLOR",   "ARROWCOLOR",
                                                     "FONTNAME",   "FONTSTYLE",  "FONTSIZE",    "DRAWLSTYLE",
                                                     "DRAWLSIZE",  "DRAWSPACE",  "DRAWOVER",    "ARROWSTYLE",
                                                     "ARROWLSIZE", "ARROWLENGTH", "ARROWLEAN"};
            if (model == 2)
                textKeyOrder.insert(textKeyOrder.begin() + 4, {"TEXTCMYK", "TEXTNOSE", "TEXTUSEINK", "DRAWCMYK",
                                                               "DRAWNOSE", "DRAWUSEINK", "ARROWCMYK", "ARROWNOSE",
                                                               "ARROWUSEINK"});
            EXPECT_EQ(defaults_test::keysOf(textKeys), textKeyOrder);
        }
    }
    // Both records start at 4 mm; a size is written as typed.
    TextDefaults fresh;
    MeasureDefaults freshMeasure;
    EXPECT_EQ(fresh.font.size, 4.0);
    EXPECT_EQ(freshMeasure.font.size, 4.0);
    fresh.font.size = 2.3;
    EXPECT_NE(writtenSettings(fresh).find("FONTSIZE=2.3\r\n"), std::string::npos);
}

TEST(TextMeasureFiles, CutOrStrangeHeaderSectionsFailOrPassOverWithoutLosingWhatWasRead)
{
    TestApplication app;
    MessageBoxScript boxes;
    AttributeFile file;
    Random r(7);
    MeasureDefaults written;
    randomise(written, r);
    const std::string bytes = writtenHeader(file, written);
    for (size_t cut = 1; cut < bytes.size(); cut += 5) {
        MeasureDefaults partial;
        EXPECT_NE(readHeader(file, bytes.substr(0, cut), tag_id::setMeasure, partial), 1) << cut;
    }
    TextDefaults odd;
    EXPECT_EQ(readHeader(file,
                         "<setText>\r\n <mystery>\r\n  <inner>9</inner>\r\n </mystery>\r\n <layer>300</layer>\r\n <drawLine>\r\n  <lineSize>-2</lineSize>\r\n"
                         " </drawLine>\r\n <layer>8</layer>\r\n</setText>\r\n",
                         tag_id::setText, odd),
              1);
    EXPECT_EQ(odd.layer.layer, 8);
    EXPECT_EQ(odd.drawLine.width, 0.14) << "a width no leader can have is a data error";
    EXPECT_EQ(file.dataErrorCount, 2);
}
