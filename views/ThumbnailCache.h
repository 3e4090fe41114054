#pragma once
#include "platform/DibImage.h"
#include "platform/GlobalBlock.h"
#include "platform/IntRect.h"

class OffscreenBitmap;

// The page bar's rendered thumbnails: entry n - 1 holds page n, as the 24-bit rows of a DIB
// image of the thumbnail's area at the bitmap's origin, and a flag tells whether it is valid.
// Every entry is kBytesPerThumb bytes; both blocks grow 30 entries at a time. An area whose rows
// do not fit an entry is not cached (it is rendered every time instead).
class ThumbnailCache {
public:
    static constexpr int kSide = 54;
    static constexpr int kBytesPerThumb = kSide * kSide * 5 / 4 * 4; // 14,580
    static constexpr int kGrowth = 30;

    // The area an entry holds; a new area empties the cache.
    void setArea(const IntRect& area);
    // The area of the bitmap into entry n - 1, valid from now on (n >= 1); 0 when it could not
    // be read or does not fit an entry (the entry then stays invalid).
    [[nodiscard]] int capture(int n, OffscreenBitmap& bitmap);
    // Entry n - 1 drawn back into the same area of the bitmap; 0 (nothing drawn) unless it is
    // valid.
    [[nodiscard]] int restore(int n, OffscreenBitmap& bitmap);
    // Pages first to last become invalid (last below 1: to the last entry), capped at the
    // entries held; first below 1 counts from 1.
    void invalidate(int first, int last);
    // Empties both blocks.
    void reset();
    [[nodiscard]] int isValid(int n);
    [[nodiscard]] int entries() const { return valid.count; }

    DibImage image;
    IntRect imageRect = IntRect::fromEdges(0, 0, kSide, kSide);
    GlobalBlock pixels{kGrowth, kBytesPerThumb};
    GlobalBlock valid{kGrowth, 4};

private:
    // Both blocks hold at least n entries (new flags 0).
    [[nodiscard]] int grow(int n);
    void setFlag(int n, int flag);
    // The image's rows copied into entry n - 1, or back; 0 when they do not fit an entry.
    [[nodiscard]] int exchange(int n, int intoEntry);
};
