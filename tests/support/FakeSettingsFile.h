#pragma once
#include <map>
#include <string>

#include "geometry/SettingsFile.h"

// A settings file held in a string, with the grammar of the real one: names bound to ids by
// registration, "[NAME]" section lines, NAME=VALUE{,VALUE} key lines ended by CR LF, values up to
// the next "," or control character. What is written is appended to `text`; reading starts at
// the beginning of `text` (or where rewind puts it).
//
//     FakeSettingsFile file;
//     file.registerKey(15311, "EDGECOLOR");
//     file.text = "EDGECOLOR=255,0,0\r\n";
//     file.readKey();            // currentId() == 15311
//     colour.readRgbSetting(file);
class FakeSettingsFile : public SettingsFile {
public:
    void registerSection(int id, const char* name) { names[id] = Name{kSection, name}; }
    void registerKey(int id, const char* name) { names[id] = Name{kKey, name}; }
    // Every key of the line, drawing and dimension defaults that the attribute values use, and
    // the unit keys.
    void registerAttributeKeys();

    void rewind() { position = 0; }
    // Puts the file into its error state (as a failed write would).
    void fail() { error = -1; }

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

    std::string text;
    size_t position = 0;
    int error = 0;

private:
    struct Name {
        int kind;
        std::string name;
    };
    // One token (name) or value: up to a delimiter or a control character; 0 when the text ended
    // first.
    [[nodiscard]] int readToken(std::string& out, bool value);
    [[nodiscard]] int readValue(char* buffer, int size);
    [[nodiscard]] int writeValue(const std::string& value, int more, int lineEnd);

    std::map<int, Name> names;
    int id = -1;
    int kind = -1;
    int flags[4] = {};
};
