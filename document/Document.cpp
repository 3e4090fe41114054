#include "document/Document.h"

#include <new>
#include <windows.h>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementIdSet.h"
#include "document/ElementKind.h"
#include "document/ElementMaskIndex.h"
#include "document/ElementStore.h"
#include "document/FileProgress.h"
#include "document/FolderMemory.h"
#include "document/OpenDrawings.h"
#include "document/PageList.h"
#include "document/TagDictionary.h"
#include "geometry/FontChangeTable.h"
#include "geometry/ViewParams.h"
#include "platform/BufferedFile.h"
#include "platform/CommonFileDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/StringUtil.h"
#include "platform/Window.h"
#include "resources/ids.h"

ForeignFileDrivers foreignFileDrivers;
Element* (*makeBaseElement)() = nullptr;

namespace {

Document* publishedDocument = nullptr;

// The element kinds that the SVG writer keeps.
const ElementKind kSvgKinds[] = {ElementKind::Line, ElementKind::Box, ElementKind::Polygon, ElementKind::ArcPolygon,
                                 ElementKind::Text};

} // namespace

Document* currentXmlContext() { return publishedDocument; }

// The document is published twice: as itself for the document's own code and the element kinds,
// and as the XML context of the values below.
XmlContextScope::XmlContextScope(Document* document)
    : previous(publishedDocument), previousContext(XmlContext::publish(document))
{
    publishedDocument = document;
}

XmlContextScope::~XmlContextScope()
{
    publishedDocument = previous;
    XmlContext::publish(previousContext);
}

Document::Document() : self(this)
{
    file = new (std::nothrow) BufferedFile(BufferedFile::largeBlockSize);
    if (!file)
        showOutOfMemory();
    FileName::setTitle("SINKI");
}

Document::~Document()
{
    closeIo();
    endIo();
    delete file;
    if (publishedDocument == this)
        publishedDocument = nullptr;
}

void Document::assign(const FileName* other) { FileName::assign(other); }

DrawingOwner* Document::drawingOwner() const { return ownerContext; }

int Document::remapGroup(int group)
{
    ElementIdSet* groups = ownerContext ? ownerContext->idSet : nullptr;
    return groups ? groups->remapGroup(group) : group;
}

int Document::setPathAndTitle(const char* path)
{
    if (!assign(path))
        return 0;
    hasFileFlag = 1;
    return 1;
}

void Document::assign(const Document* other)
{
    if (!other)
        return;
    hasFileFlag = other->hasFileFlag;
    FileName::assign(other);
}

int Document::assign(const char* path)
{
    // FileName empties a name that refuses a path; the drawing keeps its own instead.
    FileName kept;
    kept.FileName::assign(this);
    if (FileName::setPathAndTitle(path))
        return 1;
    FileName::assign(&kept);
    return 0;
}

int Document::fileKindOfPath(const char* path)
{
    FileName name;
    if (!path || !name.setPath(path))
        return kNoKind;
    if (name.hasExtension("ycx") || name.hasExtension("ydx"))
        return kOwnFormat;
    if (name.hasExtension("svg"))
        return kSvg;
    if (name.hasExtension("dxf"))
        return kDxf;
    return kNoKind;
}

void Document::refreshCaption()
{
    if (ownerContext && ownerContext->view)
        ownerContext->view->updateViewCaption();
}

void Document::markModified()
{
    if (loading)
        return;
    const int wasChanged = isModified();
    ++changeCount;
    if (PageList* pages = DocumentContext::pageListOf(ownerContext))
        pages->markLowestPage();
    if (!wasChanged)
        refreshCaption();
}

void Document::markSaved()
{
    if (loading)
        return;
    const int wasChanged = isModified();
    changeCount = 0;
    if (wasChanged)
        refreshCaption();
}

int Document::currentPage() const { return ownerContext ? ownerContext->currentPage() : 1; }

