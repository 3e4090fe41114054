#pragma once

class Dialog;
class XmlContext;
class ElementRecordBuffer;
class SettingsFile;

// Whether a part of an element (its edge, its fill) is drawn: 1 drawn, 0 not. "ON"/"OFF" in the
// drawing file (usually the tag "draw"), "TRUE"/"FALSE" in the settings file; its record
// image is the value as an int16.
class DrawSwitch {
public:

    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);
    // The check box with the id; 0 when the dialog has none.
    [[nodiscard]] int toCheckBox(Dialog* dialog, int id) const;
    [[nodiscard]] int fromCheckBox(Dialog* dialog, int id);

    // "ON" for any nonzero value, "OFF" for 0.
    int keyword(char* out, int size) const;
    // Exactly "ON" (1) or "OFF" (0); another text gives 0 and changes nothing.
    [[nodiscard]] int setFromKeyword(const char* text);

    // The quoted keyword of the value tag just opened (another text keeps the value), then the
    // closing tag endTag.
    [[nodiscard]] int readXmlValue(XmlContext& reader, int endTag);
    [[nodiscard]] int writeXml(XmlContext& writer, int tag) const;

    // "TRUE" gives 1, any other value 0.
    [[nodiscard]] int readSetting(SettingsFile& file);
    [[nodiscard]] int writeSetting(SettingsFile& file, int key) const;

    int value = 1;
};
