// The memory DC guard: what it selects goes back out before the DC is deleted.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/MemoryDc.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/ScopedOverride.h"

namespace {

// The objects a DC held when it was deleted.
struct Held {
    HDC dc = nullptr;
    HGDIOBJ bitmap = nullptr, font = nullptr, brush = nullptr, pen = nullptr;
};

Held heldBy(HDC dc)
{
    Held held;
    held.dc = dc;
    held.bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    held.font = GetCurrentObject(dc, OBJ_FONT);
    held.brush = GetCurrentObject(dc, OBJ_BRUSH);
    held.pen = GetCurrentObject(dc, OBJ_PEN);
    return held;
}

Held lastDeleted;
BOOL(WINAPI* deleteDcOriginal)(HDC) = nullptr;

BOOL WINAPI recordingDeleteDc(HDC dc)
{
    lastDeleted = heldBy(dc);
    return deleteDcOriginal(dc);
}

TEST(MemoryDc, PutsBackEverySelectionBeforeTheDcIsDeleted)
{
    DibSurface surface(8, 8);
    HBITMAP bitmap = CreateCompatibleBitmap(surface.hdc, 4, 4);
    HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "");
    HFONT bold = CreateFontA(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "");
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(0, 0, 255));
    HRGN region = CreateRectRgn(0, 0, 2, 2);
    ASSERT_TRUE(bitmap && font && bold && brush && pen && region);

    ImportPatch patch("gdi32.dll", "DeleteDC", reinterpret_cast<void*>(recordingDeleteDc));
    ASSERT_NE(patch.original(), nullptr);
    ScopedOverride original(deleteDcOriginal, reinterpret_cast<BOOL(WINAPI*)(HDC)>(patch.original()));
    ScopedOverride deleted(lastDeleted, Held());
    Held first;
    {
        MemoryDc memory(surface.hdc);
        ASSERT_NE(memory.hdc(), nullptr);
        first = heldBy(memory.hdc());
        // Every kind, the font twice: the DC's own font comes back, not the one in between.
        EXPECT_EQ(memory.select(bitmap), 1);
        EXPECT_EQ(memory.select(font), 1);
        EXPECT_EQ(memory.select(bold), 1);
        EXPECT_EQ(memory.select(brush), 1);
        EXPECT_EQ(memory.select(pen), 1);
        EXPECT_EQ(GetCurrentObject(memory.hdc(), OBJ_FONT), bold);
        // No selection: a region, nothing, a bitmap another DC holds.
        EXPECT_EQ(memory.select(region), 0);
        EXPECT_EQ(memory.select(nullptr), 0);
        EXPECT_EQ(memory.select(GetCurrentObject(surface.hdc, OBJ_BITMAP)), 0);
        EXPECT_EQ(GetCurrentObject(memory.hdc(), OBJ_BITMAP), bitmap);
    }
    EXPECT_EQ(lastDeleted.dc, first.dc);
    EXPECT_EQ(lastDeleted.bitmap, first.bitmap);
    EXPECT_EQ(lastDeleted.font, first.font);
    EXPECT_EQ(lastDeleted.brush, first.brush);
    EXPECT_EQ(lastDeleted.pen, first.pen);
    EXPECT_EQ(GetObjectType(first.dc), 0u) << "the DC is gone";

    // The bitmap is free again, and a DC compatible with the display takes it; a released guard
    // selects nothing and releases nothing twice.
    MemoryDc display;
    ASSERT_EQ(display.create(nullptr), 1);
    EXPECT_EQ(display.select(bitmap), 1);
    display.release();
    EXPECT_EQ(display.hdc(), nullptr);
    EXPECT_EQ(display.select(bitmap), 0);
    display.release();

    for (HGDIOBJ object : {static_cast<HGDIOBJ>(bitmap), static_cast<HGDIOBJ>(font), static_cast<HGDIOBJ>(bold),
                           static_cast<HGDIOBJ>(brush), static_cast<HGDIOBJ>(pen), static_cast<HGDIOBJ>(region)})
        EXPECT_TRUE(DeleteObject(object));
}

} // namespace
