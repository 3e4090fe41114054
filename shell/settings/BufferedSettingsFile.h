#pragma once
#include "geometry/SettingsFile.h"
#include "platform/BufferedFile.h"
#include "shell/settings/SettingsKeyTable.h"

// The settings file as it is read from and written to disk: SettingsFile's operations on a
// buffered file, with the table that binds the ids to their names. Shift-JIS aware: a lead byte
// (0x80..0x9F, 0xE0..0xFF) always brings its trail byte, so a trail byte that looks like "[",
// "\\", "=" or "," never acts as one, and nothing is ever cut inside a character.
//
// Reading. A token (a section or key name) runs up to "=", ",", "]" or a control byte; "[" is
// skipped and sets delimiter flag 0. A value runs up to "," or a control byte, blanks and quotes
// kept. Names keep at most 79 bytes and values size - 1 bytes; what does not fit of a token or a
// value is read and dropped, never taken for the next one. The file's end closes a value as a line
// end does, so the last key of a file without a final line end is taken; a value read after the
// end, or a name the end cuts off before its "=", "]" or line end, returns 0.
//
// Writing. Every byte goes through writeRaw; the first failed write puts the file into its error
// state (-1), after which every read and write returns 0. Lines end in CR LF.
//
// A file object lives for one load or one save; DefaultSettingsFile and AppSettingsFile add
// their registrations.
class BufferedSettingsFile : public SettingsFile, public BufferedFile {
public:
    static constexpr int kTokenSize = 80;
    static constexpr int kValueSize = 80;

    BufferedSettingsFile() = default;

    void registerSection(int id, const char* name) { keys.add(id, kSection, name); }
    void registerKey(int id, const char* name) { keys.add(id, kKey, name); }
    [[nodiscard]] const SettingsKeyTable& keyTable() const { return keys; }

    // 0 good, -1 after a failed write.
    [[nodiscard]] int errorState() const { return error; }
    // 1 when a write call of the file failed: the file has shown "Write Error" for it already.
    [[nodiscard]] int writeErrorShown() const { return writeCallFailed; }
    void clearError() { error = writeCallFailed = 0; }
    // 1 once every byte of the file has been read.
    [[nodiscard]] int atEnd() const { return readPos >= fileSize; }

    // SettingsFile.
    [[nodiscard]] int readKey() override;
    [[nodiscard]] int currentId() const override { return id; }
    [[nodiscard]] int currentKind() const override { return kind; }
    [[nodiscard]] int getDelimiterFlag(int which) const override;
    [[nodiscard]] int readInt(int& value) override;
    [[nodiscard]] int readBool(int& value) override;
    [[nodiscard]] int readDouble(double& value) override;
    [[nodiscard]] int readString(char* buffer, int size) override;
    [[nodiscard]] int writeSection(int sectionId) override;
    [[nodiscard]] int writeKey(int keyId) override;
    [[nodiscard]] int writeInt(int value, int more, int lineEnd) override;
    [[nodiscard]] int writeBool(int value, int more, int lineEnd) override;
    [[nodiscard]] int writeDouble(double value, int decimals, int more, int lineEnd) override;
    [[nodiscard]] int writeDoubleRounded(double value, int decimals, int more, int lineEnd) override;
    [[nodiscard]] int writeQuoted(const char* text, int more, int lineEnd) override;

    // The reading steps under the typed readers. Each buffer gets at least its terminator.
    [[nodiscard]] int readToken(char* buffer);
    [[nodiscard]] int readValue(char* buffer, int size);
    [[nodiscard]] int readLong(long& value);
    // A text enclosed in `delimiter` (0: the first byte read is the delimiter): the bytes up to
    // the closing one (a control byte ends early), at most size - 1 bytes; then one more byte
    // is read, and a "," there sets flag 2.
    [[nodiscard]] int readDelimited(char delimiter, char* buffer, int size);

    // The text, then "," when `more`, then CR LF when `lineEnd`.
    [[nodiscard]] int writeValue(const char* text, int more, int lineEnd);
    [[nodiscard]] int writeLong(long value, int more, int lineEnd);
    [[nodiscard]] int writeRaw(const char* bytes, int n);

private:
    // Stores byte c (and, for a lead byte, the trail byte read after it) into buffer at *used
    // while the whole character fits in size - 1 bytes; a character that does not fit ends
    // storing for good (*full). 0 when the file ended.
    [[nodiscard]] int storeChar(unsigned char c, char* buffer, int size, int& used, bool& full);
    void clearFlags();
    // One value of a typed reader; 0 in the error state or when the file ended.
    [[nodiscard]] int readTypedValue(char (&text)[kValueSize]);
    [[nodiscard]] int formatAndWrite(double value, int decimals, int rounding, int more, int lineEnd);

    SettingsKeyTable keys;
    int error = 0;
    int writeCallFailed = 0;
    int id = -1;
    int kind = -1;
    int flags[4] = {};
};
