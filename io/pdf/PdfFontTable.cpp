#include "io/pdf/PdfFontTable.h"

#include <cstring>

#include "io/pdf/PdfFileWriter.h"
#include "io/postscript/FontFaceMap.h"
#include "platform/StringUtil.h"

namespace {
// The keys of PDFFONTFACETABLE (the same numbers the shell binds to their names).
enum : int { kPdfSection = 10150, kPdfNameKey = 10151, kPdfFaceKey = 10152 };

const char* const kJapaneseEncoding = "90ms-RKSJ-H";
// The default font: GothicBBB-Medium over the Japanese CMap.
const char* const kDefaultBase = "GothicBBB-Medium";
// A font's names fit 127 bytes.
const int kNameSize = 128;

// The "#" names are the Shift-JIS bytes of the Japanese system faces as PDF name escapes.
const char* const kMincho = "#82l#82r#96#BE#92#A9";
const char* const kGothic = "#82l#82r#83S#83V#83b#83N";

FontFaceRecord styledRecord(const char* display, const std::string& base)
{
    return FontFaceRecord(display, base.c_str(), (base + ",Bold").c_str(), (base + ",Italic").c_str(),
                          (base + ",BoldItalic").c_str());
}

std::string cut(const char* text)
{
    char buffer[kNameSize];
    StringUtil::copy(buffer, text ? text : "");
    return buffer;
}
} // namespace

const FontFaceTableKind& pdfFontFaces()
{
    static const FontFaceTableKind kind = [] {
        FontFaceTableKind k{kPdfSection, kPdfNameKey, kPdfFaceKey, 0, 1, styledRecord("標準", kMincho), {}};
        k.defaults.push_back(styledRecord("明朝", kMincho));
        k.defaults.push_back(styledRecord("ゴシック", kGothic));
        k.defaults.emplace_back("Times Roman", "Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic");
        k.defaults.emplace_back("Helvetica", "Helvetica", "Helvetica-Bold", "Helvetica-Oblique",
                                "Helvetica-BoldOblique");
        k.defaults.emplace_back("Courier", "Courier", "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique");
        k.defaults.emplace_back("Symbol", "Symbol");
        k.defaults.emplace_back("ZapfDingbats", "ZapfDingbats");
        return k;
    }();
    return kind;
}

void PdfFontTable::reset()
{
    table.clear();
    byFont.clear();
    byName.clear();
    resourceObjects.clear();
    resources = 0;
    lastFace.clear();
    lastStyle = -1;
    lastResource = 0;
}

int PdfFontTable::fontObjectForResource(int n) const
{
    return n >= 1 && n <= resources ? resourceObjects[static_cast<size_t>(n - 1)] : 0;
}

int PdfFontTable::selectFont(const FontFaceMap& faces, const char* face, int style)
{
    // Texts in a row mostly share their font.
    if (!face || lastStyle != style || lastFace != face) {
        char name[FontFaceRecord::kNameSize];
        // A face that is not installed (nor substituted) takes the default font.
        lastResource = face && face[0] && faces.lookupName(face, style, name, sizeof name) ? registerName(name)
                                                                                         : registerDefaultFont();
        lastFace = face ? face : "";
        lastStyle = face ? style : -1;
    }
    const int resource = lastResource;
    return out.writeString("/G", 0) && out.writeNumber(resource, 0) && out.writeString(" 1 Tf", 1);
}

int PdfFontTable::registerDefaultFont() { return registerFamily(PdfFontRecord::kType0OverCid0, kDefaultBase, kJapaneseEncoding, kDefaultBase); }

int PdfFontTable::registerName(const char* text)
{
    const std::string name = cut(text);
    auto known = byName.find(name);
    if (known != byName.end())
        return known->second;
    int resource = 0;
    const size_t length = name.size();
    if (length < 3) {
        // A name of one or two characters names no font: the text still gets one.
        resource = registerDefaultFont();
    } else if (name.compare(length - 2, 2, "-H") == 0) {
        // The base font and the CMap: split at the first "-" of a name with two, else at the second.
        size_t dashes = 0, first = std::string::npos, second = std::string::npos;
        for (size_t i = 0; i < length; ++i) {
            if (name[i] != '-')
                continue;
            ++dashes;
            if (dashes == 1)
                first = i;
            else if (dashes == 2)
                second = i;
        }
        const size_t split = dashes == 2 ? first : second;
        if (dashes < 2 || split == 0 || split + 1 >= length)
            resource = registerDefaultFont();
        else
            resource = registerFamily(PdfFontRecord::kType0OverCid0, name.substr(0, split), name.substr(split + 1), name);
    } else if (name[0] == '#') {
        resource = registerFamily(PdfFontRecord::kType0OverCid2, name, kJapaneseEncoding, name);
    } else {
        resource = registerFamily(PdfFontRecord::kType1, name, "", name);
    }
    byName.emplace(name, resource);
    return resource;
}

