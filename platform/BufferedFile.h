#pragma once
#include <windows.h>

#include "platform/LocalBuffer.h"

class FileName;

// A Win32 file handle with one block buffer (4096 bytes unless the maker asks for more): reading
// goes byte by byte (or line by line) through the buffer, one ReadFile per block; writing, once
// buffered writing is switched on, collects bytes and issues one WriteFile per block. Every file of the program goes through
// it: drawings, settings, colour tables, images, PostScript, PDF, DXF, SVG and the undo log.
//
// Files are opened without sharing, so a second open of the same file fails. Offsets are 32-bit.
// Open failures are silent (the caller reports them); failed reads and writes show "Read Error"
// or "Write Error" once per failed call and count in the application's error count. The end of
// the file is no error: the read operations return 0 or -1.
class BufferedFile : protected LocalBuffer {
public:
    static const int blockSize = 4096;
    // The block of files read or written whole in one go, megabytes at a time (drawings): each
    // ReadFile or WriteFile is a system call, far dearer than the copy of its bytes.
    static const int largeBlockSize = 65536;

    explicit BufferedFile(int bytesPerBlock = blockSize);
    virtual ~BufferedFile();
    BufferedFile(const BufferedFile&) = delete;
    BufferedFile& operator=(const BufferedFile&) = delete;

    // Opening and closing.
    [[nodiscard]] int openForRead(const FileName& name);
    [[nodiscard]] int openReadWrite(const FileName& name);
    // Creates the file, failing when it exists, and closes it at once; writers then open it with
    // openReadWrite.
    [[nodiscard]] int createEmpty(const FileName& name);
    // 1 when the file exists and can be opened for reading (this object's own file stays as it is).
    [[nodiscard]] int isReadable(const FileName& name);
    [[nodiscard]] int deleteFile(const FileName& name);
    // 1 when nothing was open.
    [[nodiscard]] int close();
    // Move the file pointer for readBytes and write; the block buffer is not involved.
    [[nodiscard]] int seekAbsolute(DWORD offset);
    [[nodiscard]] int seekRelative(LONG delta);
    [[nodiscard]] int getFileSize();

    // Unbuffered ReadFile at the file pointer; returns ReadFile's result.
    [[nodiscard]] int readBytes(void* buffer, DWORD n);
    // Buffered reading. Each returns 0 at the end of the file.
    [[nodiscard]] int readByte(unsigned char& b)
    {
        if (blockLoaded && blockPos < blockFill && readPos < fileSize) {
            b = currentByte = static_cast<unsigned char>(buffer[blockPos++]);
            ++readPos;
            return 1;
        }
        return readByteSlow(b);
    }
    [[nodiscard]] int peekByte(unsigned char& b);
    // The bytes not read yet of the block in the buffer (the next one is loaded when it is used
    // up), at most up to the end of the file: a scanner looks at them in place and then takes
    // the ones it used with takeBytes. Null at the end of the file, n then 0.
    [[nodiscard]] const unsigned char* bytesAhead(int& n)
    {
        if (!ensureByte()) {
            n = 0;
            return nullptr;
        }
        const DWORD left = fileSize - readPos;
        n = static_cast<DWORD>(blockFill - blockPos) < left ? blockFill - blockPos : static_cast<int>(left);
        return reinterpret_cast<const unsigned char*>(buffer + blockPos);
    }
    // Reads the first n (1 or more) of the bytes bytesAhead gave, as readByte would one by one.
    void takeBytes(int n)
    {
        blockPos += n;
        readPos += static_cast<DWORD>(n);
        currentByte = static_cast<unsigned char>(buffer[blockPos - 1]);
    }
    // One character: a Shift-JIS lead byte brings its trail byte. ch[1] is 0 for a single byte,
    // also for a lead byte that is the file's last byte.
    [[nodiscard]] int readChar(char ch[2]);
    [[nodiscard]] int readExact(void* buffer, int n);
    // One line without its line end (CR, LF, CR LF or LF CR) into `line`, at most size - 1 bytes;
    // returns its length. A longer line is cut before a character that does not fit whole and
    // the rest of it is skipped. A last line without line end is returned; -1 when the file has
    // ended before the call.
    [[nodiscard]] int readLine(char* line, int size);
    // From the byte read last: reads up to a CR or LF, then consumes one line end (CR, LF, CR LF
    // or LF CR; CR CR and LF LF are two). 0 when the file ends first.
    [[nodiscard]] int skipLineEnd();
    // Reads characters until the given one- or two-byte character has been read (the character
    // read last counts); 0 at the end of the file.
    [[nodiscard]] int skipToChar(char first, char second = 0);
    // Positions the buffered reading at an offset, moving the file pointer (also for 0).
    [[nodiscard]] int seekTo(DWORD offset);
    [[nodiscard]] DWORD readPosition() const { return readPos; }

