#pragma once

class PartsLibrary;

// Makes every global manager whose slot is still empty, in the start-up's creation order: the print
// settings, the PDF export job, the file error reporter (put in service with its once-only marks
// cleared), the colour chooser, the element clipboard, the spare and overlay painters, the popup
// menu list, the layer table, the kind registry, the pick settings, the screen resolution, the page
// painter, the page bar, the font change table, the paper and grid defaults, the line, Bezier,
// picture, measure and text defaults, the folder memory, the low-memory guard, the user and DIC
// colour tables and the ink choice. A manager that cannot be made leaves its slot empty and the
// rest are made; every user of a global tests it, so a missing manager only takes its own work
// away (its settings section is neither read nor written). A test that needs a fake puts it into
// the slot beforehand. Then the layer table gets its 256 default layers.
void createGlobals();
// Every colour of the line, Bezier, text and measure defaults that holds no inks under the ink
// model takes those of its RGB value: the defaults are made before the settings file names the
// colour model, and the file may lack their colour keys or give them before it names the model.
void giveDefaultColoursInks();
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
