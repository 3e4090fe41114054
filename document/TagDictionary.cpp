#include "document/TagDictionary.h"

#include <cstring>
#include <new>

#include "document/ElementKind.h"
#include "geometry/TagIds.h"
#include "platform/StringUtil.h"

namespace {

struct TagName {
    uint32_t id;
    const char* name;
};

// The fixed vocabulary, group by group in registration order.
const TagName fixedTags[] = {
#define KORVANE_TAG_NAME(name, id) {id, #name},
#define KORVANE_NAMED_TAG_NAME(identifier, name, id) {id, name},
    KORVANE_FILE_TAGS(KORVANE_TAG_NAME, KORVANE_NAMED_TAG_NAME)
#undef KORVANE_NAMED_TAG_NAME
#undef KORVANE_TAG_NAME
};

static_assert(sizeof fixedTags / sizeof fixedTags[0] == 349, "349 fixed tags");

// FNV-1a over the name's bytes.
inline uint32_t hashName(const char* name, int length)
{
    uint32_t h = 2166136261u;
    for (int i = 0; i < length; ++i) {
        h ^= static_cast<unsigned char>(name[i]);
        h *= 16777619u;
    }
    return h;
}

inline uint32_t hashId(uint32_t id) { return id * 2654435761u; }

} // namespace

TagDictionary::TagDictionary()
{
    if (entries.allocate())
        registerTags();
    buildIndexes();
}

TagDictionary::~TagDictionary()
{
    if (table)
        entries.unlock();
    delete[] nameSlots;
    delete[] idSlots;
}

void TagDictionary::addEntry(uint32_t id, const char* name)
{
    Entry entry = {};
    entry.id = id;
    StringUtil::copy(entry.name, name);
    entry.aliasId = id;
    (void)entries.append(&entry); // a shortage is reported by the array; the name stays unknown
}

void TagDictionary::registerTags()
{
    // The element keywords first, as the kind registry lists them: a second row of kind 15 under
    // the older keyword "angle" therefore only reads.
    for (const ElementKindRow& row : kElementKindRows)
        addEntry(static_cast<uint32_t>(row.kind), row.keyword);
    for (const TagName& tag : fixedTags)
        addEntry(tag.id, tag.name);
}

void TagDictionary::buildIndexes()
{
    nameSlots = new (std::nothrow) int16_t[kSlots]();
    idSlots = new (std::nothrow) int16_t[kSlots]();
    table = entries.count > 0 ? static_cast<const Entry*>(entries.lock()) : nullptr;
    if (!nameSlots || !idSlots || !table)
        return;
    // Less than half full, so every probe ends at an empty slot.
    const int indexed = entries.count < kSlots / 2 ? entries.count : kSlots / 2;
    for (int i = 0; i < indexed; ++i) {
        const Entry& entry = table[i];
        // A key already present keeps its first entry.
        uint32_t slot = hashName(entry.name, StringUtil::length(entry.name)) & (kSlots - 1);
        bool known = false;
        while (nameSlots[slot] && !known) {
            known = std::strcmp(table[nameSlots[slot] - 1].name, entry.name) == 0;
            slot = (slot + 1) & (kSlots - 1);
        }
        if (!known)
            nameSlots[slot] = static_cast<int16_t>(i + 1);
        slot = hashId(entry.id) & (kSlots - 1);
        known = false;
        while (idSlots[slot] && !known) {
            known = table[idSlots[slot] - 1].id == entry.id;
            slot = (slot + 1) & (kSlots - 1);
        }
        if (!known)
            idSlots[slot] = static_cast<int16_t>(i + 1);
    }
}

const char* TagDictionary::findName(uint32_t id) const
{
    if (!idSlots || !table)
        return nullptr;
    for (uint32_t slot = hashId(id) & (kSlots - 1); idSlots[slot]; slot = (slot + 1) & (kSlots - 1)) {
        const Entry& entry = table[idSlots[slot] - 1];
        if (entry.id == id)
            return entry.name;
    }
    return nullptr;
}

long TagDictionary::findId(const char* name, int length) const
{
    if (!nameSlots || !table || !name || length < 0 || length >= static_cast<int>(sizeof(Entry::name)))
        return -1;
    for (uint32_t slot = hashName(name, length) & (kSlots - 1); nameSlots[slot]; slot = (slot + 1) & (kSlots - 1)) {
        const Entry& entry = table[nameSlots[slot] - 1];
        if (std::memcmp(entry.name, name, static_cast<size_t>(length)) == 0 && entry.name[length] == 0)
            return static_cast<long>(entry.id);
    }
    return -1;
}

int TagDictionary::nameById(uint32_t id, char* name)
{
    const char* found = findName(id);
    if (!found || !name)
        return 0;
    std::memcpy(name, found, static_cast<size_t>(StringUtil::length(found)) + 1);
    return 1;
}

int TagDictionary::idByName(const char* name, uint32_t* id)
{
    if (!name || !id)
        return 0;
    long found = findId(name, StringUtil::length(name));
    if (found < 0)
        return 0;
    *id = static_cast<uint32_t>(found);
    return 1;
}