    // Writing.
    void setBufferedWrite(int on) { bufferedWrite = on; }
    [[nodiscard]] int write(const void* bytes, int n);
    [[nodiscard]] int writeByte(unsigned char b) { return write(&b, 1); }
    // length < 1 writes the whole text; with `withLineEnd` CR LF follows a written text.
    [[nodiscard]] int writeText(const char* text, int length, int withLineEnd);
    [[nodiscard]] int writeLineEnd() { return write("\r\n", 2); }
    [[nodiscard]] int flush();
    // After flush: 0 (and "ファイル出力に失敗しました") when the file on disk is shorter than
    // what was written, e.g. on a full disk.
    [[nodiscard]] int verifyWritten();

    [[nodiscard]] int isOpenFile() const { return isOpen; }
    [[nodiscard]] HANDLE fileHandle() const { return handle; }
    [[nodiscard]] DWORD size() const { return fileSize; }
    [[nodiscard]] DWORD bytesTransferred() const { return transferred; }
    [[nodiscard]] const char* lastCharRead() const { return lastChar; }

protected:
    [[nodiscard]] int openHandle(const FileName& name, DWORD access, DWORD creation, DWORD attributes);
    // SetFilePointerEx by distance from FILE_BEGIN or FILE_CURRENT; the new position is kept.
    [[nodiscard]] int seekFrom(LONGLONG distance, DWORD method);
    void resetState();
    [[nodiscard]] int readByteSlow(unsigned char& b);
    // Makes the byte at readPos available at buffer[blockPos]; 0 at the end of the file.
    [[nodiscard]] int ensureByte();
    [[nodiscard]] int loadBlock();
    [[nodiscard]] int writeDirect(const void* bytes, DWORD n);

    char* buffer = nullptr;     // the LocalBuffer's bytes
    int blockBytes = blockSize; // the size of a block
    int blockIndex = 0;         // number of the block held in the buffer
    int blockPos = 0;           // next byte (reading) or bytes buffered (writing)
    int blockFill = 0;          // bytes of the block that the last ReadFile delivered
    int blockLoaded = 0;        // the buffer holds block blockIndex
    int isOpen = 0;
    int bufferedWrite = 0;
    DWORD readPos = 0;          // absolute offset of the next byte to read
    unsigned char currentByte = 0;
    char lastChar[2] = {0, 0};
    HANDLE handle = INVALID_HANDLE_VALUE;
    DWORD sizeHigh = 0;
    DWORD fileSize = 0;
    DWORD seekResult = 0;
    DWORD transferred = 0;      // the file position as tracked here: seeks, reads and writes
    DWORD lastRead = 0;
    DWORD lastWritten = 0;
};

// Files written whole beside their target, then moved over it.
// 1 when the path names a file the user made read-only, or a folder: no write replaces it,
// whatever the file system would allow (under Wine a rename replaces a read-only file).
[[nodiscard]] int isProtectedTarget(const char* path);
// Moves the finished file at tempPath over targetPath. 0 when the target is protected or the
// move fails; the finished file then stays where it is, for the caller to delete.
[[nodiscard]] int replaceWithFinished(const char* tempPath, const char* targetPath);
