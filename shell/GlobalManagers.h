#pragma once
#include "platform/ColorDialog.h" // theColorChooser, slot 5, lives with its class

class BezierDefaults;
class ElementClipboard;
class FileErrorReporter;
class FolderMemory;
class FontChangeTable;
class GridSettings;
class InkInfo;
class LayerTable;
class LineDefaults;
class LowMemoryGuard;
class MeasureDefaults;
class PagePainter;
class PageTabBar;
class PainterBase;
class PaperSettings;
class PartsLibrary;
class PdfExportJob;
class PickSettings;
class PictureDefaults;
class PopupMenuList;
class PrintSettings;
class ScreenResolution;
class TextDefaults;
class UnitConverter;
class ElementKindRegistry;
class NamedColorTable;
// Managers whose classes are not part of this build yet: their slots stay empty.
class GlobalNotifier;

// How start-up makes the application's 29 global managers: one hook per slot, in creation order
// (the number beside each). A hook returns a new object, or null when it could not be made; a
// null hook leaves its slot empty. Every user of a global tests it, so a missing manager only
// takes its own work away (its settings section is neither read nor written). Each subsystem
// fills in the hooks of the managers it builds (in GlobalManagers.cpp); tests put recorders in.
struct GlobalManagerFactories {
    GlobalNotifier* (*notifier)();             // 1
    PrintSettings* (*printSettings)();         // 2
    PdfExportJob* (*pdfExportJob)();           // 3
    FileErrorReporter* (*fileErrorReporter)(); // 4
    ColorDialog* (*colorChooser)();            // 5
    UnitConverter* (*unitConverter)();         // 6
    ElementClipboard* (*elementClipboard)();   // 7
    PainterBase* (*sparePainter)();            // 8
    PainterBase* (*scratchPainter)();          // 9 the overlay painter
    PopupMenuList* (*popupMenuList)();         // 10
    LayerTable* (*layerTable)();               // 11
    ElementKindRegistry* (*kindRegistry)();    // 12
    PickSettings* (*pickSettings)();           // 13
    ScreenResolution* (*screenResolution)();   // 14
    PagePainter* (*pagePainter)();             // 15
    PageTabBar* (*pageTabBar)();               // 16
    FontChangeTable* (*fontChangeTable)();     // 17
    PaperSettings* (*paperDefaults)();         // 18
    GridSettings* (*gridDefaults)();           // 19
    LineDefaults* (*lineDefaults)();           // 20
    BezierDefaults* (*bezierDefaults)();       // 21
    PictureDefaults* (*pictureDefaults)();     // 22
    MeasureDefaults* (*measureDefaults)();     // 23
    TextDefaults* (*textDefaults)();           // 24
    FolderMemory* (*folderMemory)();           // 25
    LowMemoryGuard* (*lowMemoryGuard)();       // 26
    NamedColorTable* (*userColorTable)();      // 27
    NamedColorTable* (*dicColorTable)();       // 28
    InkInfo* (*inkInfo)();                     // 29

    // Not a slot of the table: parts library 1, 2 or 3, made on demand by partsLibrary().
    PartsLibrary* (*partsLibrary)(int number);
};

// The hooks in force; the defaults are those of GlobalManagers.cpp.
extern GlobalManagerFactories globalManagerFactories;
// The defaults, for restoring after a test.
const GlobalManagerFactories& defaultGlobalManagerFactories();

// Makes every manager whose slot is still empty, in slot order, then gives the layer table its
// 256 default layers. A hook that fails leaves its slot empty and the rest are made.
void createGlobals();
// Deletes the managers in the shutdown order (the file and output managers first, the parts
// libraries after them, the element clipboard last) and leaves every slot empty.
void destroyGlobals();

// Parts library `number` (1 to 3), made on demand and bound to its toolbar (10, 11 and 12 are the
// string table's "部品１" to "部品3"); null for another number or when it cannot be made.
PartsLibrary* partsLibrary(int number, int toolbar);
// The library made already, or null.
[[nodiscard]] PartsLibrary* existingPartsLibrary(int number);
// The toolbar a library is bound to; 0 for none.
[[nodiscard]] int partsLibraryToolbar(int number);
void destroyPartsLibraries();

// The slots whose managers no folder below reads yet; each moves to the lowest folder that comes
// to read it (as the others live in document/, geometry/ and the interface headers).
extern GlobalNotifier* theGlobalNotifier;
extern FileErrorReporter* theFileErrorReporterInUse;
extern UnitConverter* theUnitConverter;
