#pragma once
#include "shell/ShortcutKeyHook.h"
#include "shell/settings/SettingsSectionOwner.h"

class MainFrame;
class SettingsFile;
class WorkspaceLayout;

// The application's shortcut keys: published as the library's shortcut hook while it lives. The
// key table and the commands a key can carry are built at start-up from the panes' buttons;
// the dialog ショートカットキー binds them; the bindings are kept in the settings section
// "SHORTCUTKEYTABLE" (one SHORTCUTKEY="key name","label" line per bound key) and shown in the
// hints of the buttons whose commands they carry.
class ShortcutKeys : public ShortcutKeyHook {
public:
    explicit ShortcutKeys(MainFrame* owner);
    ~ShortcutKeys() override;
    ShortcutKeys(const ShortcutKeys&) = delete;
    ShortcutKeys& operator=(const ShortcutKeys&) = delete;

    // Builds the key table and the list of commands that can be bound (start-up).
    virtual void setup();
    // Shows the bound keys in the hints of the toolbar buttons (every other hint shows none).
    virtual void applyToButtons();
    // The shortcut-key dialog (command 40029) on a copy of the table; 1 when OK took the copy.
    virtual int editShortcutKeys();

    // The section's reader (from after its section line to the next section; the last readKey
    // result) and writer. A line without its comma is skipped; a label no command has and a key
    // name no free key has change nothing.
    [[nodiscard]] int readSection(SettingsFile& file);
    [[nodiscard]] int writeSection(SettingsFile& file);

    // The installed shortcut keys, or null.
    static ShortcutKeys* installed() { return dynamic_cast<ShortcutKeys*>(theShortcutHook); }

    MainFrame* frame;
};

// The owner of the settings section "SHORTCUTKEYTABLE": the installed shortcut keys.
class ShortcutKeySection : public SettingsSectionOwner {
public:
    [[nodiscard]] int isPresent() const override { return ShortcutKeys::installed() != nullptr; }
    [[nodiscard]] int readSection(SettingsFile& file) override { return ShortcutKeys::installed()->readSection(file); }
    [[nodiscard]] int writeSection(SettingsFile& file) override { return ShortcutKeys::installed()->writeSection(file); }
};
extern ShortcutKeySection theShortcutKeySection;
