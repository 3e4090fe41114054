#pragma once
#include <cstdint>

#include "geometry/EntityAttribute.h"

class DeviceContext;
class DrawingOwner;
class ElementRecordBuffer;
class SettingsFile;
class ViewParams;
class XmlContext;

// The lettering of a text or a dimension numeral: face name (Shift-JIS, at most 255 bytes), style
// (1 "DEFALUT" regular, 2 "BOLD", 3 "ITALIC", 4 "BOLDITALIC"; the misspelt keyword is what stored
// files hold) and size in paper millimetres. Its record image, its "font" block of the drawing
// file (textSize, textFont, textStyle) and its settings keys.
//
// A face that is not installed is shown in the face that the application's font change table
// substitutes for it; the attribute keeps the table's row (tableIndex) from the look-up that
// follows a read, so faces are resolved once, not per draw. The face "従属" (dependent on the
// owner's font) is never looked up.
class FontAttributes : public EntityAttribute {
public:
    enum Style { kRegular = 1, kBold = 2, kItalic = 3, kBoldItalic = 4 };
    // The face buffer; names are cut to kFaceSize - 1 bytes at a character boundary.
    static constexpr int kFaceSize = 256;
    // tableIndex: no substitution (installed face, or no table), or not looked up yet.
    static constexpr int kNoEntry = -1;
    static constexpr int kNotLookedUp = -2;
    static constexpr double kDefaultSize = 3.75;
    // Sizes lie strictly between these (paper millimetres), as scaling keeps them; a file, a
    // record or the settings giving another is refused (far larger sizes took the platform's
    // font engine seconds to draw).
    static constexpr double kMinSize = 0.1;
    static constexpr double kMaxSize = 1000.0;
    // 1 for a size strictly between kMinSize and kMaxSize (so never a value that is not finite).
    [[nodiscard]] static int isSize(double value) { return value > kMinSize && value < kMaxSize; }

    FontAttributes() = default;
    FontAttributes(const FontAttributes&) = default;
    FontAttributes& operator=(const FontAttributes&) = default;

    // The size at drawing size (times the owner paper's scale denominator over numerator), and
    // in points.
    [[nodiscard]] double scaledSize() const;
    [[nodiscard]] double sizeInPoints() const;

    // The face; a null text empties it. setFaceNameAndLookup also asks the font change table for
    // its row (when there is a table). setFontName is the name the shape engine uses.
    void setFaceName(const char* text);
    void setFontName(const char* text) { setFaceName(text); }
    // Cuts the face to at most `length` bytes, never inside a two-byte character.
    void truncateFaceName(int length);
    [[nodiscard]] int faceNameLength() const;
    void setFaceNameAndLookup(const char* text);
    // The class library's default face: the system font's face when installed, else its fallback.
    void setDefaultFace();
    [[nodiscard]] int isDependentFace() const;
    void markForLookup() { tableIndex = kNotLookedUp; }
    // After a read: asks the font change table for the face's row when the face was read and is
    // not "従属"; substituted becomes 1 when the table substitutes it. Nothing without a table.
    void lookUpFace();
    // The face to draw with: the table's face for tableIndex when the table has one, else the
    // stored face. At most size - 1 bytes.
    void faceToUse(char* out, int size) const;

    // Mode 1 writes the record image (size, style, face length n, the n face bytes, tableIndex),
    // mode 3 reads it back; any other mode 0. A record whose n is outside 0..255 or runs past the
    // record, or whose size is no size (isSize), fails the read, and the attribute keeps its
    // values.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);
    // Face, style, size and tableIndex; null does nothing.
    void assign(const FontAttributes* other);

    // Selects the font into the device context at the size converted to device pixels by the
    // view (the operation form with the output scaling of printing and PostScript), at least 1
    // pixel; its pixel height. Without a view nothing is selected and the answer is 12.
    int makeDeviceFont(ViewParams* view, DeviceContext& dc);
    int makeDeviceFontForOp(int operation, ViewParams* view, DeviceContext& dc);
    // The font at a height in pixels, whatever the view (at least 1 pixel); its pixel height.
    // Texts measured for paper output use one fixed height, so the zoom cannot change them.
    int selectAtPixels(double pixels, DeviceContext& dc);
    // The pixel height selectAtPixels makes a font of for a size of `pixels`.
    [[nodiscard]] static int pixelHeightFor(double pixels);
    // The name the shape engine uses.
    int selectForOp(int operation, ViewParams* view, DeviceContext& dc)
    {
        return makeDeviceFontForOp(operation, view, dc);
    }

    // With bit 1 of flags (value 2) set, size times factor, taken only when it lies strictly
    // between 0.1 and 1000.0 as the drawing file writes it back.
    void scale(double factor, int flags);

    // 1 and the keyword for styles 1..4; "" and 1 for any other code (the file stays readable).
    static int styleKeyword(int code, char* out, int size);
    // 1 and the code of a keyword (exact, upper case); 0 and code unchanged otherwise.
    [[nodiscard]] static int parseStyle(const char* text, int& code);

    // The "font" block through the current XML context, up to the closing tag endTag. A style
    // that is not a keyword is a data error of textStyle (the style stays), and so is a size
    // that is no size as written back (5 decimals) for textSize (the size stays); a block that
    // cannot be read whole leaves every value as it was. Then lookUpFace.
    [[nodiscard]] int readXml(int endTag);
    [[nodiscard]] int writeXml(XmlContext* writer);
    // The writer's holder (XmlContext::currentFont) takes a copy and writes it.
    [[nodiscard]] int writeThroughHolder(XmlContext* context);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    // Settings values of the key just read: a quoted face (255 bytes kept), a quoted style
    // keyword (another text fails the read and changes nothing), a real size (no size, as
    // written back, fails the read likewise). Each writer writes key, "=", the value, line end;
    // the size with six decimals, cut.
    [[nodiscard]] int readFaceSetting(SettingsFile& file);
    [[nodiscard]] int readStyleSetting(SettingsFile& file);
    [[nodiscard]] int readSizeSetting(SettingsFile& file);
    [[nodiscard]] int writeFaceSetting(SettingsFile& file, int key) const;
    [[nodiscard]] int writeStyleSetting(SettingsFile& file, int key) const;
    [[nodiscard]] int writeSizeSetting(SettingsFile& file, int key) const;

    DrawingOwner* owner = nullptr; // not owned
    double size = kDefaultSize;
    int32_t style = kRegular;
    char faceName[kFaceSize] = {};
    int32_t tableIndex = kNoEntry;
    int32_t substituted = 0;
    XmlContext* xmlContext = nullptr; // the file being read or written, not owned

private:
    [[nodiscard]] int readXmlWith(XmlContext& d, int endTag);
};

// The "dependent" face of texts that follow their owner's font.
extern const char* const kDependentFace;
