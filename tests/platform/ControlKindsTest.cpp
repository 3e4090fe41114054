// The control kinds: what each does with the dialog item it is bound to, the factory and the
// destruction by kind.
#include <cstdlib>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <string>
#include <utility>
#include <windows.h>
#include <commctrl.h>

#include "platform/ButtonControls.h"
#include "platform/ControlKinds.h"
#include "platform/EditControls.h"
#include "platform/ListControls.h"
#include "platform/PictureControl.h"
#include "platform/PopupMenu.h"
#include "platform/RangeControls.h"
#include "platform/TreeView.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/RecordingDialog.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

// Live heap objects of this executable, counted while `countingAllocations` is set: the
// destruction by kind must give back everything the factory made.
namespace {
long long liveAllocations = 0;
bool countingAllocations = false;

void releaseMemory(void* p)
{
    if (p && countingAllocations)
        --liveAllocations;
    std::free(p);
}
} // namespace

void* operator new(size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    if (countingAllocations)
        ++liveAllocations;
    return p;
}

void operator delete(void* p) noexcept { releaseMemory(p); }
void operator delete(void* p, size_t) noexcept { releaseMemory(p); }

namespace {

class ControlKindsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.onEvent = [this](int event) {
            if (event == DLG_INIT) {
                const int kinds[][2] = {
                    {IDC_TEST_REAL, KIND_REAL_EDIT},          {IDC_TEST_INTEGER, KIND_INTEGER_EDIT},
                    {IDC_TEST_TEXT, KIND_TEXT_EDIT},          {IDC_TEST_CHECK, KIND_CHECK_BUTTON},
                    {IDC_TEST_RADIO_LEFT, KIND_RADIO_BUTTON}, {IDC_TEST_RADIO_RIGHT, KIND_RADIO_BUTTON},
                    {IDC_TEST_LIST, KIND_LIST_BOX},           {IDC_TEST_COMBO, KIND_COMBO_BOX},
                    {IDC_TEST_PROGRESS, KIND_PROGRESS_BAR},   {IDC_TEST_SPIN_EDIT, KIND_INTEGER_EDIT},
                    {IDC_TEST_SPIN, KIND_UP_DOWN},            {IDC_TEST_DISPLAY, KIND_INTEGER_DISPLAY},
                    {IDC_TEST_BUTTON, KIND_PUSH_BUTTON},      {IDC_TEST_PICTURE, KIND_PICTURE},
                };
                for (const auto& k : kinds)
                    EXPECT_TRUE(dialog.addControl(k[0], k[1]));
                dialog.attachControls();
            }
            return RecordingModeless::kNotAnswered;
        };
        ASSERT_EQ(dialog.create(IDD_TEST_CONTROLS), 1);
    }
    void TearDown() override { dialog.destroy(); }

    std::string itemText(int id)
    {
        char text[512] = {};
        GetDlgItemTextA(dialog.hwnd, id, text, sizeof text);
        return text;
    }
    void type(int id, const char* text) { SetDlgItemTextA(dialog.hwnd, id, text); }
    Control& control(int id) { return *dialog.getControl(id); }
    LRESULT send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendDlgItemMessageA(dialog.hwnd, id, message, wParam, lParam);
    }

    TestApplication app;
    RecordingModeless dialog;
};

