#include "shell/ShortcutKeys.h"

ShortcutKeys::ShortcutKeys(MainFrame* owner) : frame(owner) { theShortcutHook = this; }

ShortcutKeys::~ShortcutKeys()
{
    if (theShortcutHook == this)
        theShortcutHook = nullptr;
}
