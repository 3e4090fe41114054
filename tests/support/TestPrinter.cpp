#include "tests/support/TestPrinter.h"

#include <winspool.h>

#include "platform/PrintJob.h"

namespace {
// The folder of Ghostscript's PPD files, whatever its version ("Z:\usr\share\ghostscript\10.00.0\lib\").
std::string ghostscriptPpd()
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\usr\\share\\ghostscript\\*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return "";
    std::string result;
    do {
        if (found.cFileName[0] == '.' || !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        std::string candidate = std::string("Z:\\usr\\share\\ghostscript\\") + found.cFileName + "\\lib\\ghostpdf.ppd";
        if (GetFileAttributesA(candidate.c_str()) != INVALID_FILE_ATTRIBUTES) {
            result = candidate;
            break;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return result;
}

// The port of the printer when it exists ("" when it does not).
std::string existingPort()
{
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(TestPrinter::name()), &printer, nullptr))
        return "";
    DWORD needed = 0;
    GetPrinterA(printer, 2, nullptr, 0, &needed);
    std::string port;
    if (needed > 0) {
        std::string buffer(needed, '\0');
        if (GetPrinterA(printer, 2, reinterpret_cast<BYTE*>(&buffer[0]), needed, &needed)) {
            auto* info = reinterpret_cast<PRINTER_INFO_2A*>(&buffer[0]);
            port = info->pPortName ? info->pPortName : "";
        }
    }
    ClosePrinter(printer);
    return port.empty() ? std::string("?") : port;
}

void deletePrinter()
{
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSA access = {};
    access.DesiredAccess = PRINTER_ALL_ACCESS;
    if (OpenPrinterA(const_cast<char*>(TestPrinter::name()), &printer, &access)) {
        DeletePrinter(printer);
        ClosePrinter(printer);
    }
}

bool installDriver()
{
    std::string ppd = ghostscriptPpd();
    char directory[MAX_PATH] = {};
    DWORD needed = 0;
    if (ppd.empty() || !GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(directory),
                                                   sizeof directory, &needed))
        return false;
    // The driver's data file is looked for in the driver directory and copied into its version
    // folder "3"; it is put into both.
    std::string base = directory;
    CreateDirectoryA((base + "\\3").c_str(), nullptr);
    if (!CopyFileA(ppd.c_str(), (base + "\\generic.ppd").c_str(), FALSE) ||
        !CopyFileA(ppd.c_str(), (base + "\\3\\generic.ppd").c_str(), FALSE))
        return false;
    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<char*>("Wine PostScript Driver");
    driver.pDriverPath = const_cast<char*>("wineps.drv");
    driver.pDataFile = const_cast<char*>("generic.ppd");
    driver.pConfigFile = const_cast<char*>("wineps.drv");
    return AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES) ||
           GetLastError() == ERROR_PRINTER_DRIVER_ALREADY_INSTALLED;
}
} // namespace

bool TestPrinter::ensure()
{
    static int state = 0;   // 1 ready, -1 failed
    if (state)
        return state > 0;
    std::string port = unixPathOf(outputPath());
    if (port.empty()) {
        state = -1;
        return false;
    }
    std::string found = existingPort();
    if (found != port) {
        if (!found.empty())
            deletePrinter();   // made for another place of the prefix
        if (!installDriver()) {
            state = -1;
            return false;
        }
        PRINTER_INFO_2A info = {};
        info.pPrinterName = const_cast<char*>(name());
        info.pPortName = &port[0];
        info.pDriverName = const_cast<char*>("Wine PostScript Driver");
        info.pPrintProcessor = const_cast<char*>("WinPrint");
        info.pDatatype = const_cast<char*>("RAW");
        info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
        if (!printer) {
            state = -1;
            return false;
        }
        ClosePrinter(printer);
    }
    state = SetDefaultPrinterA(name()) ? 1 : -1;
    return state > 0;
}

BOOL takeDefaultPrinter(PRINTDLGA* record)
{
    if (record->hDevNames)
        return TRUE;
    PRINTDLGA defaults = {};
    defaults.lStructSize = sizeof defaults;
    defaults.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgA(&defaults))
        return FALSE;
    record->hDevMode = defaults.hDevMode;
    record->hDevNames = defaults.hDevNames;
    return TRUE;
}

BOOL acceptPrintDialog(PRINTDLGA* record)
{
    if (record->Flags & PD_RETURNDEFAULT)
        return PrintDlgA(record);
    if (!takeDefaultPrinter(record))
        return FALSE;
    auto* names = static_cast<DEVNAMES*>(GlobalLock(record->hDevNames));
    if (!names)
        return FALSE;
    const char* base = reinterpret_cast<const char*>(names);
    auto* mode = record->hDevMode ? static_cast<DEVMODEA*>(GlobalLock(record->hDevMode)) : nullptr;
    record->hDC = CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset, base + names->wOutputOffset, mode);
    if (mode)
        GlobalUnlock(record->hDevMode);
    GlobalUnlock(record->hDevNames);
    return record->hDC != nullptr;
}

BOOL cancelPrintDialog(PRINTDLGA* record)
{
    if (record->Flags & PD_RETURNDEFAULT)
        return PrintDlgA(record);
    return FALSE;
}

BOOL memoryDcPrintDialog(PRINTDLGA* record)
{
    if (record->Flags & PD_RETURNDEFAULT)
        return FALSE;
    record->hDC = CreateCompatibleDC(nullptr);
    return record->hDC != nullptr;
}

PrintDialogStandIn::PrintDialogStandIn(BOOL (*function)(PRINTDLGA*)) : previous_(setPrintDialogFunction(function)) {}

PrintDialogStandIn::~PrintDialogStandIn() { setPrintDialogFunction(previous_); }

int renderWithGhostscript(const std::string& postScriptPath, const std::string& bitmapPath, int dpi)
{
    DeleteFileA(bitmapPath.c_str());
    std::string command = "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=bmp16m -r" + std::to_string(dpi) +
                          " '-sOutputFile=" + unixPathOf(bitmapPath) + "' '" + unixPathOf(postScriptPath) +
                          "' >/dev/null 2>&1";
    return runUnixScript(command, bitmapPath);
}
