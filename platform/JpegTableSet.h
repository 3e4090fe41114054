#pragma once
#include <cstdint>
#include <windows.h>

class GlobalBlock;
class JpegTableSet;

// One quantisation table as the JPEG reader fills it.
struct QuantTable {
    uint8_t precision;      // 0: 8-bit values, otherwise 16-bit, as the definition says
    uint8_t id;             // the table id the record holds; 255: not defined yet
    int32_t values[64];     // one per coefficient of the 8 x 8 block
};
static_assert(sizeof(QuantTable) == 260, "quantisation records are 260 bytes");

// One Huffman table slot as the JPEG reader fills it.
struct HuffmanTable {
    uint8_t tableClass;     // 0 DC, 1 AC
    uint8_t id;
    uint8_t counts[16];     // number of codes of length 1 to 16
    int32_t codeCount;      // the sum of counts, at most 512
    uint8_t lengths[512];   // code length of each code, in code order
    uint8_t symbols[512];   // symbol of each code
    int32_t codes[512];     // bits of each code
};
static_assert(sizeof(HuffmanTable) == 3096, "Huffman slots are 3096 bytes");

// The JPEG reader's own work buffers, which the table set releases after its tables: in the
// destructor all five in order, in reset the first three. The reader installs the release when it
// is built; without it there is nothing more to release.
using JpegBufferRelease = void (*)(JpegTableSet& set, int buffer);
extern JpegBufferRelease jpegBufferRelease;

// The reader's marker object; its contents are the reader's.
struct JpegMarkerState {
};

// The table part of the JPEG reader: the quantisation tables, a fixed number of Huffman slots
// handed out in turn, and the lookup of a Huffman table by class and id. Both blocks are made on
// the first definition that needs them and kept until reset or destruction; the Huffman block
// stays locked all that time, the quantisation block only around each use. After an allocation
// that failed (the user was told) a table is absent and every lookup answers 0.
class JpegTableSet {
public:
    enum { kReaderBuffers = 5, kReaderWords = 10 };
    // The reader's words that reset puts back: the one that starts at -1 and one that returns to 0.
    enum { kWordStartingAtMinusOne = 0, kWordResetToZero = 1 };

    JpegTableSet();
    ~JpegTableSet();
    JpegTableSet(const JpegTableSet&) = delete;
    JpegTableSet& operator=(const JpegTableSet&) = delete;

    // Before another image is read into the same object.
    void reset();

    // n records, each with id 255 (the other fields keep what the new block holds); the old
    // tables go first. 0 when n is not 1..255 or the block could not be had (no tables then).
    [[nodiscard]] int allocateQuantTables(int n);
    // The address of record 0 until unlockQuantTables; null without tables.
    [[nodiscard]] QuantTable* lockQuantTables();
    void unlockQuantTables();
    [[nodiscard]] int quantTableCount() const;
    void releaseQuantTables();

    // n + 1 slots, none in use; the old slots go first. 0 when n is not 0..254 or the block could
    // not be had (no slots then).
    [[nodiscard]] int allocateHuffmanTables(int n);
    // 0 when there is no block, else 1.
    int releaseHuffmanTables();
    // The address of slot 0 / the matching unlock; allocation and release use them.
    [[nodiscard]] HuffmanTable* lockHuffmanTables();
    void unlockHuffmanTables();
    // A slot in use with both bytes equal becomes current (1); otherwise 0, and current is the
    // last slot looked at (null when none is in use or there are no slots).
    [[nodiscard]] int findHuffmanTable(int tableClass, int id);
    // The next free slot becomes current and the number of slots in use is returned; with every
    // slot in use current is null and the slot count is returned; 0 without slots. A slot keeps
    // what it held: the reader fills every field it uses.
    int takeNextHuffmanTable();

    GlobalBlock* quantTables = nullptr;     // owned
    GlobalBlock* huffmanBlock = nullptr;    // owned
    HuffmanTable* huffmanBase = nullptr;    // huffmanBlock's locked address
    int huffmanCount = 0;
    int huffmanUsed = 0;
    HuffmanTable* currentHuffman = nullptr;
    // The reader's own state; its work buffers are released through jpegBufferRelease.
    int32_t readerWords[kReaderWords] = {};
    GlobalBlock* readerBuffers[kReaderBuffers] = {};
    JpegMarkerState* marker = nullptr;      // owned

private:
    void releaseReaderBuffer(int buffer);
};
