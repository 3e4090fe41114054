#pragma once
// An interface that this folder and those above call; a folder above implements it.

// The settings file "korvane.ini" as its owners see it: a file of section lines "[NAME]" and key
// lines NAME=VALUE{,VALUE}, with sections and keys identified by numeric ids that the file binds
// to their names. An owner reads the values of the key just read with the typed readers and
// writes its keys with the typed writers; it never sees the names.
//
// Reading: readKey moves to the next section or key name; currentId and currentKind then tell
// which (-1 and -1 for a name that is not registered). A typed reader reads one value of the key
// line; delimiter flag 2 tells whether a "," followed it (another value of the same key). Each
// typed reader returns 0 and leaves its target unchanged when the value could not be read (the
// file ended before it, or the file is in its error state); a value that the file's end closes,
// without a line end, is read like any other.
//
// Writing: writeSection and writeKey write a registered name (0 for an unknown id); each value
// writer takes the flags `more` (write "," after the value) and `lineEnd` (write CR LF after it).
// A failed write puts the file into its error state, and every later operation returns 0.
class SettingsFile {
public:
    enum NameKind { kSection = 1, kKey = 2 };
    enum Delimiter { kOpenBracket = 0, kEquals = 1, kComma = 2, kCloseBracket = 3 };

    virtual ~SettingsFile() = default;

    // Nonzero while the file goes on; 0 at its end or in the error state.
    [[nodiscard]] virtual int readKey() = 0;
    [[nodiscard]] virtual int currentId() const = 0;
    [[nodiscard]] virtual int currentKind() const = 0;
    // Flag `which` (Delimiter) of the token or value read last: 1 when set.
    [[nodiscard]] virtual int getDelimiterFlag(int which) const = 0;

    // Leading blanks skipped, an optional "-", digits; an empty text is 0.
    [[nodiscard]] virtual int readInt(int& value) = 0;
    // 1 exactly for the text "TRUE", else 0.
    [[nodiscard]] virtual int readBool(int& value) = 0;
    [[nodiscard]] virtual int readDouble(double& value) = 0;
    // The value as read, at most size - 1 bytes; a leading double quote and the closing one
    // are removed.
    [[nodiscard]] virtual int readString(char* buffer, int size) = 0;

    [[nodiscard]] virtual int writeSection(int id) = 0;
    // The key's name and "=", no line end.
    [[nodiscard]] virtual int writeKey(int id) = 0;
    [[nodiscard]] virtual int writeInt(int value, int more, int lineEnd) = 0;
    // "TRUE" or "FALSE".
    [[nodiscard]] virtual int writeBool(int value, int more, int lineEnd) = 0;
    // At most `decimals` decimals, cut, trailing zeros and point removed: 2.50 with 2 is "2.5".
    [[nodiscard]] virtual int writeDouble(double value, int decimals, int more, int lineEnd) = 0;
    // The same, rounded half away from zero at the last decimal.
    [[nodiscard]] virtual int writeDoubleRounded(double value, int decimals, int more, int lineEnd) = 0;
    // The text between double quotes.
    [[nodiscard]] virtual int writeQuoted(const char* text, int more, int lineEnd) = 0;
};
