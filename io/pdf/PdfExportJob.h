#pragma once

class DocumentContext;

// The PDF export (one for the application).
class PdfExportJob {
public:
    virtual ~PdfExportJob() = default;

    virtual void run(DocumentContext* context) = 0;
};

extern PdfExportJob* thePdfExportJob;
