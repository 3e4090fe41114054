#include "document/PartFile.h"

#include <windows.h>

#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "document/OpenDrawings.h"
#include "document/PartsLibrary.h"
#include "platform/MessageBoxes.h"
#include "resources/ids.h"

PartFile::PartFile(PartsLibrary& owner) : library(owner) { document.partsOrigin = &library; }

int PartFile::write(DocumentContext& drawing, FileName& chosen)
{
    document.setOwner(&drawing);
    if (!document.saveAsDialog(chosen))
        return 0;
    // No open drawing's file becomes a part, not even the file of the drawing registering it:
    // that drawing still claims the file, and its next save would replace the part in turn.
    if (drawing.openDrawings && drawing.openDrawings->holdsFileElsewhere(nullptr, chosen.getPath())) {
        showErrorBox("ファイルが別のウィンドウで開かれています", "重ね書きできません");
        return 0;
    }
    if (!chosen.getFlag() && GetFileAttributesA(chosen.getPath()) != INVALID_FILE_ATTRIBUTES &&
        askOkCancel("ファイルが存在します", "重ね書きしますか？") != 1)
        return 0;
    return writeTo(drawing, chosen.getPath());
}

int PartFile::writeTo(DocumentContext& drawing, const char* path)
{
    // A part is placed from a drawing file only: a name of another kind would write SVG or
    // nothing.
    if (Document::fileKindOfPath(path) != Document::kOwnFormat) {
        showErrorById(IDS_WRITE_ERROR);
        return 0;
    }
    document.setOwner(&drawing);
    if (!document.setPathAndTitle(path))
        return 0;
    TagWriterSwitches& on = document.writeSwitches;
    on = TagWriterSwitches();
    on.grid = on.print = on.setGeometry = on.setText = on.setBezier = on.setMeasure = on.inkInfo = 0;
    on.setParts = 1;
    on.selectionOnly = 1;
    int written;
    {
        XmlContextScope publish(&document);
        written = document.write();
    }
    document.setOwner(nullptr);
    return written;
}

int PartFile::read(const char* path, DocumentContext& context, int withOrigin)
{
    const int page = context.currentPage();
    document.setOwner(&context);
    if (!document.assign(path)) {
        document.setOwner(nullptr);
        return 0;
    }
    TagReaderSwitches& on = document.readSwitches;
    on = TagReaderSwitches();
    on.paper = on.grid = on.print = on.setGeometry = on.setText = on.setBezier = on.setMeasure = on.inkInfo = 0;
    on.setParts = 1;
    document.showProgress = 0;
    library.readingOrigin = withOrigin;
    int result;
    {
        XmlContextScope publish(&document);
        OverrideStoreScope store(context.ownStore);
        // Without a page list the context has its page 1 only.
        (void)DocumentContext::setCurrentPageOf(&context, 1);
        result = document.read();
    }
    (void)DocumentContext::setCurrentPageOf(&context, page); // the page it was on exists
    library.readingOrigin = 0;
    document.setOwner(nullptr);
    return result;
}
