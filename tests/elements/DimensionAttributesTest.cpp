// The arrow-head style and the dimension attributes: defaults, scaling, the record, the drawing
// file (element and defaults form, read through the document's attribute holder), the settings
// keys and the dialog fields.
#include <cmath>
#include <gtest/gtest.h>
#include <string>

#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"
#include "platform/ControlKinds.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/MeasureAttributes.h"
#include "tests/shapes/ShapeTestDrawing.h"
#include "tests/support/AttributeFile.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/RecordingDialog.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

namespace {

// The drawing file read into the base element, the attribute holder every drawing reads with.
class HolderFile : public AttributeFile {
public:
    Element& element() { return *attributeHolder(); }
    ArrowHeadStyle& arrow() { return *element().arrowHead(); }
    MeasureAttributes& numeral() { return *element().measure(); }

protected:
    Element* makeAttributeHolder() override { return Document::makeAttributeHolder(); }
};

std::string bytesOf(ElementRecordBuffer& buffer)
{
    std::string bytes(static_cast<size_t>(buffer.count), '\0');
    buffer.rewind();
    EXPECT_EQ(buffer.getBytes(&bytes[0], buffer.count), 1);
    return bytes;
}

void fill(ElementRecordBuffer& buffer, const std::string& bytes)
{
    buffer.rewind();
    buffer.count = 0;
    EXPECT_EQ(buffer.putBytes(bytes.data(), static_cast<int>(bytes.size())), 1);
    buffer.rewind();
}

std::string settingsOf(const MeasureAttributes& m, const ArrowHeadStyle& a)
{
    FakeSettingsFile file;
    file.registerAttributeKeys();
    EXPECT_EQ(m.writeSettings(file), 1);
    EXPECT_EQ(a.writeSetting(file), 1);
    return file.text;
}

// Reads every key line of `text` into the two objects; the result of each line in order.
std::string readSettings(const std::string& text, MeasureAttributes& m, ArrowHeadStyle& a)
{
    FakeSettingsFile file;
    file.registerAttributeKeys();
    file.text = text;
    std::string results;
    while (file.readKey()) {
        const int id = file.currentId();
        results += static_cast<char>('0' + (id >= 15461 ? a.readSetting(file) : m.readSetting(file)));
    }
    return results;
}

} // namespace