TEST_F(ControlKindsTest, RealFieldGivesBackItsStoredValueUntilEdited)
{
    dialog.setDouble(IDC_TEST_REAL, 2.5);
    EXPECT_EQ(itemText(IDC_TEST_REAL), "2.5");
    dialog.setDouble(IDC_TEST_REAL, 3.0);
    EXPECT_EQ(itemText(IDC_TEST_REAL), "3");
    dialog.setDouble(IDC_TEST_REAL, 0.12345);
    EXPECT_EQ(itemText(IDC_TEST_REAL), "0.123");
    dialog.setDouble(IDC_TEST_REAL, 1.23456);
    EXPECT_EQ(itemText(IDC_TEST_REAL), "1.235");

    // Untouched: the stored value itself, not the three decimals shown.
    int changed = -1;
    EXPECT_EQ(dialog.getDoubleEx(IDC_TEST_REAL, -1.0, &changed), 1.23456);
    EXPECT_EQ(changed, 0);

    // 1.5000 typed over 1.5 differs from the text 1.5 shows: changed, 1.5.
    dialog.setDouble(IDC_TEST_REAL, 1.5);
    type(IDC_TEST_REAL, "1.5000");
    EXPECT_EQ(dialog.getDoubleEx(IDC_TEST_REAL, -1.0, &changed), 1.5);
    EXPECT_EQ(changed, 1);
    type(IDC_TEST_REAL, "-12.75mm");
    EXPECT_EQ(dialog.getDouble(IDC_TEST_REAL, 0.0), -12.75);
    EXPECT_EQ(static_cast<RealEdit&>(control(IDC_TEST_REAL)).value, -12.75);

    // An empty field reads 0.0; an unknown id gives the default.
    type(IDC_TEST_REAL, "");
    EXPECT_EQ(dialog.getDoubleEx(IDC_TEST_REAL, -1.0, &changed), 0.0);
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(dialog.getDouble(12345, 9.5), 9.5);

    // Whether the text holds a number, which a caller asks before it takes that 0.0.
    const struct {
        const char* text;
        int holds;
    } texts[] = {{"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"x12", 0}, {"-.5", 1}, {"  12abc", 1}, {"7", 1}};
    for (const auto& t : texts) {
        type(IDC_TEST_REAL, t.text);
        EXPECT_EQ(dialog.holdsNumber(IDC_TEST_REAL), t.holds) << '"' << t.text << '"';
    }
    EXPECT_EQ(dialog.holdsNumber(12345), 0);

    // Without rounding the digits are cut.
    control(IDC_TEST_REAL).setRounding(0);
    dialog.setDouble(IDC_TEST_REAL, 1.23456);
    EXPECT_EQ(itemText(IDC_TEST_REAL), "1.234");
}

TEST_F(ControlKindsTest, IntegerFieldReadsTheLeadingNumber)
{
    dialog.setInt(IDC_TEST_INTEGER, 5);
    EXPECT_EQ(itemText(IDC_TEST_INTEGER), "5");
    type(IDC_TEST_INTEGER, "12abc");
    int changed = 0;
    EXPECT_EQ(dialog.getIntEx(IDC_TEST_INTEGER, -1, &changed), 12);
    EXPECT_EQ(changed, 1);
    type(IDC_TEST_INTEGER, " -7");
    EXPECT_EQ(dialog.getInt(IDC_TEST_INTEGER, 0), -7);
    EXPECT_EQ(dialog.getIntEx(IDC_TEST_INTEGER, 0, &changed), -7);
    EXPECT_EQ(changed, 0);

    // Empty: 0, and the value stays.
    type(IDC_TEST_INTEGER, "");
    EXPECT_EQ(dialog.getIntEx(IDC_TEST_INTEGER, 99, &changed), 0);
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(static_cast<IntegerEdit&>(control(IDC_TEST_INTEGER)).value, -7);
    // ... and holds no number, as "abc" and ".5" (read as 0) do not; " -7" does.
    EXPECT_EQ(dialog.holdsNumber(IDC_TEST_INTEGER), 0);
    for (const char* text : {"abc", ".5"}) {
        type(IDC_TEST_INTEGER, text);
        EXPECT_EQ(dialog.holdsNumber(IDC_TEST_INTEGER), 0) << text;
    }
    type(IDC_TEST_INTEGER, " -7");
    EXPECT_EQ(dialog.holdsNumber(IDC_TEST_INTEGER), 1);

    // The display shows without keeping.
    dialog.setInt(IDC_TEST_DISPLAY, -42);
    EXPECT_EQ(itemText(IDC_TEST_DISPLAY), "-42");
    EXPECT_EQ(dialog.getInt(IDC_TEST_DISPLAY, 3), 0);
}

// An integer field takes its text only when the whole of it is one number within the range it
// takes (blanks around it and a leading '+' allowed), however many digits it has. Any other text,
// and a number beyond the range, is named to the user with the range (no label stands before this
// field), never read as its leading digits nor brought to the nearest value; the field keeps its
// text and takes the focus, and its value stays. An empty field (or one of blanks) is no number.
TEST_F(ControlKindsTest, AnIntegerFieldTakesOnlyAWholeNumberWithinItsRange)
{
    const int most = 2147483647;
    const std::string farBlanks = "15" + std::string(90, ' ') + "x"; // past what the field reads at once
    const struct {
        std::string typed;
        int low, high;
        int judged;
        int value; // afterwards; 5 before
    } cases[] = {
        {"99999999999", 1, most, -1, 5},
        {"2147483648", 1, most, -1, 5},
        {"-99999999999999999999999", 0, 100, -1, 5},
        {"0", 1, most, -1, 5},
        {"101", 0, 100, -1, 5},
        {"201", 10, 200, -1, 5},
        {"2147483647", 1, most, 1, most},
        {"100", 0, 100, 1, 100},
        {" -7", -10, 10, 1, -7},
        {"+13", 0, 100, 1, 13},
        {"\t15 ", 0, 100, 1, 15},
        {"12abc", 0, 100, -1, 5},
        {"17.5", 0, 100, -1, 5},
        {"1 6", 0, 100, -1, 5},
        {"１４", 0, 100, -1, 5},
        {"abc", 0, 100, -1, 5},
        {"-", -10, 10, -1, 5},
        {"+-3", -10, 10, -1, 5},
        {farBlanks, 0, 100, -1, 5},
        {"", 0, 100, 0, 5},
        {"  ", 0, 100, 0, 5},
    };
    MessageBoxScript boxes;
    for (const auto& c : cases) {
        dialog.setInt(IDC_TEST_INTEGER, 5);
        SetFocus(GetDlgItem(dialog.hwnd, IDC_TEST_TEXT));
        type(IDC_TEST_INTEGER, c.typed.c_str());
        int value = 5;
        EXPECT_EQ(dialog.takeInt(IDC_TEST_INTEGER, c.low, c.high, value), c.judged) << c.typed;
        EXPECT_EQ(value, c.value) << c.typed;
        EXPECT_EQ(static_cast<IntegerEdit&>(control(IDC_TEST_INTEGER)).value, c.value) << c.typed;
        EXPECT_EQ(itemText(IDC_TEST_INTEGER), c.typed);
        const std::string told = c.judged < 0 ? std::to_string(c.low) + "から" + std::to_string(c.high) +
                                                    "までの数値を入力して下さい。"
                                              : "";
        EXPECT_EQ(boxes.texts(), told) << c.typed;
        EXPECT_EQ(GetFocus() == GetDlgItem(dialog.hwnd, IDC_TEST_INTEGER), c.judged < 0) << c.typed;
        boxes.clear();
    }
    int value = 5;
    EXPECT_EQ(dialog.takeInt(12345, 0, 100, value), 0) << "no such field";
    EXPECT_EQ(dialog.takeInt(IDC_TEST_REAL, 0, 100, value), 0) << "a field of another kind";
    EXPECT_EQ(boxes.texts(), "");
}

// Blanks typed before a number are passed over by both kinds of field: the sign after them
// counts, so " -5" is -5, as holdsNumber says it is a number.
TEST_F(ControlKindsTest, BlanksBeforeANumberKeepItsSign)
{
    const struct {
        const char* text;
        double real;
        int integer;
    } cases[] = {{" -5", -5.0, -5}, {"   -12.75", -12.75, -12}, {" -.5", -0.5, 0}, {"  8", 8.0, 8}, {"-3", -3.0, -3}};
    for (const auto& c : cases) {
        type(IDC_TEST_REAL, c.text);
        type(IDC_TEST_INTEGER, c.text);
        EXPECT_EQ(dialog.holdsNumber(IDC_TEST_REAL), 1) << '"' << c.text << '"';
        EXPECT_EQ(dialog.getDouble(IDC_TEST_REAL, 99.0), c.real) << '"' << c.text << '"';
        EXPECT_EQ(dialog.getInt(IDC_TEST_INTEGER, 99), c.integer) << '"' << c.text << '"';
    }
}

TEST_F(ControlKindsTest, TextFieldTellsWhetherItsTextChanged)
{
    Control& text = control(IDC_TEST_TEXT);
    EXPECT_EQ(text.isTextChanged(), 0);
    dialog.setText(IDC_TEST_TEXT, "部品の名前");
    EXPECT_EQ(itemText(IDC_TEST_TEXT), "部品の名前");
    EXPECT_EQ(text.isTextChanged(), 0);

    text.setCompareSize(6);
    dialog.setText(IDC_TEST_TEXT, "部品の名前");
    // At most five bytes are kept: two whole characters.
    EXPECT_STREQ(static_cast<TextEdit&>(text).compareBuffer, "部品");
    EXPECT_EQ(text.isTextChanged(), 0);
    type(IDC_TEST_TEXT, "部屋");
    EXPECT_NE(text.isTextChanged(), 0);

    char buffer[5];
    EXPECT_EQ(dialog.getText(IDC_TEST_TEXT, buffer, sizeof buffer), 1);
    EXPECT_EQ(std::string(buffer).size(), 4u);
    type(IDC_TEST_TEXT, "");
    EXPECT_EQ(dialog.getText(IDC_TEST_TEXT, buffer, sizeof buffer), 0);
    EXPECT_EQ(dialog.getText(12345, buffer, sizeof buffer), 0);
}

TEST_F(ControlKindsTest, ButtonsAndRadios)
{
    EXPECT_EQ(dialog.setCheck(IDC_TEST_CHECK, 5), 1);
    EXPECT_EQ(dialog.isChecked(IDC_TEST_CHECK, 0), 1);
    dialog.setCheck(IDC_TEST_CHECK, 0);
    EXPECT_EQ(dialog.isChecked(IDC_TEST_CHECK, 1), 0);
    EXPECT_EQ(dialog.setCheck(12345, 1), 0);

    dialog.checkRadio(IDC_TEST_RADIO_RIGHT);
    EXPECT_EQ(dialog.isChecked(IDC_TEST_RADIO_RIGHT, 0), 1);
    EXPECT_EQ(dialog.isChecked(IDC_TEST_RADIO_LEFT, 1), 0);
    dialog.uncheckRadio(IDC_TEST_RADIO_RIGHT);
    EXPECT_EQ(dialog.isChecked(IDC_TEST_RADIO_RIGHT, 1), 0);
    // A radio button is no check box.
    EXPECT_EQ(dialog.setCheck(IDC_TEST_RADIO_RIGHT, 1), 0);

    EXPECT_EQ(control(IDC_TEST_BUTTON).setLabel("既定値"), 1);
    EXPECT_EQ(itemText(IDC_TEST_BUTTON), "既定値");
    dialog.setItemText(IDC_TEST_BUTTON, "戻す");
    EXPECT_EQ(itemText(IDC_TEST_BUTTON), "戻す");

    dialog.enableControl(IDC_TEST_BUTTON, 0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog.hwnd, IDC_TEST_BUTTON)));
    dialog.enableControl(IDC_TEST_BUTTON, 1);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog.hwnd, IDC_TEST_BUTTON)));
}

