#pragma once
#include <cstdint>

#include "document/ElementIndexEntry.h"
#include "platform/GlobalBlock.h"

class ElementStore;

// The private clipboard format of elements, an exchange format between running copies of the
// program: little-endian, a 32-bit count, then per element the marker 1, its 48-byte index entry
// as it stood when copied, the record length L and the L bytes of its stored record.
constexpr unsigned int kElementClipboardFormat = 2033275747; // 0x79315363, used unregistered
constexpr int kClipboardRecordHead = 56;                      // marker, entry and length

// Builds the data of the listed elements (32-bit ids) of a store into a byte block. Stops at the
// first element that cannot be read or appended; 1 when every one went in (the count at offset 0
// says how many did).
[[nodiscard]] int buildElementData(ElementStore& store, GlobalBlock& ids, GlobalBlock& data);

// Reads clipboard data that may come from any program: every count and length is checked
// against the bytes there before it is used, and reading stops at the first record that is not
// whole and sound (marker 1, a length that fits, a kind of 1 to 19). Nothing is allocated here.
class ElementDataReader {
public:
    // The data stays the caller's and must stay unchanged while it is read.
    ElementDataReader(const char* bytes, long long size);

    // The count the data states (0 when it cannot hold one).
    [[nodiscard]] int statedCount() const { return stated; }
    // The next sound record: its entry and its record bytes (pointing into the data). 0 at the
    // stated end or at the first inconsistency; after that it always answers 0.
    [[nodiscard]] int next(ElementIndexEntry& entry, const char*& record, int& length);
    [[nodiscard]] int recordsRead() const { return read; }

private:
    const char* data;
    long long size;
    long long offset = 4;
    int stated = 0;
    int read = 0;
    bool stopped = false;
};
