#include "tests/support/ScratchFolder.h"

#include <windows.h>

ScratchFolder::ScratchFolder()
{
    static int serial = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    char name[64];
    wsprintfA(name, "korvane-test-%lu-%d\\", GetCurrentProcessId(), ++serial);
    path_ = std::string(temp) + name;
    CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder()
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((path_ + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path_.c_str());
}

std::string ScratchFolder::file(const std::string& name, const std::string& bytes) const
{
    std::string full = pathOf(name);
    HANDLE file = CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        if (!bytes.empty())
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    return full;
}

std::string ScratchFolder::read(const std::string& fullPath)
{
    std::string bytes;
    HANDLE file = CreateFileA(fullPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

bool ScratchFolder::exists(const std::string& fullPath)
{
    return GetFileAttributesA(fullPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}
