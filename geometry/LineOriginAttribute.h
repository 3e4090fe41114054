#pragma once
#include "geometry/EntityAttribute.h"

class Dialog;
class XmlContext;
class SettingsFile;

// Where a stroke lies relative to its geometric line: 1 "CENTER" 中心, 2 "TOP" 外-右, 3 "BOTTOM"
// 内-左. Drawing-file tag "lineOrigin", settings key "LINEORIGIN" (quoted keyword).
class LineOriginAttribute : public EntityAttribute {
public:
    enum Position { kCenter = 1, kTop = 2, kBottom = 3 };

    void reset() { position = kCenter; }
    void assign(const LineOriginAttribute* other)
    {
        if (other)
            position = other->position;
    }

    // 1 and the keyword for a position 1..3; 0 and "" otherwise.
    [[nodiscard]] static int keyword(int code, char* out, int size);
    [[nodiscard]] static int parse(const char* text, int& code);

    // The list (combo box): positions 1..3 are the position codes.
    [[nodiscard]] int fillPositionList(Dialog* dialog, int id);
    [[nodiscard]] int positionToList(Dialog* dialog, int id);
    [[nodiscard]] int positionFromList(Dialog* dialog, int id);

    // A quoted keyword, then the closing tag endTag; another text is ignored without a report.
    [[nodiscard]] int readXmlValue(int endTag);
    [[nodiscard]] int writeXml(XmlContext* context);
    // The writer's holder (XmlContext::currentLineOrigin) takes a copy and writes it.
    [[nodiscard]] int writeThroughHolder(XmlContext* context);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    // A text that is not a keyword gives 0 and changes nothing.
    [[nodiscard]] int readSetting(SettingsFile& file);
    [[nodiscard]] int writeSetting(SettingsFile& file, int key) const;

    int position = kCenter;
    XmlContext* xmlContext = nullptr;

private:
    [[nodiscard]] int readValueWith(XmlContext& d, int endTag);
};
