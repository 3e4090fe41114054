#pragma once

class Document;
class SettingsFile;

// A one-word switch of the settings records (0 off, 1 on), read from the drawing file as a
// quoted "TRUE" or other text and from the settings file as TRUE or FALSE.
class BoolValue {
public:
    BoolValue() = default;
    explicit BoolValue(int on) : value(on ? 1 : 0) {}

    // The quoted text of the value tag just opened in the current XML context ("TRUE" is on,
    // any other text off), then its closing tag tagId. 0 without a reader or when either could
    // not be read; the value then stays.
    [[nodiscard]] int readXml(int tagId);
    // The same from the document given.
    [[nodiscard]] int readXml(Document& document, int tagId);
    // One value of the settings file's current key; 0 (value unchanged) when it cannot be read.
    [[nodiscard]] int readIni(SettingsFile& file);

    [[nodiscard]] int isOn() const { return value != 0; }
    void set(int on) { value = on ? 1 : 0; }

    int value = 0;
};
