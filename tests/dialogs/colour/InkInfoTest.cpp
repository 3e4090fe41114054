// The spot-ink choice: its slots against the DIC table, the drawing file's "inkInfo" section and
// the settings section "INKINFO".
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/colour/NamedColorTable.h"
#include "document/Document.h"
#include "geometry/InkInfo.h"
#include "tests/dialogs/PropertyFixture.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"

using property_test::PropertyDrawing;

namespace {

// A DIC table of the given numbers, named after them ("n101" ...), held in memory.
class DicTable {
public:
    explicit DicTable(const std::vector<int>& numbers) : table("DICCOLOR.TXT"), installed(theDicColorTable, &table)
    {
        table.loaded = 1; // never read from a file
        for (size_t i = 0; i < numbers.size(); ++i) {
            ColorEntry e;
            e.number = numbers[i];
            e.setName(("n" + std::to_string(numbers[i])).c_str());
            const int inks[4] = {static_cast<int>(i) * 10, 20, 30, 40};
            e.setInks(inks);
            EXPECT_EQ(table.append(e), 1);
        }
    }
    NamedColorTable table;
    ScopedOverride<NamedColorTable*> installed;
};

std::string labelOf(const InkInfo& inks, int slot)
{
    char label[100];
    inks.inkLabel(slot, label, sizeof label);
    return label;
}

// A drawing whose ink choice has the slots; saved under the colour model to `path`.
std::string saveInks(const std::string& path, const std::vector<int>& slots, int colourModel)
{
    PropertyDrawing drawing;
    ScopedOverride model(drawing.app->colorModel, colourModel);
    drawing.context.inkInfo = new InkInfo;
    for (int slot = 0; slot < InkInfo::kSlots; ++slot)
        drawing.context.inkInfo->slots[slot] = slots[static_cast<size_t>(slot)];
    EXPECT_EQ(drawing.context.document->setPathAndTitle(path.c_str()), 1);
    XmlContextScope writing(drawing.context.document);
    EXPECT_EQ(drawing.context.document->write(), 1);
    return ScratchFolder::read(path);
}

// The slots a drawing read from `path` has (each starting at 4); the read's answer in `read`.
std::vector<int> readInks(const std::string& path, int& read)
{
    PropertyDrawing drawing;
    drawing.context.inkInfo = new InkInfo;
    for (int& slot : drawing.context.inkInfo->slots)
        slot = 4;
    EXPECT_EQ(drawing.context.document->assign(path.c_str()), 1);
    XmlContextScope reading(drawing.context.document);
    read = drawing.context.document->read();
    return std::vector<int>(drawing.context.inkInfo->slots, drawing.context.inkInfo->slots + InkInfo::kSlots);
}

} // namespace

TEST(InkInfo, ASlotOutsideTheTableMeansNoColour)
{
    DicTable dic({101, 202, 303});
    InkInfo inks;
    struct Case {
        int value;
        std::string label; // for slot 2
        int hasValues;
    };
    const Case cases[] = {{0, " 3 : n101", 1}, {2, " 3 : n303", 1}, {3, "", 0}, {999, "", 0}, {-5, "", 0}, {-1, "", 0}};
    for (const Case& c : cases) {
        inks.slots[2] = c.value;
        EXPECT_EQ(labelOf(inks, 2), c.label) << c.value;
        int values[4] = {-1, -1, -1, -1};
        EXPECT_EQ(inks.inkValues(2, values), c.hasValues) << c.value;
        if (c.hasValues) {
            EXPECT_EQ(values[0], c.value * 10) << c.value;
        }
    }
    EXPECT_EQ(labelOf(inks, 5), "");
    EXPECT_EQ(labelOf(inks, -1), "");

    // A slot takes the DIC colour chosen, when there is one.
    EXPECT_EQ(inks.setInkFromDicSelection(0), 0);
    dic.table.current = 1;
    EXPECT_EQ(inks.setInkFromDicSelection(0), 1);
    EXPECT_EQ(inks.slots[0], 1);
    EXPECT_EQ(inks.setInkFromDicSelection(5), 0);
    EXPECT_EQ(inks.setInkFromDicSelection(-1), 0);

    // Only "DIC" names a maker.
    inks.maker = 0;
    EXPECT_STREQ(inks.makerName(), "");
    EXPECT_EQ(inks.setMakerByName("dic"), 0);
    EXPECT_EQ(inks.setMakerByName("DIC"), 1);
    EXPECT_STREQ(inks.makerName(), "DIC");
}