TEST_F(ControlKindsTest, ListBoxTextsAreCutToTheBuffer)
{
    Control& list = control(IDC_TEST_LIST);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.getSelection(), -1);
    std::string longText;
    for (int i = 0; i < 75; ++i)
        longText += "線";
    longText += std::string(150, 'x');
    EXPECT_EQ(list.addString("赤"), 1);
    EXPECT_EQ(list.addString(longText.c_str()), 1);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.textLength(1), 300);

    // 300 bytes into 84: 83 would split a character, so 82.
    char row[84];
    std::memset(row, '#', sizeof row);
    EXPECT_EQ(list.getTextAt(1, row, sizeof row), 82);
    EXPECT_EQ(std::string(row), longText.substr(0, 82));
    EXPECT_EQ(list.getTextAt(0, row, sizeof row), 2);
    EXPECT_STREQ(row, "赤");
    EXPECT_EQ(list.getTextAt(7, row, sizeof row), -1);

    send(IDC_TEST_LIST, LB_SETCURSEL, 1);
    EXPECT_EQ(list.getSelection(), 1);
    EXPECT_EQ(list.deleteString(0), 1);
    EXPECT_EQ(list.deleteString(5), 0);
    EXPECT_EQ(list.reset(), 1);
    EXPECT_EQ(list.count(), 0);
}

