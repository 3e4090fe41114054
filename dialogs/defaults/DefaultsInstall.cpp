#include "dialogs/defaults/DefaultsInstall.h"

#include <new>

#include "dialogs/defaults/BezierDefaults.h"
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

BezierDefaults* makeBezierDefaults()
{
    auto* made = new (std::nothrow) BezierDefaults;
    if (!made)
        showOutOfMemory();
    return made;
}

BezierDefaults* makeDrawingBezierDefaults(DocumentContext&) { return makeBezierDefaults(); }
