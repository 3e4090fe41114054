#pragma once

class DefaultsDialog;
class FontAttributes;
class FontInfo;

// The fields of a font page: the face list, the style list (combo boxes) and the size field (real
// number, millimetres); 0 for a field the page lacks.
struct FontPageIds {
    int faceList;
    int styleList;
    int sizeField;
};

// The font page of the text and measure defaults' dialogs: the installed faces with the record's
// face chosen (its own face listed too when it is not installed), the four styles "標準",
// "ﾎﾞｰﾙﾄﾞ", "ｲﾀﾘｯｸ", "ﾎﾞｰﾙﾄﾞｲﾀﾘｯｸ", and the size. The face and style go into the chooser's
// values (fontInfo); the size, taken only as one number within 0.1 < size < 1000, into the font.
namespace font_page {

void declare(DefaultsDialog& dialog, const FontPageIds& ids);
void load(DefaultsDialog& dialog, const FontPageIds& ids, FontInfo& fontInfo, const FontAttributes& font);
void store(DefaultsDialog& dialog, const FontPageIds& ids, FontInfo& fontInfo, FontAttributes& font);
// The face (style) chosen in the list into fontInfo; 1 when it is another face (style) than before.
[[nodiscard]] int takeFace(DefaultsDialog& dialog, const FontPageIds& ids, FontInfo& fontInfo);
[[nodiscard]] int takeStyle(DefaultsDialog& dialog, const FontPageIds& ids, FontInfo& fontInfo);

} // namespace font_page
