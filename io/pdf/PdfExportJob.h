#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class DocumentContext;

// The PDF export (one for the application).
class PdfExportJob {
public:
    virtual ~PdfExportJob() = default;

    virtual void run(DocumentContext* context) = 0;
};

// Defined in document/GlobalManagers.cpp, with its first readers.
extern PdfExportJob* thePdfExportJob;
