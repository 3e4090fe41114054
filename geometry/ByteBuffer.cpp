#include "geometry/ByteBuffer.h"

// A failure is shown to the user and leaves bytes() null, as the class says.
ByteBuffer::ByteBuffer(int n) : LocalBuffer(n, 1, LPTR) { (void)allocate(1); }