TEST(InkInfo, TheDrawingKeepsDicNumbersAndOnlyUnderInkColours)
{
    ScratchFolder scratch;
    MessageBoxScript boxes; // a cut file reports its data error
    std::string withInks;
    {
        DicTable dic({101, 202, 0, 303});
        // Slots: two colours, one without a number, one outside the table, one empty.
        const std::vector<int> slots = {1, 0, 2, 999, -1};
        const std::string plain = saveInks(scratch.pathOf("plain.ycx"), slots, 0);
        EXPECT_EQ(plain.find("inkInfo"), std::string::npos) << "written only under setting 2";
        withInks = saveInks(scratch.pathOf("inks.ycx"), slots, 2);
        const size_t begin = withInks.find("<inkInfo>");
        ASSERT_NE(begin, std::string::npos);
        const std::string section = withInks.substr(begin, withInks.find("</inkInfo>") - begin);
        EXPECT_NE(section.find("<maker>\"DIC\"</maker>"), std::string::npos) << section;
        EXPECT_NE(section.find("202"), std::string::npos) << section;
        EXPECT_NE(section.find("101"), std::string::npos) << section;
        EXPECT_EQ(section.find("<3>"), std::string::npos) << "a colour without a number: " << section;
        EXPECT_EQ(section.find("<4>"), std::string::npos) << "a slot outside the table: " << section;
        EXPECT_EQ(section.find("<5>"), std::string::npos) << section;
    }
    // Read where the DIC table differs: numbers are found again; a number it lacks gives -1; the
    // slots the file does not name keep what the drawing had.
    DicTable other({303, 202, 404});
    int read = 0;
    EXPECT_EQ(readInks(scratch.pathOf("inks.ycx"), read), std::vector<int>({1, -1, 4, 4, 4}));
    EXPECT_EQ(read, 1);

    // Cut anywhere in or after the section, the file reads without harm and keeps what it read.
    const size_t from = withInks.find("<inkInfo>");
    for (size_t cut = from; cut < withInks.size(); cut += 3) {
        scratch.file("cut.ycx", withInks.substr(0, cut));
        const std::vector<int> slots = readInks(scratch.pathOf("cut.ycx"), read);
        for (int slot : slots)
            ASSERT_TRUE(slot == 4 || slot == 1 || slot == -1) << cut;
    }
}

TEST(InkInfo, TheSettingsKeepTheSlotsAsTheyAreAndPassOverBadValues)
{
    auto file = [] {
        FakeSettingsFile f;
        f.registerSection(15080, "INKINFO");
        f.registerSection(15310, "SETBEZIER");
        f.registerKey(15081, "MAKER");
        for (int n = 1; n <= 5; ++n)
            f.registerKey(15081 + n, std::to_string(n).c_str());
        return f;
    };
    InkInfo inks;
    const int slots[InkInfo::kSlots] = {2, -1, 999, -5, 0};
    for (int slot = 0; slot < InkInfo::kSlots; ++slot)
        inks.slots[slot] = slots[slot];
    FakeSettingsFile written = file();
    ASSERT_EQ(inks.saveSettings(written), 1);
    EXPECT_EQ(written.text, "[INKINFO]\r\nMAKER=\"DIC\"\r\n1=2\r\n2=-1\r\n3=999\r\n4=-5\r\n5=0\r\n");
    InkInfo back;
    FakeSettingsFile reading = file();
    reading.text = written.text;
    ASSERT_EQ(reading.readKey(), 1); // the section line
    EXPECT_EQ(back.loadSettings(reading), 1);
    EXPECT_EQ(std::vector<int>(back.slots, back.slots + 5), std::vector<int>(slots, slots + 5));

    // Words, a maker of 200 bytes and another maker's name change nothing; the section ends at
    // the next one.
    FakeSettingsFile bad = file();
    bad.text = "MAKER=\"" + std::string(200, 'M') + "\"\r\n1=one\r\n2=7\r\nMAKER=\"XYZ\"\r\n[SETBEZIER]\r\n3=8\r\n";
    InkInfo kept;
    (void)kept.loadSettings(bad); // the answer is that of the last value read
    EXPECT_EQ(kept.maker, InkInfo::kDicMaker);
    EXPECT_EQ(std::vector<int>(kept.slots, kept.slots + 5), std::vector<int>({-1, 7, -1, -1, -1}));
    EXPECT_EQ(bad.currentId(), 15310) << "stopped at the next section";
}
