#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.
#include "io/pdf/PdfWriter.h"

class DocumentContext;

// The PDF export (one for the application). While it writes a drawing, it is the PDF writer the
// shapes write their content through.
class PdfExportJob : public PdfWriter {
public:
    virtual ~PdfExportJob() = default;

    virtual void run(DocumentContext* context) = 0;
};

// Defined in document/GlobalManagers.cpp, with its first readers.
extern PdfExportJob* thePdfExportJob;
