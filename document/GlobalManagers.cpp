// The application's global managers that every drawing reads: the default records that a new
// drawing copies, the painters and the page bar it draws with, the PDF export and the context
// menu it runs. Their classes are declared in this folder and implemented by the folders above;
// start-up makes them, and the pointers are defined here, with their first readers.
#include "document/BezierDefaults.h"
#include "document/LineDefaults.h"
#include "document/MeasureDefaults.h"
#include "document/PagePainter.h"
#include "document/PageTabBar.h"
#include "document/PainterBase.h"
#include "document/PdfExportJob.h"
#include "document/PictureDefaults.h"
#include "document/PopupMenuList.h"
#include "document/TextDefaults.h"

LineDefaults* theLineDefaults = nullptr;
TextDefaults* theTextDefaults = nullptr;
BezierDefaults* theBezierDefaults = nullptr;
MeasureDefaults* theMeasureDefaults = nullptr;
PictureDefaults* thePictureDefaults = nullptr;
PagePainter* thePagePainter = nullptr;
PainterBase* theSparePainter = nullptr;
PageTabBar* thePageTabBar = nullptr;
PdfExportJob* thePdfExportJob = nullptr;
PopupMenuList* thePopupMenuList = nullptr;