TEST_F(ControlKindsTest, TextsReadIntoShortBuffersEndOnWholeCharacters)
{
    // "表表表" (95 5C three times) read through every path that copies a window's text: at most
    // size - 1 bytes, never a lead byte without its trail byte, nothing written past the buffer.
    const char* text = "表表表";
    dialog.setText(IDC_TEST_TEXT, text);
    control(IDC_TEST_LIST).addString(text);
    Control& combo = control(IDC_TEST_COMBO);
    combo.addString(text);
    combo.select(1);
    PopupMenu popup;
    ASSERT_EQ(popup.create(), 1);
    ASSERT_TRUE(popup.appendItem(text, 40001));
    TreeView tree;
    tree.window = CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD, 0, 0, 100, 100, dialog.hwnd, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    HTREEITEM item = tree.insertItem(nullptr, text, 0);
    ASSERT_NE(item, nullptr);

    struct Source {
        const char* name;
        // Above 0 when a text was read.
        std::function<int(char*, int)> read;
    };
    const Source sources[] = {
        {"edit", [&](char* b, int n) { return dialog.getText(IDC_TEST_TEXT, b, n); }},
        {"list", [&](char* b, int n) { return control(IDC_TEST_LIST).getTextAt(0, b, n); }},
        {"combo", [&](char* b, int n) { return combo.getSelectedText(b, n); }},
        {"menu", [&](char* b, int n) { return popup.getItemText(40001, b, n); }},
        {"tree", [&](char* b, int n) { return tree.getItemText(item, b, n); }},
    };
    const std::pair<int, const char*> cuts[] = {{3, "表"}, {4, "表"}, {5, "表表"}, {6, "表表"}, {7, "表表表"}};
    for (const Source& source : sources) {
        for (const auto& cut : cuts) {
            char buffer[12];
            std::memset(buffer, '#', sizeof buffer);
            EXPECT_GT(source.read(buffer, cut.first), 0) << source.name << " into " << cut.first;
            EXPECT_EQ(std::string(buffer), cut.second) << source.name << " into " << cut.first;
            EXPECT_EQ(buffer[cut.first], '#') << source.name << " into " << cut.first;
        }
    }
    DestroyWindow(tree.window);
    tree.window = nullptr;
}

