#include "io/postscript/FontFaceMap.h"

#include <cmath>

#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"
#include "platform/FontInfo.h"
#include "platform/GlobalBlock.h"
#include "platform/StringUtil.h"

namespace {
// The keys of PSFONTFACETABLE (the same numbers the shell binds to their names).
enum : int { kPsSection = 10140, kPsNameKey = 10141, kPsFaceKey = 10142 };

// The faces of a face listing, each FaceRecord being 260 bytes.
const int kFaceRecordSize = static_cast<int>(sizeof(FaceRecord));
const int kFaceListGrowth = 64;

const double kSizeTolerance = 1e-5;

// A Japanese output name: the base font with the CMap.
const char* const kJapaneseCMap = "-90ms-RKSJ-H";
std::string withCMap(const char* base) { return std::string(base) + kJapaneseCMap; }
} // namespace

const FontFaceTableKind& postScriptFontFaces()
{
    static const FontFaceTableKind kind = [] {
        const std::string gothic = withCMap("GothicBBB-Medium");
        const std::string ryumin = withCMap("Ryumin-Light");
        FontFaceTableKind k{kPsSection, kPsNameKey, kPsFaceKey, 0, 1, FontFaceRecord("標準", gothic.c_str()), {}};
        k.defaults.emplace_back("リュウミンライト", ryumin.c_str());
        k.defaults.emplace_back("中ゴシックBBB", gothic.c_str());
        k.defaults.emplace_back("Times Roman", "Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic");
        k.defaults.emplace_back("Helvetica", "Helvetica", "Helvetica-Bold", "Helvetica-Oblique",
                                "Helvetica-BoldOblique");
        k.defaults.emplace_back("Courier", "Courier", "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique");
        return k;
    }();
    return kind;
}

FontFaceMap::FontFaceMap(const FontFaceTableKind& tableKind)
    : FontFaceList(tableKind.hasTrueTypeEntry, tableKind.hasStandardEntry, tableKind.standard), kind(tableKind)
{
}

void FontFaceMap::create()
{
    clearRecords();
    if (hasStandardEntry)
        (void)insertRecord(standardPosition(), standardRecord); // the table is empty: it fits
    for (const FontFaceRecord& record : kind.defaults)
        (void)addRecord(record); // a handful, far below the limit
    rebuildMap();
    created = 1;
}

void FontFaceMap::rebuildMap()
{
    map.clear();
    index.clear();
    GlobalBlock faces(kFaceListGrowth, kFaceRecordSize);
    FontInfo info;
    if (!info.listFamilies(&faces))
        return; // no families listed: every face takes the standard record's name
    const auto* list = static_cast<const FaceRecord*>(faces.lock());
    if (!list)
        return;
    const int defaultNumber = defaultLogical();
    for (int i = 0; i < faces.count; ++i) {
        Entry entry{};
        StringUtil::copy(entry.face, list[i].faceName);
        entry.logical = defaultNumber;
        if (index.emplace(entry.face, static_cast<int>(map.size())).second)
            map.push_back(entry);
    }
    faces.unlock();
}

const FontFaceMap::Entry* FontFaceMap::entryAt(int position) const
{
    return position >= 0 && position < mapCount() ? &map[static_cast<size_t>(position)] : nullptr;
}

int FontFaceMap::findFace(const char* face) const
{
    if (!face)
        return -1;
    auto found = index.find(face);
    return found == index.end() ? -1 : found->second;
}

int FontFaceMap::setMapEntry(int position, int logical)
{
    if (!entryAt(position))
        return 0;
    map[static_cast<size_t>(position)].logical = logical;
    return 1;
}

void FontFaceMap::renumberAfterRemoval(int logical)
{
    const int defaultNumber = defaultLogical();
    for (Entry& entry : map) {
        if (entry.logical == logical)
            entry.logical = defaultNumber;
        else if (entry.logical > logical)
            --entry.logical;
    }
}

int FontFaceMap::lookupName(const char* face, int style, char* out, int size) const
{
    if (out && size > 0)
        out[0] = 0;
    if (!out || size < 1 || style < FontFaceRecord::kRegular || style > FontFaceRecord::kBoldItalic)
        return 0;
    const Entry* entry = entryAt(findFace(face));
    const FontFaceRecord* record = entry ? recordAt(positionOf(entry->logical)) : nullptr;
    if (!record)
        return 0;
    StringUtil::copy(out, size, record->name(style));
    return 1;
}

