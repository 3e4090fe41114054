#pragma once
#include "platform/GlobalBlock.h"

class DeviceContext;
struct IntRect;

// The pictures of the parts in a library's pane: per list entry the pixels of a 54 x 54 picture
// (24-bit bottom-up DIB rows) and its state, each in a block that grows by 30 entries. A part
// that could not be drawn keeps the state "failed", so that it is not read again at every
// repaint; setting the count clears every state.
class PartThumbnails {
public:
    static constexpr int kSize = 54;
    static constexpr int kRowBytes = (kSize * 3 + 3) / 4 * 4;
    static constexpr int kBytes = kRowBytes * kSize;
    enum State { kEmpty = 0, kDrawn = 1, kFailed = 2 };

    // n entries, each empty; 0 when the blocks cannot hold them (the cache is then empty).
    [[nodiscard]] int resize(int n);
    // Removes entry i; the later ones move down.
    [[nodiscard]] int removeAt(int i);
    [[nodiscard]] int count() const { return states.count; }
    // kEmpty for an entry outside the cache.
    [[nodiscard]] int state(int i);
    // The picture of entry i (kBytes of DIB rows), which is then drawn.
    [[nodiscard]] int store(int i, const unsigned char* bits);
    void markFailed(int i);
    // Draws entry i's picture centred in the rectangle; 0 unless it is drawn.
    [[nodiscard]] int draw(int i, DeviceContext& dc, const IntRect& cell);
    // The header of the pictures' DIB rows.
    static void describe(BITMAPINFO& info);

private:
    [[nodiscard]] int setState(int i, int value);

    GlobalBlock pictures{30, kBytes};
    GlobalBlock states{30, 4};
};
