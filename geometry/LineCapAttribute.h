#pragma once
#include "geometry/EntityAttribute.h"

class Dialog;
class XmlContext;
class SettingsFile;

// The end caps of a stroke (capStyle): 1 "BUTT" バット, 2 "ROUND" ラウンド, 3 "SQUARE" スクエア, with
// the cap actually applied at the start and at the end of an open line (0 for none). Drawing-file tag
// "lineCap", settings key "LINECAP" (quoted keyword).
class LineCapAttribute : public EntityAttribute {
public:
    enum Cap { kButt = 1, kRound = 2, kSquare = 3 };

    void reset() { capStyle = kButt; }
    void assign(const LineCapAttribute* other)
    {
        if (other)
            capStyle = other->capStyle;
    }

    // 1 and the keyword for a cap 1..3; 0 and "" otherwise.
    [[nodiscard]] static int keyword(int code, char* out, int size);
    [[nodiscard]] static int parse(const char* text, int& code);

    // The list (combo box): positions 1..3 are the cap codes.
    [[nodiscard]] int fillCapList(Dialog* dialog, int id);
    [[nodiscard]] int capToList(Dialog* dialog, int id);
    [[nodiscard]] int capFromList(Dialog* dialog, int id);

    // startCap := the cap when atStart, else 0; endCap likewise.
    void setEnds(int atStart, int atEnd);
    // 0 the start, 1 the end.
    [[nodiscard]] int capAt(int i) const { return i == 0 ? startCap : endCap; }
    [[nodiscard]] int cap(int end) const { return capAt(end); }
    [[nodiscard]] int hasRoundEnd() const { return startCap == kRound || endCap == kRound; }

    // A quoted keyword, then the closing tag endTag; another text is ignored without a report.
    [[nodiscard]] int readXmlValue(int endTag);
    // Through the current XML context.
    [[nodiscard]] int writeXml();
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    // A text that is not a keyword gives 0 and changes nothing.
    [[nodiscard]] int readSetting(SettingsFile& file);
    [[nodiscard]] int writeSetting(SettingsFile& file, int key) const;

    int capStyle = kButt;
    int startCap = 0;
    int endCap = 0;

private:
    [[nodiscard]] int readValueWith(XmlContext& d, int endTag);
};
