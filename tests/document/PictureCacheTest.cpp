// A drawing's picture cache: one reader per kind and file, kept while the file on disk stays the
// same version, a fresh one after the file changed, at most 32 kept, the oldest going first; and a
// page of ten pictures of one file, redrawn, reading it once.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

#include "document/DocumentContext.h"
#include "document/FileNameValue.h"
#include "document/PictureCache.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "shapes/ImageTypeValue.h"
#include "shapes/PictureImage.h"
#include "tests/support/DibSurface.h"
#include "tests/support/FakePictureReader.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

TEST(PictureCache, OneReaderPerKindAndFileVersionAndTheOldestGoesFirst)
{
    TestApplication app;
    FakePictureReaders readers;
    ScratchFolder scratch;
    const std::string a = scratch.file("a.bmp", "first"), b = scratch.file("b.bmp", "other");
    PictureCache cache;
    PictureReader* first = cache.reader(1, a.c_str());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(cache.reader(1, a.c_str()), first);
    EXPECT_NE(cache.reader(3, a.c_str()), first) << "another kind of the same file";
    PictureReader* other = cache.reader(1, b.c_str());
    EXPECT_NE(other, first);
    EXPECT_EQ(cache.entryCount(), 3);
    int w = 0, h = 0;
    ASSERT_EQ(other->getPixelSize(w, h), 1);

    // Another version of the file (another size, or the same size written later): a new reader,
    // which reads it again.
    ASSERT_EQ(first->getPixelSize(w, h), 1);
    const int loads = FakePictureFiles::current().loads;
    (void)scratch.file("a.bmp", "longer text");
    PictureReader* second = cache.reader(1, a.c_str());
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(second->getPixelSize(w, h), 1);
    EXPECT_EQ(FakePictureFiles::current().loads, loads + 1);
    HANDLE file = CreateFileA(a.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME later;
    GetFileTime(file, nullptr, nullptr, &later);
    later.dwHighDateTime += 1;
    SetFileTime(file, nullptr, nullptr, &later);
    CloseHandle(file);
    EXPECT_NE(PictureCache::stampOf(a.c_str()).writeTime, 0u);
    PictureReader* third = cache.reader(1, a.c_str());
    ASSERT_EQ(third->getPixelSize(w, h), 1);
    EXPECT_EQ(FakePictureFiles::current().loads, loads + 2);
    EXPECT_EQ(cache.entryCount(), 3);

    // The file's other kind was made for the old version too.
    PictureReader* gifNow = cache.reader(3, a.c_str());
    EXPECT_NE(gifNow, nullptr);
    EXPECT_EQ(cache.entryCount(), 3);

    // 32 at most: filling it with other files drops the one used longest ago (b).
    for (int i = 0; i < PictureCache::kMaxEntries - 2; ++i)
        (void)cache.reader(1, ("C:\\many\\" + std::to_string(i) + ".bmp").c_str());
    EXPECT_EQ(cache.entryCount(), PictureCache::kMaxEntries);
    EXPECT_EQ(cache.reader(1, a.c_str()), third);
    EXPECT_EQ(cache.reader(3, a.c_str()), gifNow);
    const int before = FakePictureFiles::current().loads;
    PictureReader* again = cache.reader(1, b.c_str());
    ASSERT_EQ(again->getPixelSize(w, h), 1);
    EXPECT_EQ(FakePictureFiles::current().loads, before + 1) << "b was dropped and is read again";
    EXPECT_EQ(cache.entryCount(), PictureCache::kMaxEntries);

    // No reader for a kind: nothing is kept.
    ScopedOverride<PictureReaderMaker> none(makePictureReader, nullptr);
    EXPECT_EQ(cache.reader(1, "C:\\x.bmp"), nullptr);
}

TEST(PictureCache, TenPicturesOfOneFileRedrawnTwiceReadItOnce)
{
    TestApplication app;
    FakePictureReaders readers;
    DocumentContext drawing;
    DibSurface surface(100, 100);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    ImageTypeValue kind;
    kind.value = ImageTypeValue::kBmp;
    FileNameValue path;
    path.setText("C:\\pictures\\photo.bmp");
    for (int redraw = 0; redraw < 2; ++redraw)
        for (int i = 0; i < 10; ++i) {
            // Each picture has its own holder, as the page's elements have.
            PictureImage holder;
            holder.owner = &drawing;
            holder.type = &kind;
            holder.fileName = &path;
            ASSERT_EQ(holder.draw(dc, IntRect::fromEdges(i * 10, 0, i * 10 + 8, 8)), 1);
        }
    EXPECT_EQ(FakePictureFiles::current().loads, 1);
    dc.detachHdc();
}
