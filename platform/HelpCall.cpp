#include "platform/HelpCall.h"

namespace {
// HH_DISPLAY_TOPIC of the HTML Help API.
const UINT kDisplayTopic = 0;
// The export of hhctrl.ocx that is HtmlHelpA.
const WORD kHtmlHelpOrdinal = 14;
// Where the control's in-process server is registered.
const char kControlServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

HtmlHelpLoader currentLoader = loadHtmlHelpControl;
// 0 not tried yet, 1 found, -1 cannot be loaded.
int loadState = 0;
HtmlHelpFunction htmlHelp = nullptr;

HMODULE loadRegisteredServer()
{
    char path[MAX_PATH] = {};
    LONG size = sizeof path;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, kControlServerKey, path, &size) != ERROR_SUCCESS || size < 1 ||
        size > static_cast<LONG>(sizeof path))
        return nullptr;
    path[sizeof path - 1] = 0;
    char expanded[MAX_PATH] = {};
    DWORD length = ExpandEnvironmentStringsA(path, expanded, sizeof expanded);
    if (length == 0 || length > sizeof expanded || !expanded[0])
        return nullptr;
    return LoadLibraryA(expanded);
}
} // namespace

HtmlHelpFunction loadHtmlHelpControl()
{
    HMODULE control = loadRegisteredServer();
    if (!control)
        control = LoadLibraryA("hhctrl.ocx");
    if (!control)
        return nullptr;
    auto entry = reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void*>(GetProcAddress(control, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
    if (!entry)
        FreeLibrary(control);
    return entry;
}

HtmlHelpLoader setHtmlHelpLoader(HtmlHelpLoader loader)
{
    HtmlHelpLoader previous = currentLoader;
    currentLoader = loader ? loader : loadHtmlHelpControl;
    loadState = 0;
    htmlHelp = nullptr;
    return previous;
}

HWND showHelpFile(const char* path)
{
    if (loadState == 0) {
        htmlHelp = currentLoader();
        loadState = htmlHelp ? 1 : -1;
    }
    if (loadState < 0 || !path)
        return nullptr;
    return htmlHelp(nullptr, path, kDisplayTopic, 0);
}
