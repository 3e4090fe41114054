#include "document/LayerTable.h"

#include "geometry/SettingsFile.h"
#include "platform/StringUtil.h"

LayerTable* theLayerTable = nullptr;

namespace {

// The default layer of new elements, and what a number outside the table names.
const int kStandardLayer = 100;

const char* suffixOf(int number)
{
    switch (number) {
    case kStandardLayer:
        return " 標準";
    case 251:
    case 252:
    case 253:
        return " 予備";
    case 254:
        return " 共通";
    case 255:
        return " 補助線";
    default:
        return "";
    }
}

} // namespace

LayerTable::LayerTable() { reset(); }

void LayerTable::defaultName(LayerRecord& record) const
{
    if (!isLayer(record.number))
        record.number = kStandardLayer;
    record.name[0] = 0;
    StringUtil::appendInt(record.name, record.number);
    StringUtil::append(record.name, suffixOf(record.number));
}

void LayerTable::reset()
{
    for (int n = 0; n < kLayerCount; ++n) {
        records_[n].number = n;
        defaultName(records_[n]);
    }
}

void LayerTable::setLayer(int n, const LayerRecord& record)
{
    if (!isLayer(n))
        return;
    records_[n].number = record.number;
    StringUtil::copy(records_[n].name, record.name);
}

LayerRecord LayerTable::getLayer(int n) const { return isLayer(n) ? records_[n] : LayerRecord(); }

const char* LayerTable::nameOf(int n) const { return isLayer(n) ? records_[n].name : ""; }

void LayerTable::setName(int n, const char* text)
{
    if (isLayer(n))
        StringUtil::copy(records_[n].name, text ? text : "");
}

void LayerTable::copyFrom(const LayerTable& other)
{
    for (int n = 0; n < kLayerCount; ++n)
        setLayer(n, other.records_[n]);
}

int LayerTable::hasDefaultName(int n) const
{
    if (!isLayer(n))
        return 0;
    LayerRecord standard;
    standard.number = n;
    defaultName(standard);
    return StringUtil::equals(standard.name, records_[n].name);
}

int LayerTable::readIni(SettingsFile& file)
{
    while (file.readKey()) {
        if (file.currentKind() == SettingsFile::kSection)
            return 1;
        if (file.currentId() != kItemKey)
            continue;
        int number = -1;
        if (!file.readInt(number))
            return 0;
        if (!file.getDelimiterFlag(SettingsFile::kComma))
            continue; // an item without a name keeps the layer's name
        char name[LayerRecord::kNameSize];
        if (!file.readString(name, sizeof name))
            return 0;
        setName(number, name); // numbers outside 0..255 are ignored
    }
    return 1;
}

int LayerTable::writeIni(SettingsFile& file) const
{
    if (!file.writeSection(kSection))
        return 0;
    for (int n = 0; n < kLayerCount; ++n) {
        if (hasDefaultName(n))
            continue;
        if (!file.writeKey(kItemKey) || !file.writeInt(n, 1, 0) || !file.writeQuoted(records_[n].name, 0, 1))
            return 0;
    }
    return 1;
}