TEST(DimensionDefaults, NewValuesWriteTheirDefaultsAndReadBackEqual)
{
    MeasureAttributes numeral;
    ArrowHeadStyle arrow;
    EXPECT_EQ(arrow.kind, ArrowHeadStyle::kArrow);
    EXPECT_EQ(arrow.lineSize, 0.14);
    EXPECT_EQ(arrow.length, 3.5);
    EXPECT_EQ(arrow.lean, 20.0);

    HolderFile file;
    const std::string defaults = file.write([&](Document& d) {
        EXPECT_EQ(numeral.writeXml(&d), 1);
        EXPECT_EQ(arrow.writeXml(&d), 1);
    });
    for (const char* part : {"<decimalNum>0</decimalNum>", "<numeralPos>\"CENTER\"</numeralPos>", "<unit>\"MIRI\"</unit>",
                             "<angleUnit>\"DEGREE\"</angleUnit>", "<unitDisp>\"ON\"</unitDisp>",
                             "<angleType>\"RIGHT\"</angleType>", "<space>1</space>", "<style>\"ARROW\"</style>",
                             "<lineSize>0.14</lineSize>", "<length>3.5</length>", "<lean>20</lean>"})
        EXPECT_NE(defaults.find(part), std::string::npos) << part << "\n" << defaults;
    EXPECT_NE(defaults.find("<miriText>"), std::string::npos) << "the defaults form carries the labels";

    const std::string lines = settingsOf(numeral, arrow);
    for (const char* line : {"DECIMALNUM=0\r\n", "NUMERALPOS=\"CENTER\"\r\n", "UNITDISP=TRUE\r\n", "NUMERALSPACE=1\r\n",
                             "ARROWSTYLE=\"ARROW\"\r\n", "ARROWLSIZE=0.14\r\n", "ARROWLENGTH=3.5\r\n", "ARROWLEAN=20\r\n"})
        EXPECT_NE(lines.find(line), std::string::npos) << line << "\n" << lines;

    // Changed values read back equal, from the settings and from the file.
    numeral.decimals = 3, numeral.direction = MeasureAttributes::kVertical, numeral.space = 0.3;
    numeral.numeralPosition = MeasureAttributes::kFree;
    ASSERT_EQ(numeral.setLengthUnit(6), 1);
    ASSERT_EQ(numeral.setLengthLabel("cm!"), 1);
    arrow.kind = ArrowHeadStyle::kFillArc, arrow.lineSize = 0.3, arrow.length = 2.3, arrow.lean = 12.5;
    MeasureAttributes numeralRead;
    ArrowHeadStyle arrowRead;
    const std::string results = readSettings(settingsOf(numeral, arrow), numeralRead, arrowRead);
    EXPECT_EQ(results.find('0'), std::string::npos) << results;
    EXPECT_EQ(settingsOf(numeralRead, arrowRead), settingsOf(numeral, arrow));

    const std::string element = file.write([&](Document& d) {
        ASSERT_EQ(d.beginIo(), 1);
        EXPECT_EQ(numeral.writeElementXml(&d, 1), 1);
        EXPECT_EQ(arrow.writeXmlThroughDocument(&d), 1);
    });
    EXPECT_EQ(element.find("<angleUnit>"), std::string::npos) << "a length dimension names its length unit";
    file.open(element);
    ASSERT_EQ(file.readIntoHolder(), 1) << element;
    EXPECT_EQ(file.numeral().decimals, 3);
    EXPECT_EQ(file.numeral().space, 0.3);
    EXPECT_EQ(file.numeral().lengthUnitId(), 6);
    EXPECT_EQ(file.numeral().numeralPosition, MeasureAttributes::kFree);
    EXPECT_EQ(file.arrow().kind, ArrowHeadStyle::kFillArc);
    EXPECT_EQ(file.arrow().length, 2.3);
    EXPECT_EQ(file.arrow().lean, 12.5);
}

// Bit value 1 scales the gap and the arrow sizes, each kept only strictly inside (0.001, 100).
TEST(DimensionScale, OnlyBitOneAndOnlyStrictlyInsideTheRange)
{
    struct Case {
        double value, factor;
        int flags;
        double expected;
    } cases[] = {
        {1.0, 200.0, 1, 1.0}, {1.0, 0.5, 1, 0.5},   {60.0, 2.0, 1, 60.0},    {3.5, 2.0, 1, 7.0},
        {3.5, 2.0, 0, 3.5},   {3.5, 2.0, 2, 3.5},   {50.0, 2.0, 1, 50.0},    {0.01, 0.1, 1, 0.01},
        {0.5, 0.3, 3, 0.15},
    };
    for (const Case& c : cases) {
        MeasureAttributes numeral;
        numeral.space = c.value;
        numeral.scale(c.factor, c.flags);
        EXPECT_DOUBLE_EQ(numeral.space, c.expected) << c.value << " x " << c.factor << " flags " << c.flags;
        ArrowHeadStyle arrow;
        arrow.lineSize = c.value;
        arrow.length = c.value;
        arrow.scale(c.factor, c.flags);
        EXPECT_DOUBLE_EQ(arrow.lineSize, c.expected);
        EXPECT_DOUBLE_EQ(arrow.length, c.expected);
        EXPECT_EQ(arrow.lean, 20.0) << "the lean is never scaled";
    }
    ArrowHeadStyle mixed;
    mixed.lineSize = 60.0;
    mixed.scale(2.0, 1);
    EXPECT_EQ(mixed.lineSize, 60.0);
    EXPECT_EQ(mixed.length, 7.0) << "each size on its own";
}

