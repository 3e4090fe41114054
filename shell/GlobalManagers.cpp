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
#include "platform/UnitConverter.h"
#include "views/LowMemoryGuard.h"
#include "views/ScreenResolution.h"
#include "views/ViewMembers.h"

GlobalNotifier* theGlobalNotifier = nullptr;
FileErrorReporter* theFileErrorReporterInUse = nullptr;
UnitConverter* theUnitConverter = nullptr;

namespace {

template <typename T, typename Made = T> T* make() { return new (std::nothrow) Made; }

// The reporter is one object of the document folder for the whole run: start-up puts it in
// service with its once-only marks cleared.
FileErrorReporter* reporterInService()
{
    theFileErrorReporter.reset();
    return &theFileErrorReporter;
}

PartsLibrary* makePartsLibrary(int number) { return new (std::nothrow) PartsLibrary(number); }

// One row per slot whose class is part of this build; the others stay null until their
// subsystem fills them in.
const GlobalManagerFactories defaults = {
    nullptr,                           // 1 global notifier
    makeApplicationPrintRecord,        // 2 print settings
    makePdfExportJob,                  // 3 PDF export job
    reporterInService,                 // 4 file error reporter
    make<ColorDialog>,                 // 5 colour chooser
    make<UnitConverter>,               // 6 unit converter
    make<ElementClipboard>,            // 7 element clipboard
    makeScratchPainter,                // 8 spare painter
    makeScratchPainter,                // 9 overlay painter
    make<PopupMenuList>,               // 10 popup menu list
    make<LayerTable>,                  // 11 layer table
    makeKindRegistry,                  // 12 element kind registry
    make<PickSettings>,                // 13 pick settings
    make<ScreenResolution>,            // 14 screen resolution
    makeNavigatorPainter,              // 15 page painter
    makePageTabBar,                    // 16 page bar
    make<FontChangeTable>,             // 17 font change table
    make<PaperSettings, SheetSettings>, // 18 paper defaults
    make<GridSettings, DrawingGrid>,   // 19 grid defaults
    makeLineDefaults,                  // 20 line defaults
    makeBezierDefaults,                // 21 Bezier defaults
    makePictureDefaults,               // 22 picture defaults
    makeMeasureDefaults,               // 23 measure defaults
    makeTextDefaults,                  // 24 text defaults
    make<FolderMemory>,                // 25 folder memory
    makeLowMemoryGuard,                // 26 low-memory guard
    makeUserColorTable,                // 27 user colour table
    makeDicColorTable,                 // 28 DIC colour table
    makeInkInfo,                       // 29 ink choice
    makePartsLibrary,
};

// A slot: made through its hook while it is empty; deleted and cleared.
struct SlotRow {
    void (*create)();
    void (*destroy)();
};

template <typename T, T** Slot, T* (*GlobalManagerFactories::*Hook)()> void createSlot()
{
    T* (*hook)() = globalManagerFactories.*Hook;
    if (!*Slot && hook)
        *Slot = hook();
}

template <typename T, T** Slot> void deleteSlot()
{
    delete *Slot;
    *Slot = nullptr;
}

// A slot whose class is not part of this build: nothing can have been made into it.
template <typename T, T** Slot> void clearSlot() { *Slot = nullptr; }

void releaseReporter()
{
    if (theFileErrorReporterInUse)
        theFileErrorReporterInUse->reset();
    theFileErrorReporterInUse = nullptr;
}

// The colour tables are written when changed, the user's first, before the DIC table goes.
void deleteDicColorTable()
{
    saveColorTablesAtExit();
    deleteSlot<NamedColorTable, &theDicColorTable>();
}

// The application's ink object drops the drawing's ink choice it points at before it goes.
void deleteInkInfo()
{
    if (theInkInfo)
        theInkInfo->current = nullptr;
    deleteSlot<InkInfo, &theInkInfo>();
}

#define SLOT(Type, global, hook) {&createSlot<Type, &global, &GlobalManagerFactories::hook>, &deleteSlot<Type, &global>}
#define EMPTY_SLOT(Type, global, hook) {&createSlot<Type, &global, &GlobalManagerFactories::hook>, &clearSlot<Type, &global>}

// Slot n is row n - 1.
const SlotRow slots[] = {
    EMPTY_SLOT(GlobalNotifier, theGlobalNotifier, notifier),
    SLOT(PrintSettings, thePrintSettings, printSettings),
    SLOT(PdfExportJob, thePdfExportJob, pdfExportJob),
    {&createSlot<FileErrorReporter, &theFileErrorReporterInUse, &GlobalManagerFactories::fileErrorReporter>,
     releaseReporter},
    SLOT(ColorDialog, theColorChooser, colorChooser),
    SLOT(UnitConverter, theUnitConverter, unitConverter),
    SLOT(ElementClipboard, theElementClipboard, elementClipboard),
    SLOT(PainterBase, theSparePainter, sparePainter),
    SLOT(PainterBase, theOverlayPainter, scratchPainter),
    SLOT(PopupMenuList, thePopupMenuList, popupMenuList),
    SLOT(LayerTable, theLayerTable, layerTable),
    SLOT(ElementKindRegistry, theKindRegistry, kindRegistry),
    SLOT(PickSettings, thePickSettings, pickSettings),
    SLOT(ScreenResolution, theScreenResolution, screenResolution),
    SLOT(PagePainter, thePagePainter, pagePainter),
    SLOT(PageTabBar, thePageTabBar, pageTabBar),
    SLOT(FontChangeTable, theFontChangeTable, fontChangeTable),
    SLOT(PaperSettings, thePaperDefaults, paperDefaults),
    SLOT(GridSettings, theGridDefaults, gridDefaults),
    SLOT(LineDefaults, theLineDefaults, lineDefaults),
    SLOT(BezierDefaults, theBezierDefaults, bezierDefaults),
    SLOT(PictureDefaults, thePictureDefaults, pictureDefaults),
    SLOT(MeasureDefaults, theMeasureDefaults, measureDefaults),
    SLOT(TextDefaults, theTextDefaults, textDefaults),
    SLOT(FolderMemory, theFolderMemory, folderMemory),
    SLOT(LowMemoryGuard, theLowMemoryGuard, lowMemoryGuard),
    SLOT(NamedColorTable, theUserColorTable, userColorTable),
    {&createSlot<NamedColorTable, &theDicColorTable, &GlobalManagerFactories::dicColorTable>, deleteDicColorTable},
    {&createSlot<InkInfo, &theInkInfo, &GlobalManagerFactories::inkInfo>, deleteInkInfo},
};

#undef SLOT
#undef EMPTY_SLOT

constexpr int kSlotCount = static_cast<int>(sizeof slots / sizeof slots[0]);
static_assert(kSlotCount == 29, "one row per global manager");

// The shutdown order, by slot number; the parts libraries go after slot 5.
const int firstDeleted[] = {4, 3, 2, 1, 6, 5};
const int thenDeleted[] = {29, 28, 27, 26, 25, 24, 23, 21, 22, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 8, 9, 7};
static_assert(sizeof firstDeleted / sizeof(int) + sizeof thenDeleted / sizeof(int) == kSlotCount,
              "every slot is deleted once");

struct PartsLibrarySlot {
    PartsLibrary* library = nullptr;
    int toolbar = 0;
};
PartsLibrarySlot partsLibraries[3];

} // namespace

GlobalManagerFactories globalManagerFactories = defaults;

const GlobalManagerFactories& defaultGlobalManagerFactories() { return defaults; }

void createGlobals()
{
    for (const SlotRow& row : slots)
        row.create();
    if (theLayerTable)
        theLayerTable->reset();
}

void destroyGlobals()
{
    for (int slot : firstDeleted)
        slots[slot - 1].destroy();
    destroyPartsLibraries();
    for (int slot : thenDeleted)
        slots[slot - 1].destroy();
}

PartsLibrary* partsLibrary(int number, int toolbar)
{
    if (number < 1 || number > 3)
        return nullptr;
    PartsLibrarySlot& slot = partsLibraries[number - 1];
    if (!slot.library && globalManagerFactories.partsLibrary) {
        slot.library = globalManagerFactories.partsLibrary(number);
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
