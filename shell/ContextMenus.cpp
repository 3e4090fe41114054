#include "shell/ContextMenus.h"

#include "document/DocumentContext.h"
#include "document/PageTabBar.h"
#include "document/PartsLibrary.h"
#include "document/PopupMenuList.h"
#include "document/UndoManager.h"
#include "shell/DocumentWindow.h"
#include "shell/FrameCommands.h"
#include "shell/MainFrame.h"

namespace {
// The undo or redo item: the undo manager's text while there is a step to take, else the
// menu's own text (the item is then greyed by its key).
int addHistoryItem(PopupMenuList& list, DocumentWindow& drawing, int key, int command, const char* own)
{
    char text[UndoManager::kTextSize] = {};
    const int available = key == ContextMenus::kUndo ? drawing.undoText(text, sizeof text) : drawing.redoText(text, sizeof text);
    return list.addItem(key, command, 0, available ? text : own);
}
} // namespace

PopupMenuList* ContextMenus::emptyList()
{
    if (thePopupMenuList)
        thePopupMenuList->clear();
    return thePopupMenuList;
}

int ContextMenus::buildToolMenu()
{
    DocumentWindow* drawing = frame ? frame->activeDocument() : nullptr;
    PopupMenuList* list = drawing ? emptyList() : nullptr;
    if (!list)
        return 0;
    // Each add stops the list at its first failure: the rest add nothing and it is not shown.
    (void)addHistoryItem(*list, *drawing, kUndo, CMD_UNDO, "元に戻す");
    (void)addHistoryItem(*list, *drawing, kRedo, CMD_REDO, "やり直し");
    (void)list->addSeparator();
    (void)list->addItem(kCut, CMD_CUT, 0, "切り取り");
    (void)list->addItem(kCopy, CMD_COPY, 0, "コピー");
    (void)list->addItem(kPaste, CMD_PASTE, 0, "張り付け");
    (void)list->addItem(kDelete, CMD_DELETE, 0, "削除");
    (void)list->addSeparator();
    (void)list->addItem(kScreenZoom, CMD_ZOOM_BY_MOUSE, 0, "画面ズーム");
    (void)list->addSeparator();
    (void)list->addItem(kSelect, CMD_SELECT, 0, "セレクト");
    return list->addItem(kProperties, CMD_PROPERTIES, 0, "プロパティー");
}

int ContextMenus::buildPageMenu()
{
    PopupMenuList* list = emptyList();
    if (!list)
        return 0;
    (void)list->addItem(kShowContents, CMD_PAGE_CONTENTS, thePageTabBar && thePageTabBar->showsContents(), "頁内容を表示する");
    (void)list->addSeparator();
    (void)list->addItem(kRedrawPage, CMD_PAGE_REDRAW, 0, "この頁を書き直す");
    (void)list->addItem(kRedrawFollowing, CMD_PAGE_REDRAW_FOLLOWING, 0, "これ以降の頁を書き直す");
    (void)list->addItem(kRedrawAll, CMD_PAGE_REDRAW_ALL, 0, "全頁を書き直す");
    (void)list->addSeparator();
    (void)list->addItem(kInsertBefore, CMD_PAGE_INSERT_BEFORE, 0, "前に追加");
    (void)list->addItem(kInsertAfter, CMD_PAGE_INSERT_AFTER, 0, "後に追加");
    (void)list->addSeparator();
    return list->addItem(kDeletePage, CMD_PAGE_DELETE, 0, "削除...");
}

int ContextMenus::buildPartsMenu()
{
    PopupMenuList* list = emptyList();
    if (!list)
        return 0;
    (void)list->addItem(kRegisterPart, CMD_PART_REGISTER, 0, "部品登録");
    (void)list->addItem(kPlacePart, CMD_PART_PLACE, 0, "部品配置");
    (void)list->addSeparator();
    (void)list->addItem(kDeletePart, CMD_PART_DELETE, 0, "削除");
    (void)list->addSeparator();
    return list->addItem(kPartSettings, CMD_PART_SETTINGS, 0, "部品設定...");
}

int ContextMenus::isEnabled(int key, DocumentContext* context)
{
    if (!context)
        return 1;
    PageTabBar* bar = thePageTabBar;
    switch (key) {
    case kUndo:
        return context->canUndo();
    case kRedo:
        return context->canRedo();
    case kCut:
        return context->canCut();
    case kCopy:
        return context->canCopy();
    case kPaste:
        return context->canPaste();
    case kDelete:
        return context->canDelete();
    case kZoomIn:
        return context->canZoomIn();
    case kZoomOut:
        return context->canZoomOut();
    case kProperties:
        return context->canEditProperties();
    case kInsertBefore:
    case kInsertAfter:
    case kRedrawPage:
        return bar && bar->canInsertOrRedrawPage(context);
    case kDeletePage:
        return bar && bar->canDeletePage(context);
    case kRedrawFollowing:
        return bar && bar->canRedrawFollowing(context);
    case kRedrawAll:
        return bar && bar->canRedrawAll(context);
    case kRegisterPart: {
        const PartsLibrary* library = DocumentWindow::currentPartsLibrary();
        return library && context->hasSelection();
    }
    case kDeletePart: {
        const PartsLibrary* library = DocumentWindow::currentPartsLibrary();
        return library && library->hasParts();
    }
    default:
        return 1;
    }
}
