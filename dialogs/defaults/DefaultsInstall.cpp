#include "dialogs/defaults/DefaultsInstall.h"

#include <new>

#include "dialogs/defaults/LineDefaults.h"
#include "platform/MessageBoxes.h"

LineDefaults* makeLineDefaults()
{
    auto* made = new (std::nothrow) LineDefaults;
    if (!made)
        showOutOfMemory();
    return made;
}

LineDefaults* makeDrawingLineDefaults(DocumentContext&) { return makeLineDefaults(); }
