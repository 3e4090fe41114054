// The DISPTOOLBAR section through korvane.ini: its lines, the layout's round trip, hidden panes,
// damaged lines skipped, and bad input of every kind loading without fault.
#include <gtest/gtest.h>
#include <random>
#include <string>

#include "platform/StringUtil.h"
#include "shell/ToolbarSettings.h"
#include "shell/panes/PaneLayoutRecord.h"
#include "tests/shell/panes/LayoutFixture.h"
#include "tests/shell/settings/SettingsFixture.h"
#include "tests/support/MessageBoxScript.h"

namespace {
std::string recordText(const PaneLayoutRecord& r)
{
    return std::string(r.name) + " " + r.visibility + " " + r.position + " " + std::to_string(r.x) + "," +
           std::to_string(r.y) + " rows " + std::to_string(r.rows) + " [" + std::to_string(r.top) + "," +
           std::to_string(r.left) + "," + std::to_string(r.right) + "," + std::to_string(r.bottom) + "]";
}

// The DISPTOOLBAR section of a file's bytes, up to the next section.
std::string toolbarSection(const std::string& bytes)
{
    const size_t start = bytes.find("[DISPTOOLBAR]");
    if (start == std::string::npos)
        return "";
    const size_t next = bytes.find("\r\n[", start);
    return bytes.substr(start, next == std::string::npos ? std::string::npos : next + 2 - start);
}

const char kLine[] = "\x90\xfc\x89\xe6";   // 線画
const char kEdit[] = "\x95\xd2\x8f\x57";   // 編集
const char kMeasure[] = "\x90\xa1\x96\x40\x90\xfc"; // 寸法線
} // namespace

class ToolbarSettingsTest : public LayoutTest {
protected:
    MessageBoxScript boxes;
    SettingsFileScope place;

    std::vector<std::string> records()
    {
        std::vector<std::string> out;
        for (int i = 0; i < layout->paneCount(); ++i) {
            PaneLayoutRecord r;
            EXPECT_EQ(layout->makeLayoutRecord(i, r), 1);
            out.push_back(recordText(r));
        }
        return out;
    }

    // Loads the bytes into a fresh layout and arranges it, as start-up does.
    void loadInFreshLayout(const std::string& bytes)
    {
        renewLayout();
        putSettings(bytes);
        (void)loadAppSettings(); // a damaged file is read as far as it goes
        layout->arrangeAllBands();
    }
};

TEST_F(ToolbarSettingsTest, TheLayoutAndTheHintSwitchRoundTripThroughTheFile)
{
    // Moved, floated, hidden and hints off.
    IntRect r = rectOf(1);
    r.moveTo(2, 300);
    frame.clientToScreenRect(r);
    layout->dockAt(DockPane::kLeft, &pane(1), r);
    layout->dockAt(DockPane::kFloat, &pane(9), IntRect::fromEdges(300, 300, 520, 360));
    layout->hidePane(&pane(2));
    layout->hintWindow.enabled = 0;
    ASSERT_EQ(saveAppSettings(), 1);
    const std::string section = toolbarSection(settingsBytes());
    EXPECT_EQ(section.rfind("[DISPTOOLBAR]\r\nDISPTOOLHINT=\"OFF\"\r\nDISPTLBARPOS=\"SYSTEM\",\"", 0), 0u) << section;
    EXPECT_NE(section.find(std::string("DISPTLBARPOS=\"SYSTEM\",\"") + kLine + "\",\"ON\",\"LEFT\","), std::string::npos);
    EXPECT_NE(section.find(std::string("DISPTLBARPOS=\"SYSTEM\",\"") + kEdit + "\",\"OFF\",\"LEFT\","), std::string::npos);
    // One line per pane, in pane order.
    size_t at = 0;
    for (int i = 0; i < layout->paneCount(); ++i) {
        at = section.find(std::string("\"") + layout->paneAt(i)->name + "\"", at);
        EXPECT_NE(at, std::string::npos) << i;
    }
    const std::vector<std::string> saved = records();

    loadInFreshLayout(settingsBytes());
    EXPECT_EQ(records(), saved);
    EXPECT_EQ(layout->hintWindow.enabled, 0);
    // Shown again, the hidden pane goes back to the band it was saved with.
    EXPECT_EQ(pane(2).position, DockPane::kHidden);
    layout->showPane(&pane(2));
    EXPECT_EQ(pane(2).position, DockPane::kLeft);

    // Every pane hidden, saved and loaded stays hidden.
    for (int i = 0; i < layout->paneCount(); ++i)
        layout->hidePane(layout->paneAt(i));
    ASSERT_EQ(saveAppSettings(), 1);
    loadInFreshLayout(settingsBytes());
    for (int i = 0; i < layout->paneCount(); ++i)
        EXPECT_EQ(layout->paneAt(i)->position, DockPane::kHidden) << i;
}

