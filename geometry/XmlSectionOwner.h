#pragma once
// An owner of the drawing file's header sections as this folder and those above see it; the
// document folder implements it.

class Document;

// An owner of sections of the drawing file's header: the paper settings (paperSize, drawScale,
// tonbo, yohaku, zahyoType), the grid, the print record, the four default records, the ink
// choice and, in part files, the parts origin. The document writes the header by asking each
// owner in turn and routes each section tag it reads to the owner of that tag.
class XmlSectionOwner {
public:
    virtual ~XmlSectionOwner() = default;

    // Writes the owner's section(s) through the document's tag writer at its current level; 0
    // when a write failed. Writes nothing by default.
    [[nodiscard]] virtual int writeXmlSection(Document& document);
    // Reads the section whose opening tag `tagId` the document has just read, up to and
    // including its closing tag. By default the section is read over.
    [[nodiscard]] virtual int readXmlSection(Document& document, int tagId);
};