TEST(DimensionFile, ReadingKeepsWhatItCannotTake)
{
    MessageBoxScript boxes;
    HolderFile file;
    file.open("<numeral><numeralPos>\"FREE\"</numeralPos></numeral>\r\n"
              "<numeral><decimalNum>4</decimalNum><numeralPos>\"LEFT\"</numeralPos><space>2.5</space>"
              "<decimalNum>51</decimalNum><angleType>\"SIDEWAYS\"</angleType></numeral>\r\n"
              "<numeral><decimalNum>-1</decimalNum><angleType>\"VERTICAL\"</angleType>"
              "<kyuText>\"" + std::string(80, 'Q') + "\"</kyuText></numeral>\r\n"
              "<arrowLine><style>\"FRAMEARC\"</style><lean>30</lean><length>4</length></arrowLine>\r\n"
              "<arrowLine><style>\"arrow\"</style><length>5</length></arrowLine>\r\n"
              "<line><layer>2</layer></line>\r\n");
    ASSERT_EQ(file.readIntoHolder(), 1);
    MeasureAttributes& numeral = file.numeral();
    EXPECT_EQ(numeral.numeralPosition, MeasureAttributes::kFree) << "LEFT keeps the value";
    EXPECT_EQ(numeral.space, 2.5) << "the tags after a bad keyword are read";
    EXPECT_EQ(numeral.decimals, 4) << "51 and -1 are ignored";
    EXPECT_EQ(numeral.direction, MeasureAttributes::kVertical);
    char label[40];
    ASSERT_EQ(numeral.lengthLabelOf(3, label, sizeof label), 1);
    EXPECT_EQ(std::string(label), std::string(19, 'Q'));
    ArrowHeadStyle& arrow = file.arrow();
    EXPECT_EQ(arrow.kind, ArrowHeadStyle::kFrameArc) << "\"arrow\" is no keyword: the kind stays";
    EXPECT_EQ(arrow.length, 5.0);
    EXPECT_EQ(arrow.lean, 30.0) << "a block without a lean keeps the lean";
    EXPECT_EQ(file.dataErrorCount, 3);
    EXPECT_EQ(boxes.shown().size(), 1u) << "one message for the whole file";

    // The holder is not reset between elements: the line section after the blocks, which has
    // none of its own, finds the style the last block left (the lean checked above).

    ElementRecordBuffer buffer;
    EXPECT_EQ(numeral.exchangeRecord(2, buffer), 0);
    EXPECT_EQ(arrow.exchangeRecord(2, buffer), 0);
    EXPECT_EQ(buffer.count, 0);
}

// Every truncation of the two blocks reads without fault and leaves each value either as it was
// or as the file gave it.
TEST(DimensionFile, EveryTruncationKeepsTheEarlierValues)
{
    HolderFile file;
    MeasureAttributes numeral;
    numeral.decimals = 2, numeral.space = 4.0;
    ArrowHeadStyle arrow;
    arrow.kind = ArrowHeadStyle::kFillTriangle, arrow.length = 6.0, arrow.lean = 33.0;
    arrow.colour.setRgb(1, 2, 3);
    const std::string whole = file.write([&](Document& d) {
        ASSERT_EQ(d.beginIo(), 1);
        EXPECT_EQ(numeral.writeElementXml(&d, 2), 1);
        EXPECT_EQ(arrow.writeXmlThroughDocument(&d), 1);
    });
    MessageBoxScript boxes;
    for (size_t n = 0; n < whole.size(); ++n) {
        file.open(whole.substr(0, n));
        (void)file.readIntoHolder(); // a cut file may or may not fail; it must not fault
        const MeasureAttributes& m = file.numeral();
        const ArrowHeadStyle& a = file.arrow();
        EXPECT_TRUE(m.decimals == 0 || m.decimals == 2) << n;
        EXPECT_TRUE(m.space == 1.0 || m.space == 4.0) << n;
        EXPECT_TRUE(a.kind == ArrowHeadStyle::kArrow || a.kind == ArrowHeadStyle::kFillTriangle) << n;
        EXPECT_TRUE(a.length == 3.5 || a.length == 6.0) << n;
        EXPECT_TRUE(a.lean == 20.0 || a.lean == 33.0) << n;
    }
}

