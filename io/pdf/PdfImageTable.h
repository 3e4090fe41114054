#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>
#include <cstddef>

#include "io/pdf/PdfImageResources.h"

class DibImage;
class PdfFileWriter;

// The image XObjects of one PDF document: the writer's own bitmaps (the pixels of bitmap
// elements) and the images the picture readers register, each written once however often the
// pages place it.
//
// Own bitmaps are known by their pixels, not by where the pixels lie: the element editor reuses
// one raster block for every bitmap of the same size, so the block alone cannot tell two such
// bitmaps apart. A bitmap met in a count pass is copied as the RGB rows it is written with; a
// placement with the same size and the same rows uses that record. Reader images are known by
// their file name.
class PdfImageTable : public PdfImageResources {
public:
    explicit PdfImageTable(PdfFileWriter& writer) : out(writer) {}

    // Forgets every image (a new document).
    void reset();
    [[nodiscard]] int count() const { return static_cast<int>(records.size()); }
    [[nodiscard]] int hasGreyImage() const { return greyCount > 0; }
    [[nodiscard]] int hasColourImage() const { return colourCount > 0; }
    // The writer's own bitmap placed into the rectangle: registered in a count pass, then placed
    // ("Do"); 1 with nothing written for an image without pixels.
    [[nodiscard]] int drawOwnImage(const DibImage& image, const DoubleRect& rect);
    // Every image's XObject in table order (reader images through a reader of their kind; one
    // that cannot be read becomes a white pixel, so that the pages' references hold).
    [[nodiscard]] int writeObjects();
    // "/Im" and the resource number, with the slash and a trailing blank when asked.
    [[nodiscard]] int writeImageName(int index, int withSlash, int trailingBlank);

    // --- PdfImageResources ---
    [[nodiscard]] int isCounting() const override;
    [[nodiscard]] int findImageByName(const char* fileName) const override;
    [[nodiscard]] int addImageRecord(const PdfImageRecord& record) override;
    [[nodiscard]] const PdfImageRecord* imageRecord(int index) const override;
    [[nodiscard]] int placeImage(int index, const DoubleRect& rect) override;
    void beginMeasure() override;
    [[nodiscard]] long long endMeasure() override;
    [[nodiscard]] int beginImageObject(int index, const char* colourSpace, int bitsPerComponent) override;
    [[nodiscard]] int endImageObject() override;
    [[nodiscard]] int writeHexBytes(const unsigned char* bytes, int n) override;

private:
    // The copied rows of an own bitmap.
    struct OwnPixels {
        std::unique_ptr<unsigned char[]> bytes;
        size_t size = 0;
    };

    // The RGB rows of an image, top row first, into a new block: 1, 0 for an image without
    // usable pixels, -1 when there is no memory for them.
    [[nodiscard]] static int rgbRows(const DibImage& image, std::unique_ptr<unsigned char[]>& rows, size_t& size);
    [[nodiscard]] int findOwnImage(const unsigned char* rows, size_t size, int width, int height, uint64_t hash) const;
    [[nodiscard]] int writeOwnObject(int index);
    [[nodiscard]] int writeReaderObject(int index);
    [[nodiscard]] int writePlaceholderObject(int index);
    [[nodiscard]] int endHexData();

    PdfFileWriter& out;
    std::vector<PdfImageRecord> records;
    // The rows of each own bitmap (none for reader images), by record index.
    std::vector<OwnPixels> pixels;
    std::unordered_multimap<uint64_t, int> ownByHash;
    std::unordered_map<std::string, int> readerByName;
    int greyCount = 0;
    int colourCount = 0;
    // Bytes of the hex stream in hand, for its grouping.
    long long hexBytes = 0;
    // A measure in hand keeps the writer's counting state to put back.
    int measuring = 0;
    int savedCountOnly = 0;
    long long savedByteCount = 0;
    // The XObject being written and where its stream's data starts.
    int objectInHand = -1;
    long long dataStart = 0;
};
