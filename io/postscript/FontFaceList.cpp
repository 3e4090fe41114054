#include "io/postscript/FontFaceList.h"

#include "platform/StringUtil.h"

FontFaceRecord::FontFaceRecord(const char* display, const char* regular, const char* bold, const char* italic,
                               const char* boldItalic)
{
    setName(kDisplay, display);
    setName(kRegular, regular);
    setName(kBold, bold ? bold : regular);
    setName(kItalic, italic ? italic : regular);
    setName(kBoldItalic, boldItalic ? boldItalic : regular);
}

void FontFaceRecord::setName(int which, const char* text)
{
    if (which >= 0 && which < kNameCount)
        StringUtil::copy(names[which], text ? text : "");
}

FontFaceList::FontFaceList(int trueType, int standard, const FontFaceRecord& standardNames)
    : hasTrueTypeEntry(trueType ? 1 : 0), hasStandardEntry(standard ? 1 : 0), standardRecord(standardNames)
{
    clearRecords();
}

FontFaceRecord FontFaceList::trueTypeRecord()
{
    return FontFaceRecord("TrueType", "TrueType");
}

const FontFaceRecord* FontFaceList::recordAt(int position) const
{
    return position >= 0 && position < count() ? &records[static_cast<size_t>(position)] : nullptr;
}

int FontFaceList::positionOf(int logical) const
{
    int position = -1;
    if (logical == -1)
        position = hasTrueTypeEntry ? 0 : -1;
    else if (logical == 0)
        position = hasStandardEntry ? standardPosition() : -1;
    else if (logical > 0)
        position = hasTrueTypeEntry && hasStandardEntry ? logical + 1
                   : hasTrueTypeEntry || hasStandardEntry ? logical
                                                          : logical - 1;
    return position >= 0 && position < count() ? position : -1;
}

int FontFaceList::logicalOf(int position) const
{
    if (position < 0 || position >= count())
        return -2;
    if (hasTrueTypeEntry && hasStandardEntry)
        return position - 1;
    if (hasTrueTypeEntry)
        return position == 0 ? -1 : position;
    if (hasStandardEntry)
        return position;
    return position + 1;
}

int FontFaceList::defaultLogical() const { return hasTrueTypeEntry ? -1 : hasStandardEntry ? 0 : 1; }

int FontFaceList::addRecord(const FontFaceRecord& record) { return insertRecord(count(), record); }

int FontFaceList::insertRecord(int position, const FontFaceRecord& record)
{
    if (position < 0 || position > count() || count() >= kMaxRecords)
        return 0;
    records.insert(records.begin() + position, record);
    return 1;
}

int FontFaceList::replaceRecord(int position, const FontFaceRecord& record)
{
    if (!recordAt(position))
        return 0;
    records[static_cast<size_t>(position)] = record;
    return 1;
}

int FontFaceList::removeRecord(int position)
{
    if (!recordAt(position))
        return 0;
    records.erase(records.begin() + position);
    if (selection >= count())
        selection = count() > 0 ? count() - 1 : 0;
    return 1;
}

void FontFaceList::clearRecords()
{
    records.clear();
    if (hasTrueTypeEntry)
        records.push_back(trueTypeRecord());
    selection = 0;
}

void FontFaceList::copyFrom(const FontFaceList& other)
{
    records = other.records;
    selection = other.selection;
}
