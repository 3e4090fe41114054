#pragma once
#include <string>
#include <unordered_map>
#include <vector>

#include "io/postscript/FontFaceList.h"

class SettingsFile;

// What makes one kind of font-face table: its settings section with its two keys, which leading
// records it has, its built-in "標準" record and the named records a new table starts with.
struct FontFaceTableKind {
    int sectionId;
    int nameKeyId;   // a record: logical number, then five quoted names
    int faceKeyId;   // a face's record: quoted face, logical number, position, quoted display name
    int hasTrueTypeEntry;
    int hasStandardEntry;
    FontFaceRecord standard;
    std::vector<FontFaceRecord> defaults;
};

// The PostScript table ("PSFONTFACETABLE"): no "TrueType" record, the "標準" record
// GothicBBB-Medium with the CMap 90ms-RKSJ-H, then リュウミンライト, 中ゴシックBBB, Times Roman,
// Helvetica and Courier.
[[nodiscard]] const FontFaceTableKind& postScriptFontFaces();

// A font-face table: the records of FontFaceList and a map from every installed Windows face (the
// font families the system enumerates) to the logical number of its record. Output writers ask it
// for the output font name of a face and style; the settings file stores the records and the
// faces whose record is not the default one.
//
// The PostScript writer and the PDF writer each hold one, made from their own kind. A table is
// empty until create() (or a settings read) fills it; the map is rebuilt from the installed
// families at either.
class FontFaceMap : public FontFaceList {
public:
    struct Entry {
        char face[FontFaceRecord::kNameSize];
        int logical;
    };

    explicit FontFaceMap(const FontFaceTableKind& kind);

    // The kind's records and a map of every installed face to the default number.
    void create();
    [[nodiscard]] int isCreated() const { return created; }
    // Every installed face gets the default number (the faces already mapped keep nothing).
    void rebuildMap();

    [[nodiscard]] int mapCount() const { return static_cast<int>(map.size()); }
    [[nodiscard]] const Entry* entryAt(int position) const;
    // The map position of a face (exact name); -1 when it is not installed.
    [[nodiscard]] int findFace(const char* face) const;
    // 0 for a position outside the map.
    [[nodiscard]] int setMapEntry(int position, int logical);
    // After the record of `logical` was removed: entries with that number get the default number,
    // larger numbers drop by one.
    void renumberAfterRemoval(int logical);

    // The output name of a face in style 1 regular, 2 bold, 3 italic, 4 bold italic, at most
    // size - 1 bytes into out; 0 (out empty) when the face is not installed, its number names no
    // record or the style is outside 1..4.
    [[nodiscard]] int lookupName(const char* face, int style, char* out, int size) const;
    // lookupName, and where it finds nothing the name of the "標準" record (style 1 for a style
    // outside 1..4): a text in a face that is not installed still prints. 0 only when the table
    // has no "標準" record either.
    [[nodiscard]] int lookupNameOrStandard(const char* face, int style, char* out, int size) const;

    // The last-font cache of a writer: 1 when `name` and both sizes (within 1e-5) are those of the
    // last call; in every case the cache takes the new ones. resetFontCache empties it.
    [[nodiscard]] int checkFontCache(const char* name, double sizeX, double sizeY);
    void resetFontCache();

    // The table's section, read after its section line up to the next section (a bad line is
    // skipped); the last read's result. A missing "標準" record is put back in its place.
    [[nodiscard]] int readSettings(SettingsFile& file);
    // The section line and the key lines; nothing (and 1) before the table is created.
    [[nodiscard]] int writeSettings(SettingsFile& file) const;

    void copyFrom(const FontFaceMap& other);

    const FontFaceTableKind& kind;

private:
    void readNameLine(SettingsFile& file, int& standardRead);
    void readFaceLine(SettingsFile& file);

    std::vector<Entry> map;
    std::unordered_map<std::string, int> index;   // face -> map position
    int created = 0;
    char lastName[FontFaceRecord::kNameSize] = {};
    double lastSizeX = 0.0;
    double lastSizeY = 0.0;
};
