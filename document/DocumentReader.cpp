// Reading the own tagged format: the root ("tesvanCADml"), the header sections routed to their
// owners, the page data and the elements with their attribute tags.
//
// The reader is tolerant: text before the root is ignored, unknown tags are passed over, unknown
// ids inside a section skip their line, closing tags that nothing waits for are ignored, and what
// was read before the file ended stays in the drawing.
#include "document/Document.h"

#include "document/BezierDefaults.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "document/ElementKind.h"
#include "document/FileProgress.h"
#include "document/LineDefaults.h"
#include "document/MeasureDefaults.h"
#include "document/PrintSettings.h"
#include "document/TextDefaults.h"
#include "geometry/EntityAttribute.h"
#include "geometry/GridSettings.h"
#include "geometry/InkInfo.h"
#include "geometry/PaperSettings.h"
#include "geometry/TagIds.h"
#include "geometry/XmlSectionOwner.h"
#include "platform/BufferedFile.h"

namespace {

// The attribute tags of an element that go to an object of the attribute holder; every other
// tag inside an element skips its line.
bool isRoutedAttributeTag(int id)
{
    switch (id) {
    case tag_id::layer:
    case tag_id::group:
    case tag_id::unique:
    case tag_id::rgbColor:
    case tag_id::cmykPercent:
    case tag_id::edge:
    case tag_id::paint:
    case tag_id::drawType:
    case tag_id::startPoint:
    case tag_id::endPoint:
    case tag_id::midPoint:
    case tag_id::centerPoint:
    case tag_id::dispPoint:
    case tag_id::listXY:
    case tag_id::lineType:
    case tag_id::pattern:
    case tag_id::lineSize:
    case tag_id::lineOrigin:
    case tag_id::lineCap:
    case tag_id::gray:
    case tag_id::openClose:
    case tag_id::ovalType:
    case tag_id::radius:
    case tag_id::radiusAray:
    case tag_id::radNum:
    case tag_id::radNumAray:
    case tag_id::sttAngle:
    case tag_id::endAngle:
    case tag_id::diameter:
    case tag_id::diameterAray:
    case tag_id::diaNum:
    case tag_id::diaNumAray:
    case tag_id::boxRules:
    case tag_id::boxRound:
    case tag_id::roundAray:
    case tag_id::margin:
    case tag_id::numeral:
    case tag_id::underLine:
    case tag_id::drawLine:
    case tag_id::arrowLine:
    case tag_id::lean:
    case tag_id::font:
    case tag_id::textData:
    case tag_id::jikan:
    case tag_id::gyokan:
    case tag_id::bitmapParam:
    case tag_id::bitmapData:
    case tag_id::imageType:
    case tag_id::fileName:
    case tag_id::mask:
        return true;
    default:
        return false;
    }
}

// What a section's child reader answers.
enum ChildResult { kChildFailed = 0, kChildRead = 1, kSectionEnded = 2 };

// Reads the tags of a section up to its closing tag (any tag with the section's id ends it).
// Closing tags of other blocks are passed over; every other tag goes to `child` (an int (int id)
// callable): kChildRead goes on, kSectionEnded ends the section with 1 (the child read up to its
// end itself), kChildFailed ends the read with 0. 0 when the file ends first.
template <typename Child> int readSection(Document& d, int endTag, Child child)
{
    int id = 0;
    for (;;) {
        if (!d.nextTag(id))
            return 0;
        if (id == endTag)
            return 1;
        if (d.isClosingTag())
            continue;
        const int result = child(id);
        if (result != kChildRead)
            return result == kSectionEnded ? 1 : 0;
    }
}

// Runs a read of a section or an attribute (an int () callable). A value that the reader refused
// is a data error: it was reported and is not kept, and the file's read goes on after it, as
// after any value. Any other failure (the file ended, a closing tag was missing, so that the
// reader may have taken the next tag for it) fails the read: what was taken cannot be trusted,
// and a drawing without it must not keep the file's name.
template <typename Read> int readOrDataError(Document& d, Read read)
{
    const int errorsBefore = d.dataErrorCount;
    return read() || d.dataErrorCount > errorsBefore;
}

} // namespace

XmlSectionOwner* Document::headerOwner(int tagId, int& readOn) const
{
    const DocumentContext* c = ownerContext;
    readOn = 0;
    switch (tagId) {
    case tag_id::paperSize:
    case tag_id::drawScale:
    case tag_id::tonbo:
    case tag_id::yohaku:
    case tag_id::zahyoType:
        readOn = readSwitches.paper;
        return c ? c->paper : nullptr;
    case tag_id::grid:
        readOn = readSwitches.grid;
        return c ? c->grid : nullptr;
    case tag_id::print:
        readOn = readSwitches.print;
        return c ? c->printSettings : nullptr;
    case tag_id::setGeometry:
        readOn = readSwitches.setGeometry;
        return c ? c->lineDefaults : nullptr;
    case tag_id::setText:
        readOn = readSwitches.setText;
        return c ? c->textDefaults : nullptr;
    case tag_id::setBezier:
        readOn = readSwitches.setBezier;
        return c ? c->bezierDefaults : nullptr;
    case tag_id::setMeasure:
        readOn = readSwitches.setMeasure;
        return c ? c->measureDefaults : nullptr;
    case tag_id::inkInfo:
        readOn = readSwitches.inkInfo;
        return c ? c->inkInfo : nullptr;
    case tag_id::setParts:
        readOn = readSwitches.setParts;
        return partsOrigin;
    default:
        readOn = -1; // not a section tag
        return nullptr;
    }
}

