// The layer names: defaults, the copy operations, and the section "LAYERNAME" of the settings
// file, which holds only the names that differ from their default.
#include <gtest/gtest.h>
#include <string>

#include "document/LayerTable.h"
#include "tests/support/FakeSettingsFile.h"

namespace {

std::string layerNames(const LayerTable& table)
{
    FakeSettingsFile file;
    file.registerSection(LayerTable::kSection, "LAYERNAME");
    file.registerKey(LayerTable::kItemKey, "LAYERITEM");
    EXPECT_EQ(table.writeIni(file), 1);
    return file.text;
}

// Reads a settings text that starts inside the section "LAYERNAME".
int readLayerNames(LayerTable& table, const std::string& text)
{
    FakeSettingsFile file;
    file.registerSection(LayerTable::kSection, "LAYERNAME");
    file.registerSection(LayerTable::kSection + 1000, "NEXT");
    file.registerKey(LayerTable::kItemKey, "LAYERITEM");
    file.text = text;
    return table.readIni(file);
}

} // namespace

TEST(LayerTable, EveryLayerStartsWithItsDefaultName)
{
    const struct {
        int layer;
        const char* name;
    } cases[] = {
        {100, "100 標準"}, {251, "251 予備"}, {253, "253 予備"},   {254, "254 共通"},
        {255, "255 補助線"}, {0, "0"},          {7, "7"},             {250, "250"},
    };
    LayerTable table;
    for (const auto& c : cases) {
        EXPECT_STREQ(table.nameOf(c.layer), c.name) << c.layer;
        EXPECT_EQ(table.getLayer(c.layer).number, c.layer);
        EXPECT_EQ(table.hasDefaultName(c.layer), 1) << c.layer;
    }
    // Outside 0..255: an all-zero record, and setters that change nothing; a default name turns
    // the number into 100.
    const LayerRecord outside = table.getLayer(300);
    EXPECT_EQ(outside.number, 0);
    EXPECT_STREQ(outside.name, "");
    table.setName(256, "x");
    table.setName(-1, "x");
    LayerRecord record;
    record.number = 300;
    table.defaultName(record);
    EXPECT_EQ(record.number, 100);
    EXPECT_STREQ(record.name, "100 標準");

    // Copies carry every record; reset brings the defaults back.
    table.setName(5, "寸法");
    LayerTable copy;
    copy.copyFrom(table);
    EXPECT_STREQ(copy.nameOf(5), "寸法");
    table.reset();
    EXPECT_STREQ(table.nameOf(5), "5");
    copy.copyTo(table);
    EXPECT_STREQ(table.nameOf(5), "寸法");
}

TEST(LayerTable, OnlyRenamedLayersAreWrittenAndReadBack)
{
    LayerTable table;
    EXPECT_EQ(layerNames(table), "[LAYERNAME]\r\n");
    table.setName(5, "寸法");
    EXPECT_EQ(layerNames(table), "[LAYERNAME]\r\nLAYERITEM=5,\"寸法\"\r\n");
    table.setName(255, "");
    const std::string written = layerNames(table);
    EXPECT_EQ(written, "[LAYERNAME]\r\nLAYERITEM=5,\"寸法\"\r\nLAYERITEM=255,\"\"\r\n");
    table.setName(5, "5");
    table.setName(255, "255 補助線");
    EXPECT_EQ(layerNames(table), "[LAYERNAME]\r\n") << "names back at their defaults are not written";

    LayerTable read;
    EXPECT_EQ(readLayerNames(read, written.substr(written.find("\r\n") + 2) + "[NEXT]\r\nLAYERITEM=6,\"x\"\r\n"), 1);
    EXPECT_STREQ(read.nameOf(5), "寸法");
    EXPECT_STREQ(read.nameOf(255), "");
    EXPECT_STREQ(read.nameOf(6), "6") << "the next section is not read";
}

// Items for layers outside the table, items without a name, names too long and sections cut
// short: nothing hangs or crashes, and the names before stay.
TEST(LayerTable, BadItemsChangeNothing)
{
    // 1 + 150 double-byte characters: 79 bytes keep "a" and 39 characters.
    std::string japanese;
    for (int i = 0; i < 150; ++i)
        japanese += "表";
    const struct {
        const char* what;
        std::string text;
        int reads;
        int layer;
        std::string name;
    } cases[] = {
        {"layer 300", "LAYERITEM=300,\"x\"\r\n", 1, 44, "44"},
        {"layer -1", "LAYERITEM=-1,\"x\"\r\n", 1, 44, "44"},
        {"no name", "LAYERITEM=44\r\n", 1, 44, "44"},
        {"a name of 300 bytes", "LAYERITEM=44,\"" + std::string(300, 'n') + "\"\r\n", 1, 44, std::string(79, 'n')},
        {"a double-byte name of 301 bytes", "LAYERITEM=44,\"a" + japanese + "\"\r\n", 1, 44,
         "a" + japanese.substr(0, 78)},
        {"another key", "OTHER=1,2\r\nLAYERITEM=44,\"y\"\r\n", 1, 44, "y"},
        {"cut before the number", "LAYERITEM=43,\"z\"\r\nLAYERITEM=", 0, 43, "z"},
        {"cut inside the name", "LAYERITEM=44,", 0, 44, "44"},
    };
    for (const auto& c : cases) {
        LayerTable table;
        EXPECT_EQ(readLayerNames(table, c.text), c.reads) << c.what;
        EXPECT_EQ(table.nameOf(c.layer), c.name) << c.what;
        EXPECT_STREQ(table.nameOf(100), "100 標準") << c.what;
    }
}
