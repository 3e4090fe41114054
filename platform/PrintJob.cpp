#include "platform/PrintJob.h"

#include <cstring>
#include <new>

#include "platform/Application.h"
#include "platform/FrameWindow.h"
#include "platform/LocalBuffer.h"
#include "platform/MessageBoxes.h"
#include "platform/StringUtil.h"

namespace {
BOOL systemPrintDialog(PRINTDLGA* record) { return PrintDlgA(record); }

PrintDialogFunction currentPrintDialog = systemPrintDialog;
} // namespace

BOOL runPrintDialog(PRINTDLGA* record) { return currentPrintDialog(record); }

PrintDialogFunction setPrintDialogFunction(PrintDialogFunction function)
{
    PrintDialogFunction previous = currentPrintDialog;
    currentPrintDialog = function ? function : systemPrintDialog;
    return previous;
}

PrintJob::PrintJob() : printDialog{}, document{}
{
    dc.kind = 2;
    StringUtil::copy(documentName, "Tesvan");
    printDialog.lStructSize = sizeof printDialog;
    document.cbSize = sizeof document;
    (void)defaultPrinter(); // without one, the first document asks for a printer
}

PrintJob::~PrintJob()
{
    freePassthroughBuffer();
    deleteDc();
    freeSettings();
}

void PrintJob::setDocumentName(const char* text) { StringUtil::copy(documentName, text ? text : ""); }

void PrintJob::freeSettings()
{
    if (printDialog.hDevMode)
        GlobalFree(printDialog.hDevMode);
    if (printDialog.hDevNames)
        GlobalFree(printDialog.hDevNames);
    printDialog.hDevMode = nullptr;
    printDialog.hDevNames = nullptr;
}

void PrintJob::deleteDc()
{
    if (!printDialog.hDC)
        return;
    if (dc.hdc == printDialog.hDC)
        dc.detachHdc();
    DeleteDC(printDialog.hDC);
    printDialog.hDC = nullptr;
}

int PrintJob::runDialog(DWORD flags)
{
    HDC previous = printDialog.hDC;
    printDialog.lStructSize = sizeof printDialog;
    printDialog.hwndOwner = theApplication && theApplication->frame ? theApplication->frame->hwnd() : nullptr;
    printDialog.Flags = flags;
    int result = runPrintDialog(&printDialog) ? 1 : 0;
    if (!result || !printDialog.hDC)
        printDialog.hDC = previous;
    if (previous && printDialog.hDC != previous) {
        // The dialog made a DC for the printer chosen now; the one of the earlier choice goes.
        if (dc.hdc == previous)
            dc.detachHdc();
        DeleteDC(previous);
    }
    return result;
}

int PrintJob::defaultPrinter()
{
    freeSettings();
    return runDialog(PD_RETURNDEFAULT);
}

int PrintJob::showPrintSetup()
{
    int result = runDialog(PD_PRINTSETUP | PD_RETURNDC);
    if (result)
        setupDone = 1;
    return result;
}

// The copies asked for go into the printer's settings, so the DC made from them prints them; the
// dialog offers no copies when the driver cannot make them. The print run prints the drawing's
// pages as its own settings say, so the dialog offers no choice of selection.
int PrintJob::showPrintDialog() { return runDialog(PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOSELECTION); }

int PrintJob::startDoc(int reportFailure)
{
    if (!printDialog.hDC && !showPrintDialog())
        return 0;
    if (!printDialog.hDC)
        return 0;
    dc.attachHdc(printDialog.hDC);
    document.cbSize = sizeof document;
    document.lpszDocName = documentName;
    document.lpszOutput = nullptr;
    document.lpszDatatype = nullptr;
    document.fwType = 0;
    // StartDocA answers a job number above 0; 0 and below are failures.
    if (StartDocA(printDialog.hDC, &document) > 0)
        return 1;
    if (reportFailure)
        showErrorText("StartDocに失敗しました");
    return 0;
}

int PrintJob::endDoc() { return printDialog.hDC && EndDoc(printDialog.hDC) > 0; }

