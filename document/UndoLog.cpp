#include "document/UndoLog.h"

#include <cstring>

int UndoLog::open()
{
    if (!file.createName("YUD"))
        return 0;
    if (!file.open()) {
        file.deleteTempFile();
        return 0;
    }
    return 1;
}

void UndoLog::closeAndDelete()
{
    (void)file.close(); // the log is deleted next: nothing in it matters any more
    file.deleteTempFile();
    discard();
}

void UndoLog::beginRecord()
{
    staged.count = 0;
    nominal = 0;
    stageFailed = 0;
}

void UndoLog::put(const void* bytes, int n)
{
    if (n <= 0)
        return;
    nominal += n;
    if (stageFailed || !staged.reserve(staged.count + n)) {
        stageFailed = 1;
        return;
    }
    BlockLock data(staged);
    if (!data) {
        stageFailed = 1;
        return;
    }
    std::memcpy(data.data() + staged.count, bytes, static_cast<size_t>(n));
    staged.count += n;
}

void UndoLog::putList(GlobalBlock& list)
{
    int n = list.count;
    putWord(n);
    if (n <= 0)
        return;
    BlockLock data(list);
    if (!data) {
        nominal += n * list.elementSize;
        stageFailed = 1;
        return;
    }
    put(data.data(), n * list.elementSize);
}

void UndoLog::truncate(int length)
{
    if (length < 0 || length > nominal)
        return;
    nominal = length;
    if (staged.count > length)
        staged.count = length;
}

void UndoLog::patchWord(int offset, int32_t value)
{
    if (offset < 0 || offset + 4 > staged.count)
        return;
    BlockLock data(staged);
    if (data)
        std::memcpy(data.data() + offset, &value, 4);
}

int UndoLog::commit()
{
    int ok = !stageFailed && staged.count == nominal && isOpen();
    if (ok && staged.count > 0) {
        BlockLock data(staged);
        ok = data && file.write(data.data(), staged.count);
    }
    discard();
    return ok;
}

void UndoLog::discard()
{
    staged.count = 0;
    nominal = 0;
    stageFailed = 0;
}

void UndoLog::beginRead(long long limit)
{
    readCount = 0;
    readLimit = limit > 0 ? limit : 0;
    failedRead = 0;
}

int UndoLog::read(void* bytes, int n)
{
    if (n <= 0)
        return 1;
    std::memset(bytes, 0, static_cast<size_t>(n));
    if (!fits(n)) {
        failedRead = 1;
        return 0;
    }
    // What really came, also at the end of the file, so that seeking back over it is exact.
    DWORD before = file.bytesTransferred();
    int ok = file.readBytes(bytes, static_cast<DWORD>(n));
    DWORD got = file.bytesTransferred() - before;
    readCount += got;
    if (!ok) {
        failedRead = 1;
        return 0;
    }
    if (got != static_cast<DWORD>(n)) {
        failedRead = 1;
        return 0;
    }
    return 1;
}

int UndoLog::readList(GlobalBlock* list, int elementSize)
{
    int32_t n = 0;
    if (!readWord(n))
        return 0;
    long long bytes = static_cast<long long>(n) * elementSize;
    if (!fits(bytes)) {
        failedRead = 1;
        if (list)
            list->count = 0;
        return 0;
    }
    if (!list)
        return skip(static_cast<int>(bytes)) ? n : 0;
    if (list->elementSize != elementSize) {
        failedRead = 1;
        // Failed already; passing over the list keeps the pieces after it in step.
        (void)skip(static_cast<int>(bytes));
        return 0;
    }
    list->count = 0;
    if (n == 0)
        return 0;
    if (!list->reserve(n)) {
        failedRead = 1;
        // Failed already; passing over the list keeps the pieces after it in step.
        (void)skip(static_cast<int>(bytes));
        return 0;
    }
    BlockLock data(*list);
    if (!data || !read(data.data(), static_cast<int>(bytes))) {
        failedRead = 1;
        return 0;
    }
    list->count = n;
    return n;
}

int UndoLog::skip(int n)
{
    if (n <= 0)
        return 1;
    if (!fits(n) || !seek(n)) {
        failedRead = 1;
        return 0;
    }
    readCount += n;
    return 1;
}

long long UndoLog::bytesToEnd()
{
    if (!file.getFileSize())
        return 0;
    long long left = static_cast<long long>(file.size()) - static_cast<long long>(file.bytesTransferred());
    return left > 0 ? left : 0;
}
