#pragma once
#include <windows.h>

#include "platform/GlobalBlock.h"
#include "platform/IntRect.h"
#include "platform/MemoryDc.h"

class Window;

// A bitmap resource kept selected into a memory DC for fast repeated drawing (the toolbar
// buttons). The bitmap is loaded on first use; the DC lives until release.
class BitmapCache {
public:
    BitmapCache() = default;
    ~BitmapCache() { release(); }
    BitmapCache(const BitmapCache&) = delete;
    BitmapCache& operator=(const BitmapCache&) = delete;

    // LoadBitmapA of bitmapId once; 0 for an id below 1 or a missing resource.
    [[nodiscard]] int load();
    // load, then the memory DC with the bitmap selected and the target's map mode; 1 when ready.
    [[nodiscard]] int prepareDc(Window* target);
    // 1 SRCCOPY, 2 NOTSRCCOPY, 3 SRCPAINT, 4 SRCAND, 5 SRCINVERT; any other mode keeps the last.
    void setRasterMode(int mode);
    // The source rectangle of the bitmap to the destination rectangle of the target's device
    // context: BitBlt at equal sizes, otherwise StretchBlt. 0 when nothing could be drawn.
    [[nodiscard]] int draw(Window* target, const IntRect& source, const IntRect& destination, int mode);
    // Frees the DC (its own bitmap back first) and the bitmap.
    void release();

    int bitmapId = 0;
    int valueA = 0;   // kept for the caller
    int valueB = 0;
    HBITMAP bitmap = nullptr;
    MemoryDc memory;   // holds `bitmap` selected once prepared
    DWORD rasterOp = SRCCOPY;
};

// The owned caches, found by bitmap id.
class BitmapCacheList {
public:
    BitmapCacheList() : entries(5, sizeof(BitmapCache*)) {}
    ~BitmapCacheList();
    BitmapCacheList(const BitmapCacheList&) = delete;
    BitmapCacheList& operator=(const BitmapCacheList&) = delete;

    // A new cache for the id at the end of the list; null when it could not be made.
    [[nodiscard]] BitmapCache* add(int id, int a, int b);
    // The first cache with the id, or null.
    [[nodiscard]] BitmapCache* find(int id);
    [[nodiscard]] BitmapCache* findOrAdd(int id, int a, int b);
    [[nodiscard]] int count() const { return entries.count; }

    GlobalBlock entries;   // BitmapCache pointers
};
