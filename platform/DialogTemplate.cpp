#include "platform/DialogTemplate.h"

#include <cstring>
#include <initializer_list>
#include <new>

#include "platform/Application.h"
#include "platform/DialogRegistry.h"
#include "platform/DialogTemplateReader.h"
#include "platform/FrameWindow.h"
#include "platform/StringUtil.h"
#include "platform/TabControl.h"

namespace {
// The first child of the dialog with the item id (compared as the 16-bit id of the template),
// other than `skip`.
HWND findItemWindow(HWND dialog, WORD itemId, HWND skip)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child != skip && LOWORD(GetWindowLongPtrA(child, GWLP_ID)) == itemId)
            return child;
    }
    return nullptr;
}

// The styles a switched page's item is created with.
void adjustStyles(DialogTemplateItem& item)
{
    if (StringUtil::equalsNoCase(item.className, "EDIT")) {
        item.extendedStyle = WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY;
        item.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    } else if (StringUtil::equalsNoCase(item.className, "LISTBOX")) {
        item.extendedStyle = WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY;
        item.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | LBS_SORT | LBS_NOTIFY;
    } else if (StringUtil::equalsNoCase(item.className, "STATIC") && (item.style & SS_SUNKEN)) {
        item.extendedStyle = WS_EX_STATICEDGE | WS_EX_NOPARENTNOTIFY;
    }
}
} // namespace

DialogTemplate::DialogTemplate() : templateBuffer(256, 1), keptControlIds(3, sizeof(int)) {}

DialogTemplate::~DialogTemplate()
{
    delete tabControl;
    templateBuffer.free();
    keptControlIds.free();
}

int DialogTemplate::keepControlId(int controlId) { return keptControlIds.append(&controlId); }

int DialogTemplate::isKeptControlId(int controlId)
{
    for (int i = 0; i < keptControlIds.count; ++i) {
        int kept = 0;
        if (keptControlIds.get(i, &kept) && LOWORD(kept) == LOWORD(controlId))
            return 1;
    }
    return 0;
}

const void* DialogTemplate::loadPage(int resourceId, DWORD* size)
{
    *size = 0;
    HINSTANCE instance = programInstance();
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    if (!found)
        return nullptr;
    HGLOBAL loaded = LoadResource(instance, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data)
        *size = SizeofResource(instance, found);
    return data;
}

int DialogTemplate::reserveTemplateSize(int resourceId)
{
    DWORD size = 0;
    if (!loadPage(resourceId, &size))
        return 0;
    if (static_cast<long long>(size) > templateCapacity)
        templateCapacity = static_cast<int>(size);
    return 1;
}

int DialogTemplate::copyIntoBuffer(const void* page, DWORD size)
{
    templateSize = 0;
    templateBuffer.count = 0;
    // The buffer grows to the page being copied, whatever was reserved.
    if (!templateBuffer.reserve(static_cast<int>(size)))
        return 0;
    BlockLock data(templateBuffer);
    if (!data)
        return 0;
    std::memcpy(data.data(), page, size);
    templateBuffer.count = static_cast<int>(size);
    templateSize = static_cast<int>(size);
    return 1;
}

int DialogTemplate::runModal(int, int resourceId)
{
    DWORD size = 0;
    const void* page = loadPage(resourceId, &size);
    if (!page || !DialogTemplateReader::isReadable(page, size))
        return -1;
    if (!beginRun())
        return -1;
    // A strip of an earlier run went with its window.
    tabWindowCreated = 0;
    if (tabControl) {
        tabControl->handle = nullptr;
        tabControl->tabCount = 0;
    }
    currentTemplateId = resourceId;
    // Room for twice the largest page announced, so that switching pages seldom moves it.
    long long room = 2LL * templateCapacity;
    if (room > 0x7fffffff)
        room = 0x7fffffff;
    if (!templateBuffer.reserve(static_cast<int>(room)) || !copyIntoBuffer(page, size))
        return -1;

    HWND ownerWindow = ownerHwnd;
    if (!ownerWindow && theApplication && theApplication->frame)
        ownerWindow = theApplication->frame->hwnd();
    auto* dialogTemplate = static_cast<const DLGTEMPLATE*>(templateBuffer.lock());
    INT_PTR result = dialogTemplate ? DialogBoxIndirectParamA(programInstance(), dialogTemplate, ownerWindow,
                                                              DialogRegistry::dialogProc, 0)
                                    : -1;
    if (dialogTemplate)
        templateBuffer.unlock();
    templateBuffer.free();
    templateSize = 0;
    return static_cast<int>(result);
}

