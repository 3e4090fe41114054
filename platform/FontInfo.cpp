#include "platform/FontInfo.h"

#include <cstring>
#include <map>
#include <string>

#include "platform/Control.h"
#include "platform/FontFamilies.h"
#include "platform/GlobalBlock.h"
#include "platform/StringUtil.h"

namespace {
// What a query asks of each enumerated family.
enum QueryCode {
    kFindFace = 12,
    kFindStyle = 15,
    kFindCharsetFamily = 17,
    kFindFaceCharset = 21,
    kQueryMetrics = 23,
    kFillFaceList = 31,
    kListFamilies = 41,
    kHasFace = 51,
};

const BYTE kShiftJisCharset = SHIFTJIS_CHARSET;

int styleOfName(const char* name)
{
    static const char* const names[] = {"Regular", "Bold", "Italic", "Bold Italic"};
    for (int i = 0; i < 4; ++i)
        if (StringUtil::equals(name, names[i]))
            return i + 1;
    return -1;
}
} // namespace

// One enumeration: its code, the name asked about, and for listings the faces listed so far
// (Wine enumerates a family once per character set) with their index in the face block.
struct FontInfo::Query {
    FontInfo* info;
    int code;
    const char* name;
    std::map<std::string, int> listed;
};

void FontInfo::enumerate(const char* family, int code)
{
    // The members come from the kept family lists, in the system's order, so a query asked for
    // every measured text costs no enumeration after the first.
    Query query{this, code, family, {}};
    for (const FontFamilyMember& member : fontFamilyMembers(family)) {
        if (!onFamily(query, member.font, member.metric, member.fontType))
            return;
    }
}

void FontInfo::take(const ENUMLOGFONTA& family, DWORD fontType)
{
    font = family;
    isTrueType = (fontType & TRUETYPE_FONTTYPE) ? 1 : 0;
    found = 1;
}

void FontInfo::listFace(Query& query, const char* face, BYTE familyCharset)
{
    auto known = query.listed.find(face);
    if (known != query.listed.end()) {
        // A face listed before: its record learns that the face has Shift-JIS too.
        if (query.code == kListFamilies && familyCharset == kShiftJisCharset && known->second >= 0) {
            FaceRecord record;
            if (faceBlock->get(known->second, &record)) {
                record.isShiftJis = 1;
                (void)faceBlock->put(known->second, &record); // in range: the record was just read
            }
        }
        return;
    }
    int index = -1;
    if (query.code == kFillFaceList) {
        (void)listControl->addString(face); // a face the list refuses is left out
        if (StringUtil::equals(face, getFaceName()))
            faceListed = 1;
    } else {
        FaceRecord record = {};
        StringUtil::copy(record.faceName, face);
        record.isShiftJis = familyCharset == kShiftJisCharset ? 1 : 0;
        if (appendFace(record))
            index = faceBlock->count - 1;
    }
    query.listed.emplace(face, index);
}

int FontInfo::onFamily(Query& query, const ENUMLOGFONTA& family, const NEWTEXTMETRICA& metric, DWORD fontType)
{
    const char* face = family.elfLogFont.lfFaceName;
    const int trueType = (fontType & TRUETYPE_FONTTYPE) != 0;
    // The searches take the first member that answers them; the members after it change
    // nothing, so the walk ends there.
    switch (query.code) {
    case kFindFace:
        if (!found)
            take(family, fontType);
        return 0;
    case kFindStyle:
        if (!found && styleOfName(reinterpret_cast<const char*>(family.elfStyle)) == style)
            take(family, fontType);
        return !found;
    case kFindCharsetFamily:
        if (!found && (trueType || !trueTypeOnly) && metric.tmCharSet == charset)
            take(family, fontType);
        return !found;
    case kFindFaceCharset:
        if (!found) {
            font.elfLogFont.lfCharSet = family.elfLogFont.lfCharSet;
            found = 1;
        }
        return 0;
    case kQueryMetrics:
        if (metrics) {
            // Other families come with a plain TEXTMETRIC.
            *metrics = {};
            std::memcpy(metrics, &metric, trueType ? sizeof(NEWTEXTMETRICA) : sizeof(TEXTMETRICA));
        }
        found = 1;
        return 0;
    case kFillFaceList:
    case kListFamilies:
        if ((trueTypeOnly && !trueType) || face[0] == '@')
            return 1;
        if ((query.code == kFillFaceList && !listControl) || (query.code == kListFamilies && !faceBlock))
            return 1;
        listFace(query, face, family.elfLogFont.lfCharSet);
        return 1;
    case kHasFace:
        if (query.name && StringUtil::equals(face, query.name)) {
            faceListed = 1;
            return 0;
        }
        return 1;
    default:
        return 1;
    }
}

int FontInfo::find(const char* name, int code)
{
    found = 0;
    // Only the charset search goes through every family; the others name one.
    if (name || code == kFindCharsetFamily)
        enumerate(name, code);
    return found;
}

int FontInfo::findFace(const char* name) { return find(name, kFindFace); }
int FontInfo::findStyle(const char* name) { return find(name, kFindStyle); }
int FontInfo::findCharsetFamily() { return find(nullptr, kFindCharsetFamily); }
int FontInfo::findFaceCharset(const char* name) { return find(name, kFindFaceCharset); }
int FontInfo::queryMetrics(const char* name) { return find(name, kQueryMetrics); }

