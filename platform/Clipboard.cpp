#include "platform/Clipboard.h"

#include <cstring>
#include <new>

#include "platform/Application.h"
#include "platform/DibImage.h"
#include "platform/FrameWindow.h"
#include "platform/GlobalBlock.h"

namespace {
HWND clipboardOwner() { return theApplication && theApplication->frame ? theApplication->frame->hwnd() : nullptr; }

// The clipboard open for one scope.
class OpenClipboardScope {
public:
    OpenClipboardScope() : open_(OpenClipboard(clipboardOwner()) != FALSE) {}
    ~OpenClipboardScope() { if (open_) CloseClipboard(); }
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

// The clipboard's data of a format, locked for one scope.
class ClipboardData {
public:
    explicit ClipboardData(UINT format) : handle_(GetClipboardData(format))
    {
        if (handle_) {
            size_ = GlobalSize(handle_);
            bytes_ = static_cast<const char*>(GlobalLock(handle_));
        }
    }
    ~ClipboardData() { if (bytes_) GlobalUnlock(handle_); }
    const char* bytes() const { return bytes_; }
    SIZE_T size() const { return bytes_ ? size_ : 0; }

private:
    HANDLE handle_;
    SIZE_T size_ = 0;
    const char* bytes_ = nullptr;
};

// Hands a global block to the clipboard, which owns it from then on; it is freed when the
// clipboard does not take it.
int setClipboardBlock(UINT format, HGLOBAL handle)
{
    if (!handle)
        return 0;
    OpenClipboardScope open;
    if (!open || !SetClipboardData(format, handle)) {
        GlobalFree(handle);
        return 0;
    }
    return 1;
}
} // namespace

int openClipboard() { return OpenClipboard(clipboardOwner()) ? 1 : 0; }

int clearClipboard()
{
    OpenClipboardScope open;
    if (!open)
        return 0;
    return EmptyClipboard() ? 1 : 0;
}

SIZE_T clipboardDataSize(UINT format)
{
    OpenClipboardScope open;
    if (!open)
        return 0;
    HANDLE data = GetClipboardData(format);
    return data ? GlobalSize(data) : 0;
}

int putClipboardData(UINT format, const void* bytes, SIZE_T n)
{
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, n + 1);
    if (!handle)
        return 0;
    if (n > 0) {
        void* target = GlobalLock(handle);
        if (!target) {
            GlobalFree(handle);
            return 0;
        }
        std::memcpy(target, bytes, n);
        GlobalUnlock(handle);
    }
    return setClipboardBlock(format, handle);
}

GlobalBlock* getClipboardData(UINT format)
{
    OpenClipboardScope open;
    if (!open)
        return nullptr;
    ClipboardData data(format);
    if (data.size() < 1 || data.size() > 0x7fffffff)
        return nullptr;
    int size = static_cast<int>(data.size());
    auto* block = new (std::nothrow) GlobalBlock(size, 1);
    if (!block)
        return nullptr;
    if (!block->allocate(1)) {
        delete block;
        return nullptr;
    }
    {
        BlockLock target(*block);
        if (!target) {
            delete block;
            return nullptr;
        }
        std::memcpy(target.data(), data.bytes(), static_cast<size_t>(size));
    }
    block->count = size;
    return block;
}

GlobalBlock* getClipboardText()
{
    OpenClipboardScope open;
    if (!open)
        return nullptr;
    ClipboardData data(CF_TEXT);
    if (data.size() < 1)
        return nullptr;
    const void* zero = std::memchr(data.bytes(), 0, data.size());
    SIZE_T length = zero ? static_cast<SIZE_T>(static_cast<const char*>(zero) - data.bytes()) : data.size();
    if (length > 0x7fffffff)
        return nullptr;
    // One element as wide as the text; an empty text still gets one byte of storage.
    auto* block = new (std::nothrow) GlobalBlock(1, length > 0 ? static_cast<int>(length) : 1);
    if (!block)
        return nullptr;
    if (!block->allocate(1)) {
        delete block;
        return nullptr;
    }
    if (length > 0) {
        BlockLock target(*block);
        if (!target) {
            delete block;
            return nullptr;
        }
        std::memcpy(target.data(), data.bytes(), length);
    }
    block->elementSize = static_cast<int>(length);
    return block;
}

DibImage* getClipboardDib()
{
    OpenClipboardScope open;
    if (!open)
        return nullptr;
    HANDLE data = GetClipboardData(CF_DIB);
    if (!data)
        return nullptr;
    auto* image = new (std::nothrow) DibImage;
    if (image && !image->loadFromDib(data)) {
        delete image;
        return nullptr;
    }
    return image;
}

int putClipboardDib(const DibImage& image) { return setClipboardBlock(CF_DIB, image.toDib()); }
