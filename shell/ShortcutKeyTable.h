#pragma once
#include <cstdint>

#include "platform/GlobalBlock.h"

// The keys that can carry a command and what each carries. A key is Shift and Ctrl with a code:
// '0' to '9' and 'A' to 'Z' as their characters, the function key Fn as 100 + n. The table
// holds 132 keys in a fixed order (F1 to F15 plain, with Shift, with Ctrl, with Shift+Ctrl; then
// Ctrl with a digit or letter, then Shift+Ctrl with one); the 15 keys the program keeps for
// itself, and every key the menu's accelerators own, are "system" and take no command.
class ShortcutKeyTable {
public:
    // Labels keep at most kLabelSize - 1 bytes (cut on a character boundary).
    static constexpr int kLabelSize = 40;
    // The longest key name, "Shift+Ctrl+F15", with its terminator.
    static constexpr int kNameSize = 16;
    static constexpr int kRecordCount = 132;
    static constexpr int kFunctionKeyBase = 100;

    struct Record {
        int32_t shift;
        int32_t ctrl;
        int32_t key;
        int32_t system;
        int32_t command; // 0 while free
        char label[kLabelSize];
    };

    ShortcutKeyTable();

    // "Shift+" when shift, "Ctrl+" when ctrl, then the character, or "F" and the number of a
    // function key: "Shift+Ctrl+A", "F5", "Ctrl+F12". Empty for a code of no key.
    static void keyName(int shift, int ctrl, int key, char* out, int size);

    // The 132 free keys in their order, the system keys reserved (the menu's accelerators read
    // from the program's resources); 0 when the table could not hold them all (it keeps those it
    // took).
    [[nodiscard]] int setup();
    [[nodiscard]] int count() const { return records.count; }
    [[nodiscard]] int recordAt(int index, Record& out);
    // The first record of that key, or of that key name; -1 when there is none.
    [[nodiscard]] int find(int shift, int ctrl, int key);
    [[nodiscard]] int findByName(const char* name);
    // The command the key carries: 0 for a free or system key or a key the table does not hold.
    [[nodiscard]] int commandOf(int shift, int ctrl, int key);
    // Binds the key at `index` to a command with its label (command 0 and a blank label free
    // it); 0 and nothing changed for a system key or a bad index.
    [[nodiscard]] int bind(int index, int command, const char* label);
    // Every key free; the system keys keep "system".
    void unbindAll();
    // This table becomes a copy of the other; 0 (this one unchanged) when it cannot grow.
    [[nodiscard]] int copyFrom(const ShortcutKeyTable& other);

    GlobalBlock records;

private:
    [[nodiscard]] int append(int shift, int ctrl, int key);
    [[nodiscard]] int reserve(int shift, int ctrl, int key);
    [[nodiscard]] int reserveAcceleratorKeys();
};

// The commands a key can carry, in the order the dialog offers them: the properties (2005), then
// the command of every button of the panes.
class ShortcutCommandList {
public:
    struct Entry {
        int32_t command;
        char label[ShortcutKeyTable::kLabelSize];
    };

    ShortcutCommandList();

    void clear() { entries.count = 0; }
    // A command listed already is not listed again; 0 when the list cannot grow.
    [[nodiscard]] int add(int command, const char* label);
    [[nodiscard]] int count() const { return entries.count; }
    [[nodiscard]] int entryAt(int index, Entry& out);
    // The first entry of that label; -1 when none.
    [[nodiscard]] int findLabel(const char* label);

    GlobalBlock entries;
    // The entry the dialog shows chosen.
    int current = 0;
};