int PrintJob::startPage() { return printDialog.hDC && StartPage(printDialog.hDC) > 0; }

int PrintJob::endPage() { return printDialog.hDC && EndPage(printDialog.hDC) > 0; }

int PrintJob::endPageFlushed()
{
    // The page ends either way; when text for it could not be sent (now or by an earlier write),
    // the page lacks it and counts as failed. A job without passthrough has nothing to send.
    int flushed = !passthroughBuffer || flushPassthrough();
    int ended = endPage();
    return flushed && ended;
}

int PrintJob::dpiX() { return printDialog.hDC ? GetDeviceCaps(printDialog.hDC, LOGPIXELSX) : 72; }

int PrintJob::dpiY() { return printDialog.hDC ? GetDeviceCaps(printDialog.hDC, LOGPIXELSY) : 72; }

int PrintJob::pageSizeMm(double& width, double& height)
{
    if (!printDialog.hDC)
        return 0;
    width = GetDeviceCaps(printDialog.hDC, HORZSIZE);
    height = GetDeviceCaps(printDialog.hDC, VERTSIZE);
    return 1;
}

int PrintJob::isPostScript()
{
    if (!printDialog.hDC)
        return 0;
    char answer[80] = {};
    if (ExtEscape(printDialog.hDC, GETTECHNOLOGY, 0, nullptr, sizeof answer, answer) < 0)
        return 0;
    answer[sizeof answer - 1] = 0;
    return StringUtil::equals(answer, "PostScript") ? 1 : 0;
}

int PrintJob::allocPassthroughBuffer()
{
    if (passthroughBuffer)
        return passthroughBytes != nullptr;
    passthroughBuffer = new (std::nothrow) LocalBuffer(kBufferSize, 1);
    if (!passthroughBuffer || !passthroughBuffer->allocate(1)) {
        freePassthroughBuffer();
        return 0;
    }
    passthroughBytes = passthroughBuffer->bytes();
    passthroughCount = 0;
    return passthroughBytes != nullptr;
}

void PrintJob::freePassthroughBuffer()
{
    delete passthroughBuffer;
    passthroughBuffer = nullptr;
    passthroughBytes = nullptr;
    passthroughCount = 0;
}

int PrintJob::flushPassthrough()
{
    if (!passthroughBytes || passthroughFailures)
        return 0;
    if (passthroughCount < 1)
        return 1;
    passthroughBytes[0] = static_cast<char>(passthroughCount & 0xFF);
    passthroughBytes[1] = static_cast<char>((passthroughCount >> 8) & 0xFF);
    int sent = Escape(printDialog.hDC, PASSTHROUGH, passthroughCount + 2, passthroughBytes, nullptr);
    passthroughCount = 0;
    if (sent > 0)
        return 1;
    ++passthroughFailures;
    return 0;
}

void PrintJob::writePassthrough(const char* bytes, int count, int addLineEnd)
{
    if (!passthroughBytes || passthroughFailures || (!bytes && count > 0))
        return;
    if (count < 0)
        count = 0;
    int ok = 1;
    if (passthroughCount + count >= kSendSize)
        ok = flushPassthrough();
    while (ok && count > kSendSize) {
        std::memcpy(passthroughBytes + 2 + passthroughCount, bytes, kSendSize);
        passthroughCount += kSendSize;
        bytes += kSendSize;
        count -= kSendSize;
        ok = flushPassthrough();
    }
    // A failed send ends the job's passthrough: what was not sent is dropped, so the buffer
    // never holds more than its 638 data bytes.
    if (!ok || passthroughFailures)
        return;
    int lineEnd = addLineEnd ? 2 : 0;
    if (passthroughCount + count + lineEnd > kMaxWaiting)
        return;
    if (count > 0)
        std::memcpy(passthroughBytes + 2 + passthroughCount, bytes, static_cast<size_t>(count));
    passthroughCount += count;
    if (lineEnd) {
        passthroughBytes[2 + passthroughCount++] = '\r';
        passthroughBytes[2 + passthroughCount++] = '\n';
    }
}
