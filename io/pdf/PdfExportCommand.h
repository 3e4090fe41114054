#pragma once
#include "io/pdf/PdfFileWriter.h"

class Dialog;
class DocumentContext;
class SettingsFile;

// The "PDF出力..." command (the application's one PDF export, global slot 3): asks for the
// offsets ("PDF出力の設定") and the file, then writes every page of the drawing through the
// writer, each element through its PDF operation, with a progress window whose Cancel is asked
// before each page.
//
// The file is written beside the chosen one and takes its place only when it was written whole;
// a failed export shows "ファイル出力に失敗しました" and a cancelled one shows nothing, and
// neither leaves a file behind (an older file of that name stays as it was). The offsets and the
// file name stay from one export to the next.
//
// Units: the offsets are paper millimetres, X to the right and Y downwards; the elements take
// them in drawing units.
class PdfExportCommand : public PdfFileWriter {
public:
    PdfExportCommand() = default;

    // The command on the drawing (1 when the file was written).
    [[nodiscard]] int run(DocumentContext* context) override;
    void setContext(DocumentContext* context) { drawing = context; }

    // The drawing's pages into the open file (page size from its paper, 210 x 297 mm without
    // one); 1 when written whole.
    using PdfFileWriter::writeDocument;
    [[nodiscard]] int writeDocument();

    // The "PDF Font Set" dialog on a copy of the font-face table, which is taken over only when
    // the dialog ends with OK; the dialog's result.
    [[nodiscard]] int editFontTable(Dialog* owner);
    // The settings file's "PDFFONTFACETABLE" (nothing is written before the table exists).
    [[nodiscard]] int readFontFaces(SettingsFile& file);
    [[nodiscard]] int writeFontFaces(SettingsFile& file);

    double offsetX = 0.0;
    double offsetY = 0.0;
    DocumentContext* drawing = nullptr;   // not owned

protected:
    [[nodiscard]] int writePageContent(int page) override;

private:
    // The save dialog: 1 when a file was chosen (it is the path now).
    [[nodiscard]] int askFile();
    // The offsets in drawing units.
    [[nodiscard]] double toDrawing(double millimetres) const;

    // Set by a page's count pass when the user asked to stop: its write pass writes nothing too.
    int pageSkipped = 0;
};

// The maker of the global managers' slot 3.
[[nodiscard]] PdfExportJob* makePdfExportJob();
