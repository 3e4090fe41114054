#include "io/pdf/PdfExportCommand.h"

#include <new>

#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "document/FolderMemory.h"
#include "document/PageChainTable.h"
#include "geometry/PaperSettings.h"
#include "io/pdf/PdfFontSetDialog.h"
#include "io/pdf/PdfFontTable.h"
#include "io/pdf/PdfProgressDialog.h"
#include "io/pdf/PdfSettingsDialog.h"
#include "platform/BufferedFile.h"
#include "platform/CommonFileDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/StringUtil.h"
#include "resources/ids.h"
#include "views/tools/ElementEditor.h"

namespace {
const double kDefaultPaperWidth = 210.0;
const double kDefaultPaperHeight = 297.0;

// The progress window, and the writer's pointer to it, for as long as the document is written.
class ShownProgress {
public:
    explicit ShownProgress(PdfFileWriter& writer) : writer_(writer), dialog_(new (std::nothrow) PdfProgressDialog)
    {
        writer_.progress = dialog_;
        if (dialog_)
            dialog_->begin(0, 1);
    }
    ~ShownProgress()
    {
        writer_.progress = nullptr;
        delete dialog_;
    }
    ShownProgress(const ShownProgress&) = delete;
    ShownProgress& operator=(const ShownProgress&) = delete;
    [[nodiscard]] int cancelled() const { return dialog_ && dialog_->cancelled(); }

private:
    PdfFileWriter& writer_;
    PdfProgressDialog* dialog_;
};
} // namespace

PdfExportJob* makePdfExportJob() { return new (std::nothrow) PdfExportCommand; }

double PdfExportCommand::toDrawing(double millimetres) const
{
    const PaperSettings* paper = drawing ? drawing->paper : nullptr;
    const double numerator = paper && paper->scaleNumerator() >= 1 ? paper->scaleNumerator() : 1.0;
    const double denominator = paper && paper->scaleDenominator() >= 1 ? paper->scaleDenominator() : 1.0;
    return millimetres * denominator / numerator;
}

int PdfExportCommand::askFile()
{
    CommonFileDialog dialog;
    dialog.clearFilters();
    if (!dialog.addFilter("PDFファイル(*.pdf)", "*.pdf") || !dialog.addFilter("すべて(*.*)", "*.*"))
        return 0;
    // A name typed without extension gets ".pdf"; "すべて(*.*)" keeps it as typed.
    dialog.addExtension = 1;
    FileName& name = *this;
    // The first export starts in the folder of the last one of an earlier run; later ones start
    // with the file written last.
    if (!getPath()[0] && theFolderMemory)
        theFolderMemory->beforePdfDialog(name);
    if (!dialog.askSaveFile(name))
        return 0;
    if (theFolderMemory)
        theFolderMemory->afterPdfDialog(name);
    return 1;
}

int PdfExportCommand::run(DocumentContext* context)
{
    drawing = context;
    if (!drawing || drawing->elementCount() < 1 || !drawing->editor1)
        return 0;
    {
        PdfSettingsDialog dialog(*this);
        if (dialog.run() != 1)
            return 0;
    }
    if (!askFile())
        return 0;

    // Written beside the chosen file, which it replaces only once it is whole.
    char folder[FileName::pathCapacity];
    if (getFolderPart(getPath(), folder) == 0)
        StringUtil::copy(folder, ".");
    char temp[MAX_PATH];
    if (!GetTempFileNameA(folder, "kpd", 0, temp)) {
        showErrorById(IDS_OUTPUT_FAILED);
        return 0;
    }
    if (!open(temp)) {
        DeleteFileA(temp);
        showErrorById(IDS_OUTPUT_FAILED);
        return 0;
    }
    ensureFontFaces();
    int written = 0, cancelled = 0;
    {
        ShownProgress shown(*this);
        written = writeDocument();
        cancelled = shown.cancelled();
    }
    const int closed = close();
    // A read-only file is left as it was, and the export reported as failed.
    if (written && closed && !cancelled && replaceWithFinished(temp, getPath()))
        return 1;
    DeleteFileA(temp);
    // A cancel was the user's choice; a file found short has been reported by its check.
    if (!cancelled && !closeReported())
        showErrorById(IDS_OUTPUT_FAILED);
    return 0;
}

int PdfExportCommand::writeDocument()
{
    const PaperSettings* paper = drawing ? drawing->paper : nullptr;
    const int pages = drawing ? drawing->pageCount() : 0;
    return writeDocument(pages, paper ? paper->paperWidthMm() : kDefaultPaperWidth,
                         paper ? paper->paperHeightMm() : kDefaultPaperHeight);
}

int PdfExportCommand::writePageContent(int page)
{
    resetPageState();
    ElementStore* store = drawing ? drawing->elementStore() : nullptr;
    ElementEditorBase* editor = DocumentContext::pageEditorOf(drawing);
    if (!store || !store->pageTable || !editor)
        return 1;
    const int counting = isCounting();
    // Only before a page's count pass: once counted, a page is written as counted.
    if (counting)
        pageSkipped = (page > 1 && pageSkipped) || cancelRequested();
    if (pageSkipped)
        return 1;
    const int count = store->pageTable->getCount(page);
    int id = count > 0 ? store->pageTable->getFirst(page) : -1;
    setProgressRange(0, 2 * count);
    const double x = toDrawing(offsetX), y = toDrawing(offsetY);
    for (int i = 1; i <= count && id >= 1; ++i) {
        showProgress(counting ? i : count + i);
        id = editor->writePdfById(id, x, y, 0.0);
        if (failed())
            return 0;
    }
    return 1;
}

int PdfExportCommand::editFontTable(Dialog* owner)
{
    ensureFontFaces();
    FontFaceMap copy(pdfFontFaces());
    copy.copyFrom(fontFaces());
    PdfFontSetDialog dialog(copy);
    dialog.setOwnerDialog(owner);
    const int result = dialog.run();
    if (result == 1)
        fontFaces().copyFrom(copy);
    return result;
}

int PdfExportCommand::readFontFaces(SettingsFile& file)
{
    const int read = fontFaces().readSettings(file);
    // A face given a record that does not exist takes the default one.
    FontFaceMap& faces = fontFaces();
    for (int i = 0; i < faces.mapCount(); ++i)
        if (faces.positionOf(faces.entryAt(i)->logical) < 0)
            (void)faces.setMapEntry(i, faces.defaultLogical()); // i is inside the map
    return read;
}

int PdfExportCommand::writeFontFaces(SettingsFile& file) { return fontFaces().writeSettings(file); }