TEST(DimensionRecord, UnitsLabelsAndColoursSurviveAndCutRecordsChangeNothing)
{
    MeasureAttributes numeral;
    numeral.decimals = 7, numeral.space = 0.25, numeral.direction = MeasureAttributes::kHorizontal;
    ASSERT_EQ(numeral.setLengthUnit(7), 1);
    ASSERT_EQ(numeral.setLengthLabel("ｍ長"), 1);
    ASSERT_EQ(numeral.angleUnit.setLabel(8, "°"), 1);
    numeral.angleUnit.currentUnit = 8;
    numeral.setUnitDisplay(0);
    ArrowHeadStyle arrow;
    arrow.kind = ArrowHeadStyle::kLeftArrow, arrow.lineSize = 0.2, arrow.length = 1.5, arrow.lean = 15.0;
    ElementRecordBuffer buffer;
    ASSERT_EQ(numeral.exchangeRecord(1, buffer), 1);
    ASSERT_EQ(arrow.exchangeRecord(1, buffer), 1);
    const std::string record = bytesOf(buffer);

    MeasureAttributes numeralRead;
    ArrowHeadStyle arrowRead;
    buffer.rewind();
    ASSERT_EQ(numeralRead.exchangeRecord(3, buffer), 1);
    ASSERT_EQ(arrowRead.exchangeRecord(3, buffer), 1);
    char label[20];
    ASSERT_EQ(numeralRead.lengthLabel(label, sizeof label), 1);
    EXPECT_EQ(std::string(label), "ｍ長");
    ASSERT_EQ(numeralRead.angleLabel(label, sizeof label), 1);
    EXPECT_EQ(std::string(label), "°");
    EXPECT_EQ(numeralRead.lengthUnitId(), 7);
    EXPECT_EQ(numeralRead.unitDisplay.value, 0);
    EXPECT_EQ(numeralRead.space, 0.25);
    EXPECT_EQ(arrowRead.kind, ArrowHeadStyle::kLeftArrow);
    EXPECT_EQ(arrowRead.lean, 15.0);

    // Every cut record fails and changes nothing.
    for (size_t n = 0; n < record.size(); ++n) {
        MeasureAttributes m;
        ArrowHeadStyle a;
        fill(buffer, record.substr(0, n));
        const int first = m.exchangeRecord(3, buffer);
        if (first) {
            EXPECT_EQ(a.exchangeRecord(3, buffer), 0) << n;
        }
        if (!first) {
            EXPECT_EQ(m.decimals, 0) << n;
        }
        EXPECT_EQ(a.kind, ArrowHeadStyle::kArrow) << n;
    }
    // A label count running past the end, a count above 19 and 51 decimals.
    std::string corrupt = record;
    const size_t labelsAt = 4 + 4 + 4 + 2 + 4 + 8 + 52 + 4;
    corrupt[labelsAt] = 19;
    fill(buffer, corrupt.substr(0, labelsAt + 5));
    MeasureAttributes kept;
    EXPECT_EQ(kept.exchangeRecord(3, buffer), 0);
    corrupt = record;
    corrupt[labelsAt] = 40;
    fill(buffer, corrupt);
    EXPECT_EQ(kept.exchangeRecord(3, buffer), 0);
    EXPECT_EQ(kept.space, 1.0);
    corrupt = record;
    corrupt[0] = 51;
    fill(buffer, corrupt);
    kept.decimals = 5;
    ASSERT_EQ(kept.exchangeRecord(3, buffer), 1);
    EXPECT_EQ(kept.decimals, 5) << "51 decimals are ignored, the rest is read";
    EXPECT_EQ(kept.space, 0.25);

    // The arrow-head colour takes the whole colour but the model; the length follows the paper.
    InkColor spot;
    spot.model = 3;
    spot.setInkValues(10, 20, 30, 40);
    spot.inkNumber = 4;
    spot.overprint = 1;
    ArrowHeadStyle coloured;
    coloured.colour.model = 1;
    coloured.setColour(spot);
    EXPECT_EQ(coloured.colour.model, 1);
    EXPECT_EQ(coloured.colour.inkNumber, 4);
    EXPECT_EQ(coloured.colour.overprint, 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(coloured.colour.inks[i], spot.inks[i]) << i;
    EXPECT_EQ(coloured.colour.colorRef, spot.colorRef);
    EXPECT_EQ(coloured.scaledLength(), 3.5) << "without an owner";
    shape_test::ShapeDrawing drawing;
    drawing.setScale(1, 50);
    coloured.owner = &drawing.context;
    EXPECT_EQ(coloured.scaledLength(), 175.0);
}

TEST(DimensionSettings, BadValuesChangeNothingElse)
{
    struct Case {
        const char* line;
        const char* results;
    } cases[] = {
        {"DECIMALNUM=\r\n", "0"},
        {"DECIMALNUM=999999999999\r\n", "0"},
        {"DECIMALNUM=51\r\nDECIMALNUM=-1\r\n", "11"},
        {"ARROWLENGTH=abc\r\n", "0"},
        {"ARROWLSIZE=nan\r\nARROWLEAN=\r\n", "00"},
        {"ARROWSTYLE=\"arrow\"\r\n", "0"},
        {"NUMERALPOS=\"LEFT\"\r\nANGLETYPE=\"UP\"\r\n", "00"},
        {"NUMERALSPACE=1e999\r\n", "0"},
    };
    for (const Case& c : cases) {
        MeasureAttributes numeral;
        ArrowHeadStyle arrow;
        const std::string before = settingsOf(numeral, arrow);
        EXPECT_EQ(readSettings(c.line, numeral, arrow), c.results) << c.line;
        EXPECT_EQ(settingsOf(numeral, arrow), before) << c.line;
    }
    // A 300-byte label keeps 19 bytes, cut before a character that would not fit.
    MeasureAttributes numeral;
    ArrowHeadStyle arrow;
    std::string label = "a";
    for (int i = 0; i < 150; ++i)
        label += "あ";
    EXPECT_EQ(readSettings("CENTITEXT=\"" + label + "\"\r\nDEGREETEXT=\"" + label + "\"\r\n", numeral, arrow), "11");
    char text[40];
    ASSERT_EQ(numeral.lengthLabelOf(6, text, sizeof text), 1);
    EXPECT_EQ(std::string(text), label.substr(0, 19));
    ASSERT_EQ(numeral.angleLabel(text, sizeof text), 1);
    EXPECT_EQ(std::string(text), label.substr(0, 19));
}

class DimensionDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.onEvent = [this](int event) {
            if (event == DLG_INIT) {
                EXPECT_EQ(dialog.addControl(IDC_ATTR_LIST, KIND_COMBO_BOX), 1);
                EXPECT_EQ(dialog.addControl(IDC_ATTR_REAL, KIND_REAL_EDIT), 1);
                EXPECT_EQ(dialog.addControl(IDC_ATTR_INTEGER, KIND_INTEGER_EDIT), 1);
                EXPECT_EQ(dialog.addControl(IDC_ATTR_CHECK, KIND_CHECK_BUTTON), 1);
                dialog.attachControls();
            }
            return RecordingModeless::kNotAnswered;
        };
        ASSERT_EQ(dialog.create(IDD_TEST_ATTRIBUTES), 1);
    }
    void TearDown() override { dialog.destroy(); }
    LRESULT send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendDlgItemMessageA(dialog.hwnd, id, message, wParam, lParam);
    }
    std::string listText(int index)
    {
        char text[64] = {};
        send(IDC_ATTR_LIST, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return text;
    }
    void type(int id, const char* text) { SetDlgItemTextA(dialog.hwnd, id, text); }

    TestApplication app;
    RecordingModeless dialog;
};