int PdfFontTable::registerFamily(int subtype, const std::string& base, const std::string& encoding,
                                 const std::string& tableName)
{
    const std::string key = std::to_string(subtype) + '|' + base + '|' + encoding;
    auto known = byFont.find(key);
    if (known != byFont.end())
        return known->second;
    PdfFontRecord top;
    top.subtype = subtype;
    top.baseFont = base;
    top.encoding = encoding;
    top.tableName = tableName;
    if (subtype != PdfFontRecord::kType1) {
        // A descriptor, the CID font and the Type0 font over it, with consecutive numbers.
        PdfFontRecord descriptor;
        descriptor.kind = PdfFontRecord::kDescriptor;
        descriptor.tableName = tableName;
        descriptor.objectNumber = out.allocateObjectNumber();
        PdfFontRecord cid;
        cid.subtype = subtype == PdfFontRecord::kType0OverCid0 ? PdfFontRecord::kCidFontType0 : PdfFontRecord::kCidFontType2;
        cid.baseFont = base;
        cid.tableName = tableName;
        cid.descriptorObject = descriptor.objectNumber;
        cid.objectNumber = out.allocateObjectNumber();
        top.descriptorObject = descriptor.objectNumber;
        top.descendantObject = cid.objectNumber;
        table.push_back(descriptor);
        table.push_back(cid);
    }
    top.resourceNumber = ++resources;
    top.objectNumber = out.allocateObjectNumber();
    table.push_back(top);
    resourceObjects.push_back(top.objectNumber);
    byFont.emplace(key, top.resourceNumber);
    return top.resourceNumber;
}

int PdfFontTable::writeCidSystemInfo()
{
    return out.writeString("/CIDSystemInfo<<", 1) && out.writeString("/Registry (Adobe)", 1) &&
           out.writeString("/Ordering (Japan1)", 1) && out.writeString("/Supplement 2", 1) && out.writeString(">>", 1);
}

int PdfFontTable::writeRecord(const PdfFontRecord& r)
{
    out.recordOffset(r.objectNumber);
    if (!out.beginObject(r.objectNumber, 1))
        return 0;
    int written = 0;
    if (r.kind == PdfFontRecord::kDescriptor) {
        written = out.writeString("/Type /FontDescriptor", 1) && out.writeString("/Ascent 752", 1) &&
                  out.writeString("/CapHeight 737", 1) && out.writeString("/Descent -271", 1) &&
                  out.writeString("/Flags 4", 1) && out.writeString("/FontBBox [-174 -268 1001 944]", 1) &&
                  out.writeString("/FontName ", 0) && out.writeName(r.tableName.c_str(), 1) &&
                  out.writeString("/ItalicAngle 0", 1) && out.writeString("/StemV 99", 1);
    } else {
        written = out.writeString("/Type /Font", 1);
        switch (r.subtype) {
        case PdfFontRecord::kCidFontType0:
            // Without widths every CID is one em: the half-width CIDs that the CMap gives the
            // single bytes (ASCII, numerals) would be drawn twice as wide as on the screen.
            written = written && out.writeString("/Subtype /CIDFontType0", 1) && out.writeString("/BaseFont ", 0) &&
                      out.writeName(r.baseFont.c_str(), 1) &&
                      out.writeReference("/FontDescriptor ", r.descriptorObject, 0, 0) && writeCidSystemInfo() &&
                      out.writeString("/W [231 389 500]", 1);
            break;
        case PdfFontRecord::kCidFontType2:
            // "/WinCharSet 128" runs on into the descriptor's key on one line.
            written = written && out.writeString("/Subtype /CIDFontType2", 1) && out.writeString("/BaseFont ", 0) &&
                      out.writeName(r.baseFont.c_str(), 1) && out.writeString("/WinCharSet 128", 0) &&
                      out.writeReference("/FontDescriptor ", r.descriptorObject, 0, 0) && writeCidSystemInfo() &&
                      out.writeString("/DW 1000", 1) && out.writeString("/W [", 1) && out.writeString("231 389 500", 1) &&
                      out.writeString("631 631 500", 1) && out.writeString("]", 1);
            break;
        case PdfFontRecord::kType0OverCid0:
            written = written && out.writeString("/Subtype /Type0", 1) && out.writeString("/BaseFont ", 0) &&
                      out.writeName((r.baseFont + "-" + r.encoding).c_str(), 1) && out.writeString("/Encoding ", 0) &&
                      out.writeName(r.encoding.c_str(), 1) &&
                      out.writeReference("/DescendantFonts ", r.descendantObject, 1, 1);
            break;
        case PdfFontRecord::kType0OverCid2:
            written = written && out.writeString("/Subtype /Type0", 1) && out.writeKeyNumber("/Name /G", r.resourceNumber, 1) &&
                      out.writeString("/BaseFont ", 0) && out.writeName(r.baseFont.c_str(), 1) &&
                      out.writeString("/Encoding ", 0) && out.writeName(r.encoding.c_str(), 1) &&
                      out.writeReference("/DescendantFonts ", r.descendantObject, 1, 1);
            break;
        default:
            written = written && out.writeString("/Subtype /Type1", 1) && out.writeKeyNumber("/Name /G", r.resourceNumber, 1) &&
                      out.writeString("/BaseFont ", 0) && out.writeName(r.baseFont.c_str(), 1);
            break;
        }
    }
    return written && out.endObject(1);
}

int PdfFontTable::writeFonts()
{
    for (const PdfFontRecord& record : table)
        if (!writeRecord(record))
            return 0;
    return 1;
}
