#pragma once
#include <windows.h>
#include <commdlg.h>

#include "platform/Window.h"

class LocalBuffer;

// The print dialog is reached through one replaceable function, so that tests can stand in for
// the user (PrintDlgA blocks without a screen). The replacement gets exactly what PrintDlgA would.
using PrintDialogFunction = BOOL (*)(PRINTDLGA* record);
[[nodiscard]] BOOL runPrintDialog(PRINTDLGA* record);
// Installs a replacement (null restores PrintDlgA) and returns the previous one.
PrintDialogFunction setPrintDialogFunction(PrintDialogFunction function);

// The application's one printer. It keeps the print dialog's choices between uses (the DEVMODE
// and DEVNAMES blocks and the printer DC), brackets documents and pages, answers the printer's
// resolution and page size, and collects raw PostScript for a PostScript printer, sent with the
// PASSTHROUGH escape in pieces of at most 512 bytes. Being a window object, it draws through its
// device context, attached to the printer DC once a document starts, so every drawing routine of
// the program prints unchanged.
//
// Without a printer DC the queries answer their defaults (72 dpi, no page size, not PostScript)
// and every document call fails.
class PrintJob : public Window {
public:
    // Bytes sent by one PASSTHROUGH escape at most, and the buffer: a 16-bit count and the data.
    enum { kSendSize = 512, kBufferSize = 640, kMaxWaiting = kBufferSize - 2 };

    PrintJob();
    ~PrintJob() override;

    // At most 79 bytes; "Tesvan" until set.
    void setDocumentName(const char* text);
    // Takes the default printer's settings without a dialog (no DC yet); 1 when there is one.
    [[nodiscard]] int defaultPrinter();
    // The print-setup dialog; on success the setup counts as done. The dialog's result.
    [[nodiscard]] int showPrintSetup();
    // The print dialog; its result.
    [[nodiscard]] int showPrintDialog();
    // Starts a document, asking for a printer first when there is no DC. A cancelled dialog
    // returns 0 quietly; a failed StartDocA is reported ("StartDocに失敗しました") when asked.
    [[nodiscard]] int startDoc(int reportFailure);
    [[nodiscard]] int startDocQuiet() { return startDoc(0); }
    [[nodiscard]] int endDoc();
    [[nodiscard]] int startPage();
    [[nodiscard]] int endPage();
    // Sends what passthrough text is waiting, then ends the page; 0 also when passthrough text of
    // the page was lost.
    [[nodiscard]] int endPageFlushed();

    // Dots per inch; 72 without a printer DC.
    [[nodiscard]] int dpiX();
    [[nodiscard]] int dpiY();
    // The printable page in millimetres; 0 and both left unchanged without a printer DC.
    [[nodiscard]] int pageSizeMm(double& width, double& height);
    // 1 when the printer answers GETTECHNOLOGY with "PostScript".
    [[nodiscard]] int isPostScript();

    // The passthrough buffer (created once; 0 when it cannot be).
    [[nodiscard]] int allocPassthroughBuffer();
    void freePassthroughBuffer();
    // Queues raw printer text; full 512-byte pieces are sent at once, the rest waits for the next
    // write or the page end. With `addLineEnd` CR LF follows. After a failed send nothing more is
    // sent or kept.
    void writePassthrough(const char* bytes, int count, int addLineEnd);
    // Sends the waiting text: 1 when sent or nothing waits; 0 without a buffer, after a failure,
    // or when this send fails (which stops all further sending of the job).
    [[nodiscard]] int flushPassthrough();

    [[nodiscard]] HDC printerDc() const { return printDialog.hDC; }

    char documentName[80] = {};
    int setupDone = 0;
    int passthroughFailures = 0;
    LocalBuffer* passthroughBuffer = nullptr;   // owned
    char* passthroughBytes = nullptr;
    int passthroughCount = 0;
    PRINTDLGA printDialog;
    DOCINFOA document;

private:
    // PrintDlgA with the flags and the kept settings; a DC it replaces is deleted.
    [[nodiscard]] int runDialog(DWORD flags);
    void freeSettings();
    void deleteDc();
};
