#include "document/CharBuffer.h"

#include "platform/StringUtil.h"

CharBuffer::CharBuffer()
{
    if (block.allocate()) {
        bytes = static_cast<char*>(block.lock());
        if (bytes)
            bytes[0] = bytes[kHalf] = 0;
    }
}

CharBuffer::~CharBuffer()
{
    if (bytes)
        block.unlock();
}

void CharBuffer::setFirst(const char* text)
{
    if (bytes)
        StringUtil::copy(bytes, kHalf, text ? text : "");
}

void CharBuffer::setSecond(const char* text)
{
    if (bytes)
        StringUtil::copy(bytes + kHalf, kHalf, text ? text : "");
}