TEST_F(DimensionDialog, ListsNumbersAndLabelsGoBothWays)
{
    ArrowHeadStyle arrow;
    ASSERT_EQ(arrow.fillKindList(&dialog, IDC_ATTR_LIST), 1);
    ASSERT_EQ(send(IDC_ATTR_LIST, CB_GETCOUNT), 8);
    EXPECT_EQ(listText(0), "なし");
    EXPECT_EQ(listText(4), "枠３角");
    EXPECT_EQ(listText(7), "黒丸");
    arrow.kind = ArrowHeadStyle::kNone;
    ASSERT_EQ(arrow.showKind(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(send(IDC_ATTR_LIST, CB_GETCURSEL), 0);
    send(IDC_ATTR_LIST, CB_SETCURSEL, 6);
    ASSERT_EQ(arrow.takeKind(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(arrow.kind, ArrowHeadStyle::kFrameArc);
    send(IDC_ATTR_LIST, CB_SETCURSEL, 0);
    ASSERT_EQ(arrow.takeKind(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(arrow.kind, ArrowHeadStyle::kNone);
    type(IDC_ATTR_REAL, "4.25");
    ASSERT_EQ(arrow.takeLength(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_EQ(arrow.length, 4.25);
    EXPECT_EQ(arrow.showKind(&dialog, 12345), 0);
    EXPECT_EQ(arrow.takeLean(nullptr, IDC_ATTR_REAL), 0);

    MeasureAttributes numeral;
    ASSERT_EQ(numeral.fillNumeralPositionList(&dialog, IDC_ATTR_LIST), 1);
    ASSERT_EQ(send(IDC_ATTR_LIST, CB_GETCOUNT), 2);
    EXPECT_EQ(listText(0), "中央");
    EXPECT_EQ(listText(1), "任意");
    send(IDC_ATTR_LIST, CB_SETCURSEL, 1);
    ASSERT_EQ(numeral.takeNumeralPosition(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(numeral.numeralPosition, MeasureAttributes::kFree);
    for (const char* typed : {"51", "-1", "12", "7.5", "3abc"}) {
        type(IDC_ATTR_INTEGER, typed);
        ASSERT_EQ(numeral.takeDecimals(&dialog, IDC_ATTR_INTEGER), 1);
    }
    EXPECT_EQ(numeral.decimals, 12) << "51, -1 and what is no whole number are dropped";
    numeral.setUnitDisplay(0);
    ASSERT_EQ(numeral.showUnitDisplay(&dialog, IDC_ATTR_CHECK), 1);
    EXPECT_EQ(IsDlgButtonChecked(dialog.hwnd, IDC_ATTR_CHECK), BST_UNCHECKED);
    type(IDC_ATTR_REAL, "ミリメートル単位の長い名前です");
    ASSERT_EQ(numeral.takeLengthLabel(&dialog, IDC_ATTR_REAL), 1);
    char label[20];
    ASSERT_EQ(numeral.lengthLabel(label, sizeof label), 1);
    EXPECT_EQ(std::string(label), "ミリメートル単位の") << "19 bytes, whole characters";
    ASSERT_EQ(numeral.showLengthUnits(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(send(IDC_ATTR_LIST, CB_GETCOUNT), 4);
    EXPECT_EQ(numeral.takeSpace(&dialog, 12345), 0);
}
