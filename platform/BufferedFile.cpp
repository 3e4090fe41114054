#include "platform/BufferedFile.h"

#include <cstring>

#include "platform/FileName.h"
#include "platform/MessageBoxes.h"
#include "platform/StringUtil.h"
#include "resources/ids.h"

namespace {
inline bool isLineEnd(unsigned char c) { return c == 13 || c == 10; }

// n bytes (at most 32) in copies of fixed sizes, which the compiler makes plain moves.
inline void copyFew(char* out, const char* in, int n)
{
    for (; n >= 8; n -= 8, out += 8, in += 8)
        std::memcpy(out, in, 8);
    if (n & 4) {
        std::memcpy(out, in, 4);
        out += 4;
        in += 4;
    }
    if (n & 2) {
        std::memcpy(out, in, 2);
        out += 2;
        in += 2;
    }
    if (n & 1)
        *out = *in;
}
} // namespace

BufferedFile::BufferedFile(int bytesPerBlock) : LocalBuffer(bytesPerBlock > 0 ? bytesPerBlock : blockSize, 1, LMEM_FIXED)
{
    blockBytes = elementCount;
    // A failure is shown to the user; without a buffer reads fail and writes go straight to the file.
    (void)allocate(1);
    buffer = bytes();
}

// Nothing to report to here: a writer that cares about the close closes the file itself first.
BufferedFile::~BufferedFile() { (void)close(); }

void BufferedFile::resetState()
{
    blockIndex = 0;
    blockPos = 0;
    blockFill = 0;
    blockLoaded = 0;
    readPos = 0;
    currentByte = 0;
    lastChar[0] = lastChar[1] = 0;
    transferred = 0;
    fileSize = 0;
    sizeHigh = 0;
}

