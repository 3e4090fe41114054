// Writing the own tagged format: the prolog, the root ("tesvanCADml"), the header sections in their
// fixed order and one page data block per page with its elements in drawing order.
#include "document/Document.h"

#include "document/BezierDefaults.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "document/ElementStore.h"
#include "document/FileProgress.h"
#include "document/LineDefaults.h"
#include "document/MeasureDefaults.h"
#include "document/PageList.h"
#include "document/PrintSettings.h"
#include "document/SelectToolBase.h"
#include "document/TextDefaults.h"
#include "geometry/GridSettings.h"
#include "geometry/InkInfo.h"
#include "geometry/PaperSettings.h"
#include "geometry/TagIds.h"
#include "geometry/XmlSectionOwner.h"
#include "platform/StringUtil.h"

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
    // A part that could not be written fails the whole file, also when no write call failed.
    int ok = writeRawLine(declaration);
    ok = writeRawLine(kComment) && ok;
    ok = beginTag(tag_id::tesvanCADml) && ok;
    ok = writeHeader() && ok;
    ok = writePages() && ok;
    ok = endTag(tag_id::tesvanCADml) && ok;
    return ok && ioError == 0 && !cancelled();
}

int Document::writeHeader()
{
    if (!beginTag(tag_id::header))
        return 0;
    DocumentContext* c = ownerContext;
    int ok = 1;
    if (c) {
        ok = writeSection(writeSwitches.paper, c->paper, *this) && ok;
        ok = writeSection(writeSwitches.grid, c->grid, *this) && ok;
        ok = writeSection(writeSwitches.print, c->printSettings, *this) && ok;
        ok = writeSection(writeSwitches.setGeometry, c->lineDefaults, *this) && ok;
        ok = writeSection(writeSwitches.setText, c->textDefaults, *this) && ok;
        ok = writeSection(writeSwitches.setBezier, c->bezierDefaults, *this) && ok;
        ok = writeSection(writeSwitches.setMeasure, c->measureDefaults, *this) && ok;
        ok = writeSection(writeSwitches.inkInfo, c->inkInfo, *this) && ok;
        if (writeSwitches.dspedpage && c->pages)
            ok = writeIntTag(tag_id::dspedpage, c->pages->currentPage()) && ok;
    }
    ok = writeSection(writeSwitches.setParts, partsOrigin, *this) && ok;
    return endTag(tag_id::header) && ok;
}

int Document::canWriteElement(Element& element)
{
    Document check;
    check.setOwner(element.context);
    check.fileKind = kOwnFormat;
    check.showProgress = 0;
    check.checkOnly = 1;
    XmlContextScope writing(&check);
    return check.openIo(0) && check.beginIo() && element.writeXml() && check.ioError == 0;
}

int Document::canWriteStoredElements(DocumentContext* context)
{
    ElementStore* store = context ? context->elementStore() : nullptr;
    ElementEditorBase* editor = DocumentContext::fileEditorOf(context);
    if (!store || !store->recordBuffer || !editor)
        return 1;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    const int highest = store->highestId();
    for (int id = 1; id <= highest; ++id) {
        if (!store->isLive(id))
            continue;
        buffer.outsizeValue = 0;
        if (!editor->beginEdit(id) || !buffer.outsizeValue)
            continue;
        Element* element = editor->elementInHand();
        if (element && !canWriteElement(*element))
            return 0;
    }
    return 1;
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
    if (!beginTag(tag_id::pagedata) || (writeSwitches.pageNumber && !writeIntTag(tag_id::page, page)) ||
        !beginTag(tag_id::entities))
        return 0;
    ElementStore* store = ownerContext ? ownerContext->elementStore() : nullptr;
    ElementEditorBase* editor = ioEditor();
    const int count = store && store->pageTable ? store->pageTable->getCount(page) : 0;
    // Every element of the page is written, or the write fails and the old file stays.
    if (count > 0 && !editor)
        return 0;
    if (count > 0) {
        // The count bounds the walk, so that a damaged chain cannot loop.
        int id = store->pageTable->getFirst(page);
        if (progress)
            progress->begin(0, count);
        int written = 0;
        for (; written < count && id >= 1 && !ioError; ++written) {
            if (progress) {
                progress->step(written);
                if (progress->cancelled())
                    return 0;
            }
            id = editor->writeElementXmlById(id);
        }
        if (written < count)
            return 0;
        if (progress)
            progress->step(count); // the bar ends full
    }
    return endTag(tag_id::entities) && endTag(tag_id::pagedata) && ioError == 0;
}

// A part file: one page of the selected elements, numbered 1 (a part is placed from its page 1).
int Document::writeSelectedElements()
{
    ioPage = 1;
    if (!beginTag(tag_id::pagedata) || (writeSwitches.pageNumber && !writeIntTag(tag_id::page, 1)) ||
        !beginTag(tag_id::entities))
        return 0;
    SelectToolBase* selectTool = DocumentContext::selectToolOf(ownerContext);
    ElementStore* store = ownerContext ? ownerContext->elementStore() : nullptr;
    ElementEditorBase* editor = ioEditor();
    if (selectTool && store && editor) {
        // No selection holds more ids than the store.
        const int limit = store->highestId();
        int id = selectTool->firstSelectedId();
        for (int i = 0; i < limit && id >= 1 && !ioError; ++i) {
            // The answer is the next id of the page chain, which this walk does not follow; a
            // failed write shows in the I/O error state.
            (void)editor->writeElementXmlById(id);
            id = selectTool->nextSelectedId();
        }
    }
    return endTag(tag_id::entities) && endTag(tag_id::pagedata) && ioError == 0;
}
