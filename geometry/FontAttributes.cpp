#include "geometry/FontAttributes.h"

#include <cmath>

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FontChangeTable.h"
#include "geometry/ViewParams.h"
#include "platform/DeviceContext.h"
#include "platform/FontInfo.h"
#include "platform/StringUtil.h"
#include "platform/UnitConverter.h"

FontChangeTable* theFontChangeTable = nullptr;

const char* const kDependentFace = "従属";

namespace {

// Spelt as the stored files have it.
const char* const kStyleKeywords[4] = {"DEFALUT", "BOLD", "ITALIC", "BOLDITALIC"};

// The height a font is made with when the view has none to give.
const int kHeightWithoutView = 12;
// GDI takes heights far beyond any screen; a corrupt size must not reach it as an overflow.
const int kMaxPixelHeight = 32000;

} // namespace

double FontAttributes::scaledSize() const { return size * attribute_io::drawingScale(owner); }

double FontAttributes::sizeInPoints() const
{
    const UnitConverter converter;
    return converter.convert(size, UnitConverter::millimetre, UnitConverter::point);
}

void FontAttributes::setFaceName(const char* text) { StringUtil::copy(faceName, text ? text : ""); }

void FontAttributes::truncateFaceName(int length)
{
    if (length < 0 || length >= faceNameLength())
        return;
    char cut[kFaceSize];
    StringUtil::copy(cut, length + 1, faceName);
    StringUtil::copy(faceName, cut);
}

int FontAttributes::faceNameLength() const { return StringUtil::length(faceName); }

void FontAttributes::setFaceNameAndLookup(const char* text)
{
    setFaceName(text);
    if (!theFontChangeTable || isDependentFace())
        return;
    int added = 0;
    tableIndex = theFontChangeTable->lookUp(faceName, added);
}

void FontAttributes::setDefaultFace()
{
    FontInfo info;
    info.chooseDefaultFace();
    setFaceName(info.getFaceName());
}

int FontAttributes::isDependentFace() const { return StringUtil::equals(faceName, kDependentFace); }

void FontAttributes::lookUpFace()
{
    if (!theFontChangeTable || tableIndex != kNotLookedUp || isDependentFace())
        return;
    int added = 0;
    tableIndex = theFontChangeTable->lookUp(faceName, added);
    if (tableIndex >= 0)
        substituted = 1;
}

void FontAttributes::faceToUse(char* out, int size) const
{
    if (!out || size < 1)
        return;
    if (theFontChangeTable && tableIndex >= 0 && theFontChangeTable->displayName(tableIndex, out, size))
        return;
    StringUtil::copy(out, size, faceName);
}

int FontAttributes::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1) {
        // A size a load would refuse is not written either.
        const int n = faceNameLength();
        return isSize(size) && buffer.putDouble(size) && buffer.putInt(style) && buffer.putInt(n) && buffer.putBytes(faceName, n) &&
               buffer.putInt(tableIndex);
    }
    if (mode != 3)
        return 0;
    double readSize = 0.0;
    int32_t readStyle = 0;
    int32_t n = 0;
    if (!buffer.getDouble(readSize) || !buffer.getInt(readStyle) || !buffer.getInt(n))
        return 0;
    // The length comes from a record that may have crossed processes: it must fit the face and
    // what is left of the record before a byte is copied.
    if (n < 0 || n > kFaceSize - 1 || n > buffer.remaining() || !isSize(readSize))
        return 0;
    char face[kFaceSize];
    int32_t readIndex = 0;
    if (!buffer.getBytes(face, n) || !buffer.getInt(readIndex))
        return 0;
    face[n] = 0;
    size = readSize;
    style = readStyle;
    StringUtil::copy(faceName, face);
    tableIndex = readIndex;
    return 1;
}

void FontAttributes::assign(const FontAttributes* other)
{
    if (!other)
        return;
    StringUtil::copy(faceName, other->faceName);
    style = other->style;
    size = other->size;
    tableIndex = other->tableIndex;
}

int FontAttributes::makeDeviceFont(ViewParams* view, DeviceContext& dc)
{
    if (!view)
        return kHeightWithoutView;
    return selectAtPixels(view->lengthToPixels(size), dc);
}

int FontAttributes::makeDeviceFontForOp(int operation, ViewParams* view, DeviceContext& dc)
{
    if (!view)
        return kHeightWithoutView;
    return selectAtPixels(view->lengthToPixelsForOp(operation, size), dc);
}

int FontAttributes::pixelHeightFor(double pixels)
{
    if (!std::isfinite(pixels) || pixels < 1.0)
        return 1;
    return pixels < kMaxPixelHeight ? static_cast<int>(pixels) : kMaxPixelHeight;
}

int FontAttributes::selectAtPixels(double pixels, DeviceContext& dc)
{
    const int height = pixelHeightFor(pixels);
    char face[kFaceSize];
    faceToUse(face, sizeof face);
    FontInfo info;
    if (!info.setFontCell(face, style, height, height)) {
        // A face that is not installed is asked for by name; GDI maps it to one that is.
        LOGFONTA description = {};
        description.lfHeight = -height;
        description.lfWeight = style == kBold || style == kBoldItalic ? FW_BOLD : FW_NORMAL;
        description.lfItalic = style == kItalic || style == kBoldItalic;
        description.lfCharSet = DEFAULT_CHARSET;
        info.setLogFont(description);
        info.setFaceName(face);
        info.style = style;
        info.size = height;
    }
    // A font that cannot be made leaves the one selected before; the text is still drawn.
    (void)dc.selectFont(info);
    return height;
}

void FontAttributes::scale(double factor, int flags)
{
    if (!(flags & 2))
        return;
    const double scaled = size * factor;
    if (attribute_io::acceptsWrittenBack(scaled, XmlContext::kMaxDecimals, isSize))
        size = scaled;
}

int FontAttributes::styleKeyword(int code, char* out, int size)
{
    // A style without keyword is written as "", which reads back as a data error: the file
    // stays readable.
    (void)attribute_io::keywordOfCode(code, kStyleKeywords, 4, kRegular, out, size);
    return 1;
}

int FontAttributes::parseStyle(const char* text, int& code)
{
    int parsed = code;
    if (!attribute_io::codeOfKeyword(text, kStyleKeywords, 4, kRegular, parsed))
        return 0;
    code = parsed;
    return 1;
}
