#include "document/DataFile.h"

#include <new>

#include "document/FileErrorReporter.h"
#include "platform/BufferedFile.h"
#include "platform/FileName.h"
#include "platform/StringUtil.h"

DataFile::~DataFile()
{
    // Nothing to report to here: a writer that cares about the close flushes and closes first.
    (void)close();
    if (ownsFile)
        delete bufferedFile;
    if (ownsName)
        delete name;
}

void DataFile::setFileName(FileName* borrowed)
{
    if (ownsName)
        delete name;
    name = borrowed;
    ownsName = 0;
}

int DataFile::createFileName()
{
    if (name && ownsName)
        return 1;
    FileName* own = new (std::nothrow) FileName;
    if (!own)
        return 0;
    name = own;
    ownsName = 1;
    return 1;
}

void DataFile::setFile(BufferedFile* borrowed)
{
    (void)close(); // a file still open is given up for the borrowed one
    if (ownsFile)
        delete bufferedFile;
    bufferedFile = borrowed;
    ownsFile = 0;
}

int DataFile::setPath(const char* path)
{
    if (!name || !path)
        return 0;
    if (!StringUtil::equals(name->getPath(), path))
        (void)close(); // the file of the old path is given up
    return name->setPathAndTitle(path);
}

int DataFile::ensureFile()
{
    if (bufferedFile)
        return 1;
    bufferedFile = new (std::nothrow) BufferedFile;
    ownsFile = bufferedFile != nullptr;
    return ownsFile;
}

int DataFile::readyToOpen()
{
    if (errorFlag || !name)
        return 0;
    if (name->pathLength() < 1) {
        theFileErrorReporter.report(FileErrorReporter::kNoName);
        errorFlag = 1;
        return 0;
    }
    return ensureFile();
}

int DataFile::openForRead()
{
    if (!readyToOpen())
        return 0;
    // A borrowed file that its owner opened already is used as it is.
    if (bufferedFile->isOpenFile()) {
        openFlag = 1;
        return 1;
    }
    if (!bufferedFile->openForRead(*name)) {
        theFileErrorReporter.report(FileErrorReporter::kMissing);
        errorFlag = 1;
        return 0;
    }
    openFlag = 1;
    return 1;
}

int DataFile::openForWrite()
{
    if (!readyToOpen())
        return 0;
    (void)close(); // a file still open is given up for the new one
    // No old file is the usual case; one that cannot be deleted makes the creation fail.
    (void)bufferedFile->deleteFile(*name);
    if (!bufferedFile->createEmpty(*name) || !bufferedFile->openReadWrite(*name)) {
        errorFlag = 1;
        return 0;
    }
    bufferedFile->setBufferedWrite(1);
    openFlag = 1;
    return 1;
}

int DataFile::close()
{
    if (!openFlag || !bufferedFile)
        return 1;
    openFlag = 0;
    return bufferedFile->close();
}

int DataFile::flushAndClose()
{
    if (!openFlag || !bufferedFile)
        return 1;
    int flushed = bufferedFile->flush();
    return close() && flushed;
}

int DataFile::size()
{
    if (!openFlag || !bufferedFile || !bufferedFile->getFileSize())
        return 0;
    return static_cast<int>(bufferedFile->size());
}

int DataFile::seek(DWORD offset) { return openFlag && bufferedFile ? bufferedFile->seekTo(offset) : 0; }

int DataFile::readByte(unsigned char& b) { return openFlag && bufferedFile ? bufferedFile->readByte(b) : 0; }

int DataFile::readBytes(void* buffer, int n)
{
    if (!openFlag || !bufferedFile || !buffer || n < 0)
        return 0;
    return bufferedFile->readExact(buffer, n);
}

int DataFile::seekAndRead(DWORD offset, void* buffer, int n) { return seek(offset) && readBytes(buffer, n); }