int BufferedFile::openHandle(const FileName& name, DWORD access, DWORD creation, DWORD attributes)
{
    (void)close(); // a file still open is given up for the new one
    HANDLE opened = CreateFileA(name.getPath(), access, 0, nullptr, creation, attributes, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return 0;
    handle = opened;
    isOpen = 1;
    resetState();
    return 1;
}

int BufferedFile::openForRead(const FileName& name)
{
    if (!openHandle(name, GENERIC_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL))
        return 0;
    // Without its size the file would read as empty.
    if (!getFileSize()) {
        (void)close(); // opened for reading only: nothing is lost
        return 0;
    }
    return 1;
}

int BufferedFile::openReadWrite(const FileName& name)
{
    return openHandle(name, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
}

int BufferedFile::createEmpty(const FileName& name)
{
    HANDLE created = CreateFileA(name.getPath(), GENERIC_READ, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE)
        return 0;
    CloseHandle(created);
    return 1;
}

int BufferedFile::isReadable(const FileName& name)
{
    HANDLE opened = CreateFileA(name.getPath(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return 0;
    CloseHandle(opened);
    return 1;
}

int BufferedFile::deleteFile(const FileName& name) { return DeleteFileA(name.getPath()) ? 1 : 0; }

int BufferedFile::close()
{
    if (!isOpen)
        return 1;
    int result = CloseHandle(handle) ? 1 : 0;
    handle = INVALID_HANDLE_VALUE;
    isOpen = 0;
    if (bufferedWrite)
        blockPos = 0; // bytes not flushed are dropped with the file
    return result;
}

int BufferedFile::seekAbsolute(DWORD offset) { return seekFrom(offset, FILE_BEGIN); }

int BufferedFile::seekRelative(LONG delta) { return seekFrom(delta, FILE_CURRENT); }

int BufferedFile::seekFrom(LONGLONG distance, DWORD method)
{
    LARGE_INTEGER move, position;
    move.QuadPart = distance;
    if (!isOpen || !SetFilePointerEx(handle, move, &position, method))
        return 0;
    seekResult = transferred = static_cast<DWORD>(position.QuadPart);
    return 1;
}

int BufferedFile::getFileSize()
{
    if (!isOpen)
        return 0;
    DWORD high = 0;
    DWORD low = GetFileSize(handle, &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR)
        return 0;
    sizeHigh = high;
    // Offsets are 32-bit: a larger file is read up to its first 4 GB.
    fileSize = high ? 0xFFFFFFFFu : low;
    return 1;
}

int BufferedFile::readBytes(void* target, DWORD n)
{
    lastRead = 0;
    if (!isOpen)
        return 0;
    BOOL ok = ReadFile(handle, target, n, &lastRead, nullptr);
    transferred += lastRead;
    if (!ok) {
        showErrorById(IDS_READ_ERROR);
        return 0;
    }
    return 1;
}

int BufferedFile::loadBlock()
{
    blockFill = 0;
    blockLoaded = 0;
    if (!buffer || !readBytes(buffer, blockBytes))
        return 0;
    blockFill = static_cast<int>(lastRead);
    blockLoaded = 1;
    return 1;
}

int BufferedFile::ensureByte()
{
    if (!isOpen || readPos >= fileSize)
        return 0;
    if (!blockLoaded) {
        if (!loadBlock())
            return 0;
    } else if (blockPos >= blockBytes) {
        ++blockIndex;
        blockPos = 0;
        if (!loadBlock())
            return 0;
    }
    // A block shorter than the size promised: the file was cut while open.
    return blockPos < blockFill;
}

int BufferedFile::readByteSlow(unsigned char& b)
{
    if (!ensureByte())
        return 0;
    b = currentByte = static_cast<unsigned char>(buffer[blockPos++]);
    ++readPos;
    return 1;
}

int BufferedFile::peekByte(unsigned char& b)
{
    if (!ensureByte())
        return 0;
    b = static_cast<unsigned char>(buffer[blockPos]);
    return 1;
}

int BufferedFile::readChar(char ch[2])
{
    unsigned char first;
    if (!readByte(first))
        return 0;
    unsigned char second = 0;
    // A lead byte at the very end of the file stands alone.
    if (StringUtil::isLeadByte(first) && !readByte(second))
        second = 0;
    lastChar[0] = static_cast<char>(first);
    lastChar[1] = static_cast<char>(second);
    ch[0] = lastChar[0];
    ch[1] = lastChar[1];
    return 1;
}

int BufferedFile::readExact(void* target, int n)
{
    char* out = static_cast<char*>(target);
    while (n > 0) {
        if (!ensureByte())
            return 0;
        DWORD available = static_cast<DWORD>(blockFill - blockPos);
        if (available > fileSize - readPos)
            available = fileSize - readPos;
        int chunk = static_cast<DWORD>(n) < available ? n : static_cast<int>(available);
        std::memcpy(out, buffer + blockPos, static_cast<size_t>(chunk));
        blockPos += chunk;
        readPos += chunk;
        currentByte = static_cast<unsigned char>(out[chunk - 1]);
        out += chunk;
        n -= chunk;
    }
    return 1;
}

int BufferedFile::readLine(char* line, int size)
{
    if (!line || size < 1)
        return -1;
    int limit = size - 1;
    int stored = 0;
    bool consumed = false;
    bool cut = false;
    for (;;) {
        if (!ensureByte()) {
            if (!consumed) {
                line[0] = 0;
                return -1;
            }
            break; // a last line without line end
        }
        consumed = true;
        // Scan the rest of the block for the line end: every byte is a memory read.
        const auto* data = reinterpret_cast<const unsigned char*>(buffer + blockPos);
        DWORD available = static_cast<DWORD>(blockFill - blockPos);
        if (available > fileSize - readPos)
            available = fileSize - readPos;
        int n = 0;
        const int end = static_cast<int>(available);
        while (n < end && !isLineEnd(data[n]))
            ++n;
        int room = limit - stored;
        int take = n < room ? n : room;
        if (n > room)
            cut = true;
        std::memcpy(line + stored, data, static_cast<size_t>(take));
        stored += take;
        blockPos += n;
        readPos += n;
        if (n > 0)
            currentByte = data[n - 1];
        if (n < end) {
            unsigned char lineEnd = data[n];
            ++blockPos;
            ++readPos;
            currentByte = lineEnd;
            unsigned char next;
            if (peekByte(next) && isLineEnd(next) && next != lineEnd)
                (void)readByte(next); // the byte just peeked is in the block
            break;
        }
    }
    if (cut) {
        // Never keep the first byte of a character whose second byte was cut off.
        int i = 0;
        while (i < stored) {
            if (StringUtil::isLeadByte(static_cast<unsigned char>(line[i]))) {
                if (i + 1 >= stored)
                    break;
                i += 2;
            } else {
                ++i;
            }
        }
        stored = i;
    }
    line[stored] = 0;
    return stored;
}

int BufferedFile::skipLineEnd()
{
    unsigned char b = currentByte;
    while (!isLineEnd(b)) {
        if (!readByte(b))
            return 0;
    }
    unsigned char next;
    if (peekByte(next) && isLineEnd(next) && next != b)
        (void)readByte(next); // the byte just peeked is in the block
    return 1;
}

int BufferedFile::skipToChar(char first, char second)
{
    char ch[2] = {lastChar[0], lastChar[1]};
    bool anyRead = lastChar[0] != 0;
    for (;;) {
        if (anyRead && ch[0] == first && ch[1] == second)
            return 1;
        if (!readChar(ch))
            return 0;
        anyRead = true;
    }
}

int BufferedFile::seekTo(DWORD offset)
{
    blockIndex = static_cast<int>(offset / blockBytes);
    blockPos = static_cast<int>(offset % blockBytes);
    readPos = offset;
    blockLoaded = 0;
    blockFill = 0;
    if (!seekAbsolute(static_cast<DWORD>(blockIndex) * blockBytes))
        return 0;
    if (offset > 0)
        return loadBlock();
    return 1;
}

int BufferedFile::writeDirect(const void* bytes, DWORD n)
{
    lastWritten = 0;
    if (!isOpen)
        return 0;
    BOOL ok = WriteFile(handle, bytes, n, &lastWritten, nullptr);
    transferred += lastWritten;
    if (!ok || lastWritten != n) {
        showErrorById(IDS_WRITE_ERROR);
        return 0;
    }
    return 1;
}

int BufferedFile::write(const void* bytes, int n)
{
    if (n <= 0)
        return 1;
    if (!bufferedWrite || !buffer)
        return writeDirect(bytes, static_cast<DWORD>(n));
    const char* in = static_cast<const char*>(bytes);
    // The writers hand over a few bytes at a time (a tag, a number): those are copied here
    // rather than through a library call each.
    if (n <= 32 && blockPos + n < blockBytes) {
        copyFew(buffer + blockPos, in, n);
        blockPos += n;
        return 1;
    }
    while (n > 0) {
        int chunk = blockBytes - blockPos;
        if (chunk > n)
            chunk = n;
        std::memcpy(buffer + blockPos, in, static_cast<size_t>(chunk));
        blockPos += chunk;
        in += chunk;
        n -= chunk;
        if (blockPos >= blockBytes) {
            blockPos = 0;
            if (!writeDirect(buffer, blockBytes))
                return 0;
        }
    }
    return 1;
}

int BufferedFile::writeText(const char* text, int length, int withLineEnd)
{
    if (!text)
        return 0;
    if (length < 1)
        length = StringUtil::length(text);
    if (!write(text, length))
        return 0;
    return withLineEnd ? writeLineEnd() : 1;
}

int BufferedFile::flush()
{
    if (!bufferedWrite || blockPos < 1)
        return 1;
    int count = blockPos;
    blockPos = 0;
    return writeDirect(buffer, static_cast<DWORD>(count));
}

int BufferedFile::verifyWritten()
{
    DWORD high = 0;
    DWORD low = isOpen ? GetFileSize(handle, &high) : INVALID_FILE_SIZE;
    bool failed = !isOpen || (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR);
    if (failed || ((static_cast<unsigned long long>(high) << 32) | low) < transferred) {
        showErrorById(IDS_OUTPUT_FAILED);
        return 0;
    }
    return 1;
}

int isProtectedTarget(const char* path)
{
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

int replaceWithFinished(const char* tempPath, const char* targetPath)
{
    if (isProtectedTarget(targetPath))
        return 0;
    return MoveFileExA(tempPath, targetPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) ? 1 : 0;
}