TEST_F(ToolbarSettingsTest, ABadLineIsSkippedAndTheLinesAfterItAreRead)
{
    const std::string line = std::string("DISPTLBARPOS=\"SYSTEM\",\"") + kMeasure + "\",";
    struct Case {
        const char* what;
        std::string lines;
        int hints;
        int measurePosition;
    };
    const Case cases[] = {
        {"ten values", line + "\"ON\",\"LEFT\",0,0,1,0,0,0\r\n", 1, DockPane::kTop},
        {"OFF keeps the position to show", line + "\"OFF\",\"BOTTOM\",0,0,1,0,0,0,0\r\n", 1, DockPane::kHidden},
        {"a name of no pane", "DISPTLBARPOS=\"SYSTEM\",\"nothing\",\"ON\",\"RIGHT\",0,0,1,0,0,0,0\r\n", 1,
         DockPane::kTop},
        {"an unknown hint text", "DISPTOOLHINT=\"MAYBE\"\r\n", 1, DockPane::kTop},
        {"hints off", "DISPTOOLHINT=\"OFF\"\r\n", 0, DockPane::kTop},
    };
    for (const Case& c : cases) {
        // The damaged line, then a good one that moves 編集 to the bottom.
        const std::string bytes = "[DISPTOOLBAR]\r\n" + c.lines + "DISPTLBARPOS=\"SYSTEM\",\"" + kEdit +
                                  "\",\"ON\",\"BOTTOM\",0,0,1,0,0,0,0\r\n";
        loadInFreshLayout(bytes);
        EXPECT_EQ(layout->hintWindow.enabled, c.hints) << c.what;
        EXPECT_EQ(pane(8).position, c.measurePosition) << c.what;
        EXPECT_EQ(pane(2).position, DockPane::kBottom) << c.what;
    }
    loadInFreshLayout("[DISPTOOLBAR]\r\n" + line + "\"OFF\",\"BOTTOM\",0,0,1,0,0,0,0\r\n");
    EXPECT_EQ(pane(8).savedPosition, DockPane::kBottom);
    layout->showPane(&pane(8));
    EXPECT_EQ(pane(8).position, DockPane::kBottom);
}

TEST_F(ToolbarSettingsTest, BadValuesAndEveryTruncationLoadWithoutFault)
{
    // A long name is cut to 31 bytes, never inside a double-byte character.
    std::string longName;
    for (int i = 0; i < 20; ++i)
        longName += kLine;
    SettingsBytes named("DISPTLBARPOS=\"SYSTEM\",\"" + longName + "\",\"ON\",\"TOP\",1,2,3,4,5,6,7\r\n");
    ASSERT_NE(named.file.readKey(), 0);
    PaneLayoutRecord record;
    ASSERT_EQ(record.read(named.file), 1);
    EXPECT_EQ(std::string(record.name), longName.substr(0, 30));

    const std::string bad[] = {
        std::string("DISPTLBARPOS=\"SYSTEM\",\"") + kLine + "\",\"ON\",\"FLOAT\",99999999999,-99999999999,2147483647,"
            "-2147483648,2147483647,-2147483648,2147483647\r\n",
        std::string("DISPTLBARPOS=\"SYSTEM\",\"") + kEdit + "\",\"ON\",\"LEFT\",-5,-7,-1000000,0,0,0,0\r\n",
        std::string("DISPTLBARPOS=SYSTEM,") + kMeasure + ",ON,RIGHT,1,2,3,4,5,6,7\r\n",
        std::string("DISPTLBARPOS=\"SYSTEM\"\"") + kLine + "\"\"ON\",\"TOP\"1,2,3,4,5,6,7\r\n",
        "DISPTLBARPOS=\"SYSTEM\",\"" + longName + "\",\"ON\",\"TOP\",1,2,3,4,5,6,7\r\n",
        "DISPTLBARPOS=,,,,,,,,,,,,,,,,,,\r\nDISPTOOLHINT=\r\n",
    };
    auto check = [&](const std::string& what) {
        for (int i = 0; i < layout->paneCount(); ++i) {
            const DockPane& p = *layout->paneAt(i);
            ASSERT_LT(StringUtil::length(p.name), 32) << what;
            ASSERT_TRUE(p.position >= DockPane::kHidden && p.position <= DockPane::kFloat) << what;
            ASSERT_LE(std::abs(p.dockPoint.x), 40000) << what;
            ASSERT_GE(p.rows, 1) << what;
            ASSERT_LE(p.rows, std::max(1, p.buttonCount())) << what;
        }
    };
    for (const std::string& line : bad) {
        loadInFreshLayout("[DISPTOOLBAR]\r\n" + line);
        check(line);
    }

    // Every truncation of a saved section.
    layout->dockAt(DockPane::kFloat, &pane(9), IntRect::fromEdges(300, 300, 520, 360));
    ASSERT_EQ(saveAppSettings(), 1);
    const std::string section = toolbarSection(settingsBytes());
    ASSERT_GT(section.size(), 500u);
    for (size_t n = 0; n <= section.size(); n += 7) {
        loadInFreshLayout(section.substr(0, n));
        check("cut at " + std::to_string(n));
    }
}
