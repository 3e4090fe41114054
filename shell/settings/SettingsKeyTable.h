#pragma once
#include <string>
#include <unordered_map>
#include <vector>

// The names of the settings file's sections and keys by numeric id. A table is built for one load
// or one save: the constructor registers the built-in sections and keys (toolbar layout, font
// change table, shortcut keys and the two font-face tables), the settings file's owners add theirs.
//
// Names and ids need not be unique: every look-up answers the record registered first. Names
// compare byte for byte (Shift-JIS, case as registered).
class SettingsKeyTable {
public:
    enum Kind { kSection = 1, kKey = 2 };
    static constexpr int kNameSize = 80;

    struct Record {
        int id;
        int kind;
        char name[kNameSize];
    };

    SettingsKeyTable();

    // Appends a record; a name is cut to kNameSize - 1 bytes on a character boundary.
    void add(int id, int kind, const char* name);

    // The first record with the id, or with exactly this name; -1 when there is none.
    [[nodiscard]] int indexOfId(int id) const;
    [[nodiscard]] int indexOfName(const char* name) const;
    // The id's name copied into `out` (at most size - 1 bytes); 0 and `out` untouched for an id
    // that is not registered.
    [[nodiscard]] int nameOf(int id, char* out, int size) const;
    // The name inside the table (valid while it lives), or null.
    [[nodiscard]] const char* findName(int id) const;
    // The name's id and kind; 0 and both untouched for a name that is not registered.
    [[nodiscard]] int lookupName(const char* name, int& id, int& kind) const;

    [[nodiscard]] int count() const { return static_cast<int>(records.size()); }
    [[nodiscard]] const Record& at(int index) const { return records[static_cast<size_t>(index)]; }

private:
    std::vector<Record> records;
    // First record of each id and of each name.
    std::unordered_map<int, int> byId;
    std::unordered_map<std::string, int> byName;
};
