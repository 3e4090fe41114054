// Writing the own tagged format: the prolog, the root, the header sections in their fixed order
// and one page data block per page with its elements in drawing order.
#include "document/Document.h"

#include "dialogs/colour/InkInfo.h"
#include "dialogs/defaults/BezierDefaults.h"
#include "dialogs/defaults/LineDefaults.h"
#include "dialogs/defaults/MeasureDefaults.h"
#include "dialogs/defaults/TextDefaults.h"
#include "document/DocumentContext.h"
#include "document/DocumentFileTags.h"
#include "document/ElementStore.h"
#include "document/FileProgress.h"
#include "document/GridSettings.h"
#include "document/PageList.h"
#include "document/PaperSettings.h"
#include "document/XmlSectionOwner.h"
#include "io/print/PrintSettings.h"
#include "platform/StringUtil.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/SelectTool.h"

using namespace document_file_tags;

namespace {

// The declaration is kept as a template whose '@' become double quotes; "encording" is spelled
// as the files have always had it.
const char kDeclarationTemplate[] = "<?xml version=@1.0@ encording=@Shift_JIS@?>";
const char kComment[] = "<!--- DTD is none --->";

int writeSection(int on, XmlSectionOwner* sectionOwner, Document& document)
{
    if (!on || !sectionOwner)
        return 1;
    return sectionOwner->writeXmlSection(document);
}

} // namespace

int Document::writeTaggedFile()
{
    char declaration[sizeof kDeclarationTemplate];
    StringUtil::copyReplacingChar(declaration, kDeclarationTemplate, '@', '"');
    writeRawLine(declaration);
    writeRawLine(kComment);
    beginTag(kRoot);
    writeHeader();
    writePages();
    endTag(kRoot);
    return ioError == 0 && !cancelled();
}

int Document::writeHeader()
{
    if (!beginTag(kHeader))
        return 0;
    DocumentContext* c = ownerContext;
    if (c) {
        writeSection(writeSwitches.paper, c->paper, *this);
        writeSection(writeSwitches.grid, c->grid, *this);
        writeSection(writeSwitches.print, c->printSettings, *this);
        writeSection(writeSwitches.setGeometry, c->lineDefaults, *this);
        writeSection(writeSwitches.setText, c->textDefaults, *this);
        writeSection(writeSwitches.setBezier, c->bezierDefaults, *this);
        writeSection(writeSwitches.setMeasure, c->measureDefaults, *this);
        writeSection(writeSwitches.inkInfo, c->inkInfo, *this);
        if (writeSwitches.dspedpage && c->pages)
            writeIntTag(kDisplayedPage, c->pages->currentPage());
    }
    writeSection(writeSwitches.setParts, partsOrigin, *this);
    return endTag(kHeader);
}

// Each page in turn becomes the I/O page; the current page of the drawing is not touched, so a
// save resets neither the undo history nor the view.
int Document::writePages()
{
    if (writeSwitches.selectionOnly)
        return writeSelectedElements();
    const int count = pageCount();
    for (int page = 1; page <= count; ++page) {
        ioPage = page;
        if (!writePageElements(page))
            return 0;
    }
    return 1;
}

int Document::writePageElements(int page)
{
    if (!beginTag(kPageData))
        return 0;
    if (writeSwitches.pageNumber)
        writeIntTag(kPage, page);
    beginTag(kEntities);
    ElementStore* store = ownerContext ? ownerContext->elementStore() : nullptr;
    ElementEditor* editor = ioEditor();
    if (store && store->pageTable && editor) {
        // The count bounds the walk, so that a damaged chain cannot loop.
        const int count = store->pageTable->getCount(page);
        int id = store->pageTable->getFirst(page);
        if (progress)
            progress->begin(0, count);
        for (int i = 0; i < count && id >= 1 && !ioError; ++i) {
            if (progress) {
                progress->step(i);
                if (progress->cancelled())
                    return 0;
            }
            id = editor->writeElementXmlById(id);
        }
    }
    endTag(kEntities);
    endTag(kPageData);
    return ioError == 0;
}

// A part file: one page of the selected elements, numbered 1 (a part is placed from its page 1).
int Document::writeSelectedElements()
{
    ioPage = 1;
    if (!beginTag(kPageData))
        return 0;
    if (writeSwitches.pageNumber)
        writeIntTag(kPage, 1);
    beginTag(kEntities);
    SelectTool* selectTool = DocumentContext::selectToolOf(ownerContext);
    ElementStore* store = ownerContext ? ownerContext->elementStore() : nullptr;
    ElementEditor* editor = ioEditor();
    if (selectTool && store && editor) {
        // No selection holds more ids than the store.
        const int limit = store->highestId();
        int id = selectTool->firstSelectedId();
        for (int i = 0; i < limit && id >= 1 && !ioError; ++i) {
            editor->writeElementXmlById(id);
            id = selectTool->nextSelectedId();
        }
    }
    endTag(kEntities);
    endTag(kPageData);
    return ioError == 0;
}
