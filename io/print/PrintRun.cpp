// PrintRecord: the print command and its run through GDI or as PostScript.
#include <cstring>
#include <new>
#include <string>

#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "document/PageChainTable.h"
#include "document/PageList.h"
#include "io/print/PrintProgressDialog.h"
#include "io/print/PrintRecord.h"
#include "io/print/PrintSettingsDialog.h"
#include "platform/Application.h"
#include "platform/PrintJob.h"
#include "views/OffscreenPainter.h"
#include "views/tools/ElementEditor.h"

namespace {
// The drawing's title without folder and extension, as the printer's document name.
std::string documentNameOf(const char* title)
{
    std::string name = title ? title : "";
    const size_t slash = name.find_last_of("\\/:");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

// Restores the value a member had when the guard was made.
template <typename T> class Restore {
public:
    explicit Restore(T& target, T value) : target_(target), kept_(target) { target_ = value; }
    ~Restore() { target_ = kept_; }
    Restore(const Restore&) = delete;
    Restore& operator=(const Restore&) = delete;

private:
    T& target_;
    T kept_;
};
} // namespace

int PrintRecord::canPrint()
{
    if (!theApplication || !theApplication->ensurePrintJob() || !thePrintJob ||
        (!thePrintJob->printerDc() && !thePrintJob->printDialog.hDevNames))
        return 0;
    ElementStore* store = context ? context->elementStore() : nullptr;
    return store && store->liveCount() >= 1;
}

int PrintRecord::editSettings()
{
    // The offsets and the PostScript switch are kept in the drawing file: a change to either,
    // by the user or by a printer that speaks no PostScript, is a change of the drawing.
    const double keptX = offsetX, keptY = offsetY;
    const int keptSwitch = writer->usePostScript;
    centreOnPaper();
    writer->refreshPrinterCapability();
    int result = 0;
    {
        PrintSettingsDialog dialog(*this);
        result = dialog.run();
    }
    writer->refreshPrinterCapability();
    previewPainter.reset();
    deletePreviewBox();
    if (context && (offsetX != keptX || offsetY != keptY || writer->usePostScript != keptSwitch))
        (void)context->markModified(); // answers the change count
    return result;
}

void PrintRecord::print()
{
    if (running != kNoRun || !canPrint() || !context->editor1)
        return;
    // The settings dialog centres on the printer's page and asks whether it speaks PostScript:
    // a printer that is only chosen by default is asked for through the print dialog first.
    if (!thePrintJob->printerDc() && !thePrintJob->showPrintDialog())
        return;
    firstPage = lastPage = context->currentPage();
    if (editSettings() != 1)
        return;
    thePrintJob->setDocumentName(documentNameOf(context->title()).c_str());
    if (writer->usePostScript)
        printPostScript();
    else
        printPages();
}

int PrintRecord::printPage(int postScript)
{
    ElementStore* store = context ? context->elementStore() : nullptr;
    ElementEditorBase* editor = DocumentContext::pageEditorOf(context);
    if (!store || !store->pageTable || !editor)
        return 1; // nothing to print on this page
    const double x = horizontalOffset(), y = verticalOffset();
    const int page = context->currentPage();
    const int count = store->pageTable->getCount(page);
    int id = store->pageTable->getFirst(page);
    if (progress)
        progress->setRange(0, count);
    if (progress && progress->cancelled())
        return 1;
    for (int i = 1; i <= count && id >= 1; ++i) {
        if (progress)
            progress->setPosition(i);
        id = postScript ? editor->writePostScriptById(id, x, y, 0.0) : editor->printById(id, x, y, 0.0);
        // The writer keeps a failed write: the page stops at the element that failed.
        if (postScript && writer->failed())
            return 0;
        if (progress && progress->cancelled())
            break;
    }
    return 1;
}

void PrintRecord::printPages()
{
    PrintJob& job = *thePrintJob;
    if (!job.startDoc(1))
        return;
    PageList* pages = context->pages;
    const int remembered = context->currentPage();
    progress.reset(new (std::nothrow) PrintProgressDialog);
    if (progress)
        progress->begin(0, 1);
    {
        Restore<int> mapping(running, kGdiRun);
        for (int p = firstPage; p <= lastPage; ++p) {
            if (pages)
                pages->setCurrent(p);
            if (!job.startPage())
                break;
            const int printed = printPage(0);
            const int ended = job.endPage();
            // A cancel ends the run with the page it came in.
            if (!printed || !ended || (progress && progress->cancelled()))
                break;
        }
    }
    (void)job.endDoc(); // the pages printed so far are the job's either way
    progress.reset();
    if (pages)
        pages->setCurrent(remembered);
}

void PrintRecord::printPostScript()
{
    double width = 0.0, height = 0.0;
    writer->pageWidth = paperWidth();
    writer->pageHeight = paperHeight();
    if (thePrintJob->pageSizeMm(width, height) && width > 1.0 && height > 1.0) {
        writer->pageWidth = width;
        writer->pageHeight = height;
    }
    if (!writer->startJob())
        return; // a failed StartDoc has been reported
    progress.reset(new (std::nothrow) PrintProgressDialog);
    if (progress)
        progress->begin(0, 1);
    {
        Restore<int> mapping(running, kPostScriptRun);
        if (writer->beginPage())
            (void)(printPage(1) && writer->endPage()); // the job ends the same way after a failure
    }
    (void)writer->endJob(); // a failed write has left the page short: nothing more to do
    progress.reset();
}

int PrintRecord::writePageToFile(const char* path)
{
    if (running != kNoRun)
        return 0;
    writer->pageWidth = paperWidth();
    writer->pageHeight = paperHeight();
    if (!writer->startFileJob(path))
        return 0;
    int written = 0;
    {
        Restore<int> mapping(running, kPostScriptRun);
        written = writer->beginPage() && printPage(1) && writer->endPage();
    }
    if (!written) {
        writer->abandonFileJob();
        return 0;
    }
    return writer->endFileJob();
}
