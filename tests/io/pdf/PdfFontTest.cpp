// PDF fonts: the objects each kind of font name makes, what poppler reads back from them, the
// font-face table's settings section (also damaged), and the "PDF Font Set" dialog.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "io/pdf/PdfFontTable.h"
#include "io/postscript/FontFaceMap.h"
#include "platform/Control.h"
#include "resources/ids_pdf.h"
#include "tests/io/pdf/PdfTestFile.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

namespace {

using pdf_test::PageWriter;
using pdf_test::PdfText;

const char* const kMinchoBold = "/#82l#82r#96#BE#92#A9,Bold";

// The logical number of the record with that display name; -2 when none.
int recordNumber(const FontFaceMap& table, const char* display)
{
    for (int position = 0; position < table.count(); ++position)
        if (std::string(table.recordAt(position)->name(FontFaceRecord::kDisplay)) == display)
            return table.logicalOf(position);
    return -2;
}

TEST(PdfFonts, EachKindOfNameMakesItsObjectsAndReadersGiveTheTextBack)
{
    TestApplication app;
    ScratchFolder scratch;
    PageWriter writer;
    FontFaceMap& faces = writer.fontFaces();
    writer.ensureFontFaces();
    ASSERT_GE(faces.mapCount(), 5) << "installed faces";
    ASSERT_EQ(faces.addRecord(FontFaceRecord("リュウミンライト", "Ryumin-Light-90ms-RKSJ-H")), 1);
    ASSERT_EQ(faces.addRecord(FontFaceRecord("Two", "AB")), 1);
    ASSERT_EQ(faces.addRecord(FontFaceRecord("OneDash", "Mincho-H")), 1);
    ASSERT_EQ(faces.setMapEntry(1, recordNumber(faces, "リュウミンライト")), 1);
    ASSERT_EQ(faces.setMapEntry(2, recordNumber(faces, "Helvetica")), 1);
    ASSERT_EQ(faces.setMapEntry(3, recordNumber(faces, "Two")), 1);
    ASSERT_EQ(faces.setMapEntry(4, recordNumber(faces, "OneDash")), 1);
    // Face 0 has no record of its own: the standard one.
    struct Text {
        int page, face, style; // face -1: not installed
        const char* bytes;
        const char* resource;
    };
    const Text texts[] = {
        {1, 0, 2, "日本語の表示", "/G1"},          // 表 ends in the byte 5C
        {1, 1, 1, "リュウミン", "/G2"},
        {1, 2, 1, "Helvetica (x)", "/G3"},
        {1, 3, 1, "two characters", "/G4"},    // the default font
        {1, 4, 1, "one dash", "/G4"},
        {1, -1, 1, "not installed", "/G4"},
        {2, 0, 2, "二頁目", "/G1"},
    };
    writer.content = [&](PdfFileWriter& out, int page) {
        double y = 30;
        for (const Text& t : texts) {
            if (t.page != page)
                continue;
            const char* face = t.face >= 0 ? faces.entryAt(t.face)->face : "NoSuchFace";
            if (!out.beginText() || !out.selectFont(face, t.style) || !out.setTextMatrix(12, 0, 0, 12, 20, y += 15) ||
                !out.showText(t.bytes) || !out.endText())
                return 0;
        }
        return 1;
    };
    const PdfText file(pdf_test::writeFile(writer, scratch.pathOf("fonts.pdf"), 2));
    ASSERT_FALSE(file.bytes.empty());
    EXPECT_EQ(file.layoutFaults(), "");
    const std::string page1 = file.stream(1), page2 = file.stream(3);
    for (const Text& t : texts) {
        const std::string selected = std::string(t.resource) + " 1 Tf\r\n";
        EXPECT_NE((t.page == 1 ? page1 : page2).find(selected), std::string::npos) << t.bytes;
    }

    // Objects from 10 on (the fixed ones end with Catalog 9), in the order the texts met them.
    const std::vector<std::pair<int, std::string>> objects = {
        {5, "/ProcSet [/PDF /Text ]\r\n/Font <<\r\n/G1 12 0 R\r\n/G2 15 0 R\r\n/G3 16 0 R\r\n/G4 19 0 R\r\n>>"},
        {10, "/Type /FontDescriptor\r\n/Ascent 752\r\n/CapHeight 737\r\n/Descent -271\r\n/Flags 4\r\n"
             "/FontBBox [-174 -268 1001 944]\r\n/FontName " + std::string(kMinchoBold) + "\r\n/ItalicAngle 0\r\n/StemV 99\r\n"},
        {11, "/Type /Font\r\n/Subtype /CIDFontType2\r\n/BaseFont " + std::string(kMinchoBold) +
                 "\r\n/WinCharSet 128/FontDescriptor 10 0 R\r\n/CIDSystemInfo<<\r\n/Registry (Adobe)\r\n"
                 "/Ordering (Japan1)\r\n/Supplement 2\r\n>>\r\n/DW 1000\r\n/W [\r\n231 389 500\r\n631 631 500\r\n]\r\n"},
        {12, "/Type /Font\r\n/Subtype /Type0\r\n/Name /G1\r\n/BaseFont " + std::string(kMinchoBold) +
                 "\r\n/Encoding /90ms-RKSJ-H\r\n/DescendantFonts [11 0 R]\r\n"},
        {13, "/FontName /Ryumin-Light-90ms-RKSJ-H\r\n"},
        {14, "/Subtype /CIDFontType0\r\n/BaseFont /Ryumin-Light\r\n/FontDescriptor 13 0 R\r\n/CIDSystemInfo<<"},
        {14, "/Supplement 2\r\n>>\r\n/W [231 389 500]\r\n>>\r\n"}, // the half-width CIDs half an em wide
        {15, "/Subtype /Type0\r\n/BaseFont /Ryumin-Light-90ms-RKSJ-H\r\n/Encoding /90ms-RKSJ-H\r\n/DescendantFonts [14 0 R]"},
        {16, "/Type /Font\r\n/Subtype /Type1\r\n/Name /G3\r\n/BaseFont /Helvetica\r\n>>"},
        {18, "/BaseFont /GothicBBB-Medium\r\n"},
        {19, "/BaseFont /GothicBBB-Medium-90ms-RKSJ-H\r\n/Encoding /90ms-RKSJ-H\r\n/DescendantFonts [18 0 R]"},
    };
    for (const auto& object : objects)
        EXPECT_NE(file.object(object.first).find(object.second), std::string::npos)
            << object.first << ": " << file.object(object.first);
    EXPECT_EQ(file.object(20), "") << "one font per name, the default font once";

    EXPECT_EQ(pdf_test::qpdfFaults(scratch, {"fonts.pdf"}), "");
    EXPECT_EQ(pdf_test::run(scratch, "pdffonts fonts.pdf | grep -a -o 'CID TrueType\\|CID Type 0\\|Type 1' | sort -u"),
              "CID TrueType\nCID Type 0\nType 1\n");
    const std::string text = pdf_test::run(scratch, "pdftotext -enc UTF-8 fonts.pdf - | tr -d '\\f' | grep -v '^$'");
    for (const char* expected : {u8"日本語の表示", u8"リュウミン", "Helvetica (x)", u8"二頁目"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in " << text;
}

void registerKeys(FakeSettingsFile& file)
{
    file.registerSection(10150, "PDFFONTFACETABLE");
    file.registerKey(10151, "PDFNAMEFACE");
    file.registerKey(10152, "PDFTT2NAME");
    file.registerSection(15060, "LAYERNAME");
}

TEST(PdfFontFaces, TheSectionRoundTripsAndDamagedLinesLeaveAUsableTable)
{
    TestApplication app;
    PageWriter written;
    FakeSettingsFile file;
    registerKeys(file);
    ASSERT_EQ(written.writeFontFaces(file), 1);
    EXPECT_EQ(file.text, "") << "nothing before the table exists";
    written.ensureFontFaces();
    ASSERT_EQ(written.fontFaces().count(), 8) << "標準 and the seven defaults";
    ASSERT_EQ(written.fontFaces().setMapEntry(0, recordNumber(written.fontFaces(), "Courier")), 1);
    ASSERT_EQ(written.writeFontFaces(file), 1);
    const std::string face = written.fontFaces().entryAt(0)->face;
    EXPECT_EQ(file.text.rfind("[PDFFONTFACETABLE]\r\nPDFNAMEFACE=0,\"標準\",\"#82l#82r#96#BE#92#A9\",", 0), 0u);
    EXPECT_NE(file.text.find("PDFNAMEFACE=7,\"ZapfDingbats\",\"ZapfDingbats\",\"ZapfDingbats\",\"ZapfDingbats\","
                             "\"ZapfDingbats\"\r\n"),
              std::string::npos);
    EXPECT_NE(file.text.find("PDFTT2NAME=\"" + face + "\",5,5,\"Courier\"\r\n"), std::string::npos);

    PageWriter read;
    file.rewind();
    ASSERT_EQ(file.readKey(), 1);
    ASSERT_EQ(read.readFontFaces(file), 1);
    char name[256] = {};
    ASSERT_EQ(read.fontFaces().lookupName(face.c_str(), 4, name, sizeof name), 1);
    EXPECT_STREQ(name, "Courier-BoldOblique");

    // Damaged lines; a face given a record that does not exist takes the standard record.
    FakeSettingsFile damaged;
    registerKeys(damaged);
    damaged.text = "[PDFFONTFACETABLE]\r\n"
                   "PDFNAMEFACE=3 \"Times Roman\" \"Times-Roman\"\r\n"
                   "PDFNAMEFACE=-4,\"X\",\"X\",\"X\",\"X\",\"X\"\r\n"
                   "PDFNAMEFACE=99999999999,\"Huge\",\"H\",\"H\",\"H\",\"H\"\r\n"
                   "PDFNAMEFACE=1,\"" + std::string(300, 'N') + "\",\"" + std::string(300, 'R') + "\",\"b\",\"i\",\"bi\"\r\n"
                   "PDFTT2NAME=\"" + face + "\",2147483647,1,\"Huge\"\r\n"
                   "PDFTT2NAME=\"NoSuchFace\",1,1,\"N\"\r\n"
                   "PDFTT2NAME=\"" + face + "\"\r\n"
                   "[LAYERNAME]\r\n";
    PageWriter table;
    ASSERT_EQ(damaged.readKey(), 1);
    ASSERT_EQ(table.readFontFaces(damaged), 1);
    EXPECT_EQ(damaged.currentId(), 15060) << "the reading ends at the next section";
    EXPECT_EQ(table.fontFaces().recordAt(0)->name(FontFaceRecord::kDisplay), std::string("標準"))
        << "the standard record without a number-0 line";
    EXPECT_EQ(table.fontFaces().entryAt(0)->logical, 0);
    ASSERT_EQ(table.fontFaces().lookupName(face.c_str(), 2, name, sizeof name), 1);
    EXPECT_STREQ(name, "#82l#82r#96#BE#92#A9,Bold");
}

TEST(PdfFontSetDialog, ButtonsFollowTheFieldsAndOnlyOkKeepsTheTable)
{
    TestApplication app;
    ScriptedMouse mouse;
    PageWriter job;
    job.ensureFontFaces();
    FontFaceMap& faces = job.fontFaces();
    ASSERT_GE(faces.mapCount(), 3);
    const int helvetica = recordNumber(faces, "Helvetica"), courier = recordNumber(faces, "Courier");

    // Clicks row `row` of the faces' list as the user does (rows of the GUI font's height and a
    // one-pixel gap).
    auto clickRow = [&](HWND window, int row) {
        LOGFONTA font = {};
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
        const int h = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
        POINT p = {h, 1 + (h + 1) * row + h / 2};
        ClientToScreen(GetDlgItem(window, IDC_PDF_SCREEN_FACES), &p);
        mouse.rest(p.x, p.y);
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    };
    auto type = [](HWND window, int id, const char* text) { SetDlgItemTextA(window, id, text); };
    // A record chosen in the combo (items in table order).
    auto choose = [](HWND window, int position) {
        SendDlgItemMessageA(window, IDC_PDF_RECORD_CHOICE, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_PDF_RECORD_CHOICE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_PDF_RECORD_CHOICE)));
    };
    auto enabled = [](HWND window) {
        std::string states;
        for (int id : {IDC_PDF_ADD_RECORD, IDC_PDF_REPLACE_RECORD, IDC_PDF_DELETE_RECORD})
            states += IsWindowEnabled(GetDlgItem(window, id)) ? '1' : '0';
        return states;
    };
    auto field = [](HWND window, int id) {
        char text[256] = {};
        GetDlgItemTextA(window, id, text, sizeof text);
        return std::string(text);
    };

    struct Run {
        const char* what;
        int button;
    };
    for (const Run& run : {Run{"ｷｬﾝｾﾙ keeps the table", IDCANCEL}, Run{"OK takes the edits", IDOK}}) {
        SCOPED_TRACE(run.what);
        std::vector<std::string> seen;
        const int before = faces.count();
        const INT_PTR result = driveModalDialog([&] { return static_cast<INT_PTR>(job.editFontTable(nullptr)); },
                                                [&](HWND w) {
                                                    seen.push_back(field(w, IDC_PDF_DISPLAY_NAME) + " " + enabled(w));
                                                    // The standard record: only a new name can be added.
                                                    type(w, IDC_PDF_DISPLAY_NAME, "新規");
                                                    seen.push_back(enabled(w));
                                                    type(w, IDC_PDF_REGULAR_NAME, "");
                                                    seen.push_back(enabled(w));
                                                    type(w, IDC_PDF_REGULAR_NAME, "New-Regular");
                                                    click(w, IDC_PDF_ADD_RECORD);
                                                    seen.push_back(field(w, IDC_PDF_DISPLAY_NAME) + " " + enabled(w));
                                                    // Row 1 given Helvetica, whose bold name is replaced.
                                                    clickRow(w, 1);
                                                    choose(w, helvetica);
                                                    seen.push_back(field(w, IDC_PDF_BOLD_NAME) + " " + enabled(w));
                                                    type(w, IDC_PDF_BOLD_NAME, "Helvetica-Black");
                                                    seen.push_back(enabled(w));
                                                    click(w, IDC_PDF_REPLACE_RECORD);
                                                    // Row 2 given Courier, which is then deleted.
                                                    clickRow(w, 2);
                                                    choose(w, courier);
                                                    click(w, IDC_PDF_DELETE_RECORD);
                                                    seen.push_back(field(w, IDC_PDF_DISPLAY_NAME) + " " + enabled(w));
                                                    PostMessageA(w, WM_COMMAND, MAKEWPARAM(run.button, BN_CLICKED), 0);
                                                });
        EXPECT_EQ(result, run.button);
        const std::vector<std::string> expected = {"標準 000", "100", "000", "新規 001", "Helvetica-Bold 001",
                                                   "011", "標準 000"};
        EXPECT_EQ(seen, expected);
        if (run.button == IDCANCEL) {
            EXPECT_EQ(faces.count(), before);
            EXPECT_EQ(faces.entryAt(1)->logical, 0);
            EXPECT_EQ(faces.entryAt(2)->logical, 0);
            continue;
        }
        EXPECT_EQ(faces.count(), before) << "one added, one deleted";
        EXPECT_EQ(faces.entryAt(1)->logical, helvetica);
        EXPECT_EQ(faces.entryAt(2)->logical, 0) << "the deleted record's face takes the standard one";
        EXPECT_EQ(recordNumber(faces, "Courier"), -2);
        EXPECT_EQ(recordNumber(faces, "新規"), before - 1) << "moved down after the deleted Courier";
        char name[256] = {};
        ASSERT_EQ(faces.lookupName(faces.entryAt(1)->face, 2, name, sizeof name), 1);
        EXPECT_STREQ(name, "Helvetica-Black");
    }
}

} // namespace
