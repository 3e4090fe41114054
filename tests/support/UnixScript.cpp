#include "tests/support/UnixScript.h"

#include <cstdlib>

std::string unixPathOf(const std::string& windowsPath)
{
    using UnixName = char* (CDECL*)(const WCHAR*);
    // Wine's own export: through a plain function pointer type, which every function type casts to.
    FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    auto toUnix = reinterpret_cast<UnixName>(reinterpret_cast<void (*)()>(found));
    if (!toUnix)
        return "";
    WCHAR wide[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH))
        return "";
    char* unix = toUnix(wide);
    if (!unix)
        return "";
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

int runUnixScript(const std::string& script, const std::string& workPath, DWORD timeoutMs)
{
    std::string status = workPath + ".status";
    std::string file = workPath + ".sh";
    DeleteFileA(status.c_str());
    std::string unixStatus = unixPathOf(status);
    // Wine starts Unix programs but gives no handle to wait on: the script leaves its exit code
    // in a file, renamed into place once complete.
    std::string text = "(\n" + script + "\n)\necho $? > '" + unixStatus + ".tmp' && mv '" + unixStatus + ".tmp' '" +
                       unixStatus + "'\n";
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return -1;
    DWORD written = 0;
    BOOL wrote = WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(handle);
    if (!wrote || written != text.size())
        return -1;
    std::string command = "/bin/sh \"" + unixPathOf(file) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        DeleteFileA(file.c_str());
        return -1;
    }
    if (process.hProcess)
        CloseHandle(process.hProcess);
    if (process.hThread)
        CloseHandle(process.hThread);
    int code = -1;
    for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
        HANDLE result = CreateFileA(status.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (result != INVALID_HANDLE_VALUE) {
            char digits[16] = {};
            DWORD read = 0;
            ReadFile(result, digits, sizeof digits - 1, &read, nullptr);
            CloseHandle(result);
            code = atoi(digits);
            break;
        }
        Sleep(20);
    }
    DeleteFileA(status.c_str());
    DeleteFileA(file.c_str());
    return code;
}
