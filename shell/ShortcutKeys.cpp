#include "shell/ShortcutKeys.h"

#include "geometry/SettingsFile.h"
#include "platform/StringUtil.h"
#include "shell/FrameCommands.h"
#include "shell/ShortcutKeyDialog.h"
#include "shell/panes/DockPane.h"
#include "shell/panes/ToolButton.h"
#include "shell/panes/WorkspaceLayout.h"
#include "shell/settings/SettingsIds.h"

ShortcutKeySection theShortcutKeySection;

namespace {
// Every button of the panes, in the layout's order.
template <typename Visit> void forEachButton(Visit visit)
{
    WorkspaceLayout* layout = WorkspaceLayout::installed();
    for (int i = 0; layout && i < layout->paneCount(); ++i) {
        DockPane* pane = layout->paneAt(i);
        for (int j = 0; j < pane->buttonCount(); ++j)
            visit(*pane->buttonAt(j));
    }
}
} // namespace

ShortcutKeys::ShortcutKeys(MainFrame* owner) : frame(owner) { theShortcutHook = this; }

ShortcutKeys::~ShortcutKeys()
{
    if (theShortcutHook == this)
        theShortcutHook = nullptr;
}

void ShortcutKeys::setup()
{
    // A table or list that could not grow keeps what it took (the failure was reported).
    (void)table.setup();
    commands.clear();
    (void)commands.add(OP_PROPERTIES, "プロパティー");
    forEachButton([this](ToolButton& button) {
        if (button.buttonType() == ButtonType::Button)
            (void)commands.add(button.commandId(), button.definition.label);
    });
}

void ShortcutKeys::applyToButtons()
{
    forEachButton([](ToolButton& button) { button.clearShortcut(); });
    for (int i = 0; i < table.count(); ++i) {
        ShortcutKeyTable::Record record;
        if (!table.recordAt(i, record) || record.command < 1 || record.key == 0)
            continue;
        forEachButton([&record](ToolButton& button) {
            if (button.commandId() == record.command)
                button.setShortcut(record.shift, record.ctrl, record.key);
        });
    }
}

int ShortcutKeys::editShortcutKeys()
{
    ShortcutKeyTable working;
    if (!working.copyFrom(table))
        return 0;
    ShortcutKeyDialog dialog(working, commands);
    if (dialog.run() != 1 || !table.copyFrom(working))
        return 0;
    applyToButtons();
    return 1;
}

int ShortcutKeys::readSection(SettingsFile& file)
{
    int result;
    while ((result = file.readKey()) != 0 && file.currentKind() != SettingsFile::kSection) {
        if (file.currentId() != settings_id::ShortcutKey)
            continue;
        char name[ShortcutKeyTable::kLabelSize] = {};
        char label[ShortcutKeyTable::kLabelSize] = {};
        if (!file.readString(name, sizeof name))
            return 0;
        // A line without its second value is passed over; the lines after it are read.
        if (!file.getDelimiterFlag(SettingsFile::kComma) || !file.readString(label, sizeof label))
            continue;
        const int entry = commands.findLabel(label);
        const int index = table.findByName(name);
        ShortcutCommandList::Entry command;
        if (entry >= 0 && index >= 0 && commands.entryAt(entry, command))
            (void)table.bind(index, command.command, command.label); // a system key takes nothing
    }
    return result;
}

int ShortcutKeys::writeSection(SettingsFile& file)
{
    if (!file.writeSection(settings_id::ShortcutKeyTable))
        return 0;
    for (int i = 0; i < table.count(); ++i) {
        ShortcutKeyTable::Record record;
        if (!table.recordAt(i, record) || record.system || record.command < 1)
            continue;
        char name[ShortcutKeyTable::kNameSize];
        ShortcutKeyTable::keyName(record.shift, record.ctrl, record.key, name, sizeof name);
        if (!file.writeKey(settings_id::ShortcutKey) || !file.writeQuoted(name, 1, 0) ||
            !file.writeQuoted(record.label, 0, 1))
            return 0;
    }
    return 1;
}
