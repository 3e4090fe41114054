#include "platform/GlyphRenderer.h"

#include <algorithm>
#include <cmath>

#include "platform/MathUtil.h"

namespace {
// The work bitmap holds the largest cell (64 pixels turned at an odd angle need 96) and, in its
// lower right quarter, the cell shrunk to its size on the target.
const int kWorkSide = 192;
} // namespace

int GlyphRenderer::quarterTurn(double angle)
{
    for (int quarter : {0, 90, 180, 270})
        if (MathUtil::isNearlyEqual(angle, quarter))
            return quarter;
    return -1;
}

int GlyphRenderer::workFontSize(int size, int quarter)
{
    if (size > 64)
        return 64;
    if (size > 24)
        return size;
    return quarter >= 0 ? size : 24;
}

GlyphRenderer::GlyphRenderer(HDC target, int size, double angle)
    : target_(target), size_(size), angle_(angle), quarter_(quarterTurn(angle))
{
    if (size < 3 || !target)
        return;
    if (!memory_.create(nullptr))
        return;
    bitmap_ = CreateBitmap(kWorkSide, kWorkSide, 1, 1, nullptr);
    if (!bitmap_ || !GetObjectA(bitmap_, sizeof info_, &info_) || !memory_.select(bitmap_))
        return;
    size_t bytes = static_cast<size_t>(info_.bmWidthBytes) * static_cast<size_t>(info_.bmHeight);
    drawn_.assign(bytes, 0);
    turned_.assign(bytes, 0xFF);

    fontSize_ = workFontSize(size, quarter_);
    cellWidth_ = fontSize_;
    cellHeight_ = fontSize_;
    if (quarter_ < 0) {
        int n = MathUtil::maxInt(cellWidth_, cellHeight_) * 3 / 2;
        growth_ = n - fontSize_;
        margin_ = growth_ * size / fontSize_;
    }

    // The target's face at the work size.
    LOGFONTA description = {};
    HGDIOBJ targetFont = GetCurrentObject(target, OBJ_FONT);
    if (!targetFont || !GetObjectA(targetFont, sizeof description, &description))
        GetObjectA(GetStockObject(SYSTEM_FONT), sizeof description, &description);
    description.lfHeight = fontSize_;
    font_ = CreateFontIndirectA(&description);
    // Without the face the characters are drawn in the memory DC's own font.
    if (font_)
        (void)memory_.select(font_);
}

GlyphRenderer::~GlyphRenderer()
{
    // The DC lets go of the bitmap and the font before they are deleted.
    memory_.release();
    if (font_)
        DeleteObject(font_);
    if (bitmap_)
        DeleteObject(bitmap_);
}

int GlyphRenderer::bit(const unsigned char* bits, int row, int column) const
{
    return bits[row * info_.bmWidthBytes + column / 8] & (0x80 >> (column % 8));
}

void GlyphRenderer::clearBit(unsigned char* bits, int row, int column) const
{
    bits[row * info_.bmWidthBytes + column / 8] &= static_cast<unsigned char>(~(0x80 >> (column % 8)));
}

// Moves every black pixel of the cell to its place after the turn. The mapping runs forwards
// from the source pixels, so odd angles may leave single pixels out; that is how the program has
// always drawn such text.
void GlyphRenderer::turnBits()
{
    LONG bytes = static_cast<LONG>(drawn_.size());
    GetBitmapBits(bitmap_, bytes, drawn_.data());
    std::fill(turned_.begin(), turned_.end(), 0xFF);
    double sine = 0.0, cosine = 1.0;
    if (quarter_ < 0)
        MathUtil::sinCosDegrees(angle_, sine, cosine);
    int n = cellWidth_ + growth_;
    for (int r = 0; r < cellHeight_; ++r) {
        for (int k = 0; k < cellWidth_; ++k) {
            if (bit(drawn_.data(), r, k))
                continue;
            int row = r, column = k;
            switch (quarter_) {
            case 90:
                row = cellWidth_ - k - 1;
                column = r;
                break;
            case 180:
                row = cellHeight_ - r - 1;
                column = cellWidth_ - k - 1;
                break;
            case 270:
                row = k;
                column = cellHeight_ - r - 1;
                break;
            case 0:
                break;
            default: {
                int x = k - (cellWidth_ + 1) / 2;
                int y = r - (cellHeight_ + 1) / 2;
                // Rounded, not truncated: truncation pulls both halves of the cell one pixel
                // towards its middle, so a barely turned character would not keep its rows.
                row = MathUtil::truncateToInt(std::floor(y * cosine - x * sine + 0.5)) + n / 2;
                column = MathUtil::truncateToInt(std::floor(y * sine + x * cosine + 0.5)) + n / 2;
                break;
            }
            }
            if (row >= 0 && row < info_.bmHeight && column >= 0 && column < info_.bmWidth)
                clearBit(turned_.data(), row, column);
        }
    }
    SetBitmapBits(bitmap_, bytes, turned_.data());
}

int GlyphRenderer::draw(int centreX, int centreY, const char* text, int length, int w, int h)
{
    HDC work = memory_.hdc();
    if (size_ < 3 || !work || drawn_.empty())
        return 0;

    RECT cell = {0, 0, fontSize_, fontSize_};
    FillRect(work, &cell, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetROP2(work, R2_COPYPEN);
    SetTextColor(work, RGB(0, 0, 0));
    SetBkColor(work, RGB(255, 255, 255));
    // The centring offset is taken in target pixels and then scaled, so that a character drawn
    // from a larger work cell lands where the same character at its own size does.
    TextOutA(work, ((size_ - w) / 2) * fontSize_ / size_, ((size_ - h) / 2) * fontSize_ / size_, text, length);
    if (quarter_ != 0)
        turnBits();

    int side = size_ + margin_;
    int left = centreX - size_ / 2 - margin_ / 2;
    int top = centreY - size_ / 2 - margin_ / 2;
    int source = fontSize_ + growth_;
    // The monochrome cell is expanded with the target's colours: its black (glyph) pixels take
    // the text colour, its white ones the background colour, which must leave the target as it
    // is under the raster operation: white under AND, black under OR.
    COLORREF textColor = GetTextColor(target_);
    COLORREF backColor = GetBkColor(target_);
    bool whiteText = (textColor & 0xFFFFFF) == RGB(255, 255, 255);
    int from = 0;
    if (side < source && side <= kWorkSide / 2 && source <= kWorkSide / 2) {
        // A cell drawn larger is shrunk monochrome to monochrome first, into the free corner of
        // the work bitmap, where the stretch keeps the black glyph pixels. Shrunk onto a colour
        // target, the stretch would weigh the converted colours instead and drop white text,
        // so that erasing a character in white left pixels of it behind.
        int oldMode = SetStretchBltMode(work, BLACKONWHITE);
        StretchBlt(work, kWorkSide / 2, kWorkSide / 2, side, side, work, 0, 0, source, source, SRCCOPY);
        SetStretchBltMode(work, oldMode);
        from = kWorkSide / 2;
        source = side;
    }
    SetBkColor(target_, whiteText ? RGB(0, 0, 0) : RGB(255, 255, 255));
    StretchBlt(target_, left, top, side, side, work, from, from, source, source, whiteText ? SRCPAINT : SRCAND);
    SetBkColor(target_, backColor);
    SetTextColor(target_, textColor);
    return 1;
}
