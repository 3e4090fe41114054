#include "io/dxf/DxfEntity.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "io/dxf/DxfKeywords.h"
#include "platform/StringUtil.h"

namespace {

// The first byte of a packed group: the type in the low four bits and these flags.
const unsigned char kSmallCode = 0x10; // the code follows in one byte, else in four
const unsigned char kKeyword = 0x20;   // a string whose text is the keyword with the id that follows
// The largest packed group: flag byte, four code bytes, length byte and the text.
const int kLargestGroup = 1 + 4 + 1 + DxfGroup::kTextSize;

} // namespace

DxfEntity::~DxfEntity()
{
    while (first) {
        Chunk* next = first->next;
        delete first;
        first = next;
    }
}

void DxfEntity::clearGroups()
{
    if (first) {
        Chunk* rest = first->next;
        while (rest) {
            Chunk* next = rest->next;
            delete rest;
            rest = next;
        }
        first->next = nullptr;
        first->used = 0;
    }
    last = first;
    count = 0;
    vertices = 0;
    cursorChunk = first;
    cursorOffset = 0;
    cursorIndex = 0;
}

unsigned char* DxfEntity::room(int n)
{
    if (last && static_cast<int>(sizeof last->bytes) - last->used >= n)
        return last->bytes + last->used;
    auto* chunk = new (std::nothrow) Chunk;
    if (!chunk)
        return nullptr;
    chunk->next = nullptr;
    chunk->used = 0;
    if (last)
        last->next = chunk;
    else
        first = chunk;
    last = chunk;
    if (!cursorChunk)
        cursorChunk = first;
    return chunk->bytes;
}

int DxfEntity::addGroup(const DxfGroup& group)
{
    unsigned char* at = room(kLargestGroup);
    if (!at)
        return 0;
    unsigned char* p = at;
    const int type = group.type & 0x0f;
    unsigned char flags = static_cast<unsigned char>(type);
    if (group.code >= 0 && group.code <= 255)
        flags |= kSmallCode;
    const bool keyword = type == DxfGroup::kString && group.keyword >= 0 && group.keyword <= 255;
    if (keyword)
        flags |= kKeyword;
    *p++ = flags;
    if (flags & kSmallCode) {
        *p++ = static_cast<unsigned char>(group.code);
    } else {
        std::memcpy(p, &group.code, 4);
        p += 4;
    }
    if (keyword) {
        *p++ = static_cast<unsigned char>(group.keyword);
    } else if (type == DxfGroup::kReal) {
        std::memcpy(p, &group.realValue, 8);
        p += 8;
    } else if (DxfGroup::isIntegerType(type)) {
        std::memcpy(p, &group.intValue, 4);
        p += 4;
    } else {
        const size_t length = strnlen(group.text, DxfGroup::kTextSize - 1);
        *p++ = static_cast<unsigned char>(length);
        std::memcpy(p, group.text, length);
        p += length;
    }
    last->used += static_cast<int>(p - at);
    ++count;
    if (group.keyword == dxf_keyword::kVertex)
        ++vertices;
    return 1;
}

int DxfEntity::decode(const unsigned char* at, DxfGroup& out, int numberText)
{
    const unsigned char* p = at;
    const unsigned char flags = *p++;
    out.type = flags & 0x0f;
    if (flags & kSmallCode) {
        out.code = *p++;
    } else {
        std::memcpy(&out.code, p, 4);
        p += 4;
    }
    out.keyword = -1;
    out.intValue = 0;
    out.realValue = 0.0;
    if (flags & kKeyword) {
        out.keyword = *p++;
        const char* text = dxf_keyword::textOf(out.keyword);
        StringUtil::copy(out.text, text ? text : "");
    } else if (out.type == DxfGroup::kReal) {
        std::memcpy(&out.realValue, p, 8);
        p += 8;
        if (numberText)
            std::snprintf(out.text, sizeof out.text, "%.15g", out.realValue);
        else
            out.text[0] = 0;
    } else if (DxfGroup::isIntegerType(out.type)) {
        std::memcpy(&out.intValue, p, 4);
        p += 4;
        if (numberText)
            StringUtil::formatInt(out.intValue, out.text);
        else
            out.text[0] = 0;
    } else {
        const int length = *p++;
        std::memcpy(out.text, p, static_cast<size_t>(length));
        out.text[length] = 0;
        p += length;
    }
    return static_cast<int>(p - at);
}

int DxfEntity::group(int index, DxfGroup& out, int numberText) const
{
    if (index < 0 || index >= count)
        return 0;
    if (index < cursorIndex || !cursorChunk) {
        cursorChunk = first;
        cursorOffset = 0;
        cursorIndex = 0;
    }
    DxfGroup skipped;
    for (;;) {
        if (cursorOffset >= cursorChunk->used) {
            cursorChunk = cursorChunk->next;
            cursorOffset = 0;
            continue;
        }
        DxfGroup& target = cursorIndex == index ? out : skipped;
        cursorOffset += decode(cursorChunk->bytes + cursorOffset, target, cursorIndex == index ? numberText : 0);
        if (cursorIndex++ == index)
            return 1;
    }
}
