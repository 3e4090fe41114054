#pragma once

class Document;
class FileName;

// How a document asks the user for a file: the system's open and save dialogs with the drawing
// filters ("Tesvan CAD(*.ycx)" first, then "すべて(*.*)"), the save dialog adding ".ycx" to a name
// typed without extension. Each gets the file name to start from (an empty path with the
// remembered folder, or the drawing's own name) and leaves the chosen path in it; 1 when the
// user chose a file, 0 when cancelled. Replaceable, so that tests can answer for the user; null
// hooks answer "cancelled".
struct DrawingFileDialogs {
    int (*askOpen)(Document& document, FileName& name);
    int (*askSave)(Document& document, FileName& name);
};
extern DrawingFileDialogs drawingFileDialogs;
// The hooks in force at start-up, for restoring after a test.
const DrawingFileDialogs& defaultDrawingFileDialogs();
