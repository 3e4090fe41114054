#include "geometry/ByteBuffer.h"

ByteBuffer::ByteBuffer(int n) : LocalBuffer(n, 1, LPTR) { allocate(1); }
