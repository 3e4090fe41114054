// A second process for the clipboard tests: moves the data of one clipboard format between the
// clipboard and a file, with nothing of the program's own code, as another running copy would.
//     ClipboardBlockCopier.exe save FORMAT C:\path\data.bin    clipboard -> file
//     ClipboardBlockCopier.exe put FORMAT C:\path\data.bin     file -> clipboard (emptied first)
// Exit code 0 when done; 2 without data of the format (or a file to read), 3 when the file or the
// clipboard cannot be written, 1 for wrong arguments.
#include <cstdlib>
#include <cstring>
#include <windows.h>

namespace {

int save(UINT format, const char* path)
{
    if (!OpenClipboard(nullptr))
        return 2;
    int result = 2;
    HANDLE data = GetClipboardData(format);
    const char* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (bytes) {
        const SIZE_T size = GlobalSize(data);
        result = 3;
        HANDLE out = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (out != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            if (WriteFile(out, bytes, static_cast<DWORD>(size), &written, nullptr) && written == size)
                result = 0;
            CloseHandle(out);
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return result;
}

int put(UINT format, const char* path)
{
    HANDLE in = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (in == INVALID_HANDLE_VALUE)
        return 2;
    const DWORD size = GetFileSize(in, nullptr);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    void* bytes = block ? GlobalLock(block) : nullptr;
    DWORD got = 0;
    const bool read = bytes && ReadFile(in, bytes, size, &got, nullptr) && got == size;
    if (bytes)
        GlobalUnlock(block);
    CloseHandle(in);
    // The clipboard needs an owner window for the data to be set.
    HWND owner = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    int result = 3;
    if (read && owner && OpenClipboard(owner)) {
        if (EmptyClipboard() && SetClipboardData(format, block))
            result = 0;
        CloseClipboard();
    }
    if (result != 0 && block)
        GlobalFree(block);
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
        return 1;
    const UINT format = static_cast<UINT>(std::strtoul(argv[2], nullptr, 10));
    if (std::strcmp(argv[1], "save") == 0)
        return save(format, argv[3]);
    if (std::strcmp(argv[1], "put") == 0)
        return put(format, argv[3]);
    return 1;
}
