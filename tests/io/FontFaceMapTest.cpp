// The font-face tables: logical numbers against positions, names of installed and unknown faces,
// removing a record, the last-font cache, and the settings section with damaged lines.
#include <gtest/gtest.h>
#include <string>

#include "io/postscript/FontFaceMap.h"
#include "io/postscript/PostScriptWriter.h"
#include "tests/io/PrintFixture.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/TestApplication.h"

namespace {

const char* const kGothic = "GothicBBB-Medium-90ms-RKSJ-H";

FontFaceTableKind kindWith(int trueType, int standard)
{
    FontFaceTableKind kind = postScriptFontFaces();
    kind.hasTrueTypeEntry = trueType;
    kind.hasStandardEntry = standard;
    return kind;
}

std::string nameOf(const FontFaceMap& table, const char* face, int style)
{
    char out[256] = "?";
    return table.lookupName(face, style, out, sizeof out) ? out : "-";
}

void registerKeys(FakeSettingsFile& file)
{
    file.registerSection(10140, "PSFONTFACETABLE");
    file.registerKey(10141, "PSNAMEFACE");
    file.registerKey(10142, "PSTT2NAME");
    file.registerSection(15060, "LAYERNAME");
}

TEST(FontFaceList, LogicalNumbersMapToPositionsByTheLeadingRecords)
{
    struct Case {
        int trueType, standard;
        int positionOfMinusOne, positionOfZero, positionOfOne, defaultNumber;
    };
    // The defaults give five named records after the leading ones.
    const Case cases[] = {
        {0, 1, -1, 0, 1, 0},
        {1, 1, 0, 1, 2, -1},
        {1, 0, 0, -1, 1, -1},
        {0, 0, -1, -1, 0, 1},
    };
    for (const Case& c : cases) {
        const FontFaceTableKind kind = kindWith(c.trueType, c.standard);
        FontFaceMap table(kind);
        table.create();
        const std::string name = std::to_string(c.trueType) + std::to_string(c.standard);
        EXPECT_EQ(table.count(), 5 + c.trueType + c.standard) << name;
        EXPECT_EQ(table.positionOf(-1), c.positionOfMinusOne) << name;
        EXPECT_EQ(table.positionOf(0), c.positionOfZero) << name;
        EXPECT_EQ(table.positionOf(1), c.positionOfOne) << name;
        EXPECT_EQ(table.defaultLogical(), c.defaultNumber) << name;
        EXPECT_EQ(table.positionOf(-2), -1) << name;
        EXPECT_EQ(table.positionOf(5 + 1), -1) << name << ": past the last record";
        for (int position = 0; position < table.count(); ++position)
            EXPECT_EQ(table.positionOf(table.logicalOf(position)), position) << name;
    }
}

TEST(FontFaceMap, InstalledFacesTakeTheStandardRecordUnknownFacesFallBackToIt)
{
    TestApplication app;
    FontFaceMap table(postScriptFontFaces());
    table.create();
    ASSERT_GT(table.mapCount(), 0) << "the installed families";
    const char* face = table.entryAt(0)->face;
    EXPECT_EQ(nameOf(table, face, 1), kGothic);
    EXPECT_EQ(nameOf(table, face, 5), "-") << "a style outside 1..4";
    EXPECT_EQ(nameOf(table, "NoSuchFace", 1), "-");
    char out[256] = {};
    ASSERT_EQ(table.lookupNameOrStandard("NoSuchFace", 2, out, sizeof out), 1);
    EXPECT_STREQ(out, kGothic);
    ASSERT_EQ(table.lookupNameOrStandard(face, 9, out, sizeof out), 1);
    EXPECT_STREQ(out, kGothic);

    // Times Roman is logical 3; Helvetica 4.
    ASSERT_EQ(table.setMapEntry(0, 3), 1);
    EXPECT_EQ(nameOf(table, face, 4), "Times-BoldItalic");
    ASSERT_EQ(table.setMapEntry(0, 99), 1);
    EXPECT_EQ(nameOf(table, face, 1), "-") << "a number that names no record";
    ASSERT_EQ(table.lookupNameOrStandard(face, 1, out, sizeof out), 1);
    EXPECT_STREQ(out, kGothic);
}

TEST(FontFaceMap, RemovingARecordSendsItsFacesToTheStandardAndMovesLaterOnesDown)
{
    TestApplication app;
    FontFaceMap table(postScriptFontFaces());
    table.create();
    ASSERT_GE(table.mapCount(), 2);
    const std::string ryuminFace = table.entryAt(0)->face, timesFace = table.entryAt(1)->face;
    ASSERT_EQ(table.setMapEntry(0, 1), 1);   // リュウミンライト
    ASSERT_EQ(table.setMapEntry(1, 3), 1);   // Times Roman
    table.selection = table.count() - 1;
    ASSERT_EQ(table.removeRecord(table.positionOf(1)), 1);
    table.renumberAfterRemoval(1);
    EXPECT_EQ(table.entryAt(0)->logical, 0);
    EXPECT_EQ(nameOf(table, ryuminFace.c_str(), 1), kGothic);
    EXPECT_EQ(table.entryAt(1)->logical, 2);
    EXPECT_EQ(nameOf(table, timesFace.c_str(), 1), "Times-Roman");
    EXPECT_EQ(table.selection, table.count() - 1) << "the selection follows the shorter list";
    EXPECT_EQ(table.removeRecord(table.count()), 0);
}

TEST(FontFaceMap, OneSelectFontForTwoTextsOfTheSameFontWhenTheCacheIsAsked)
{
    TestApplication app;
    struct Capture : PostScriptWriter {
        int putBytes(const char* bytes, int n) override
        {
            text.append(bytes, static_cast<size_t>(n));
            return 1;
        }
        std::string text;
    } writer;
    const char* face = writer.ownFontFaces().entryAt(0)->face;
    ASSERT_EQ(writer.selectFont(5, face, 1, 1), 1);
    ASSERT_EQ(writer.selectFont(5.000001, face, 1, 1), 1);
    EXPECT_EQ(writer.text, std::string("/") + kGothic + " 14.17 _fms\r\n");
    writer.text.clear();
    ASSERT_EQ(writer.selectFont(5, face, 2, 0), 1) << "without the cache";
    ASSERT_EQ(writer.selectFont(6, face, 1, 1), 1) << "another size";
    ASSERT_EQ(writer.selectFont(6, "NoSuchFace", 1, 1), 1) << "an unknown face: the standard name, cached";
    EXPECT_EQ(occurrences(writer.text, "_fms"), 2);
    writer.ownFontFaces().resetFontCache();
    ASSERT_EQ(writer.selectFont(6, face, 1, 1), 1);
    EXPECT_EQ(occurrences(writer.text, "_fms"), 3) << "a new job starts with an empty cache";
}

TEST(FontFaceMap, TheSectionRoundTripsAndDamagedLinesAreSkipped)
{
    TestApplication app;
    FontFaceMap written(postScriptFontFaces());
    FakeSettingsFile file;
    registerKeys(file);
    ASSERT_EQ(written.writeSettings(file), 1);
    EXPECT_EQ(file.text, "") << "nothing before the table exists";
    written.create();
    ASSERT_EQ(written.setMapEntry(0, 4), 1);
    ASSERT_EQ(written.writeSettings(file), 1);
    const std::string face = written.entryAt(0)->face;
    EXPECT_EQ(file.text.substr(0, file.text.find("PSNAMEFACE=1")),
              "[PSFONTFACETABLE]\r\nPSNAMEFACE=0,\"標準\",\"" + std::string(kGothic) + "\",\"" + kGothic + "\",\"" +
                  kGothic + "\",\"" + kGothic + "\"\r\n");
    EXPECT_NE(file.text.find("PSTT2NAME=\"" + face + "\",4,4,\"Helvetica\"\r\n"), std::string::npos);
    EXPECT_EQ(occurrences(file.text, "PSTT2NAME"), 1) << "only the faces off the default";

    FontFaceMap read(postScriptFontFaces());
    file.rewind();
    ASSERT_EQ(file.readKey(), 1);
    ASSERT_EQ(read.readSettings(file), 1);
    EXPECT_EQ(read.count(), written.count());
    EXPECT_EQ(nameOf(read, face.c_str(), 3), "Helvetica-Oblique");

    // Damaged lines: no commas, a negative and a huge number, a 300-byte name, a face that is
    // not installed, no number-0 line; the rest is read and the standard record comes back.
    const std::string longName(300, 'N');
    FakeSettingsFile damaged;
    registerKeys(damaged);
    damaged.text = "[PSFONTFACETABLE]\r\n"
                   "PSNAMEFACE=3 \"Times Roman\" \"Times-Roman\"\r\n"
                   "PSNAMEFACE=-7,\"X\",\"X\",\"X\",\"X\",\"X\"\r\n"
                   "PSNAMEFACE=2147483647,\"Big\",\"Big-R\",\"Big-B\",\"Big-I\",\"Big-BI\"\r\n"
                   "PSNAMEFACE=99999999999,\"Huge\",\"H\",\"H\",\"H\",\"H\"\r\n"
                   "PSNAMEFACE=2,\"" + longName + "\",\"" + longName + "\",\"b\",\"i\",\"bi\"\r\n"
                   "PSNAMEFACE=5,\"Short\",\"S\"\r\n"
                   "PSTT2NAME=\"NoSuchFace\",1,1,\"Big\"\r\n"
                   "PSTT2NAME=\"" + face + "\",2,2,\"N\"\r\n"
                   "PSTT2NAME=\"" + face + "\"\r\n"
                   "[LAYERNAME]\r\n";
    FontFaceMap table(postScriptFontFaces());
    ASSERT_EQ(damaged.readKey(), 1);
    ASSERT_EQ(table.readSettings(damaged), 1);
    EXPECT_EQ(damaged.currentId(), 15060) << "the reading ends at the next section";
    ASSERT_EQ(table.count(), 3) << "標準, Big, the long names";
    EXPECT_EQ(nameOf(table, "NoSuchFace", 1), "-");
    EXPECT_EQ(nameOf(table, face.c_str(), 1), std::string(255, 'N')) << "cut to 255 bytes";
    char out[256] = {};
    ASSERT_EQ(table.lookupNameOrStandard("NoSuchFace", 1, out, sizeof out), 1);
    EXPECT_STREQ(out, kGothic);
}

} // namespace
