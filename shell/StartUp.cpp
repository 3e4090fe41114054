#include "shell/StartUp.h"

#include <new>

#include "dialogs/FileProgressWindow.h"
#include "dialogs/colour/ColourInstall.h"
#include "dialogs/defaults/DefaultsInstall.h"
#include "dialogs/properties/PropertyDialogInstall.h"
#include "document/ContextMenuRequest.h"
#include "document/Document.h"
#include "document/DocumentMembers.h"
#include "document/Element.h"
#include "document/TextCaretPlace.h"
#include "io/dxf/DxfExchange.h"
#include "io/images/ImageReaderSwitch.h"
#include "io/print/PrintRecord.h"
#include "io/svg/SvgIoDriver.h"
#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/MessageBoxes.h"
#include "resources/ids.h"
#include "shell/MainFrame.h"
#include "views/ViewMapping.h"
#include "views/ViewMembers.h"

namespace {
// The element clipboard format: a fixed number, used without registration.
const UINT kElementClipboardFormat = 2033275747u;
// The pop-up of the menu bar in which the MDI client lists the drawings (1-based): "表示".
const int kWindowListPosition = 4;
// A drawing's own view keeps a blank border of 10 mm left of and above the sheet.
const double kDrawingViewMargin = 10.0;

ViewParams* makeDrawingView(DocumentContext&)
{
    auto* view = new (std::nothrow) ViewMapping;
    if (!view) {
        showOutOfMemory();
        return nullptr;
    }
    view->marginX = view->marginY = kDrawingViewMargin;
    return view;
}
} // namespace

void nameApplication(Application& app)
{
    app.className = "korvane";
    app.title = "Korvane";
    app.clipboardFormat = kElementClipboardFormat;
    app.frameIcon = IDI_FRAME;
    app.documentIcon = IDI_DRAWING;
    makeFileProgress = makeFileProgressWindow;
    makeBaseElement = newBaseElement;
    documentMemberFactories.viewParams = makeDrawingView;
    (void)setContextMenuRequest(postContextMenuRequest); // none was installed before
    documentMemberFactories.inputPoints = makeInputPoints;
    documentMemberFactories.editor1 = makeElementEditor;
    documentMemberFactories.editor2 = makeElementEditor;
    documentMemberFactories.editor3 = makeElementEditor;
    documentMemberFactories.editor4 = makeElementEditor;
    documentMemberFactories.caret = newTextCaretPlace;
    documentMemberFactories.rulers = makeViewRulers;
    documentMemberFactories.viewUpdater = makeRedrawManager;
    documentMemberFactories.scroller = makeViewScrollBars;
    documentMemberFactories.statusBar = makeStatusPanes;
    documentMemberFactories.selectTool = makeSelectTool;
    documentMemberFactories.moveTool = makeMoveTool;
    documentMemberFactories.rotateTool = makeRotateTool;
    documentMemberFactories.scaler = makeElementScaler;
    documentMemberFactories.pagePainter = makeDocumentPainter;
    documentMemberFactories.printSettings = makeDrawingPrintRecord;
    installPropertyDialogs();
    installColourDialogs();
    documentMemberFactories.dxfCommand = makeDxfCommand;
    installImageReaders();
    foreignFileDrivers.readSvg = readSvgDocument;
    foreignFileDrivers.writeSvg = writeSvgDocument;
    foreignFileDrivers.readDxf = readDxfDocument;
    documentMemberFactories.lineDefaults = makeDrawingLineDefaults;
    documentMemberFactories.textDefaults = makeDrawingTextDefaults;
    documentMemberFactories.measureDefaults = makeDrawingMeasureDefaults;
    documentMemberFactories.bezierDefaults = makeDrawingBezierDefaults;
    documentMemberFactories.pictureDefaults = makeDrawingPictureDefaults;
}

int initApplication()
{
    Application* app = theApplication;
    if (!app)
        return 0;
    nameApplication(*app);
    auto* frame = new (std::nothrow) MainFrame;
    app->frame = frame;
    if (!frame) {
        app->quit = 1;
        return 0;
    }
    app->setWindowMenuPosition(kWindowListPosition);
    if (!frame->createMaximized()) {
        app->quit = 1;
        return 0;
    }
    frame->initialize();
    app->openCommandLineFile();
    return 1;
}

void exitApplication()
{
    Application* app = theApplication;
    if (!app)
        return;
    // No event reaches the frame while it goes.
    FrameWindow* frame = app->frame;
    app->frame = nullptr;
    delete frame;
}

void runApplication()
{
    Application* app = theApplication;
    if (!app || !theCurrentEvent)
        return;
    (void)initApplication(); // a frame that could not be made has set the quit flag
    while (!app->quit)
        theCurrentEvent->pumpStep();
    exitApplication();
}
