#include "geometry/InkInfo.h"

#include "dialogs/colour/NamedColorTable.h"
#include "document/Document.h"
#include "document/DocumentContext.h"
#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"
#include "platform/Application.h"
#include "platform/StringUtil.h"

using attribute_io::kChildFailed;
using attribute_io::kChildNotMine;
using attribute_io::kChildRead;

namespace {

const char kDicName[] = "DIC";

// The settings keys of the section "INKINFO": "MAKER", then "1" to "5".
const int kSection = 15080;
const int kMakerKey = 15081;
const int kFirstSlotKey = 15082;

const int kSlotTags[InkInfo::kSlots] = {tag_id::_1, tag_id::_2, tag_id::_3, tag_id::_4, tag_id::_5};

// The DIC table, read the first time anyone asks for it; null when the application has none.
NamedColorTable* dicTable()
{
    if (theDicColorTable)
        (void)theDicColorTable->loadOnce(); // a table without its file stays empty
    return theDicColorTable;
}

int slotOfTag(int tag)
{
    for (int slot = 0; slot < InkInfo::kSlots; ++slot)
        if (kSlotTags[slot] == tag)
            return slot;
    return -1;
}

int isSlot(int slot) { return slot >= 0 && slot < InkInfo::kSlots; }

} // namespace

void InkInfo::copyFrom(const InkInfo* other)
{
    if (!other || other == this)
        return;
    maker = other->maker;
    for (int slot = 0; slot < kSlots; ++slot)
        slots[slot] = other->slots[slot];
}

void InkInfo::takeChoice(const InkInfo& chosen)
{
    int same = maker == chosen.maker;
    for (int slot = 0; same && slot < kSlots; ++slot)
        same = slots[slot] == chosen.slots[slot];
    copyFrom(&chosen);
    if (!same && owner)
        (void)owner->markModified(); // answers the change count
}

int InkInfo::setInkFromDicSelection(int slot)
{
    NamedColorTable* table = dicTable();
    if (!isSlot(slot) || !table || !table->getCurrent())
        return 0;
    slots[slot] = table->current;
    return 1;
}

int InkInfo::entryOf(int slot) const
{
    if (!isSlot(slot))
        return -1;
    NamedColorTable* table = dicTable();
    return table && table->getAt(slots[slot]) ? slots[slot] : -1;
}

void InkInfo::inkLabel(int slot, char* out, int size) const
{
    if (!out || size < 1)
        return;
    out[0] = 0;
    const int entry = entryOf(slot);
    if (entry < 0)
        return;
    StringUtil::copy(out, size, " ");
    StringUtil::appendInt(out, size, slot + 1);
    StringUtil::append(out, size, " : ");
    StringUtil::append(out, size, dicTable()->getAt(entry)->name);
}

int InkInfo::inkValues(int slot, int values[4]) const
{
    const int entry = entryOf(slot);
    if (entry < 0 || !values)
        return 0;
    const ColorEntry* colour = dicTable()->getAt(entry);
    for (int i = 0; i < 4; ++i)
        values[i] = colour->inks[i];
    return 1;
}

const char* InkInfo::makerName() const { return maker == kDicMaker ? kDicName : ""; }

int InkInfo::setMakerByName(const char* name)
{
    if (!name || !StringUtil::equals(name, kDicName))
        return 0;
    maker = kDicMaker;
    return 1;
}

int InkInfo::writeXmlSection(Document& d)
{
    if (!theApplication || theApplication->colorModel != 2)
        return 1;
    if (!d.beginTag(tag_id::inkInfo) || !d.writeStringTag(tag_id::maker, makerName()))
        return 0;
    for (int slot = 0; slot < kSlots; ++slot) {
        const int entry = entryOf(slot);
        const int number = entry >= 0 ? dicTable()->getAt(entry)->number : 0;
        if (number > 0 && !d.writeIntTag(kSlotTags[slot], number))
            return 0;
    }
    return d.endTag(tag_id::inkInfo);
}

int InkInfo::readXmlSection(Document& d, int tagId)
{
    if (tagId != tag_id::inkInfo)
        return d.skipSection(tagId);
    return attribute_io::readBlock(d, tag_id::inkInfo, [&](int id) {
        if (id == tag_id::maker) {
            char name[kMakerSize];
            if (!attribute_io::readQuotedValue(d, id, name, sizeof name))
                return kChildFailed;
            (void)setMakerByName(name); // another maker's name leaves the maker
            return kChildRead;
        }
        const int slot = slotOfTag(id);
        if (slot < 0)
            return kChildNotMine;
        int number = 0;
        if (!attribute_io::readIntValue(d, id, number))
            return kChildFailed;
        NamedColorTable* table = dicTable();
        slots[slot] = table ? table->findByNumber(number) : -1;
        return kChildRead;
    });
}

int InkInfo::loadSettings(SettingsFile& file)
{
    int last = 1;
    while (file.readKey()) {
        if (file.currentKind() == SettingsFile::kSection)
            return last;
        const int id = file.currentId();
        if (id == kMakerKey) {
            char name[kMakerSize];
            last = file.readString(name, sizeof name);
            if (last)
                (void)setMakerByName(name); // another maker's name leaves the maker
        } else if (id >= kFirstSlotKey && id < kFirstSlotKey + kSlots) {
            int value = 0;
            // A value that is not a number leaves the slot; the next keys are still read.
            if (attribute_io::readSettingInt(file, value))
                slots[id - kFirstSlotKey] = value;
        }
    }
    return last;
}

int InkInfo::saveSettings(SettingsFile& file) const
{
    if (!file.writeSection(kSection) || !file.writeKey(kMakerKey) || !file.writeQuoted(makerName(), 0, 1))
        return 0;
    for (int slot = 0; slot < kSlots; ++slot)
        if (!file.writeKey(kFirstSlotKey + slot) || !file.writeInt(slots[slot], 0, 1))
            return 0;
    return 1;
}
