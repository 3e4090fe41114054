#pragma once
#include <vector>

// One font-name record of a font-face table: the name shown for it and the output font names of
// its four styles, each a zero-terminated Shift-JIS name of at most 255 bytes.
struct FontFaceRecord {
    enum { kNameSize = 256 };
    enum Name { kDisplay = 0, kRegular = 1, kBold = 2, kItalic = 3, kBoldItalic = 4, kNameCount = 5 };

    FontFaceRecord() = default;
    // The display name and one name for all four styles, or four names (null repeats regular).
    FontFaceRecord(const char* display, const char* regular, const char* bold = nullptr,
                   const char* italic = nullptr, const char* boldItalic = nullptr);

    // Copies a name in, cut to 255 bytes on a Shift-JIS character boundary.
    void setName(int which, const char* text);
    [[nodiscard]] const char* name(int which) const { return names[which]; }

    char names[kNameCount][kNameSize] = {};
};

// The records of a font-face table (PostScript: the PSFONTFACETABLE; PDF: the PDFFONTFACETABLE),
// in order, with their logical numbers: -1 names the "TrueType" record, 0 the "標準" record, 1 and
// up the named records in order. Which of the two leading records exist is fixed per table; the
// records after them are what the settings file (or the table's defaults) gives.
//
// Positions are indexes into the array. Conversions between logical numbers and positions answer
// -1 for a number or position that names no record; nothing is read from such a number.
class FontFaceList {
public:
    // `standard` is the built-in "標準" record of this kind of table.
    FontFaceList(int hasTrueTypeEntry, int hasStandardEntry, const FontFaceRecord& standard);
    virtual ~FontFaceList() = default;

    [[nodiscard]] int count() const { return static_cast<int>(records.size()); }
    // The record at a position; null outside the array.
    [[nodiscard]] const FontFaceRecord* recordAt(int position) const;
    // The array position of a logical number (-1 when it names no record), and back.
    [[nodiscard]] int positionOf(int logical) const;
    [[nodiscard]] int logicalOf(int position) const;
    // The number of a face that has no record of its own: -1 with the "TrueType" record, else 0
    // with the "標準" record, else 1.
    [[nodiscard]] int defaultLogical() const;
    // The position the "標準" record takes (after the "TrueType" record when that exists).
    [[nodiscard]] int standardPosition() const { return hasTrueTypeEntry ? 1 : 0; }

    // Table maintenance. addRecord appends; replaceRecord and removeRecord answer 0 for a position
    // outside the array; removing moves later records down (and pulls the selection back when it
    // falls off the end). clearRecords keeps only the "TrueType" record where the table has one.
    // A table holds at most kMaxRecords records (a settings file cannot grow it further).
    enum { kMaxRecords = 1000 };
    [[nodiscard]] int addRecord(const FontFaceRecord& record);
    [[nodiscard]] int insertRecord(int position, const FontFaceRecord& record);
    [[nodiscard]] int replaceRecord(int position, const FontFaceRecord& record);
    [[nodiscard]] int removeRecord(int position);
    void clearRecords();
    void copyFrom(const FontFaceList& other);

    const int hasTrueTypeEntry;
    const int hasStandardEntry;
    // The record chosen in a settings dialog (a position).
    int selection = 0;
    const FontFaceRecord standardRecord;

protected:
    // The leading "TrueType" record: "TrueType" for all five names.
    [[nodiscard]] static FontFaceRecord trueTypeRecord();

    std::vector<FontFaceRecord> records;
};
