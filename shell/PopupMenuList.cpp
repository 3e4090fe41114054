#include "document/PopupMenuList.h"

#include "platform/PopupMenu.h"
#include "platform/StringUtil.h"
#include "shell/ContextMenus.h"

namespace {
// The list grows by five items; one is allocated with it.
const int kGrowth = 5;
} // namespace

PopupMenuList::PopupMenuList() : items(kGrowth, sizeof(Item))
{
    (void)items.reserve(1, 0); // a list that cannot have its first item fails when one is added
}

void PopupMenuList::clear()
{
    items.count = 0;
    spoilt = 0;
}

int PopupMenuList::addItem(int enableKey, int command, int checked, const char* label)
{
    Item item = {};
    item.enableKey = enableKey;
    item.command = command;
    item.checked = checked;
    StringUtil::copy(item.label, sizeof item.label, label ? label : "");
    if (spoilt || !items.append(&item)) {
        spoilt = 1;
        return 0;
    }
    return 1;
}

int PopupMenuList::itemAt(int index, Item& out) { return items.get(index, &out); }

int PopupMenuList::build(Menu& menu)
{
    if (spoilt || items.count < 1 || !menu.handle)
        return 0;
    for (int i = 0; i < items.count; ++i) {
        Item item;
        if (!items.get(i, &item))
            return 0;
        int appended = 0;
        if (item.command == 0)
            appended = menu.appendSeparator();
        else if (item.checked == 1)
            appended = menu.appendCheckedItem(item.label, item.command);
        else
            appended = menu.appendItem(item.label, item.command);
        if (!appended)
            return 0;
        if (item.command != 0 && !ContextMenus::isEnabled(item.enableKey, context))
            menu.disableItem(item.command);
    }
    return 1;
}

int PopupMenuList::track()
{
    PopupMenu menu;
    if (!menu.create() || !build(menu))
        return 0;
    (void)menu.track(); // the choice arrives as a menu command; none is no failure
    return 1;
}
