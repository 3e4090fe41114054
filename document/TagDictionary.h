#pragma once
#include <cstdint>

#include "platform/GlobalBlock.h"

// The one map between the numeric tag ids that readers switch on and writers ask for, and the tag
// names of the drawing file. Filled once at construction with the element keywords and the fixed
// vocabulary of the file (369 entries); a fresh one is built for every file read or written.
//
// Ids and names need not be unique: every look-up answers the entry registered first. So the name
// "angle" reads as kind 15 while id 15 is written "msrangle", and id 1565 is written "roundAray"
// while "rightBottom" also reads as 1565. Names compare exactly (case matters, nothing trimmed).
//
// The entries stay in registration order in a global-memory array; two hash indexes built after
// registration answer the look-ups, each keeping the first registration of a key.
class TagDictionary {
public:
    struct Entry {
        uint32_t id;
        char name[80];
        uint32_t aliasId; // always the id; no look-up reads it
    };

    TagDictionary();
    virtual ~TagDictionary();
    TagDictionary(const TagDictionary&) = delete;
    TagDictionary& operator=(const TagDictionary&) = delete;

    // Copies the name of id into `name` (at least 80 bytes) and returns 1; 0 with the buffer
    // untouched for an unknown id.
    [[nodiscard]] virtual int nameById(uint32_t id, char* name);
    // Stores the id of the name and returns 1; 0 with `id` untouched for an unknown name.
    [[nodiscard]] virtual int idByName(const char* name, uint32_t* id);

    // The name of id inside the dictionary (valid while it lives), or null.
    [[nodiscard]] const char* findName(uint32_t id) const;
    // Look-up of a name of `length` bytes that need not be zero-terminated; -1 when unknown.
    [[nodiscard]] long findId(const char* name, int length) const;

    [[nodiscard]] int entryCount() const { return entries.count; }

private:
    void registerTags();
    // Appends an entry; nothing when the array cannot grow (it reports the shortage itself).
    void addEntry(uint32_t id, const char* name);
    void buildIndexes();

    GlobalBlock entries{100, static_cast<int>(sizeof(Entry))};
    const Entry* table = nullptr; // the locked entries, from buildIndexes on

    // Open addressing over entry numbers + 1 (0 = empty slot).
    static constexpr int kSlots = 1024;
    int16_t* nameSlots = nullptr;
    int16_t* idSlots = nullptr;
};
