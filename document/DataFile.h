#pragma once
#include <windows.h>

class BufferedFile;
class FileName;

// The file wrapper of the image readers, the DXF file, the PostScript and PDF writers and the
// XML documents: a file name and a buffered file, each either borrowed from the caller or made
// and owned here, with an open flag and an error flag.
//
// Open failures are shown through the file error reporter (once per kind until it is reset). The
// error flag makes every later open of this wrapper do nothing.
class DataFile {
public:
    DataFile() = default;
    virtual ~DataFile();
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    // Borrows a name (not owned), or makes an own empty one.
    void setFileName(FileName* borrowed);
    [[nodiscard]] int createFileName();
    // Borrows a file (not owned).
    void setFile(BufferedFile* borrowed);
    // Sets the name's path, closing the file when the path changes; 0 for a path that does not
    // fit or without a name.
    [[nodiscard]] int setPath(const char* path);

    [[nodiscard]] int openForRead();
    // Deletes an old file of the name, creates it new and opens it for reading and writing with
    // buffered writing.
    [[nodiscard]] int openForWrite();
    [[nodiscard]] int close();
    // Writes what is buffered, then closes.
    [[nodiscard]] int flushAndClose();

    [[nodiscard]] int size();
    [[nodiscard]] int seek(DWORD offset);
    [[nodiscard]] int readByte(unsigned char& b);
    [[nodiscard]] int readBytes(void* buffer, int n);
    // Moves to the offset, then reads exactly n bytes.
    [[nodiscard]] int seekAndRead(DWORD offset, void* buffer, int n);

    [[nodiscard]] FileName* fileName() const { return name; }
    [[nodiscard]] BufferedFile* file() const { return bufferedFile; }
    [[nodiscard]] int isOpen() const { return openFlag; }
    [[nodiscard]] int hasError() const { return errorFlag; }

protected:
    [[nodiscard]] int ensureFile();
    // A name to open (an empty one is reported as having no name and sets the error) and a file
    // to open it with; 0 after an earlier error.
    [[nodiscard]] int readyToOpen();

    FileName* name = nullptr;
    int ownsName = 0;
    BufferedFile* bufferedFile = nullptr;
    int ownsFile = 0;
    int openFlag = 0;
    int errorFlag = 0;
};
