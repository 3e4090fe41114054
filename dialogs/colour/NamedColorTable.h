#pragma once
#include <string>
#include <vector>

class Control;

// One named colour: a line of a colour table file.
struct ColorEntry {
    static constexpr int kNameSize = 80;

    int number = 0;             // the DIC number; 0 for the user's own colours
    char name[kNameSize] = {};  // Shift-JIS, at most 79 bytes
    int inks[4] = {};           // cyan, magenta, yellow, black in percent (0..100)
    int rgb[3] = {};            // derived from the inks when read, or taken from the colour added

    // The inks (each kept within 0..100) and the RGB they give on screen.
    void setInks(const int values[4]);
    // At most 79 bytes, never half a character.
    void setName(const char* text);
};

// A list of named colours kept in a text file beside the program: the user's own colours
// ("USRCOLOR.TXT") and the DIC spot colours ("DICCOLOR.TXT"). The colour dialog shows each table
// in an owner-drawn list and edits the user's table with its buttons; the ink choice of a drawing
// refers to DIC colours by their index in the table.
//
// File: one entry a line, `number,"name",cyan,magenta,yellow,black` with CR LF. Reading keeps at
// most 255 bytes of a line (the rest of an over-long line is passed over), passes over blank
// lines and lines that are not entries (no comma after the number, a number or ink value that is
// not a decimal integer, a name without its two quotes), and reads the rest. Missing ink values
// are 0, values are kept within 0..100, names are cut to 79 bytes; a blank name of an entry whose
// number is not 0 becomes the number. The table is written whole through a temporary file beside
// it, which replaces the file only once every line is written: a failed save leaves the old file.
class NamedColorTable {
public:
    // Longest line kept of a colour file, in bytes.
    static constexpr int kLineSize = 256;
    // Row margin of the list, in pixels.
    static constexpr int kRowMargin = 1;

    // The table of file `fileName` in the program's folder (the folder of the running program's
    // own path, whatever its command line holds).
    explicit NamedColorTable(const char* fileName);

    // The file the table reads and writes.
    void setPath(const char* fullPath) { path_ = fullPath ? fullPath : ""; }
    [[nodiscard]] const std::string& path() const { return path_; }

    [[nodiscard]] int count() const { return static_cast<int>(entries_.size()); }
    // Each of these fails (0, nothing changed) for an index outside 0..count - 1.
    [[nodiscard]] int append(const ColorEntry& entry);
    // Entries from i on move up; an index at or beyond the count appends (a negative one fails).
    [[nodiscard]] int insertAt(int i, const ColorEntry& entry);
    [[nodiscard]] int removeAt(int i);
    [[nodiscard]] int replaceAt(int i, const ColorEntry& entry);
    [[nodiscard]] int replaceCurrent(const ColorEntry& entry) { return replaceAt(current, entry); }
    // The entry at i, or null.
    [[nodiscard]] const ColorEntry* getAt(int i) const;
    [[nodiscard]] const ColorEntry* getCurrent() const { return getAt(current); }
    // Index of the first entry with the number, or -1.
    [[nodiscard]] int findByNumber(int number) const;

    // The colour dialog's buttons: each sets the modified flag and redraws the attached list.
    // Before the current entry (which the new one becomes), after it (or at the end without
    // one); replace and delete it (afterwards no entry is current). All but insertAfterCurrent
    // do nothing and answer 0 without a current entry.
    [[nodiscard]] int insertBeforeCurrent(const ColorEntry& entry);
    [[nodiscard]] int insertAfterCurrent(const ColorEntry& entry);
    [[nodiscard]] int changeCurrent(const ColorEntry& entry);
    [[nodiscard]] int deleteCurrent();
    // Renames the current entry (a DIC colour renamed in the dialog); 0 without one.
    [[nodiscard]] int renameCurrent(const char* name);

    // Reads the file when it has not been read yet; 1 once it is loaded (a missing file gives an
    // empty table, which counts as loaded).
    int loadOnce();
    // Replaces the entries by the file's; 0 when the file could not be opened (the table is then
    // empty).
    [[nodiscard]] int load();
    // Writes the file when the table was modified (and clears the flag); 1 when nothing needed
    // writing or the write succeeded.
    [[nodiscard]] int saveIfModified();
    [[nodiscard]] int save();

    // A control (kind 2105) for the dialog item that shows the table: it gives the table's scroll
    // range to a linked bar, scrolls and repaints the table. The dialog that declares it owns it.
    [[nodiscard]] Control* newListControl();
    // The list that shows the table (an owner-drawn dialog item) and its scroll bar. Attaching
    // takes the list's height and the dialog font's; null detaches.
    void attachList(Control* list, Control* scrollBar);
    // Draws the rows from the first visible one on: a swatch of the entry's colour and its name,
    // the current entry highlighted. Nothing without an attached list.
    void drawList();
    // The entry of the row under the cursor becomes current (and the list is redrawn); its index,
    // or -1 when the cursor is on no entry (the current entry then stays).
    int selectAtCursor();
    // The first visible row, as the scroll bar gives it (kept within 0..count - 1).
    void scrollTo(int row);
    // The scroll range the list's bar takes: 0 .. count, a page of the visible rows.
    void scrollRange(int& low, int& high, int& page) const;

    int current = -1;
    int modified = 0;
    int loaded = 0;
    int textHeight = 12;
    int rowHeight = 12 + 2 * kRowMargin;
    int visibleRows = 5;
    int firstVisible = 0;

private:
    [[nodiscard]] int parse(const char* bytes, size_t size);
    void afterEdit();
    [[nodiscard]] int topGap() const;

    std::vector<ColorEntry> entries_;
    std::string path_;
    Control* list_ = nullptr;
    Control* scrollBar_ = nullptr;
};

// One line of a colour file (without its line end) read into an entry; 0 when the line is not an
// entry, and the entry is then left as it was.
[[nodiscard]] int parseColorLine(const char* line, int length, ColorEntry& entry);
// The line of an entry, without the line end.
[[nodiscard]] std::string formatColorLine(const ColorEntry& entry);
// 1 when an entry's line keeps the name as it is: it holds no double quote, which would end the
// name there (the rest read as ink values, or the entry lost). The dialog's one-line fields
// hold no line end.
[[nodiscard]] int fitsColorLine(const char* name);

// The application's two tables, null until start-up makes them; every reader tests them.
extern NamedColorTable* theUserColorTable;
extern NamedColorTable* theDicColorTable;
