// Pages of a dialog switched at run time from dialog resources, the tab strip over them, and the
// template reader's refusals of templates it cannot read.
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <vector>
#include <windows.h>
#include <commctrl.h>

#include "platform/ControlKinds.h"
#include "platform/DialogTemplateReader.h"
#include "platform/TabControl.h"
#include "tests/support/MessagePump.h"
#include "tests/support/RecordingDialog.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

namespace {

std::vector<BYTE> dialogResource(int id)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    if (!found)
        return {};
    auto* data = static_cast<const BYTE*>(LockResource(LoadResource(instance, found)));
    return std::vector<BYTE>(data, data + SizeofResource(instance, found));
}

// The item's window rectangle in the dialog's client coordinates.
RECT itemRect(HWND dialog, int id)
{
    RECT r = {};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class DialogTemplateTest : public ::testing::Test {
protected:
    // Runs page 1 and calls `drive` with the dialog's window right after its initialisation;
    // `drive` ends the dialog by declaring Cancel and posting it.
    int run(const std::function<void(HWND)>& drive)
    {
        EXPECT_TRUE(dialog.keepControlId(IDOK));
        EXPECT_TRUE(dialog.keepControlId(IDCANCEL));
        dialog.onEvent = [this](int event) {
            if (event == DLG_INIT) {
                EXPECT_TRUE(dialog.addControl(IDOK, KIND_PUSH_BUTTON));
                EXPECT_TRUE(dialog.addControl(IDC_PAGE1_WIDTH, KIND_REAL_EDIT));
                dialog.attachControls();
            }
            if (event == DLG_TAB_CHANGE) {
                EXPECT_TRUE(dialog.switchTemplate(dialog.getCurrentTab() == 0 ? IDD_TEST_PAGE1 : IDD_TEST_PAGE2, 1));
                return 1;
            }
            return RecordingTemplate::kNotAnswered;
        };
        return static_cast<int>(driveModalDialog([this] { return dialog.runModal(0, IDD_TEST_PAGE1); },
                                                 [&](HWND window) {
                                                     drive(window);
                                                     EXPECT_TRUE(dialog.addControl(IDCANCEL, KIND_PUSH_BUTTON));
                                                     PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
                                                 }));
    }

    TestApplication app;
    RecordingTemplate dialog;
};

TEST_F(DialogTemplateTest, SwitchingPagesKeepsTheKeptItems)
{
    int result = run([this](HWND window) {
        HWND ok = GetDlgItem(window, IDOK);
        HWND width = GetDlgItem(window, IDC_PAGE1_WIDTH);
        ASSERT_NE(width, nullptr);

        // The page shown is skipped when asked, rebuilt otherwise.
        EXPECT_EQ(dialog.switchTemplate(IDD_TEST_PAGE1, 1), 0);
        EXPECT_EQ(GetDlgItem(window, IDC_PAGE1_WIDTH), width);
        EXPECT_EQ(dialog.controlCount(), 2);
        EXPECT_EQ(dialog.switchTemplate(IDD_TEST_PAGE1, 0), 1);
        EXPECT_NE(GetDlgItem(window, IDC_PAGE1_WIDTH), nullptr);
        EXPECT_NE(GetDlgItem(window, IDC_PAGE1_WIDTH), width);
        EXPECT_EQ(GetDlgItem(window, IDOK), ok);
        // Every control object goes, kept ids included: the page declares them again.
        EXPECT_EQ(dialog.controlCount(), 0);

        EXPECT_EQ(dialog.switchTemplate(IDD_TEST_PAGE2, 1), 1);
        EXPECT_EQ(dialog.currentTemplateId, IDD_TEST_PAGE2);
        EXPECT_EQ(GetDlgItem(window, IDC_PAGE1_WIDTH), nullptr);
        EXPECT_EQ(GetDlgItem(window, IDC_PAGE1_DEFAULTS), nullptr);
        EXPECT_EQ(GetDlgItem(window, IDOK), ok);
        ASSERT_NE(GetDlgItem(window, IDC_PAGE2_COLOURS), nullptr);
        EXPECT_NE(GetDlgItem(window, IDC_PAGE2_TREE), nullptr);

        // Edit fields and list boxes get their fixed styles whatever the page says.
        HWND angle = GetDlgItem(window, IDC_PAGE2_ANGLE);
        HWND colours = GetDlgItem(window, IDC_PAGE2_COLOURS);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(angle, GWL_STYLE)), 0x50010080u);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(angle, GWL_EXSTYLE)), 0x204u);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(colours, GWL_STYLE)), 0x50010103u);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(colours, GWL_EXSTYLE)), 0x204u);
        HWND sample = GetDlgItem(window, IDC_PAGE2_SAMPLE);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(sample, GWL_EXSTYLE)), 0x20004u);

        // Rectangles: x * baseUnitX / 4, y * baseUnitY / 8 with the default GUI font's units.
        LOGFONTA font = {};
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
        int unitY = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
        int unitX = unitY / 2 + 1;
        EXPECT_EQ(dialog.baseUnitY, unitY);
        EXPECT_EQ(dialog.baseUnitX, unitX);
        RECT r = itemRect(window, IDC_PAGE2_COLOURS);
        EXPECT_EQ(r.left, 12 * unitX / 4);
        EXPECT_EQ(r.top, 38 * unitY / 8);
        EXPECT_EQ(r.right - r.left, 80 * unitX / 4);
        EXPECT_EQ(r.bottom - r.top, 60 * unitY / 8);

        // Back to page 1: the second page's items go, even the unnamed labels.
        EXPECT_EQ(dialog.switchTemplate(IDD_TEST_PAGE1, 1), 1);
        EXPECT_EQ(GetDlgItem(window, IDC_PAGE2_COLOURS), nullptr);
        int labels = 0;
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            labels += LOWORD(GetWindowLongPtrA(child, GWLP_ID)) == 0xFFFF;
        EXPECT_EQ(labels, 4);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(DialogTemplateTest, TabStripSwitchesPages)
{
    EXPECT_EQ(dialog.getTabControl(), nullptr);
    EXPECT_EQ(dialog.getCurrentTab(), -1);
    EXPECT_EQ(dialog.addTab("線"), -1);
    EXPECT_EQ(dialog.showTabControl(), 0);
    run([this](HWND window) {
        EXPECT_EQ(dialog.showTabControl(), 1);
        EXPECT_EQ(dialog.showTabControl(), 0);
        ASSERT_NE(dialog.getTabControl(), nullptr);
        EXPECT_EQ(dialog.addTab("線"), 0);
        EXPECT_EQ(dialog.addTab("色"), 1);
        dialog.layoutTabControl();
        HWND tabs = dialog.getTabControl()->handle;
        RECT client, strip;
        GetClientRect(window, &client);
        GetClientRect(tabs, &strip);
        EXPECT_EQ(strip.right, client.right);
        EXPECT_EQ(dialog.queryTabIndex(), -1);

        dialog.selectTab(1);
        EXPECT_EQ(dialog.getCurrentTab(), 1);
        NMHDR header = {tabs, TabControl::kControlId, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageA(window, WM_NOTIFY, TabControl::kControlId, reinterpret_cast<LPARAM>(&header));
        EXPECT_EQ(dialog.currentTemplateId, IDD_TEST_PAGE2);
        EXPECT_NE(GetDlgItem(window, IDC_PAGE2_UNIT), nullptr);
        EXPECT_TRUE(IsWindow(tabs));
        // The strip stays beneath the page's items.
        EXPECT_EQ(GetWindow(tabs, GW_HWNDNEXT), nullptr);
    });
}

TEST_F(DialogTemplateTest, LargerPagesAndUnreadablePages)
{
    std::vector<BYTE> big = dialogResource(IDD_TEST_BIG_PAGE);
    ASSERT_GT(big.size(), dialogResource(IDD_TEST_PAGE1).size() * 2);
    EXPECT_EQ(dialog.switchTemplate(IDD_TEST_PAGE2, 0), 0);
    run([&](HWND window) {
        HWND width = GetDlgItem(window, IDC_PAGE1_WIDTH);
        // Refused pages change nothing.
        EXPECT_EQ(dialog.switchTemplate(IDD_TEST_EXTENDED, 0), 0);
        EXPECT_EQ(dialog.switchTemplate(IDD_TEST_TRUNCATED, 0), 0);
        EXPECT_EQ(dialog.switchTemplate(28999, 0), 0);
        EXPECT_EQ(dialog.currentTemplateId, IDD_TEST_PAGE1);
        EXPECT_EQ(GetDlgItem(window, IDC_PAGE1_WIDTH), width);
        EXPECT_EQ(dialog.controlCount(), 2);

        // A page larger than any room reserved: the buffer grows to it.
        EXPECT_EQ(dialog.switchTemplate(IDD_TEST_BIG_PAGE, 0), 1);
        EXPECT_NE(GetDlgItem(window, IDC_BIG_LAST), nullptr);
        EXPECT_EQ(dialog.templateSize, static_cast<int>(big.size()));
        EXPECT_GT(dialog.templateBuffer.capacity, static_cast<int>(big.size()));
    });
    EXPECT_EQ(dialog.templateSize, 0);
    EXPECT_EQ(dialog.runModal(0, IDD_TEST_TRUNCATED), -1);
    EXPECT_EQ(dialog.runModal(0, IDD_TEST_EXTENDED), -1);

    // The room announced for the pages is reserved twice over.
    EXPECT_EQ(dialog.reserveTemplateSize(IDD_TEST_BIG_PAGE), 1);
    EXPECT_EQ(dialog.templateCapacity, static_cast<int>(big.size()));
    int capacity = 0;
    run([&](HWND) { capacity = dialog.templateBuffer.capacity; });
    EXPECT_GE(capacity, 2 * static_cast<int>(big.size()));
}

TEST(DialogTemplateReader, ReadsItemsAndNames)
{
    TestApplication app;
    std::vector<BYTE> page = dialogResource(IDD_TEST_PAGE2);
    DialogTemplateReader reader;
    ASSERT_EQ(reader.open(page.data(), page.size()), 1);
    EXPECT_EQ(reader.itemCount(), 15);
    std::vector<DialogTemplateItem> items;
    for (DialogTemplateItem item; reader.next(item);)
        items.push_back(item);
    ASSERT_EQ(items.size(), 15u);
    EXPECT_STREQ(items[0].className, "BUTTON");
    EXPECT_EQ(items[0].id, IDOK);
    EXPECT_STREQ(items[2].title, "色の一覧");
    EXPECT_EQ(items[2].id, 0xFFFF);
    EXPECT_STREQ(items[3].className, "LISTBOX");
    EXPECT_EQ(items[3].x, 12);
    EXPECT_EQ(items[3].cy, 60);
    EXPECT_STREQ(items[5].className, "COMBOBOX");
    // The resource compiler may change the case of a class name given as text.
    EXPECT_STRCASEEQ(items[8].className, "msctls_updown32");
    EXPECT_STRCASEEQ(items[12].className, "SysTreeView32");
    EXPECT_STREQ(items[13].className, "SCROLLBAR");

    std::vector<BYTE> extended = dialogResource(IDD_TEST_EXTENDED);
    ASSERT_FALSE(extended.empty());
    EXPECT_EQ(reader.open(extended.data(), extended.size()), 0);
    std::vector<BYTE> truncated = dialogResource(IDD_TEST_TRUNCATED);
    EXPECT_EQ(DialogTemplateReader::isReadable(truncated.data(), truncated.size()), 0);
}

TEST(DialogTemplateReader, OrdinalsAndCreationData)
{
    // Menu and class as ordinals, no font; one STATIC whose title names resource 103 and that
    // carries 4 bytes of creation data; then an item of an unknown atom.
    const WORD words[] = {
        0x0000, 0x80C0, 0, 0, 2, 0, 0, 100, 50,
        0xFFFF, 7, 0xFFFF, 0x20, 'T', 0,
        0, // padding to the first item
        0x0000, 0x5000, 0, 0, 1, 2, 3, 4, 77, 0xFFFF, 0x0082, 0xFFFF, 103, 4, 0xAAAA, 0xBBBB,
        0x0000, 0x5000, 0, 0, 0, 0, 5, 5, 78, 0xFFFF, 0x0099, 0, 0,
    };
    DialogTemplateReader reader;
    ASSERT_EQ(reader.open(words, sizeof words), 1);
    DialogTemplateItem item;
    ASSERT_EQ(reader.next(item), 1);
    EXPECT_STREQ(item.className, "STATIC");
    EXPECT_STREQ(item.title, "#103");
    EXPECT_EQ(item.id, 77);
    EXPECT_EQ(item.cy, 4);
    ASSERT_EQ(reader.next(item), 1);
    EXPECT_EQ(item.id, 78);
    EXPECT_STREQ(item.className, "");
    EXPECT_EQ(reader.next(item), 0);
    EXPECT_EQ(DialogTemplateReader::isReadable(words, sizeof words), 1);
}

TEST(DialogTemplateReader, RefusesEveryTruncationAndSurvivesMutations)
{
    TestApplication app;
    std::vector<BYTE> page = dialogResource(IDD_TEST_PAGE1);
    ASSERT_EQ(DialogTemplateReader::isReadable(page.data(), page.size()), 1);
    // A cut is readable only when it drops nothing but trailing padding.
    size_t needed = page.size();
    while (needed > 0 && page[needed - 1] == 0 && DialogTemplateReader::isReadable(page.data(), needed - 1))
        --needed;
    EXPECT_GE(needed + 4, page.size());
    for (size_t n = 0; n < needed; ++n)
        EXPECT_EQ(DialogTemplateReader::isReadable(page.data(), n), 0) << n;

    // Seeded byte mutations: every answer is a clean yes or no, and no read leaves the data
    // (the copy is exactly as long as the template, so a stray read would be caught by the
    // heap checks of the runtime at worst).
    std::mt19937 random(1234);
    int readable = 0;
    for (int round = 0; round < 3000; ++round) {
        std::vector<BYTE> mutated = page;
        int changes = 1 + static_cast<int>(random() % 4);
        for (int c = 0; c < changes; ++c)
            mutated[random() % mutated.size()] = static_cast<BYTE>(random());
        size_t length = mutated.size() - random() % 8;
        DialogTemplateReader reader;
        if (!reader.open(mutated.data(), length))
            continue;
        DialogTemplateItem item;
        int items = 0;
        while (reader.next(item) && items <= reader.itemCount())
            ++items;
        EXPECT_LE(items, reader.itemCount());
        readable += items == reader.itemCount();
    }
    EXPECT_GT(readable, 0);

    // A header that announces 65535 items over a few bytes is refused at once.
    std::vector<BYTE> huge = page;
    huge[8] = 0xFF;
    huge[9] = 0xFF;
    EXPECT_EQ(DialogTemplateReader::isReadable(huge.data(), huge.size()), 0);
}

} // namespace