int Document::skipUntilTag(int id)
{
    int found = 0;
    while (nextTag(found)) {
        if (found == id)
            return 1;
    }
    return 0;
}

int Document::readTaggedFile()
{
    int id = 0;
    do {
        if (!nextTag(id))
            return 0; // no root
    } while (id != tag_id::tesvanCADml || isClosingTag());

    for (;;) {
        if (progress) {
            stepProgress(static_cast<int>(file->readPosition()));
            if (cancelled())
                return 0;
        }
        if (!nextTag(id))
            return 0; // the file ended before the closing root tag
        if (id == tag_id::tesvanCADml)
            return 1;
        // A closing tag here, or a section written in empty form, opens nothing.
        if (isClosingTag() || isEmptyForm())
            continue;
        int ok = 1;
        if (id == tag_id::header)
            ok = readHeader();
        else if (id == tag_id::pagedata)
            ok = readPageData();
        else if (id == tag_id::entities)
            ok = readEntities(); // entities outside any page data go to the current page
        if (!ok)
            return 0;
    }
}

int Document::readHeader()
{
    return readSection(*this, tag_id::header, [this](int id) {
        int readOn = 0;
        XmlSectionOwner* sectionOwner = headerOwner(id, readOn);
        if (readOn >= 0) {
            // Without its switch or its owner the section tag is accepted and nothing is read;
            // its inner tags then skip their lines.
            if (readOn && sectionOwner && !isEmptyForm() &&
                !readOrDataError(*this, [&] { return sectionOwner->readXmlSection(*this, id); }))
                return kChildFailed;
        } else if (id == tag_id::dspedpage && readSwitches.dspedpage) {
            displayedPage = readDisplayedPage();
        } else if (!skipLine()) {
            return kChildFailed;
        }
        return kChildRead;
    });
}

int Document::readDisplayedPage()
{
    int page = 1;
    if (!readInt(page) || !expectTag(tag_id::dspedpage))
        return 1;
    if (page < 1 || page > kMaxFilePage) {
        reportDataError(tag_id::dspedpage);
        return 1;
    }
    return page;
}

int Document::readPageData()
{
    return readSection(*this, tag_id::pagedata, [this](int id) {
        if (id == tag_id::page) {
            int page = 0;
            if (!readListInt(page) || !expectTag(tag_id::page) || page < 1)
                return kChildFailed;
            if (page > kMaxFilePage) {
                // Pages are made on first use: a huge number would be a huge allocation.
                reportDataError(tag_id::page);
                return skipUntilTag(tag_id::pagedata) ? kSectionEnded : kChildFailed;
            }
            // A page that cannot be made current (no page list: the drawing has page 1 only) would
            // give its elements to another page.
            if (readSwitches.pages && !goToPage(page) && page != currentPage())
                return kChildFailed;
            ioPage = page;
        } else if (id == tag_id::entities) {
            if (!isEmptyForm() && !readEntities())
                return kChildFailed;
        } else if (!skipLine()) {
            return kChildFailed;
        }
        return kChildRead;
    });
}

int Document::readEntities()
{
    return readSection(*this, tag_id::entities, [this](int id) {
        // Only element kinds are entities; another known tag here skips its line.
        if (isElementKind(id))
            return readElement(id) ? kChildRead : kChildFailed;
        return skipLine() ? kChildRead : kChildFailed;
    });
}

int Document::readElement(int kind)
{
    const int emptyForm = isEmptyForm();
    if (!readSwitches.pages && ioPage > 1)
        return emptyForm || skipUntilTag(kind);
    if (progress) {
        stepProgress(static_cast<int>(file->readPosition()));
        if (cancelled())
            return 0;
    }
    if (!holder)
        return 0;
    holder->kind = kind;
    holder->resetReadAttributes();
    // A closing tag inside is that of an attribute block that its owner left.
    auto attributeTag = [this](int id) { return readEntityTag(id) ? kChildRead : kChildFailed; };
    if (!emptyForm && !readSection(*this, kind, attributeTag))
        return 0;
    // An element that cannot be made or stored fails the read: a drawing missing it must not keep
    // the file's name, or the next save would write over the original without it.
    ElementEditorBase* editor = ioEditor();
    if (!editor || !editor->newElement(kind) || !editor->readElementXmlAttributes())
        return 0;
    return editor->addToPage() ? 1 : 0;
}

int Document::readEntityTag(int id)
{
    if (!isRoutedAttributeTag(id))
        return skipLine();
    EntityAttribute* attribute = holder ? holder->entityAttribute(id) : nullptr;
    if (!attribute)
        return 0;
    return readOrDataError(*this, [&] { return attribute->readEntityXml(*this, id); });
}
