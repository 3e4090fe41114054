#include "platform/RgbColor.h"

#include "platform/Application.h"
#include "platform/MathUtil.h"

namespace {
int clampByte(int v) { return v > 255 ? 255 : v; }

// Toward white by keeping `percent` of the distance from white; all divisions truncate.
int tintChannel(int c, int percent) { return clampByte(255 - (255 - c) * percent / 100); }
} // namespace

int RgbColor::colorModel() const
{
    if (model >= 1 && model <= 3)
        return model;
    int setting = theApplication ? theApplication->colorModel : 0;
    if (setting >= 0 && setting <= 2)
        return setting + 1;
    return model;
}

void RgbColor::setRgb(int r, int g, int b)
{
    colorRef = static_cast<COLORREF>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
}

void RgbColor::getRgb(int& r, int& g, int& b) const
{
    r = getRed();
    g = getGreen();
    b = getBlue();
}

void RgbColor::setRgbAndInks(int r, int g, int b)
{
    setRgb(r, g, b);
    switch (colorModel()) {
    case 2:
        inksFromRgbBytes();
        break;
    case 3:
        inksFromRgbPercent();
        break;
    default:
        break;
    }
}

void RgbColor::setColorRef(COLORREF value)
{
    setRgbAndInks(GetRValue(value), GetGValue(value), GetBValue(value));
}

void RgbColor::setInk(int i, int value)
{
    if (i >= 0 && i < 4)
        inks[i] = value;
}

void RgbColor::getInks(int out[4]) const
{
    for (int i = 0; i < 4; ++i)
        out[i] = inks[i];
}

void RgbColor::setInkValues(int c, int m, int y, int k)
{
    inks[0] = c;
    inks[1] = m;
    inks[2] = y;
    inks[3] = k;
    rgbFromInks();
}

void RgbColor::assign(const RgbColor& other)
{
    for (int i = 0; i < 4; ++i)
        inks[i] = other.inks[i];
    colorRef = other.colorRef;
}

void RgbColor::inksFromRgbBytes()
{
    int c = 255 - getRed();
    int m = 255 - getGreen();
    int y = 255 - getBlue();
    int k = c & m & y;
    inks[0] = c & ~k & 0xFF;
    inks[1] = m & ~k & 0xFF;
    inks[2] = y & ~k & 0xFF;
    inks[3] = k;
}

void RgbColor::inksFromRgbPercent()
{
    inksFromRgbBytes();
    for (int i = 0; i < 4; ++i)
        inks[i] = inks[i] * 100 / 255;
}

void RgbColor::rgbFromInks()
{
    int bytes[4];
    for (int i = 0; i < 4; ++i)
        bytes[i] = inks[i] * 255 / 100;
    setRgb(255 - clampByte(bytes[0] + bytes[3]), 255 - clampByte(bytes[1] + bytes[3]),
           255 - clampByte(bytes[2] + bytes[3]));
}

void RgbColor::inksFromRgbIfNone()
{
    if (!(inks[0] | inks[1] | inks[2] | inks[3]) && !isWhite() && colorModel() == 3)
        inksFromRgbPercent();
}

void RgbColor::applyTint(int percent)
{
    if (percent < 0 || percent >= 100)
        return;
    int effective = colorModel();
    if (effective == 1 || effective == 2) {
        setRgb(tintChannel(getRed(), percent), tintChannel(getGreen(), percent), tintChannel(getBlue(), percent));
        inksFromRgbPercent();
    } else if (effective == 3) {
        for (int i = 0; i < 4; ++i)
            inks[i] = inks[i] * percent / 100;
        rgbFromInks();
    }
}

void RgbColor::applyTintFraction(double fraction) { applyTint(MathUtil::truncateToInt(fraction * 100.0)); }

void RgbColor::assignTinted(const RgbColor& other, double fraction)
{
    assign(other);
    applyTintFraction(fraction);
}

void RgbColor::tintTowardWhite(int percent)
{
    if (percent < 1) {
        setWhite();
        return;
    }
    if (percent >= 100)
        return;
    setRgb(tintChannel(getRed(), percent), tintChannel(getGreen(), percent), tintChannel(getBlue(), percent));
}
