#pragma once
#include "io/dxf/DxfGroup.h"

// The entity a DXF reader hands out: the section it lies in, its kind and all of its groups.
//
// Groups are stored compactly, not as full DxfGroup copies: a polyline of a million vertices
// holds some seven million groups. Each is packed into a byte run of about ten bytes (the code,
// the type, then the number, a keyword id or the text) in chunks that are filled in turn, so
// that growing never copies what was stored. The text of a number is not kept; group() gives it
// formatted again. Reading the groups in order costs a constant time per group.
class DxfEntity {
public:
    // Section states: 0 outside any section, 2 after "EOF", else the open section's keyword id.
    static constexpr int kNoSection = 0;

    DxfEntity() = default;
    ~DxfEntity();
    DxfEntity(const DxfEntity&) = delete;
    DxfEntity& operator=(const DxfEntity&) = delete;

    // Drops the groups; memory beyond the first chunk is given back.
    void clearGroups();
    // Appends a copy of the group; 0 when memory ran out (the group is not kept).
    [[nodiscard]] int addGroup(const DxfGroup& group);
    [[nodiscard]] int groupCount() const { return count; }
    // Group `index` into out; 0 for an index out of range. Without numberText the text of a
    // number is left empty, which saves formatting it.
    [[nodiscard]] int group(int index, DxfGroup& out, int numberText = 1) const;
    // The groups whose value is the keyword "VERTEX".
    [[nodiscard]] int vertexCount() const { return vertices; }

    int section = kNoSection;
    int kind = 0; // the keyword id of the entity's name; 0 when the step read no entity

private:
    // A megabyte each: large enough that the system takes it back at once when it is freed.
    struct Chunk {
        Chunk* next;
        int used;
        unsigned char bytes[(1 << 20) - 16];
    };
    // Room for n more bytes in the last chunk; null when memory ran out.
    [[nodiscard]] unsigned char* room(int n);
    // Decodes the group at `at` into out; the bytes it took.
    static int decode(const unsigned char* at, DxfGroup& out, int numberText);

    Chunk* first = nullptr;
    Chunk* last = nullptr;
    int count = 0;
    int vertices = 0;
    // Where the group read last ended, so that reading in order does not walk from the start.
    mutable const Chunk* cursorChunk = nullptr;
    mutable int cursorOffset = 0;
    mutable int cursorIndex = 0;
};
