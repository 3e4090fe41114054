#pragma once
// An interface that this folder and those above call; a folder above implements it.
#include "document/PdfWriter.h"

class DocumentContext;

// The PDF export (one for the application). While it writes a drawing, it is the PDF writer the
// shapes write their content through.
class PdfExportJob : public PdfWriter {
public:
    virtual ~PdfExportJob() = default;

    // The "PDF出力..." command on the drawing: 1 when the file was written, 0 when the user
    // stopped it or it failed (a failure has been shown).
    [[nodiscard]] virtual int run(DocumentContext* context) = 0;
};

// Defined in document/GlobalManagers.cpp, with its first readers.
extern PdfExportJob* thePdfExportJob;
