#pragma once
#include <cstdint>

#include "platform/GlobalBlock.h"
#include "platform/TempFile.h"

// The undo manager's log file ("YUD*" in the temporary folder) and the primitives its records are
// made of. All numbers are little-endian, without padding.
//
// Writing: a record is staged in memory piece by piece and reaches the file in one write at its
// end, at the file position. Every piece is counted whether or not it could be staged, so the
// length a record states is its nominal one; a piece that could not be staged makes the commit
// fail. Memory use is bounded by the largest single record.
//
// Reading goes piece by piece from the file position, with the bytes read counted (so that a step
// can seek back over them) and bounded: a count read from the log is checked against the bytes
// the record can still hold before anything is allocated or read for it.
class UndoLog {
public:
    UndoLog() = default;
    UndoLog(const UndoLog&) = delete;
    UndoLog& operator=(const UndoLog&) = delete;

    // Creates the uniquely named empty file and opens it for reading and writing; 1 or 0.
    [[nodiscard]] int open();
    // Closes the file and deletes it.
    void closeAndDelete();
    [[nodiscard]] int isOpen() const { return file.isOpenFile(); }
    const TempFile& tempFile() const { return file; }

    // Writing.
    void beginRecord();
    void put(const void* bytes, int n);
    void putShort(uint16_t value) { put(&value, 2); }
    void putWord(int32_t value) { put(&value, 4); }
    void putReal(double value) { put(&value, 8); }
    // Word n, then the n elements of the block (each of the block's element size).
    void putList(GlobalBlock& list);
    // Bytes counted since beginRecord.
    [[nodiscard]] int recordLength() const { return nominal; }
    // Drops what was staged after `length` bytes (an unfinished part of a record).
    void truncate(int length);
    // Overwrites a word already staged at a record offset.
    void patchWord(int offset, int32_t value);
    // Writes the staged record at the file position; 0 when a piece could not be staged or the
    // write failed. The staging is emptied either way.
    [[nodiscard]] int commit();
    void discard();

    // Reading. `limit` is the number of bytes the pieces to come may take.
    void beginRead(long long limit);
    // 0 (and zeros in place of what is missing) when fewer than n bytes could be read or the
    // limit does not allow them.
    [[nodiscard]] int read(void* bytes, int n);
    [[nodiscard]] int readShort(uint16_t& value) { return read(&value, 2); }
    [[nodiscard]] int readWord(int32_t& value) { return read(&value, 4); }
    [[nodiscard]] int readReal(double& value) { return read(&value, 8); }
    // Word n, then n elements into the list (its count becomes n); null skips them. A count that
    // the limit cannot hold reads as 0 and fails. Returns n, which the list holds as well: a
    // caller reads readFailed (closing the record does) rather than the answer.
    int readList(GlobalBlock* list, int elementSize);
    // Moves the file position over n bytes without reading them (they count as read).
    [[nodiscard]] int skip(int n);
    [[nodiscard]] long long bytesRead() const { return readCount; }
    // 1 when n more bytes may still be read.
    [[nodiscard]] int canRead(long long n) const { return fits(n); }
    [[nodiscard]] int readFailed() const { return failedRead; }
    // Bytes between the file position and the end of the file.
    [[nodiscard]] long long bytesToEnd();

    [[nodiscard]] int seek(long long delta) { return file.seekRelative(static_cast<LONG>(delta)); }
    [[nodiscard]] unsigned long filePosition() const { return file.bytesTransferred(); }
    [[nodiscard]] int seekTo(unsigned long position)
    {
        return seek(static_cast<long long>(position) - static_cast<long long>(filePosition()));
    }

private:
    [[nodiscard]] int fits(long long n) const { return n >= 0 && n <= readLimit - readCount; }

    TempFile file;
    GlobalBlock staged{512, 1};
    int nominal = 0;
    int stageFailed = 0;
    long long readCount = 0;
    long long readLimit = 0;
    int failedRead = 0;
};
