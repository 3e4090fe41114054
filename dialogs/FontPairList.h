#pragma once
#include <string>
#include <unordered_map>
#include <vector>

// A row of the font change table: a face as a file names it and the installed face shown for it.
struct FontPair {
    static constexpr int kNameSize = 256;

    char readName[kNameSize] = {};    // at most 255 bytes, never half a character
    char displayName[kNameSize] = {};
};

// The rows of the font change table, in the order they were added. Read names are found through a
// hash index (the first row of a name wins), so that looking up the face of every text of a large
// drawing costs no search through the rows.
class FontPairList {
public:
    [[nodiscard]] int count() const { return static_cast<int>(pairs_.size()); }
    // Appends a row (names cut to 255 bytes); 1.
    int add(const char* readName, const char* displayName);
    // Every row a copy of the other list's.
    void assign(const FontPairList& other);
    // Each answers null (0) for an index outside 0..count - 1.
    [[nodiscard]] const FontPair* get(int index) const;
    [[nodiscard]] const char* readNameAt(int index) const;
    [[nodiscard]] const char* displayNameAt(int index) const;
    [[nodiscard]] int setDisplayName(int index, const char* name);
    // The later rows move up.
    [[nodiscard]] int remove(int index);
    void clear();
    // The first row of the read name (exact, case-sensitive), or -1.
    [[nodiscard]] int indexOf(const char* readName) const;
    // The row of the read name; a new row with the display name when there is none (`added` 1).
    // -1 when the row could not be added.
    [[nodiscard]] int findOrAdd(const char* readName, const char* displayName, int& added);

private:
    void reindex();

    std::vector<FontPair> pairs_;
    std::unordered_map<std::string, int> index_;
};
