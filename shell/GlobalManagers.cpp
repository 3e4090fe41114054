#include "shell/GlobalManagers.h"

#include <new>

#include "dialogs/colour/ColourInstall.h"
#include "dialogs/colour/NamedColorTable.h"
#include "dialogs/defaults/DefaultsInstall.h"
#include "document/BezierDefaults.h"
#include "document/DrawingGrid.h"
#include "document/ElementClipboard.h"
#include "document/FileErrorReporter.h"
#include "document/FolderMemory.h"
#include "document/LayerTable.h"
#include "document/LineDefaults.h"
#include "document/MeasureDefaults.h"
#include "document/PagePainter.h"
#include "document/PageTabBar.h"
#include "document/PainterBase.h"
#include "document/PartsLibrary.h"
#include "document/PictureDefaults.h"
#include "document/PopupMenuList.h"
#include "document/SheetSettings.h"
#include "document/TextDefaults.h"
#include "elements/ElementKindRegistry.h"
#include "geometry/FontChangeTable.h"
#include "geometry/GridSettings.h"
#include "geometry/InkInfo.h"
#include "geometry/PaperSettings.h"
#include "geometry/PickSettings.h"
#include "io/pdf/PdfExportCommand.h"
#include "io/print/PrintRecord.h"
#include "platform/ColorDialog.h"
#include "views/LowMemoryGuard.h"
#include "views/ScreenResolution.h"
#include "views/ViewMembers.h"

namespace {

template <typename T, typename Made = T> T* make() { return new (std::nothrow) Made; }

// Fills an empty slot with what `make` makes; a manager that cannot be made leaves it empty.
template <typename T, typename Maker> void fill(T*& slot, Maker make)
{
    if (!slot)
        slot = make();
}

template <typename T> void drop(T*& slot)
{
    delete slot;
    slot = nullptr;
}

struct PartsLibrarySlot {
    PartsLibrary* library = nullptr;
    int toolbar = 0;
};
PartsLibrarySlot partsLibraries[3];

} // namespace

void createGlobals()
{
    fill(thePrintSettings, makeApplicationPrintRecord);
    fill(thePdfExportJob, makePdfExportJob);
    theFileErrorReporter.reset();
    fill(theColorChooser, make<ColorDialog>);
    fill(theElementClipboard, make<ElementClipboard>);
    fill(theSparePainter, makeScratchPainter);
    fill(theOverlayPainter, makeScratchPainter);
    fill(thePopupMenuList, make<PopupMenuList>);
    fill(theLayerTable, make<LayerTable>);
    fill(theKindRegistry, makeKindRegistry);
    fill(thePickSettings, make<PickSettings>);
    fill(theScreenResolution, make<ScreenResolution>);
    fill(thePagePainter, makeNavigatorPainter);
    fill(thePageTabBar, makePageTabBar);
    fill(theFontChangeTable, make<FontChangeTable>);
    fill(thePaperDefaults, make<PaperSettings, SheetSettings>);
    fill(theGridDefaults, make<GridSettings, DrawingGrid>);
    fill(theLineDefaults, makeLineDefaults);
    fill(theBezierDefaults, makeBezierDefaults);
    fill(thePictureDefaults, makePictureDefaults);
    fill(theMeasureDefaults, makeMeasureDefaults);
    fill(theTextDefaults, makeTextDefaults);
    fill(theFolderMemory, make<FolderMemory>);
    fill(theLowMemoryGuard, makeLowMemoryGuard);
    fill(theUserColorTable, makeUserColorTable);
    fill(theDicColorTable, makeDicColorTable);
    fill(theInkInfo, makeInkInfo);
    if (theLayerTable)
        theLayerTable->reset();
}

void giveDefaultColoursInks()
{
    if (theLineDefaults)
        theLineDefaults->inksFromRgbIfNone();
    if (theBezierDefaults)
        theBezierDefaults->inksFromRgbIfNone();
    if (theTextDefaults)
        theTextDefaults->inksFromRgbIfNone();
    if (theMeasureDefaults)
        theMeasureDefaults->inksFromRgbIfNone();
}

void destroyGlobals()
{
    theFileErrorReporter.reset(); // out of service: it is one object of the document folder for the whole run
    drop(thePdfExportJob);
    drop(thePrintSettings);
    drop(theColorChooser);
    destroyPartsLibraries();
    // The application's ink object drops the drawing's ink choice it points at before it goes.
    if (theInkInfo)
        theInkInfo->current = nullptr;
    drop(theInkInfo);
    // The colour tables are written when changed, the user's first, before the DIC table goes.
    saveColorTablesAtExit();
    drop(theDicColorTable);
    drop(theUserColorTable);
    drop(theLowMemoryGuard);
    drop(theFolderMemory);
    drop(theTextDefaults);
    drop(theMeasureDefaults);
    drop(theBezierDefaults);
    drop(thePictureDefaults);
    drop(theLineDefaults);
    drop(theGridDefaults);
    drop(thePaperDefaults);
    drop(theFontChangeTable);
    drop(thePageTabBar);
    drop(thePagePainter);
    drop(theScreenResolution);
    drop(thePickSettings);
    drop(theKindRegistry);
    drop(theLayerTable);
    drop(thePopupMenuList);
    drop(theSparePainter);
    drop(theOverlayPainter);
    drop(theElementClipboard);
}

PartsLibrary* partsLibrary(int number, int toolbar)
{
    if (number < 1 || number > 3)
        return nullptr;
    PartsLibrarySlot& slot = partsLibraries[number - 1];
    if (!slot.library) {
        slot.library = new (std::nothrow) PartsLibrary(number);
        if (slot.library)
            slot.toolbar = toolbar;
    }
    return slot.library;
}

PartsLibrary* existingPartsLibrary(int number)
{
    return number >= 1 && number <= 3 ? partsLibraries[number - 1].library : nullptr;
}

int partsLibraryToolbar(int number)
{
    return number >= 1 && number <= 3 && partsLibraries[number - 1].library ? partsLibraries[number - 1].toolbar : 0;
}

void destroyPartsLibraries()
{
    for (PartsLibrarySlot& slot : partsLibraries) {
        delete slot.library;
        slot = PartsLibrarySlot();
    }
}
