#include "io/pdf/PdfExportJob.h"

PdfExportJob* thePdfExportJob = nullptr;
