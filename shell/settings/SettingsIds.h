#pragma once

// The numbers of the settings file's sections and keys that the shell itself names. The owners'
// own keys are named in their classes (FolderMemory, LayerTable, SheetSettings, PartsLibrary ...);
// DefaultSettingsFile binds them all to their names.
namespace settings_id {
enum : int {
    // Sections, in the order the file is written.
    DispToolbar = 10110,
    DrawEnvironment = 1010,
    FontChangeTable = 10120,
    ShortcutKeyTable = 10130,
    FileInfo = 15070,
    PsFontFaceTable = 10140,
    PdfFontFaceTable = 10150,
    Yousi = 15010,
    Grid = 15040,
    LayerName = 15060,
    SetSenga = 15110,
    SetText = 15210,
    SetBezier = 15310,
    SetMeasure = 15410,
    InkInfo = 15080,
    Parts01 = 15801,
    Parts02 = 15802,
    Parts03 = 15803,
    // Registered, never written: reading one skips it.
    Parts04 = 15804,
    Parts05 = 15805,

    // Keys of the drawing environment.
    DisplayDpi = 1011,
    ColorModel = 1012,
    HowToPick = 1013,
    PickRgb = 1014,

    // Keys of the built-in sections.
    DispToolHint = 10111,
    DispToolbarPos = 10112,
    FontIntoDisplay = 10121,
    ShortcutKey = 10131,
    PsNameFace = 10141,
    PsTrueTypeName = 10142,
    PdfNameFace = 10151,
    PdfTrueTypeName = 10152,
};
} // namespace settings_id
