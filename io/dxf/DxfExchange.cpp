#include "io/dxf/DxfExchange.h"

#include <new>
#include <windows.h>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementIdSet.h"
#include "document/FileProgress.h"
#include "document/FolderMemory.h"
#include "document/UndoManager.h"
#include "io/ForeignElementHolder.h"
#include "io/PageElementWalk.h"
#include "io/dxf/DxfEntityConverter.h"
#include "io/dxf/DxfKeywords.h"
#include "io/dxf/DxfTextFile.h"
#include "platform/BufferedFile.h"
#include "platform/CommonFileDialog.h"
#include "platform/FileName.h"
#include "platform/MessageBoxes.h"
#include "platform/StringUtil.h"
#include "resources/ids.h"
#include "views/tools/ElementEditor.h"

namespace {

// Block ids rise by two, as the drawing's group numbers do.
const int kBlockIdStep = 2;

const char kTooManyElements[] = "要素が多すぎるため、読み込みを中止しました。";

// The document a DXF command reads or writes through: its file dialogs list DXF files first.
class DxfDocument : public Document {
public:
    DxfDocument(DocumentContext& context, int progress)
    {
        setOwner(&context);
        showProgress = progress;
    }
    void addFileFilters(CommonFileDialog& dialog) override
    {
        dialog.clearFilters();
        // A list that cannot grow has told the user; the dialog then runs with the filters it took.
        (void)dialog.addFilter("DXF(*.dxf)", "*.dxf");
        (void)dialog.addFilter("すべて(*.*)", "*.*");
    }
};

// The progress window a read or write shows: the document's own, else one made here (owned).
class ShownProgress {
public:
    ShownProgress(Document& document, int wanted)
        : shown(document.progress), owned(nullptr)
    {
        if (!shown && wanted && document.showProgress && makeFileProgress)
            shown = owned = makeFileProgress();
    }
    ~ShownProgress() { delete owned; }
    ShownProgress(const ShownProgress&) = delete;
    ShownProgress& operator=(const ShownProgress&) = delete;
    FileProgress* get() const { return shown; }

private:
    FileProgress* shown;
    FileProgress* owned;
};

} // namespace

DxfCommand* makeDxfCommand(DocumentContext& context)
{
    auto* command = new (std::nothrow) DxfExchange(context);
    if (!command)
        showOutOfMemory();
    return command;
}

int readDxfDocument(Document& document)
{
    if (!document.owner())
        return 0;
    DxfExchange command(*document.owner());
    return command.readAll(document);
}

DxfExchange::DxfExchange(DocumentContext& context) : context(context) {}

int DxfExchange::importDxf()
{
    DxfDocument document(context, showProgress);
    if (!document.openWithDialog())
        return 0;
    int result = 0;
    {
        XmlContextScope publish(&document);
        if (document.beginIo()) {
            ElementIdSet* groups = context.idSet;
            if (groups)
                groups->startGroupMap();
            result = readAll(document);
            if (groups)
                groups->dropGroupMap();
        }
        (void)document.endIo(); // always 1
    }
    (void)document.ioFile()->close(); // read only: nothing is lost
    // The import wrote no undo records, and ids it reused may be named by older ones.
    if (context.undoManager)
        context.undoManager->resetPositions();
    // A drawing opened from such a file is told so by its document.
    if (noDxf)
        showErrorById(IDS_READ_ERROR);
    return result;
}

int DxfExchange::readAll(Document& document)
{
    noDxf = 0;
    ElementIdSet* groups = context.idSet;
    DxfTextFile file;
    file.setFileName(&document);
    file.setFile(document.ioFile());
    file.setBlockIdStart(groups ? groups->lastGroup : 0);
    file.setBlockIdStep(kBlockIdStep);
    if (!file.openForRead())
        return 0;
    ShownProgress shown(document, showProgress);
    ProgressSteps steps(shown.get(), file.size());
    DxfEntityConverter converter(document, file);
    int cancelled = 0;
    while (converter.convertEntity()) {
        if (!steps.step(static_cast<int>(file.file()->readPosition()))) {
            cancelled = 1;
            break;
        }
    }
    (void)file.close(); // read only: nothing is lost
    if (converter.tooManyElements()) {
        // Nothing of the file stays, and its blocks have taken no group ids.
        converter.removeMade();
        showErrorText(kTooManyElements);
        return 0;
    }
    // Later groups must not take the ids given to blocks.
    if (groups && file.lastBlockId() > groups->lastGroup)
        groups->lastGroup = file.lastBlockId();
    noDxf = !file.foundSections();
    if (noDxf)
        return 0;
    tellSkippedEntities(converter.entitiesSkipped());
    return !converter.failed() && !cancelled;
}

int DxfExchange::exportDxf()
{
    DxfDocument document(context, showProgress);
    CommonFileDialog dialog;
    document.addFileFilters(dialog);
    // "DXF(*.dxf)" always gives a name ending in ".dxf"; "すべて(*.*)" keeps the name as typed.
    dialog.addExtension = 1;
    dialog.replaceExtension = 1;
    FileName chosen;
    if (theFolderMemory)
        theFolderMemory->beforeDialog(chosen);
    if (!dialog.askSaveFile(chosen))
        return 0;
    if (theFolderMemory)
        theFolderMemory->afterDialog(chosen);
    int result = 0;
    {
        XmlContextScope publish(&document);
        if (document.beginIo())
            result = writeFile(document, chosen.getPath());
        (void)document.endIo(); // always 1
    }
    return result;
}

int DxfExchange::writeFile(Document& document, const char* path)
{
    char folder[FileName::pathCapacity];
    if (getFolderPart(path, folder) == 0)
        StringUtil::copy(folder, ".");
    char tempPath[MAX_PATH];
    FileName temp;
    if (!GetTempFileNameA(folder, "dxf", 0, tempPath) || !temp.setPath(tempPath)) {
        showErrorById(IDS_WRITE_ERROR);
        return 0;
    }
    DxfTextFile file;
    file.setFileName(&temp);
    ElementEditorBase* editor = document.ioEditor();
    int written = editor && file.openForWrite();
    int cancelled = 0;
    int toldByFile = 0; // failed writes, the flush and the size check tell the user themselves
    if (written) {
        written = file.writeHeader() && file.writeEmptySection(dxf_keyword::kClasses) &&
                  file.writeEmptySection(dxf_keyword::kTables) && file.writeEmptySection(dxf_keyword::kBlocks) &&
                  file.beginSection(dxf_keyword::kEntities);
        if (written) {
            ShownProgress shown(document, showProgress);
            written = walkCurrentPage(context, *editor, shown.get(),
                                      [&file](Element& element) { return element.writeDxf(&file); });
            cancelled = shown.get() && shown.get()->cancelled();
        }
        written = written && file.endSection() && file.writeEmptySection(dxf_keyword::kObjects) && file.endFile();
        if (written && (!file.file()->flush() || !file.file()->verifyWritten())) {
            written = 0;
            toldByFile = 1;
        }
        // A file that cannot be closed may not hold all that was written.
        written = file.close() && written;
        toldByFile = toldByFile || file.hasFailedWrite();
    }
    // A read-only file is left as it was, and the export reported as failed.
    if (written && replaceWithFinished(tempPath, path))
        return 1;
    DeleteFileA(tempPath);
    if (!cancelled && !toldByFile)
        showErrorById(IDS_WRITE_ERROR);
    return 0;
}