int FontInfo::hasFace(const char* name)
{
    faceListed = 0;
    if (name && name[0])
        enumerate(name, kHasFace);
    return faceListed;
}

void FontInfo::useSystemFont()
{
    LOGFONTA system = {};
    if (GetObjectA(GetStockObject(SYSTEM_FONT), sizeof system, &system))
        font.elfLogFont = system;
    char face[LF_FACESIZE];
    StringUtil::copy(face, font.elfLogFont.lfFaceName);
    isTrueType = 0;
    (void)findFace(face); // a system face that is not enumerable simply is not TrueType
}

void FontInfo::chooseDefaultFace()
{
    useSystemFont();
    if (!trueTypeOnly || isTrueType)
        return;
    if (findFace("ＭＳ ゴシック") || findFace("ＭＳ 明朝"))
        return;
    charset = kShiftJisCharset;
    (void)findCharsetFamily(); // without one the system font stays
}

int FontInfo::fillList(Control* combo, int withOwnFace)
{
    if (!combo)
        return 0;
    (void)combo->reset(); // a list that cannot be emptied still takes the faces
    faceListed = 0;
    listControl = combo;
    enumerate(nullptr, kFillFaceList);
    listControl = nullptr;
    if (withOwnFace && !faceListed && getFaceName()[0])
        (void)combo->addString(getFaceName()); // as for the installed faces
    return 1;
}

int FontInfo::fillFaceList(Control* combo) { return fillList(combo, 1); }
int FontInfo::fillInstalledFaceList(Control* combo) { return fillList(combo, 0); }

int FontInfo::listFamilies(GlobalBlock* block)
{
    if (!block)
        return 0;
    if (block->elementSize != static_cast<int>(sizeof(FaceRecord))) {
        if (block->count > 0)
            return 0;
        (void)block->free(); // an empty block: nothing to lose
        block->elementSize = sizeof(FaceRecord);
    }
    faceBlock = block;
    enumerate(nullptr, kListFamilies);
    faceBlock = nullptr;
    return 1;
}

int FontInfo::fillStyleList(Control* combo)
{
    if (!combo)
        return 0;
    (void)combo->reset(); // as for the face list
    for (const char* name : {"標準", "ﾎﾞｰﾙﾄﾞ", "ｲﾀﾘｯｸ", "ﾎﾞｰﾙﾄﾞｲﾀﾘｯｸ"})
        (void)combo->addString(name);
    return 1;
}

int FontInfo::selectFaceInControl(Control* combo) { return combo ? combo->selectByText(getFaceName()) : -1; }

int FontInfo::takeFaceFromControl(Control* combo)
{
    if (!combo)
        return 0;
    char face[256] = {};
    if (combo->getSelectedText(face, sizeof face) < 1)
        return 0;
    setFaceName(face);
    return findFaceCharset(getFaceName());
}

int FontInfo::setFont(const char* name, int newStyle, int newSize) { return setFontCell(name, newStyle, newSize, newSize); }

int FontInfo::setFontCell(const char* name, int newStyle, int w, int h)
{
    size = w > h ? w : h;
    style = newStyle;
    if (!findFace(name))
        return 0;
    if (!findStyle(name)) {
        // No member of that style: GDI makes it bold or italic itself.
        if (style == kBold || style == kBoldItalic)
            font.elfLogFont.lfWeight = FW_BOLD;
        if (style == kItalic || style == kBoldItalic)
            font.elfLogFont.lfItalic = 1;
    }
    setCellSize(w, h);
    return 1;
}

void FontInfo::setCellSize(int w, int h)
{
    LOGFONTA& f = font.elfLogFont;
    long long a = f.lfHeight < 0 ? -static_cast<long long>(f.lfHeight) : f.lfHeight;
    if (a >= 1 && a >= f.lfWidth) {
        if (w == h)
            f.lfWidth = 0;
        else if (f.lfWidth >= 1)
            f.lfWidth = static_cast<LONG>(f.lfWidth * static_cast<long long>(w) / a);
        else
            f.lfWidth = w / 2;
    } else {
        f.lfWidth = w / 2;
    }
    f.lfHeight = -h;
}

int FontInfo::setFaceIfInstalled(const char* name)
{
    if (!hasFace(name))
        return 0;
    setFaceName(name);
    return 1;
}

void FontInfo::copyFrom(const FontInfo& other)
{
    style = other.style;
    size = other.size;
    font = other.font;
}

int FontInfo::readFrom(HFONT handle)
{
    LOGFONTA description = {};
    if (!handle || !GetObjectA(handle, sizeof description, &description))
        return 0;
    font.elfLogFont = description;
    return 1;
}

void FontInfo::setFaceName(const char* name) { StringUtil::copy(font.elfLogFont.lfFaceName, name); }

FaceRecord* FontInfo::lockFaces() { return faceBlock ? static_cast<FaceRecord*>(faceBlock->lock()) : nullptr; }

void FontInfo::unlockFaces()
{
    if (faceBlock)
        faceBlock->unlock();
}

int FontInfo::appendFace(const FaceRecord& record) { return faceBlock ? faceBlock->append(&record) : 0; }
