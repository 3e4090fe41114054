#include "platform/BitmapCache.h"

#include <new>

#include "platform/Application.h"
#include "platform/Window.h"

int BitmapCache::load()
{
    if (bitmap)
        return 1;
    if (bitmapId < 1)
        return 0;
    HINSTANCE instance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    bitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(bitmapId));
    return bitmap != nullptr;
}

int BitmapCache::prepareDc(Window* target)
{
    if (memory.hdc())
        return 1;
    if (!load())
        return 0;
    if (!memory.create(nullptr))
        return 0;
    if (!memory.select(bitmap)) {
        memory.release();
        return 0;
    }
    if (target) {
        DcScope scope(target->dc);
        if (scope.hdc())
            SetMapMode(memory.hdc(), GetMapMode(scope.hdc()));
    }
    return 1;
}

void BitmapCache::setRasterMode(int mode)
{
    switch (mode) {
    case 1:
        rasterOp = SRCCOPY;
        break;
    case 2:
        rasterOp = NOTSRCCOPY;
        break;
    case 3:
        rasterOp = SRCPAINT;
        break;
    case 4:
        rasterOp = SRCAND;
        break;
    case 5:
        rasterOp = SRCINVERT;
        break;
    default:
        break;
    }
}

int BitmapCache::draw(Window* target, const IntRect& source, const IntRect& destination, int mode)
{
    if (!target || !prepareDc(target))
        return 0;
    DcScope scope(target->dc);
    if (!scope.hdc())
        return 0;
    setRasterMode(mode);
    if (source.width() == destination.width() && source.height() == destination.height())
        return BitBlt(scope.hdc(), destination.left, destination.top, destination.width(), destination.height(),
                      memory.hdc(), source.left, source.top, rasterOp) != 0;
    return StretchBlt(scope.hdc(), destination.left, destination.top, destination.width(), destination.height(),
                      memory.hdc(), source.left, source.top, source.width(), source.height(), rasterOp) != 0;
}

void BitmapCache::release()
{
    memory.release();
    if (bitmap)
        DeleteObject(bitmap);
    bitmap = nullptr;
}

BitmapCacheList::~BitmapCacheList()
{
    BitmapCache* cache = nullptr;
    for (int i = 0; i < entries.count; ++i)
        if (entries.get(i, &cache))
            delete cache;   // releases its DC and bitmap
    entries.count = 0;
}

BitmapCache* BitmapCacheList::add(int id, int a, int b)
{
    BitmapCache* cache = new (std::nothrow) BitmapCache;
    if (!cache)
        return nullptr;
    cache->bitmapId = id;
    cache->valueA = a;
    cache->valueB = b;
    if (!entries.append(&cache)) {
        delete cache;
        return nullptr;
    }
    return cache;
}

BitmapCache* BitmapCacheList::find(int id)
{
    BitmapCache* cache = nullptr;
    for (int i = 0; i < entries.count; ++i)
        if (entries.get(i, &cache) && cache && cache->bitmapId == id)
            return cache;
    return nullptr;
}

BitmapCache* BitmapCacheList::findOrAdd(int id, int a, int b)
{
    BitmapCache* cache = find(id);
    return cache ? cache : add(id, a, b);
}
