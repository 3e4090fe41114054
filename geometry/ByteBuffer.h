#pragma once
#include "platform/LocalBuffer.h"

// A fixed block of n bytes, allocated by the constructor and freed by the destructor: fixed
// tables (the unit labels, display-control flags) and output buffers. A failed allocation has
// been shown to the user ("メモリーが一杯です") and leaves bytes() null. The bytes start zeroed,
// so a table of texts reads as empty texts until filled.
class ByteBuffer : public LocalBuffer {
public:
    explicit ByteBuffer(int n);

    [[nodiscard]] int size() const { return allocatedCount; }
};
