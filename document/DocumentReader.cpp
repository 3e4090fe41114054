// Reading the own tagged format: the root, the header sections routed to their owners, the page
// data and the elements with their attribute tags.
//
// The reader is tolerant: text before the root is ignored, unknown tags are passed over, unknown
// ids inside a section skip their line, closing tags that nothing waits for are ignored, and what
// was read before the file ended stays in the drawing.
#include "document/Document.h"

#include "dialogs/colour/InkInfo.h"
#include "dialogs/defaults/BezierDefaults.h"
#include "dialogs/defaults/LineDefaults.h"
#include "dialogs/defaults/MeasureDefaults.h"
#include "dialogs/defaults/TextDefaults.h"
#include "document/DocumentContext.h"
#include "document/DocumentFileTags.h"
#include "geometry/EntityAttribute.h"
#include "document/FileProgress.h"
#include "document/GridSettings.h"
#include "document/PaperSettings.h"
#include "document/XmlSectionOwner.h"
#include "elements/Element.h"
#include "io/print/PrintSettings.h"
#include "platform/BufferedFile.h"
#include "views/tools/ElementEditor.h"

using namespace document_file_tags;

namespace {

// The attribute tags of an element that go to an object of the attribute holder; every other
// tag inside an element skips its line.
bool isRoutedAttributeTag(int id)
{
    switch (id) {
    case 1401: // layer
    case 1403: // group
    case 1410: // rgbColor
    case 1412: // cmykPercent
    case 1420: // edge
    case 1421: // paint
    case 1423: // drawType
    case 1450: // startPoint
    case 1451: // endPoint
    case 1452: // midPoint
    case 1453: // centerPoint
    case 1454: // dispPoint
    case 1460: // listXY
    case 1470: // lineType
    case 1481: // pattern
    case 1491: // lineSize
    case 1492: // lineOrigin
    case 1493: // lineCap
    case 1510: // gray
    case 1531: // openClose
    case 1533: // ovalType
    case 1541: case 1542: case 1543: case 1544: // radius list
    case 1545: // sttAngle
    case 1546: // endAngle
    case 1551: case 1552: case 1553: case 1554: // diameter list
    case 1560: // boxRules
    case 1561: // boxRound
    case 1565: // roundAray
    case 1570: // margin
    case 1601: // numeral
    case 1611: // underLine
    case 1621: // drawLine
    case 1631: // arrowLine
    case 1635: // lean
    case 1701: // font
    case 1705: // textData
    case 1711: // jikan
    case 1712: // gyokan
    case 1801: // bitmapParam
    case 1805: // bitmapData
    case 1811: // imageType
    case 1812: // fileName
    case 1820: // mask
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

} // namespace

XmlSectionOwner* Document::headerOwner(int tagId, int& readOn) const
{
    const DocumentContext* c = ownerContext;
    readOn = 0;
    switch (tagId) {
    case 1110: // paperSize
    case 1120: // drawScale
    case 1130: // tonbo
    case 1140: // yohaku
    case 1151: // zahyoType
        readOn = readSwitches.paper;
        return c ? c->paper : nullptr;
    case 1160:
        readOn = readSwitches.grid;
        return c ? c->grid : nullptr;
    case 2100:
        readOn = readSwitches.print;
        return c ? c->printSettings : nullptr;
    case 1201:
        readOn = readSwitches.setGeometry;
        return c ? c->lineDefaults : nullptr;
    case 1202:
        readOn = readSwitches.setText;
        return c ? c->textDefaults : nullptr;
    case 1203:
        readOn = readSwitches.setBezier;
        return c ? c->bezierDefaults : nullptr;
    case 1204:
        readOn = readSwitches.setMeasure;
        return c ? c->measureDefaults : nullptr;
    case 1170:
        readOn = readSwitches.inkInfo;
        return c ? c->inkInfo : nullptr;
    case 1370:
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
    } while (id != kRoot || isClosingTag());

    for (;;) {
        if (progress) {
            stepProgress(static_cast<int>(file->readPosition()));
            if (cancelled())
                return 0;
        }
        if (!nextTag(id))
            return 0; // the file ended before the closing root tag
        if (id == kRoot)
            return 1;
        // A closing tag here, or a section written in empty form, opens nothing.
        if (isClosingTag() || isEmptyForm())
            continue;
        int ok = 1;
        if (id == kHeader)
            ok = readHeader();
        else if (id == kPageData)
            ok = readPageData();
        else if (id == kEntities)
            ok = readEntities(); // entities outside any page data go to the current page
        if (!ok)
            return 0;
    }
}

int Document::readHeader()
{
    return readSection(*this, kHeader, [this](int id) {
        int readOn = 0;
        XmlSectionOwner* sectionOwner = headerOwner(id, readOn);
        if (readOn >= 0) {
            // Without its switch or its owner the section tag is accepted and nothing is read;
            // its inner tags then skip their lines.
            if (readOn && sectionOwner && !isEmptyForm())
                sectionOwner->readXmlSection(*this, id);
        } else if (id == kDisplayedPage && readSwitches.dspedpage) {
            displayedPage = readDisplayedPage();
        } else {
            skipLine();
        }
        return kChildRead;
    });
}

int Document::readDisplayedPage()
{
    int page = 1;
    if (!readInt(page) || !expectTag(kDisplayedPage))
        return 1;
    if (page < 1 || page > kMaxFilePage) {
        reportDataError(kDisplayedPage);
        return 1;
    }
    return page;
}

int Document::readPageData()
{
    return readSection(*this, kPageData, [this](int id) {
        if (id == kPage) {
            int page = 0;
            readListInt(page);
            expectTag(kPage);
            if (page < 1)
                return kChildFailed;
            if (page > kMaxFilePage) {
                // Pages are made on first use: a huge number would be a huge allocation.
                reportDataError(kPage);
                return skipUntilTag(kPageData) ? kSectionEnded : kChildFailed;
            }
            if (readSwitches.pages)
                goToPage(page);
            ioPage = page;
        } else if (id == kEntities) {
            if (!isEmptyForm() && !readEntities())
                return kChildFailed;
        } else {
            skipLine();
        }
        return kChildRead;
    });
}

int Document::readEntities()
{
    return readSection(*this, kEntities, [this](int id) {
        // Only element kinds are entities; another known tag here skips its line.
        if (id >= 1 && id <= 19)
            return readElement(id) ? kChildRead : kChildFailed;
        skipLine();
        return kChildRead;
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
    ElementEditor* editor = ioEditor();
    if (!editor || !editor->newElement(kind))
        return 0;
    editor->readElementXmlAttributes();
    return editor->addToPage() ? 1 : 0;
}

int Document::readEntityTag(int id)
{
    if (!isRoutedAttributeTag(id)) {
        skipLine();
        return 1;
    }
    EntityAttribute* attribute = holder ? holder->entityAttribute(id) : nullptr;
    if (!attribute)
        return 0;
    attribute->readEntityXml(*this, id);
    return 1;
}