void DialogTemplate::destroyPageItems()
{
    if (!hwnd || templateSize <= 0)
        return;
    BlockLock data(templateBuffer);
    DialogTemplateReader reader;
    if (!data || !reader.open(data.data(), static_cast<size_t>(templateSize)))
        return;
    HWND tabWindow = tabControl ? tabControl->handle : nullptr;
    // Each item of the page takes the first child with its id that no earlier item took (the
    // labels share one id). The children are walked once: every step of the walk asks the window
    // manager, which is slow under Wine, so a walk per item made a page switch quadratic.
    const int count = reader.itemCount();
    WORD* ids = count > 0 ? new (std::nothrow) WORD[static_cast<size_t>(count)] : nullptr;
    HWND* doomed = count > 0 ? new (std::nothrow) HWND[static_cast<size_t>(count)] : nullptr;
    if (!ids || !doomed) {
        // Without the lists each item looks for its window on its own.
        for (DialogTemplateItem item; reader.next(item);)
            if (!isKeptControlId(item.id))
                if (HWND itemWindow = findItemWindow(hwnd, item.id, tabWindow))
                    DestroyWindow(itemWindow);
        delete[] ids;
        delete[] doomed;
        return;
    }
    int wanted = 0;
    for (DialogTemplateItem item; reader.next(item);)
        if (!isKeptControlId(item.id))
            ids[wanted++] = item.id;
    int found = 0;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child && found < wanted; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == tabWindow)
            continue;
        const WORD childId = LOWORD(GetWindowLongPtrA(child, GWLP_ID));
        for (int i = found; i < wanted; ++i) {
            if (ids[i] != childId)
                continue;
            // The id is taken: it moves in front of the ones still wanted.
            ids[i] = ids[found];
            ids[found] = childId;
            doomed[found++] = child;
            break;
        }
    }
    for (int i = 0; i < found; ++i)
        DestroyWindow(doomed[i]);
    delete[] ids;
    delete[] doomed;
}

int DialogTemplate::switchTemplate(int resourceId, int skipIfShown)
{
    if (skipIfShown && resourceId == currentTemplateId)
        return 0;
    if (!hwnd || !IsWindow(hwnd))
        return 0;
    DWORD size = 0;
    const void* page = loadPage(resourceId, &size);
    if (!page || !DialogTemplateReader::isReadable(page, size))
        return 0;
    currentTemplateId = resourceId;
    destroyPageItems();
    destroyControls();
    if (!copyIntoBuffer(page, size))
        return 0;
    createItems();
    return 1;
}

void DialogTemplate::createItems()
{
    computeBaseUnits();
    BlockLock data(templateBuffer);
    DialogTemplateReader reader;
    if (data && reader.open(data.data(), static_cast<size_t>(templateSize))) {
        HINSTANCE instance = programInstance();
        auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
        for (DialogTemplateItem item; reader.next(item);) {
            if (!item.className[0] || isKeptControlId(item.id))
                continue;
            adjustStyles(item);
            HWND created = CreateWindowExA(item.extendedStyle, item.className, item.title, item.style,
                                           item.x * baseUnitX / 4, item.y * baseUnitY / 8, item.cx * baseUnitX / 4,
                                           item.cy * baseUnitY / 8, hwnd,
                                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance, nullptr);
            if (created)
                SendMessageA(created, WM_SETFONT, font, FALSE);
        }
    }
    sendTabToBack();
    redraw();
}

void DialogTemplate::sendTabToBack()
{
    // The strip lies under the whole page: it must neither paint over the items nor take their
    // clicks.
    if (tabWindowCreated && tabControl && tabControl->handle)
        SetWindowPos(tabControl->handle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void DialogTemplate::createTabControl(DWORD style)
{
    if (tabControl && tabControl->handle)
        DestroyWindow(tabControl->handle);
    delete tabControl;
    tabWindowCreated = 0;
    tabControl = new (std::nothrow) TabControl;
    if (tabControl)
        tabControl->style = style;
}

int DialogTemplate::showTabControl()
{
    if (tabWindowCreated || !hwnd)
        return 0;
    if (!tabControl)
        tabControl = new (std::nothrow) TabControl;
    if (!tabControl || !tabControl->create(hwnd))
        return 0;
    tabWindowCreated = 1;
    sendTabToBack();
    return 1;
}

int DialogTemplate::addTab(const char* text)
{
    TabControl* tabs = getTabControl();
    return tabs ? tabs->addTab(text) : -1;
}

void DialogTemplate::layoutTabControl()
{
    if (TabControl* tabs = getTabControl())
        tabs->fitToOwner();
}

void DialogTemplate::selectTab(int index)
{
    if (TabControl* tabs = getTabControl())
        tabs->select(index);
}

int DialogTemplate::getCurrentTab()
{
    TabControl* tabs = getTabControl();
    return tabs ? tabs->currentTab() : -1;
}

TabControl* DialogTemplate::getTabControl() { return tabWindowCreated ? tabControl : nullptr; }

void DialogTemplate::startTabs(const char* const* names, int count, int page)
{
    for (int id : {IDOK, IDCANCEL})
        if (!isKeptControlId(id))
            (void)keepControlId(id); // see above
    if (!showTabControl())
        return;
    for (int i = 0; i < count; ++i)
        (void)addTab(names[i]); // see above
    layoutTabControl();
    selectTab(page);
}
