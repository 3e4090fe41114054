#pragma once
// The base of the default records that carry a font; the defaults dialogs' folder implements it.
#include "document/ElementDefaults.h"
#include "geometry/FontAttributes.h"
#include "geometry/IntValue.h"
#include "platform/FontInfo.h"

class SettingsFile;
class XmlContext;

// The base of the default records whose elements carry a font (the text and the measure
// defaults): the face and style as the font chooser controls see them (fontInfo), the face, style
// and size new elements take (font, 4 mm by default) and the batch edit's three font flags. The
// chooser's values reach the font only through syncFontName and syncFontStyle, which the kinds'
// pages call after they stored them.
//
// Settings keys "FONTNAME" (quoted face, 255 bytes), "FONTSTYLE" (quoted "DEFALUT", "BOLD",
// "ITALIC" or "BOLDITALIC") and "FONTSIZE" (six decimals); the drawing file's "font" block.
class FontDefaultsBase : public ElementDefaults {
public:
    enum SettingsKey : int { kFontNameKey = 15215, kFontStyleKey = 15216, kFontSizeKey = 15217 };
    // The size a new record gives, in millimetres (the attribute's own default is 3.75).
    static constexpr double kDefaultFontSize = 4.0;

    // --- what the kinds' records and dialogs share (not called by the document or the kinds) ---
    // The default face chosen in fontInfo and given to the font, the size 4 mm.
    void createFont();
    // The chooser holds a face of at most 31 bytes; a longer face of the font that it holds cut
    // stays whole.
    void syncFontName();
    void syncFontStyle() { font.style = fontInfo.style; }
    // Sizes outside 0.1 < size < 1000 mm are not taken.
    void setFontSize(double size);
    [[nodiscard]] double getFontSize() const { return font.size; }

    void clearFontFlags();
    void assignFontFlags(const FontDefaultsBase& other);
    [[nodiscard]] int anyFontFlagSet() const;
    // The ticked face, style and size into an element; 1 when any was given, else result.
    [[nodiscard]] int applyFontTo(Element* element, int result);

    // The "font" block up to endTag, the chooser following what was read; 0 when it could not be
    // read (written).
    [[nodiscard]] int readFontXml(XmlContext& reader, int endTag);
    [[nodiscard]] int writeFontXml(XmlContext& writer);
    // The value of the key just read when it is a font key; any other key is passed over. A value
    // that is no face, style or size keeps the one before. 1: a file that failed answers the next
    // readKey with 0.
    [[nodiscard]] int readFontSetting(SettingsFile& file);
    // The three keys in this order; 0 when a write failed.
    [[nodiscard]] int writeFontSettings(SettingsFile& file) const;

    FontInfo fontInfo;
    FontAttributes font;
    IntValue fontNameFlag;
    IntValue fontStyleFlag;
    IntValue fontSizeFlag;

protected:
    // A derived record's constructor calls createFont.
    FontDefaultsBase() = default;
};