int Document::pageCount() const { return ownerContext ? ownerContext->pageCount() : 1; }

int Document::goToPage(int page) { return DocumentContext::setCurrentPageOf(ownerContext, page); }

// The fourth editor has no interactive role, so file input and output never disturb an element
// that is being created or edited.
ElementEditorBase* Document::ioEditor() const { return DocumentContext::fileEditorOf(ownerContext); }

Element* Document::makeAttributeHolder() { return makeBaseElement ? makeBaseElement() : nullptr; }

int Document::beginIo()
{
    endIo();
    holder = makeAttributeHolder();
    if (!holder) {
        showOutOfMemory();
        return 0;
    }
    holder->context = ownerContext;
    holder->createAllAttributes();
    return 1;
}

int Document::endIo()
{
    if (holder) {
        holder->releaseAllAttributes();
        delete holder;
        holder = nullptr;
    }
    return 1;
}

int Document::openIo(int total)
{
    dictionary = new (std::nothrow) TagDictionary;
    if (!dictionary) {
        showOutOfMemory();
        return 0;
    }
    attachReader(file, dictionary);
    attachWriter(file, dictionary);
    if (showProgress && makeFileProgress) {
        progress = makeFileProgress();
        if (progress)
            progress->begin(0, total);
    }
    return 1;
}

void Document::closeIo()
{
    attachReader(nullptr, nullptr);
    attachWriter(nullptr, nullptr);
    delete dictionary;
    dictionary = nullptr;
    delete progress;
    progress = nullptr;
}

int Document::cancelled() const { return progress && progress->cancelled(); }

void Document::stepProgress(int position)
{
    if (progress)
        progress->step(position);
}

void Document::reserveForFile(unsigned long bytes)
{
    // A record takes about as many bytes as its element's text in the file, seldom more, and an
    // element's text is hardly ever under 256 bytes. Room taken and never used is address space
    // only: no page of it is touched.
    const int elements = static_cast<int>(bytes / 256);
    ElementStore* store = ownerContext ? ownerContext->elementStore() : nullptr;
    if (store)
        (void)store->reserveForElements(static_cast<long long>(bytes), elements);
    if (store && ownerContext->maskIndex)
        (void)ownerContext->maskIndex->reserveIds(store->highestId() + elements);
}

int Document::read()
{
    fileKind = fileKindOfPath(getPath());
    ioError = 0;
    if (fileKind == kNoKind || !file || !file->openForRead(*this))
        return 0;
    dataErrorCount = 0;
    displayedPage = 1;
    ioPage = 1;
    int result = 0;
    // Texts and dimensions measure themselves on the view's window as they are stored: the
    // window's device context is fetched once for the whole read, not once per element.
    Window* window = ownerContext && ownerContext->view ? ownerContext->view->window() : nullptr;
    if (window)
        window->dc.acquire();
    if (openIo(static_cast<int>(file->size())) && beginIo()) {
        ElementIdSet* groups = ownerContext ? ownerContext->idSet : nullptr;
        if (groups)
            groups->startGroupMap();
        if (fileKind == kOwnFormat) {
            reserveForFile(file->size());
            result = readTaggedFile();
        }
        else if (fileKind == kSvg)
            result = foreignFileDrivers.readSvg ? foreignFileDrivers.readSvg(*this) : 0;
        else
            result = foreignFileDrivers.readDxf ? foreignFileDrivers.readDxf(*this) : 0;
        if (groups)
            groups->dropGroupMap();
        if (cancelled())
            result = 0;
        else if (result)
            stepProgress(static_cast<int>(file->size())); // the bar ends full
    }
    endIo();
    closeIo();
    if (window)
        window->dc.release();
    (void)file->close(); // opened for reading only: nothing is lost
    return result;
}

