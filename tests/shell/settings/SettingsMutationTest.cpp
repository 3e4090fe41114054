// Bad input: every truncation of a full korvane.ini written by the program and a few thousand
// seeded byte mutations of it load without fault or hang, and every value that gets in stays
// within what its owner allows.
#include <chrono>
#include <gtest/gtest.h>
#include <random>
#include <string>

#include "document/FolderMemory.h"
#include "document/LayerTable.h"
#include "document/PartsLibrary.h"
#include "document/SheetSettings.h"
#include "geometry/PickSettings.h"
#include "platform/StringUtil.h"
#include "shell/GlobalManagers.h"
#include "tests/shell/settings/SettingsFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/TestApplication.h"
#include "views/ScreenResolution.h"

namespace {

// Every layer named (a Shift-JIS name for some), both folders, a changed paper and a part in
// each list: every section this build writes, with 256 layer items.
std::string fullSettings()
{
    for (int n = 0; n < LayerTable::kLayerCount; ++n)
        theLayerTable->setName(n, (n % 3 ? "layer " + std::to_string(n) : "\x83\x8C\x83\x43\x83\x84\x81\x5B\x83\x5C").c_str());
    StringUtil::copy(theFolderMemory->drawingFolder, "C:\\drawings\\");
    StringUtil::copy(theFolderMemory->pdfFolder, "C:\\pdf\\");
    theScreenResolution->setDpi(96);
    thePickSettings->encloseMode = PickSettings::kPart;
    (void)dynamic_cast<SheetSettings*>(thePaperDefaults)->setSize(420.0, 297.0); // checked by the size below
    for (int number = 1; number <= 3; ++number)
        (void)existingPartsLibrary(number)->addPart(("C:\\parts\\p" + std::to_string(number) + ".ycx").c_str());
    EXPECT_EQ(saveAppSettings(), 1);
    return settingsBytes();
}

void loadBad(const std::string& bytes)
{
    putSettings(bytes);
    (void)loadAppSettings(); // read or refused: either is right for a damaged file
    ASSERT_GE(theScreenResolution->dpi(), ScreenResolution::kMin);
    ASSERT_LE(theScreenResolution->dpi(), ScreenResolution::kMax);
    ASSERT_TRUE(thePickSettings->activeMode == PickSettings::kWhole || thePickSettings->activeMode == PickSettings::kPart);
    for (int n = 0; n < LayerTable::kLayerCount; ++n)
        ASSERT_LT(StringUtil::length(theLayerTable->nameOf(n)), LayerRecord::kNameSize);
    ASSERT_LT(StringUtil::length(theFolderMemory->drawingFolder), 260);
    for (int number = 1; number <= 3; ++number)
        ASSERT_LE(existingPartsLibrary(number)->partCount(), static_cast<int>(bytes.size() / 10) + 1);
}

} // namespace

TEST(SettingsMutation, EveryTruncationAndThousandsOfMutationsLoadWithoutFault)
{
    TestApplication app;
    MessageBoxScript boxes;
    SettingsFileScope place;
    ApplicationManagers managers;
    const std::string good = fullSettings();
    ASSERT_GT(good.size(), 5000u);
    const auto start = std::chrono::steady_clock::now();

    for (size_t length = 0; length < good.size(); ++length) {
        loadBad(good.substr(0, length));
        if (HasFatalFailure())
            FAIL() << "cut at " << length;
    }

    // Bytes that steer the reader: delimiters, quotes, digits, signs, line ends, lead bytes.
    const char interesting[] = "[]=,\"-0912\r\n \x81\x83\x5B\x5C\xFF\x00";
    std::mt19937 random(20240726);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = good;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int c = 0; c < changes; ++c) {
            const size_t at = random() % bytes.size();
            switch (random() % 4) {
            case 0:
                bytes[at] = static_cast<char>(random() % 256);
                break;
            case 1:
                bytes[at] = interesting[random() % (sizeof interesting - 1)];
                break;
            case 2:
                bytes.erase(at, 1 + random() % 16);
                break;
            default:
                bytes.insert(at, std::string(1 + random() % 300, interesting[random() % (sizeof interesting - 1)]));
                break;
            }
            if (bytes.empty())
                bytes = "[";
        }
        loadBad(bytes);
        if (HasFatalFailure())
            FAIL() << "round " << round;
    }
    EXPECT_TRUE(boxes.shown().empty());
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 60.0);
}
