#pragma once

class DocumentContext;
class InkInfo;
class NamedColorTable;

// Start-up: the application's colour tables ("USRCOLOR.TXT" and "DICCOLOR.TXT" beside the
// program, read when first needed) and its ink choice, each null when memory ran out.
[[nodiscard]] NamedColorTable* makeUserColorTable();
[[nodiscard]] NamedColorTable* makeDicColorTable();
[[nodiscard]] InkInfo* makeInkInfo();
// The drawings' ink choice and the colour settings dialog behind every ink colour's swatch.
void installColourDialogs();
// At exit: the user table, then the DIC table, each written when it was changed; a failed write
// is reported once and the old file stays.
void saveColorTablesAtExit();
