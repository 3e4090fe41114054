#pragma once
#include "geometry/EntityAttribute.h"
#include "geometry/GrayValue.h"
#include "geometry/InkColor.h"

class Dialog;
class DrawingOwner;
class SettingsFile;

// The hatch of a closed figure: a line pattern with two pitches (paper millimetres), its own
// colour and a tint. Patterns, keywords and list texts:
//   0 "NONE" なし, 1 "HORIZON" 横線, 2 "VERTICAL" 縦線, 3 "RIGHTSLANT" 右斜め線, 4 "LEFTSLANT" 左斜め線,
//   5 "MESH" メッシュ, 6 "DIAMESH" 菱形メッシュ, 7 "TILEH" タイル横, 8 "TILEV" タイル縦.
// Drawing-file block "pattern" with "style", "spacex", "spacey" and the colour's block
// (the tint is not in the file); settings keys "AREAPATTERN", "PATTERNSPACEX", "PATTERNSPACEY"
// (15316..15318).
//
// The colour and tint are held by value: a hatch always has both.
class HatchAttributes : public EntityAttribute {
public:
    enum Key { kPatternKey = 15316, kSpaceXKey = 15317, kSpaceYKey = 15318 };
    static constexpr int kPatternCount = 9;

    void setColor(const RgbColor& rgb) { colour.RgbColor::assign(rgb); }
    void setGrayFrom(const GrayValue& tint) { gray.assign(&tint); }
    void copyPattern(const HatchAttributes& other) { pattern = other.pattern; }
    void copyPitch2(const HatchAttributes& other) { pitch2 = other.pitch2; }
    // Pitch 2 at drawing size (times the owner's scale denominator over numerator).
    [[nodiscard]] double scaledPitch2() const;
    // Pattern, pitches, colour and tint; null does nothing.
    void assign(const HatchAttributes* other);
    // Back to the defaults before the next element is read (the owner stays).
    void reset();

    // Record image: pattern int32, pitch 1 and 2 as doubles, the colour's 52 bytes, the tint.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);

    // The pattern list (combo box): position = pattern + 1; a position outside the table leaves
    // the pattern. Pitches in real-number fields. 0 when the dialog has no such control.
    [[nodiscard]] int fillPatternList(Dialog* dialog, int id);
    [[nodiscard]] int patternToList(Dialog* dialog, int id);
    [[nodiscard]] int patternFromList(Dialog* dialog, int id);
    [[nodiscard]] int pitch1ToField(Dialog* dialog, int id);
    [[nodiscard]] int pitch1FromField(Dialog* dialog, int id);
    [[nodiscard]] int pitch2ToField(Dialog* dialog, int id);
    [[nodiscard]] int pitch2FromField(Dialog* dialog, int id);

    // 1 and the keyword; "" and still 1 for a code outside the table.
    static int keyword(int code, char* out, int size);
    // Tries 0 to 8; 0 and `code` untouched when none matches exactly.
    [[nodiscard]] static int parse(const char* text, int& code);

    // The drawing file through the current XML context, up to endTag. A style text that is not
    // a keyword is a data error of the tag and keeps the pattern.
    [[nodiscard]] int readXml(int endTag);
    [[nodiscard]] int writeXml(XmlContext* writer);
    // Takes other, writes, then resets the writer's current colour to white.
    [[nodiscard]] int writeFromHolder(const HatchAttributes& other);
    // The writer's holder (XmlContext::currentPattern) takes a copy and writes it.
    [[nodiscard]] int writeThroughHolder(XmlContext* context);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    // Acts on the key just read: the quoted pattern keyword (which must be one), or a pitch; 0
    // for any other key.
    [[nodiscard]] int readSetting(SettingsFile& file);
    [[nodiscard]] int writeSetting(SettingsFile& file) const;

    int reserved = 0;
    DrawingOwner* owner = nullptr;
    InkColor colour;
    GrayValue gray;
    int pattern = 0;
    double pitch1 = 3.0;
    double pitch2 = 3.0;
    XmlContext* xmlContext = nullptr;

private:
    [[nodiscard]] int readXmlWith(XmlContext& d, int endTag);
};
