// The progress indicator's throttled updates and the cached bitmaps' raster operations.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "platform/BitmapCache.h"
#include "platform/ProgressIndicator.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

namespace {

int positionMessages = 0;
void* originalSendMessage = nullptr;

LRESULT WINAPI countPositions(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == PBM_SETPOS)
        ++positionMessages;
    return reinterpret_cast<LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM)>(originalSendMessage)(window, message, wParam,
                                                                                             lParam);
}

TEST(ProgressIndicator, ShowsEveryPercentOnceAndIgnoresNarrowRanges)
{
    TestApplication app;
    RecordingWindow owner;
    ProgressIndicator progress;
    IntRect place;
    place.set(10, 10, 210, 30);
    ASSERT_EQ(progress.create(&owner, place), 1);
    HWND bar = progress.progressWindow;
    EXPECT_EQ(GetParent(bar), owner.hwnd());

    ImportPatch patch("user32.dll", "SendMessageA", reinterpret_cast<void*>(countPositions));
    originalSendMessage = patch.original();
    ASSERT_NE(originalSendMessage, nullptr);

    progress.setRange(0, 1000);
    positionMessages = 0;
    for (int v = 0; v <= 1000; ++v)
        progress.setValue(v);
    EXPECT_LE(positionMessages, 101);
    EXPECT_GE(positionMessages, 100);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 100);

    // After a new range the bar shows 0, and the first value is shown again.
    progress.setRange(0, 10);
    positionMessages = 0;
    progress.setValue(0);
    progress.setValue(10);
    EXPECT_EQ(positionMessages, 1);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 100);

    progress.setRange(0, 1);
    positionMessages = 0;
    progress.setValue(1);
    EXPECT_EQ(positionMessages, 0);

    // Byte counts beyond 32 bits of percent arithmetic.
    progress.setRange(0, 2000000000);
    progress.setValue(1000000000);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 50);
    progress.destroy();
    EXPECT_FALSE(IsWindow(bar));
}

// A window object drawing on the surface.
class SurfaceWindow : public Window {
public:
    explicit SurfaceWindow(DibSurface& surface) { dc.attachHdc(surface.hdc); }
    ~SurfaceWindow() override { dc.detachHdc(); }
};

TEST(BitmapCache, DrawsWithTheRasterOperationOfTheModeOrTheLastOne)
{
    TestApplication app;
    DibSurface surface(64, 32);
    SurfaceWindow target(surface);
    BitmapCacheList caches;
    BitmapCache* cache = caches.findOrAdd(IDB_TEST_PICTURE, 3, 4);
    ASSERT_NE(cache, nullptr);
    EXPECT_EQ(caches.findOrAdd(IDB_TEST_PICTURE, 0, 0), cache);
    EXPECT_EQ(caches.find(12345), nullptr);
    EXPECT_EQ(caches.count(), 1);
    EXPECT_EQ(cache->valueA, 3);

    IntRect source;
    source.set(0, 0, 16, 8);
    IntRect left = source;
    // An unknown mode the first time: SRCCOPY.
    ASSERT_EQ(cache->draw(&target, source, left, 9), 1);
    // The test picture is blue on its left half, red on its right half.
    COLORREF copied = surface.pixel(0, 0);
    EXPECT_EQ(copied, RGB(0, 0, 255));
    EXPECT_EQ(surface.pixel(15, 7), RGB(255, 0, 0));

    IntRect right;
    right.set(0, 20, 36, 8);
    ASSERT_EQ(cache->draw(&target, source, right, 2), 1);
    EXPECT_EQ(surface.pixel(20, 0), copied ^ 0xFFFFFF);
    IntRect below;
    below.set(10, 0, 16, 18);
    ASSERT_EQ(cache->draw(&target, source, below, 7), 1);   // keeps NOTSRCCOPY
    EXPECT_EQ(surface.pixel(0, 10), copied ^ 0xFFFFFF);

    // A different size stretches the picture over the destination: 24 x 32 from 16 x 8.
    IntRect stretched;
    stretched.set(0, 40, 64, 32);
    ASSERT_EQ(cache->draw(&target, source, stretched, 1), 1);
    EXPECT_EQ(surface.pixel(40, 0), RGB(0, 0, 255));
    EXPECT_EQ(surface.pixel(51, 31), RGB(0, 0, 255));
    EXPECT_EQ(surface.pixel(52, 0), RGB(255, 0, 0));
    EXPECT_EQ(surface.pixel(63, 31), RGB(255, 0, 0));

    cache->release();
    EXPECT_EQ(cache->memory.hdc(), nullptr);
    BitmapCache none;
    EXPECT_EQ(none.load(), 0);
    EXPECT_EQ(none.draw(&target, source, left, 1), 0);
}

} // namespace
