#pragma once
#include <windows.h>

#include "platform/Dialog.h"
#include "platform/GlobalBlock.h"

class TabControl;

// A dialog whose page of controls can be replaced while it runs by the items of another dialog
// resource (the pages of the tabbed property dialogs), with an optional tab strip over its
// client area. Every page resource is a complete classic DIALOG with FONT; runModal runs the
// first page by itself.
//
// The first page's items are made by the system with the template's styles and font; a switched
// page's items are made here with DEFAULT_GUI_FONT and its metrics, and edit fields and list
// boxes get fixed styles whatever the page says (list boxes sort). Items whose ids are kept (OK
// and Cancel) stay from page to page, but every control object is destroyed at a switch, so the
// dialog declares the new page's controls again.
class DialogTemplate : public Dialog {
public:
    DialogTemplate();
    ~DialogTemplate() override;

    // The item with this id survives page switches.
    [[nodiscard]] int keepControlId(int controlId);
    [[nodiscard]] int isKeptControlId(int controlId);
    // Raises templateCapacity to the size of the page resource.
    [[nodiscard]] int reserveTemplateSize(int resourceId);
    // Runs page `resourceId` as the dialog (the first argument is not used). -1 when the page
    // cannot be read or the dialog could not be made; else the value given to EndDialog.
    [[nodiscard]] int runModal(int ignored, int resourceId);
    [[nodiscard]] int runModal(int resourceId) { return runModal(0, resourceId); }
    // 1 when the page was switched; 0 when skipped (the page is shown and skipIfShown is set),
    // when there is no dialog window, or when the page cannot be read (nothing changes then).
    [[nodiscard]] int switchTemplate(int resourceId, int skipIfShown);

    // Tab strip. Each does nothing (0 or -1) before the strip's window exists.
    // A new strip object with this window style (the old one is deleted).
    void createTabControl(DWORD style);
    // Creates the strip's window once, beneath the page's items; 1 when created now.
    [[nodiscard]] int showTabControl();
    [[nodiscard]] int addTab(const char* text);
    // Over the whole client area.
    void layoutTabControl();
    void selectTab(int index);
    [[nodiscard]] int getCurrentTab();
    [[nodiscard]] int queryTabIndex() { return -1; }
    [[nodiscard]] TabControl* getTabControl();
    // At the init event of a tabbed dialog: OK and Cancel survive the page switches, and the
    // strip shows these tabs with `page` chosen. Keeping an id or adding a tab fails only when
    // memory ran out: the page's own buttons then serve, and a missing tab cannot be chosen.
    void startTabs(const char* const* names, int count, int page);

    int currentTemplateId = -1;
    TabControl* tabControl = nullptr;   // owned
    int tabWindowCreated = 0;
    int templateCapacity = 0;
    GlobalBlock templateBuffer;         // the bytes of the page shown
    int templateSize = 0;               // bytes of it in use
    GlobalBlock keptControlIds;         // int

private:
    // The page resource's bytes, or null.
    [[nodiscard]] static const void* loadPage(int resourceId, DWORD* size);
    [[nodiscard]] int copyIntoBuffer(const void* page, DWORD size);
    void destroyPageItems();
    void createItems();
    void sendTabToBack();
};
