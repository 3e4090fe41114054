#include "dialogs/colour/ColourInstall.h"

#include <initializer_list>
#include <new>

#include "dialogs/colour/ColorSettingsDialog.h"
#include "dialogs/colour/NamedColorTable.h"
#include "document/DocumentMembers.h"
#include "geometry/InkColor.h"
#include "geometry/InkInfo.h"
#include "platform/MessageBoxes.h"
#include "resources/ids.h"

namespace {
InkInfo* makeDocumentInkInfo(DocumentContext&) { return makeInkInfo(); }
} // namespace

NamedColorTable* makeUserColorTable() { return new (std::nothrow) NamedColorTable("USRCOLOR.TXT"); }

NamedColorTable* makeDicColorTable() { return new (std::nothrow) NamedColorTable("DICCOLOR.TXT"); }

InkInfo* makeInkInfo() { return new (std::nothrow) InkInfo; }

void installColourDialogs()
{
    colorSettingsHooks.makeInkInfo = makeInkInfo;
    colorSettingsHooks.runColorSettings = runColorSettingsDialog;
    documentMemberFactories.inkInfo = makeDocumentInkInfo;
}

void saveColorTablesAtExit()
{
    int saved = 1;
    for (NamedColorTable* table : {theUserColorTable, theDicColorTable})
        if (table && !table->saveIfModified())
            saved = 0;
    if (!saved)
        showErrorById(IDS_WRITE_ERROR);
}
