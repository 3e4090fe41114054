#pragma once
// The font change table as the font attributes and the folders above reach it; the dialogs folder
// implements it, its rows and faces held behind declarations only.
#include <memory>

class FontPairList;
class InstalledFontList;
class SettingsFile;

// The application's font change table ("フォントチェンジ"): rows that map a face named in a drawing
// but not installed ("読込フォント") to the installed face shown in its place ("表示フォント"). A
// row is added, with the default face, when a file names an unknown face; the user chooses the
// faces in the dialog, which opens after a drawing has been opened once rows were added during
// the run, and from the menu's "フォント変換". Rows persist for the whole run, because open
// drawings refer to them by index: reading files never removes one, and the dialog's "全消去" and
// "削除" are offered only while no drawing is open. The settings section "FONTCHGTABLE" keeps
// the rows.
class FontChangeTable {
public:
    // Lists the installed faces and chooses the default face.
    FontChangeTable();
    virtual ~FontChangeTable();
    FontChangeTable(const FontChangeTable&) = delete;
    FontChangeTable& operator=(const FontChangeTable&) = delete;

    // The row for a face read from a file: -1 when the face is installed, else the row's index
    // (a new row with the default face is made when there is none; `added` then becomes 1 and the
    // row counts as added). -1 also when no row could be made: the face is shown under its name.
    [[nodiscard]] virtual int lookUp(const char* face, int& added);
    // 1 and the row's display face (at most size - 1 bytes); 0 for a negative or unknown row.
    [[nodiscard]] virtual int displayName(int row, char* out, int size);
    // After a drawing has been opened: the dialog without its delete buttons, once any row was
    // added during the run.
    virtual void showIfChanged();
    // Runs the dialog on a copy of the rows; on OK (1) the rows become the copy.
    [[nodiscard]] virtual int edit(int allowDelete);

    // The section "FONTCHGTABLE": one "FONTINTODSP" per row, "read name","display name". Reading
    // takes a row only when its read name is not installed and its display name is; a row whose
    // read name is known keeps its display name. A line without the comma fails the section.
    [[nodiscard]] int loadSettings(SettingsFile& file);
    [[nodiscard]] int saveSettings(SettingsFile& file) const;

    // The names the font attribute uses: the row, and whether it substitutes the face.
    [[nodiscard]] int indexFor(const char* face, int& substituted)
    {
        int added = 0;
        const int row = lookUp(face, added);
        substituted = row >= 0 ? 1 : 0;
        return row;
    }
    [[nodiscard]] int faceAt(int row, char* out, int size) { return displayName(row, out, size); }

    [[nodiscard]] FontPairList& pairs() { return *pairs_; }
    [[nodiscard]] InstalledFontList& faces() { return *faces_; }
    // Rows added by look-ups since start-up; it only grows.
    int addedCount = 0;

private:
    std::unique_ptr<FontPairList> pairs_;
    std::unique_ptr<InstalledFontList> faces_;
};

// The application's table; null until start-up makes it, and every reader tests it. (Defined in
// geometry/FontAttributes.cpp, with its first reader.)
extern FontChangeTable* theFontChangeTable;
