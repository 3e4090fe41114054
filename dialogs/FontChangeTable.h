#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

// The application's font change table: rows that map a face named in a drawing but not installed
// ("読込フォント") to the installed face shown in its place ("表示フォント"). Rows persist for the whole
// run, because open drawings refer to them by index.
class FontChangeTable {
public:
    virtual ~FontChangeTable() = default;

    // The row for a face read from a file: -1 when the face is installed, else the row's index
    // (a new row with the default face is made when there is none; `added` then becomes 1).
    [[nodiscard]] virtual int lookUp(const char* face, int& added) = 0;
    // 1 and the row's display face (at most size - 1 bytes); 0 for a negative or unknown row.
    [[nodiscard]] virtual int displayName(int row, char* out, int size) = 0;

    // The names the font attribute uses: the row, and whether it substitutes the face.
    [[nodiscard]] int indexFor(const char* face, int& substituted)
    {
        int added = 0;
        const int row = lookUp(face, added);
        substituted = row >= 0 ? 1 : 0;
        return row;
    }
    [[nodiscard]] int faceAt(int row, char* out, int size) { return displayName(row, out, size); }
};

// The application's table; null until start-up makes it, and every reader tests it. (Defined in
// geometry/FontAttributes.cpp, with its first reader.)
extern FontChangeTable* theFontChangeTable;