TEST_F(ControlKindsTest, ComboBoxItemsCountFromOne)
{
    Control& combo = control(IDC_TEST_COMBO);
    EXPECT_EQ(combo.getSelection(), 0);
    combo.addString("ミリ");
    combo.addString("インチ");
    combo.addString("ミクロン");
    EXPECT_EQ(static_cast<ComboBox&>(combo).addedCount, 3);

    EXPECT_EQ(combo.select(2), 1);
    EXPECT_EQ(combo.getSelection(), 2);
    EXPECT_EQ(send(IDC_TEST_COMBO, CB_GETCURSEL), 1);
    char text[5];
    EXPECT_EQ(combo.getSelectedText(text, sizeof text), 4);
    EXPECT_STREQ(text, "イン");

    // select (0) clears the selection.
    combo.select(0);
    EXPECT_EQ(send(IDC_TEST_COMBO, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(combo.getSelection(), 0);
    EXPECT_EQ(combo.getSelectedText(text, sizeof text), 0);

    EXPECT_EQ(combo.selectByPrefix("ミク", 4), 3);
    EXPECT_EQ(combo.getSelection(), 3);
    EXPECT_EQ(combo.selectByText("ミリ"), 1);
    EXPECT_EQ(combo.selectByText("ミ"), -1);
    EXPECT_EQ(combo.getSelection(), 1);

    EXPECT_EQ(combo.reset(), 1);
    EXPECT_EQ(static_cast<ComboBox&>(combo).addedCount, 0);
    EXPECT_EQ(combo.selectByText("ミリ"), -1);
}

TEST_F(ControlKindsTest, ProgressBarShowsPercentagesOfLargeRanges)
{
    Control& bar = control(IDC_TEST_PROGRESS);
    auto position = [&] { return send(IDC_TEST_PROGRESS, PBM_GETPOS); };

    // A range narrower than 2 never moves the bar.
    bar.setRange(0, 1);
    bar.setValue(1);
    EXPECT_EQ(position(), 0);
    bar.setRange(0, 200);
    bar.setValue(50);
    EXPECT_EQ(position(), 25);
    bar.setRange(0, 3000000000LL);
    EXPECT_EQ(position(), 0);
    bar.setValue(1500000000LL);
    EXPECT_EQ(position(), 50);
    bar.setRange(0, 4000000000LL);
    bar.setValue(2000000000LL);
    EXPECT_EQ(position(), 50);
    bar.setRange(-100, 100);
    bar.setValue(50);
    EXPECT_EQ(position(), 75);
    EXPECT_EQ(static_cast<ProgressBar&>(bar).value, 50);
}

TEST_F(ControlKindsTest, UpDownTakesItsRangeAndBuddy)
{
    EXPECT_EQ(dialog.setupUpDown(IDC_TEST_SPIN_EDIT, IDC_TEST_SPIN, 5, 1, 360), 1);
    EXPECT_EQ(itemText(IDC_TEST_SPIN_EDIT), "5");
    LRESULT range = send(IDC_TEST_SPIN, UDM_GETRANGE);
    EXPECT_EQ(HIWORD(range), 1);
    EXPECT_EQ(LOWORD(range), 360);
    auto& upDown = static_cast<UpDownControl&>(control(IDC_TEST_SPIN));
    EXPECT_EQ(upDown.buddy, &control(IDC_TEST_SPIN_EDIT));
    EXPECT_EQ(upDown.low, 1);
    EXPECT_EQ(upDown.high, 360);
}

TEST_F(ControlKindsTest, PictureKnowsItsBitmapSize)
{
    Control& picture = control(IDC_TEST_PICTURE);
    IntRect size;
    EXPECT_EQ(picture.getBitmapSize(&size), 0);
    picture.setBitmapId(IDB_TEST_PICTURE);
    size.moveTo(5, 6);
    EXPECT_EQ(picture.getBitmapSize(&size), 1);
    EXPECT_EQ(size.left, 5);
    EXPECT_EQ(size.width(), 16);
    EXPECT_EQ(size.height(), 8);
    picture.refresh();
    picture.setNaturalSize(1);
    picture.refresh();
}

TEST(ControlKinds, UnattachedControlsDoNothing)
{
    TestApplication app;
    Dialog windowless;
    ASSERT_TRUE(windowless.addControl(IDC_TEST_TEXT, KIND_TEXT_EDIT));
    ASSERT_TRUE(windowless.addControl(IDC_TEST_LIST, KIND_LIST_BOX));
    ASSERT_TRUE(windowless.addControl(IDC_TEST_COMBO, KIND_COMBO_BOX));
    ASSERT_TRUE(windowless.addControl(IDC_TEST_REAL, KIND_REAL_EDIT));
    windowless.attachControls();
    Control* text = windowless.getControl(IDC_TEST_TEXT);
    EXPECT_FALSE(text->isAttached());
    EXPECT_EQ(text->setText("x"), 0);
    char buffer[8] = "old";
    EXPECT_EQ(text->getText(buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(text->sendItemMessage(WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_EQ(windowless.getControl(IDC_TEST_LIST)->getSelection(), -1);
    EXPECT_EQ(windowless.getControl(IDC_TEST_LIST)->textLength(0), -1);
    EXPECT_EQ(windowless.getControl(IDC_TEST_COMBO)->getSelection(), 1);
    int changed = 5;
    EXPECT_EQ(windowless.getDoubleEx(IDC_TEST_REAL, 1.0, &changed), 0.0);
    EXPECT_EQ(changed, 0);
}

TEST(ControlKinds, FactoryAndDestructionByKind)
{
    TestApplication app;
    Control* generic = createControlByKind(0);
    EXPECT_NE(dynamic_cast<GenericControl*>(generic), nullptr);
    destroyControlByKind(generic);
    generic = createControlByKind(9999);
    EXPECT_NE(dynamic_cast<GenericControl*>(generic), nullptr);
    destroyControlByKind(generic);

    const int kinds[] = {0,    201,  301,  303,  401,  501,  901,  1201, 1401, 1601, 1602, 1603,
                         1605, 1607, 1801, 1901, 1903, 1905, 2101, 2103, 2105, 9999};
    Control* made[sizeof kinds / sizeof kinds[0]] = {};
    liveAllocations = 0;
    countingAllocations = true;
    for (size_t i = 0; i < sizeof kinds / sizeof kinds[0]; ++i) {
        made[i] = createControlByKind(kinds[i]);
        made[i]->setKind(kinds[i]);
        made[i]->setCompareSize(40);
    }
    long long whileAlive = liveAllocations;
    for (Control* control : made)
        destroyControlByKind(control);
    countingAllocations = false;
    EXPECT_GE(whileAlive, static_cast<long long>(sizeof kinds / sizeof kinds[0]));
    EXPECT_EQ(liveAllocations, 0);
}

} // namespace