int FontFaceMap::lookupNameOrStandard(const char* face, int style, char* out, int size) const
{
    if (lookupName(face, style, out, size))
        return 1;
    const FontFaceRecord* standard = recordAt(positionOf(0));
    if (!standard || !out || size < 1)
        return 0;
    const int used = style >= FontFaceRecord::kRegular && style <= FontFaceRecord::kBoldItalic ? style
                                                                                                : FontFaceRecord::kRegular;
    StringUtil::copy(out, size, standard->name(used));
    return 1;
}

int FontFaceMap::checkFontCache(const char* name, double sizeX, double sizeY)
{
    const int same = StringUtil::equals(lastName, name ? name : "") && std::fabs(sizeX - lastSizeX) <= kSizeTolerance &&
                     std::fabs(sizeY - lastSizeY) <= kSizeTolerance;
    StringUtil::copy(lastName, name ? name : "");
    lastSizeX = sizeX;
    lastSizeY = sizeY;
    return same;
}

void FontFaceMap::resetFontCache()
{
    lastName[0] = 0;
    lastSizeX = lastSizeY = 0.0;
}

// --- the settings file ---

void FontFaceMap::readNameLine(SettingsFile& file, int& standardRead)
{
    int number = 0;
    if (!attribute_io::readSettingInt(file, number) || !file.getDelimiterFlag(SettingsFile::kComma))
        return;
    FontFaceRecord record;
    for (int i = 0; i < FontFaceRecord::kNameCount; ++i) {
        // Five names separated by commas; a line that lacks one is passed over.
        if (i > 0 && !file.getDelimiterFlag(SettingsFile::kComma))
            return;
        if (!file.readString(record.names[i], FontFaceRecord::kNameSize))
            return;
    }
    if (number < 0)
        return;
    if (number == 0) {
        // The built-in record, whatever names the line gives, in its own place.
        if (hasStandardEntry && !standardRead)
            standardRead = insertRecord(standardPosition(), standardRecord);
        return;
    }
    (void)addRecord(record); // a table at its limit takes no more records
}

void FontFaceMap::readFaceLine(SettingsFile& file)
{
    char face[FontFaceRecord::kNameSize] = {};
    int number = 0;
    if (!file.readString(face, sizeof face) || !file.getDelimiterFlag(SettingsFile::kComma) ||
        !attribute_io::readSettingInt(file, number))
        return;
    // The position and the display name that follow only describe the record.
    (void)setMapEntry(findFace(face), number); // a face that is not installed is passed over
}

int FontFaceMap::readSettings(SettingsFile& file)
{
    rebuildMap();
    clearRecords();
    created = 1;
    int standardRead = 0;
    while (file.readKey()) {
        if (file.currentKind() == SettingsFile::kSection)
            break;
        if (file.currentId() == kind.nameKeyId)
            readNameLine(file, standardRead);
        else if (file.currentId() == kind.faceKeyId)
            readFaceLine(file);
    }
    if (hasStandardEntry && !standardRead)
        (void)insertRecord(standardPosition(), standardRecord); // below the limit: it was not read
    return 1;
}

int FontFaceMap::writeSettings(SettingsFile& file) const
{
    if (!created)
        return 1;
    if (!file.writeSection(kind.sectionId))
        return 0;
    for (int position = 0; position < count(); ++position) {
        const int number = logicalOf(position);
        if (number < 0)
            continue;
        const FontFaceRecord& record = records[static_cast<size_t>(position)];
        if (!file.writeKey(kind.nameKeyId) || !file.writeInt(number, 1, 0))
            return 0;
        for (int i = 0; i < FontFaceRecord::kNameCount; ++i) {
            const int last = i == FontFaceRecord::kNameCount - 1;
            if (!file.writeQuoted(record.names[i], last ? 0 : 1, last))
                return 0;
        }
    }
    const int defaultNumber = defaultLogical();
    for (const Entry& entry : map) {
        const int position = positionOf(entry.logical);
        if (position < 0 || entry.logical == defaultNumber)
            continue;
        if (!file.writeKey(kind.faceKeyId) || !file.writeQuoted(entry.face, 1, 0) || !file.writeInt(entry.logical, 1, 0) ||
            !file.writeInt(position, 1, 0) || !file.writeQuoted(records[static_cast<size_t>(position)].names[0], 0, 1))
            return 0;
    }
    return 1;
}

void FontFaceMap::copyFrom(const FontFaceMap& other)
{
    FontFaceList::copyFrom(other);
    map = other.map;
    index = other.index;
    created = other.created;
}
