#pragma once
#include <string>
#include <unordered_map>
#include <vector>

struct FontFaceTableKind;
class FontFaceMap;
class PdfFileWriter;

// The PDF font-face table ("PDFFONTFACETABLE"): no "TrueType" record, the "標準" record with the
// escaped Shift-JIS names of "ＭＳ明朝" (",Bold", ",Italic", ",BoldItalic" for the styles), then
// 明朝, ゴシック, Times Roman, Helvetica, Courier, Symbol and ZapfDingbats.
[[nodiscard]] const FontFaceTableKind& pdfFontFaces();

// One PDF object of a font family.
struct PdfFontRecord {
    enum Kind { kFont = 1, kDescriptor = 2 };
    enum Subtype {
        kType0OverCid0 = 101,
        kType0OverCid2 = 102,
        kCidFontType0 = 106,
        kCidFontType2 = 107,
        kType1 = 111,
    };
    int kind = kFont;
    int subtype = 0;
    int resourceNumber = 0;    // the n of "/G" n for a top-level font, from 1; else 0
    std::string baseFont;
    std::string encoding;
    std::string tableName;     // the name the face table gave (a descriptor's font name)
    int descendantObject = 0;
    int descriptorObject = 0;
    int objectNumber = 0;
};

// The fonts of one PDF document. A text selects its face and style; the face table names the PDF
// font, which is registered the first time a page uses it and reused after that:
// - a name ending in "-H" is a CID-keyed Japanese font with its CMap ("Ryumin-Light-90ms-RKSJ-H":
//   base font "Ryumin-Light", encoding "90ms-RKSJ-H"): a descriptor, a CIDFontType0 and a Type0;
// - a name starting with "#" is an escaped Japanese TrueType name: a descriptor, a CIDFontType2
//   and a Type0 over the "90ms-RKSJ-H" encoding;
// - any other name is a Type1 font.
// A face that is not installed, a name of one or two characters or a "-H" name that cannot be
// split take the default font, GothicBBB-Medium over 90ms-RKSJ-H, so that no text is written
// without a font.
class PdfFontTable {
public:
    explicit PdfFontTable(PdfFileWriter& writer) : out(writer) {}

    void reset();
    // "/G" n " 1 Tf" for the face and style (1 regular, 2 bold, 3 italic, 4 bold italic).
    [[nodiscard]] int selectFont(const FontFaceMap& faces, const char* face, int style);
    // The default font's resource number.
    [[nodiscard]] int registerDefaultFont();
    // The resource number of the font the name stands for (registered when new).
    [[nodiscard]] int registerName(const char* name);
    [[nodiscard]] int resourceCount() const { return resources; }
    // The object of the top-level font with resource number n; 0 when none.
    [[nodiscard]] int fontObjectForResource(int n) const;
    // Every record's object in table order.
    [[nodiscard]] int writeFonts();
    [[nodiscard]] const std::vector<PdfFontRecord>& records() const { return table; }

private:
    [[nodiscard]] int registerFamily(int subtype, const std::string& base, const std::string& encoding,
                                     const std::string& tableName);
    [[nodiscard]] int writeRecord(const PdfFontRecord& record);
    [[nodiscard]] int writeCidSystemInfo();

    PdfFileWriter& out;
    std::vector<PdfFontRecord> table;
    // Top-level fonts by subtype and base font, and the names already resolved, to resource numbers.
    std::unordered_map<std::string, int> byFont;
    std::unordered_map<std::string, int> byName;
    std::vector<int> resourceObjects;   // index n - 1
    int resources = 0;
    // The face and style selected last, and the resource they gave.
    std::string lastFace;
    int lastStyle = -1;
    int lastResource = 0;
};