int Document::write()
{
    fileKind = fileKindOfPath(getPath());
    ioError = 0;
    level = 0;
    column = 0;
    // A drawing opened from a DXF file (or a file of another kind) is never written over it.
    if (fileKind == kNoKind || fileKind == kDxf || !file)
        return 0;
    if (fileKind == kSvg && !foreignFileDrivers.writeSvg) {
        showErrorById(IDS_WRITE_ERROR);
        return 0;
    }

    // A file the user made read-only (or a folder of that name) is not replaced, whatever the
    // file system would allow.
    if (isProtectedTarget(getPath())) {
        showErrorById(IDS_WRITE_ERROR);
        return 0;
    }

    char folder[FileName::pathCapacity];
    if (getFolderPart(getPath(), folder) == 0)
        StringUtil::copy(folder, ".");
    char tempPath[MAX_PATH];
    FileName temp;
    if (!GetTempFileNameA(folder, "ycx", 0, tempPath)) {
        showErrorById(IDS_WRITE_ERROR);
        return 0;
    }
    if (!temp.setPath(tempPath) || !file->openReadWrite(temp)) {
        DeleteFileA(tempPath);
        showErrorById(IDS_WRITE_ERROR);
        return 0;
    }
    file->setBufferedWrite(1);

    int written = 0;
    if (openIo(0) && beginIo())
        written = fileKind == kOwnFormat ? writeTaggedFile() : foreignFileDrivers.writeSvg(*this);
    endIo();
    const int stopped = cancelled();
    closeIo();

    int closed = written && !stopped && file->flush() && file->verifyWritten();
    // A part that could not be written without a failed write call has reported nothing yet.
    if (!written && !stopped && ioError == 0)
        showErrorById(IDS_WRITE_ERROR);
    // A file that cannot be closed may not hold all that was written: it replaces nothing.
    if (!file->close() && closed) {
        showErrorById(IDS_WRITE_ERROR);
        closed = 0;
    }
    file->setBufferedWrite(0);
    if (closed && !MoveFileExA(tempPath, getPath(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) {
        showErrorById(IDS_WRITE_ERROR);
        closed = 0;
    }
    if (!closed)
        DeleteFileA(tempPath);
    return closed;
}

int Document::onOpen()
{
    loading = 1;
    hasFileFlag = 1;
    int result;
    {
        XmlContextScope publish(this);
        result = read();
    }
    // The page shown is one that was read, whatever the file says.
    const int pages = ownerContext ? ownerContext->pageCount() : 1;
    // Without a page list the drawing shows its one page anyway.
    (void)goToPage(displayedPage <= pages ? displayedPage : pages);
    if (ownerContext && ownerContext->view) {
        ownerContext->repaintView();
        (void)ownerContext->refreshViewFirst(); // 0 without a redraw manager: nothing to paint
    }
    loading = 0;
    if (!result) {
        // What was read stays, but the drawing no longer claims the file: saving it goes through
        // Save As, whose overwrite question protects the original.
        showErrorById(IDS_READ_ERROR);
        FileName::clear();
        FileName::setTitle("SINKI");
        hasFileFlag = 0;
        refreshCaption();
    }
    // Faces of the file that are not installed have rows now: the user may choose their faces.
    if (theFontChangeTable)
        theFontChangeTable->showIfChanged();
    opened = 1;
    return result;
}

int Document::svgWouldDropContent() const
{
    if (pageCount() > 1)
        return 1;
    ElementStore* store = ownerContext ? ownerContext->elementStore() : nullptr;
    if (!store || !store->cellTable)
        return 0;
    const int page = currentPage();
    long long kept = 0;
    for (ElementKind kind : kSvgKinds)
        kept += store->cellTable->getCount(page, kindCode(kind));
    return kept < store->liveCount();
}

int Document::writeAndMarkSaved()
{
    if (fileKindOfPath(getPath()) == kSvg && svgWouldDropContent() &&
        askOkCancel("SVGには現在のページの直線・四角形・多角形・文字だけが保存されます。") != 1)
        return 0;
    int result;
    {
        XmlContextScope publish(this);
        result = write();
    }
    if (result)
        markSaved();
    return result;
}

int Document::save()
{
    // Save writes over drawings only. A drawing read from a file of another kind (SVG, DXF, or
    // none known) is never written over it: the writer would not give back what was read.
    if (!hasFileFlag || fileKindOfPath(getPath()) != kOwnFormat)
        return onSave();
    return writeAndMarkSaved();
}

void Document::addFileFilters(CommonFileDialog& dialog) { addDrawingFilters(dialog); }

void Document::addDrawingFilters(CommonFileDialog& dialog)
{
    dialog.clearFilters();
    // A list that cannot grow has told the user; the dialog then runs with the filters it took.
    (void)dialog.addFilter("Tesvan CAD(*.ycx)", "*.ycx");
    (void)dialog.addFilter("すべて(*.*)", "*.*");
}

void Document::addSaveFileFilters(CommonFileDialog& dialog) { addFileFilters(dialog); }

int Document::openWithDialog()
{
    CommonFileDialog dialog;
    addFileFilters(dialog);
    FileName chosen;
    if (theFolderMemory)
        theFolderMemory->beforeDialog(chosen);
    if (!dialog.askOpenFile(chosen))
        return 0;
    if (theFolderMemory)
        theFolderMemory->afterDialog(chosen);
    return assign(chosen.getPath());
}

int Document::saveAsDialog(FileName& chosen)
{
    chosen.clear();
    // A name that cannot be offered leaves the dialog to start without one.
    if (hasFileFlag && fileKindOfPath(getPath()) == kOwnFormat) {
        (void)chosen.setPath(getPath());
    } else if (hasFileFlag && getPath()[0] != 0) {
        // A drawing read from a file of another kind is offered under its name as a drawing.
        char name[FileName::pathCapacity];
        StringUtil::copy(name, getPath());
        const int start = fileNameStart(name);
        char* dot = StringUtil::findLastChar(name + start, '.');
        if (dot)
            *dot = 0;
        if (StringUtil::length(name) + 4 < FileName::pathCapacity)
            StringUtil::append(name, ".ycx");
        (void)chosen.setPath(name);
    }
    if (theFolderMemory)
        theFolderMemory->beforeDialog(chosen);
    CommonFileDialog dialog;
    addSaveFileFilters(dialog);
    dialog.addExtension = 1;
    if (!dialog.askSaveFile(chosen))
        return 0;
    if (theFolderMemory)
        theFolderMemory->afterDialog(chosen);
    return 1;
}

int Document::onSave()
{
    FileName chosen;
    if (!saveAsDialog(chosen))
        return 0;
    const int kind = fileKindOfPath(chosen.getPath());
    if (kind != kOwnFormat && kind != kSvg) {
        // No drawing is written under a name that would not be read back as one.
        showErrorById(IDS_WRITE_ERROR);
        return 0;
    }
    if (ownerContext && ownerContext->openDrawings &&
        ownerContext->openDrawings->holdsFileElsewhere(ownerContext, chosen.getPath())) {
        // Not even asked: the drawing that holds the file would save over this one later.
        showErrorBox("ファイルが別のウィンドウで開かれています", "重ね書きできません");
        return 0;
    }
    if (!chosen.getFlag() && GetFileAttributesA(chosen.getPath()) != INVALID_FILE_ATTRIBUTES &&
        askOkCancel("ファイルが存在します", "重ね書きしますか？") != 1)
        return 0;

    // The drawing takes the new name for the write; it keeps the old one unless the write
    // succeeded, so that a failed Save As neither renames nor marks it saved.
    FileName oldName;
    oldName.FileName::assign(this);
    const int oldHasFile = hasFileFlag;
    if (!setPathAndTitle(chosen.getPath()) || !writeAndMarkSaved()) {
        FileName::assign(&oldName);
        hasFileFlag = oldHasFile;
        return 0;
    }
    refreshCaption();
    return 1;
}
