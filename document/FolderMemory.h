#pragma once

class FileName;
class SettingsFile;

// The folders the file dialogs start in: the folder of the drawing chosen last and the folder of
// the PDF exported last. The application keeps one; the settings file holds them in section
// "FILEINFO", keys "FILEDIR" and "PDFDIR", each a quoted path of at most 259 characters.
class FolderMemory {
public:
    enum SettingsId { kSection = 15070, kFileDir = 15071, kPdfDir = 15072 };

    // A file name with an empty path gets the remembered folder (with its trailing backslash),
    // so that the dialog opens there; a path already given stays.
    void beforeDialog(FileName& name) const { seed(name, drawingFolder); }
    void beforePdfDialog(FileName& name) const { seed(name, pdfFolder); }
    // Remembers the folder part of the chosen path (nothing for a path without one).
    void afterDialog(const FileName& name) { remember(name, drawingFolder); }
    void afterPdfDialog(const FileName& name) { remember(name, pdfFolder); }

    // The keys of the section up to the next section or the end of the file; other keys are
    // passed over. 0 when a value could not be read.
    [[nodiscard]] int readIni(SettingsFile& file);
    // The section with "FILEDIR" and, when there is one, "PDFDIR".
    [[nodiscard]] int writeIni(SettingsFile& file) const;

    char drawingFolder[260] = {};
    char pdfFolder[260] = {};

private:
    static void seed(FileName& name, const char* folder);
    static void remember(const FileName& name, char* folder);
};

// The application's folder memory; null until the start-up creates it.
extern FolderMemory* theFolderMemory;
