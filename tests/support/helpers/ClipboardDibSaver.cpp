// A second process for the clipboard tests: saves the clipboard's CF_DIB as a BMP file, with
// nothing of the program's own code, as another program would read it.
//     ClipboardDibSaver.exe C:\path\saved.bmp
// Exit code 0 when saved; 2 without CF_DIB, 3 when the file cannot be written.
#include <cstring>
#include <windows.h>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 1;
    if (!OpenClipboard(nullptr))
        return 2;
    int result = 2;
    HANDLE data = GetClipboardData(CF_DIB);
    const unsigned char* dib = data ? static_cast<const unsigned char*>(GlobalLock(data)) : nullptr;
    if (dib) {
        SIZE_T size = GlobalSize(data);
        BITMAPINFOHEADER header;
        std::memcpy(&header, dib, sizeof header);
        // The rows follow the header and the colour table (none for 24 bits).
        DWORD offset = sizeof(BITMAPFILEHEADER) + header.biSize + header.biClrUsed * sizeof(RGBQUAD);
        BITMAPFILEHEADER file = {};
        file.bfType = 0x4D42;   // "BM"
        file.bfSize = static_cast<DWORD>(sizeof file + size);
        file.bfOffBits = offset;
        result = 3;
        HANDLE out = CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (out != INVALID_HANDLE_VALUE) {
            DWORD written = 0, written2 = 0;
            if (WriteFile(out, &file, sizeof file, &written, nullptr) &&
                WriteFile(out, dib, static_cast<DWORD>(size), &written2, nullptr) && written2 == size)
                result = 0;
            CloseHandle(out);
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return result;
}
