// The framework of the records with a font: the batch font page on a test page, and the font keys
// of the settings file.
#include <gtest/gtest.h>

#include "dialogs/defaults/DefaultsProtocol.h"
#include "dialogs/defaults/FontBatchDialogBase.h"
#include "document/FontDefaultsBase.h"
#include "tests/dialogs/PropertyFixture.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/MessagePump.h"
#include "tests/support/TestResources.h"

using namespace property_test;

namespace {

// A record with a font and what the protocols ask of a record.
class FontRecord : public FontDefaultsBase {
public:
    FontRecord() { createFont(); }
    void assignValues(const FontRecord& other)
    {
        layer.assign(&other.layer);
        font.assign(&other.font);
        fontInfo.copyFrom(other.fontInfo);
    }
    void assignBatch(const FontRecord& other)
    {
        assignBatchBase(other);
        assignFontFlags(other);
    }
    void clearFlags()
    {
        applyLayerFlag.value = 0;
        clearFontFlags();
    }
    [[nodiscard]] int anyFlagSet() const { return applyLayerFlag.value || anyFontFlagSet(); }
};

// The common page and the test's font page, as a kind's batch dialog builds them.
class FontBatch : public FontBatchDialogBase {
public:
    FontBatch()
    {
        static const char* const tabs[] = {"共通", "フォント"};
        static const int pages[] = {0, IDD_TEST_FONT_PAGE};
        setPages(tabs, pages, 2);
        faceCheckId = IDC_FONT_TICK_FACE;
        styleCheckId = IDC_FONT_TICK_STYLE;
        sizeCheckId = IDC_FONT_TICK_SIZE;
        fontIds = {IDC_FONT_FACE, IDC_FONT_STYLE, IDC_FONT_SIZE};
    }
    void declareControls() override
    {
        FontBatchDialogBase::declareControls();
        if (currentPage == 1)
            declareFontPage();
    }
    void loadPage() override
    {
        FontBatchDialogBase::loadPage();
        if (currentPage == 1)
            loadFontPage();
    }
    void storePage() override
    {
        FontBatchDialogBase::storePage();
        if (currentPage == 1) {
            storeFontPage();
            fontRecord->syncFontName();
            fontRecord->syncFontStyle();
        }
    }
    int onPageEvent() override { return currentPage == 1 && onFontPageEvent(); }
};

} // namespace

TEST(FontDefaults, TheBatchFontPageTicksOnlyWhatChangedAndTheFontFollowsTheChooser)
{
    TestApplication app;
    FontRecord record;
    EXPECT_EQ(record.font.size, 4.0);
    EXPECT_STRNE(record.font.faceName, "");
    EXPECT_STREQ(record.font.faceName, record.fontInfo.getFaceName());
    std::vector<bool> ticks; // face, style, size after each step
    auto note = [&](HWND w) {
        for (int id : {IDC_FONT_TICK_FACE, IDC_FONT_TICK_STYLE, IDC_FONT_TICK_SIZE})
            ticks.push_back(isTicked(w, id));
    };
    const INT_PTR result = driveModalDialog(
        [&]() -> INT_PTR { return runBatchProtocol<FontRecord, FontBatch>(record, "フォントの一括編集"); },
        [&](HWND w) {
            chooseTab(w, 1);
            chooseItem(w, IDC_FONT_FACE, selectionOf(w, IDC_FONT_FACE)); // the face it has
            type(w, IDC_FONT_SIZE, "4");                                 // the size it has
            note(w);
            chooseItem(w, IDC_FONT_STYLE, 1); // ﾎﾞｰﾙﾄﾞ
            type(w, IDC_FONT_SIZE, "6.5");
            note(w);
            finish(w, IDOK);
        });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(ticks, (std::vector<bool>{false, false, false, false, true, true}));
    EXPECT_EQ(record.fontNameFlag.value, 0);
    EXPECT_EQ(record.fontStyleFlag.value, 1);
    EXPECT_EQ(record.fontSizeFlag.value, 1);
    EXPECT_EQ(record.font.style, FontAttributes::kBold) << "the font follows the chooser's style";
    EXPECT_EQ(record.font.size, 6.5);
}

TEST(FontDefaults, TheFontKeysRoundTripAndRefuseSizesNoTextCanHave)
{
    TestApplication app;
    FontRecord written;
    written.font.setFaceName("IPAゴシック");
    written.font.style = FontAttributes::kBoldItalic;
    written.font.size = 2.5;
    FakeSettingsFile file;
    file.registerAttributeKeys();
    ASSERT_EQ(written.writeFontSettings(file), 1);
    EXPECT_EQ(file.text, "FONTNAME=\"IPAゴシック\"\r\nFONTSTYLE=\"BOLDITALIC\"\r\nFONTSIZE=2.5\r\n");
    file.text += "FONTSIZE=1e999\r\nFONTSIZE=5000\r\nFONTSTYLE=\"BOLDER\"\r\nLINESIZE=3\r\n";
    FontRecord read;
    while (file.readKey())
        EXPECT_EQ(read.readFontSetting(file), 1);
    EXPECT_STREQ(read.font.faceName, "IPAゴシック");
    EXPECT_STREQ(read.fontInfo.getFaceName(), "IPAゴシック") << "the chooser follows the face read";
    EXPECT_EQ(read.fontInfo.style, FontAttributes::kBoldItalic);
    EXPECT_EQ(read.font.size, 2.5);
}
