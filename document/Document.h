#pragma once
#include "document/FileNameValue.h"
#include "document/TagReader.h"
#include "document/TagWriter.h"
#include "geometry/XmlContext.h"
#include "platform/FileName.h"

class BufferedFile;
class CommonFileDialog;
class DocumentContext;
class Element;
class ElementEditorBase;
class FileProgress;
class TagDictionary;
class XmlSectionOwner;

// Which header sections and pages a read takes (each on unless said otherwise).
struct TagReaderSwitches {
    int paper = 1; // paperSize, drawScale, tonbo, yohaku, zahyoType
    int grid = 1;
    int print = 1;
    int setGeometry = 1;
    int setText = 1;
    int setBezier = 1;
    int setMeasure = 1;
    int setParts = 0; // part files only
    int inkInfo = 1;
    int pages = 1;    // 0: only page 1 is read, into the current page
    int dspedpage = 1;
};

// Which header sections a write produces, and whether it writes the selection instead of the
// pages.
struct TagWriterSwitches {
    int paper = 1;
    int grid = 1;
    int print = 1;
    int setGeometry = 1;
    int setText = 1;
    int setBezier = 1;
    int setMeasure = 1;
    int setParts = 0;
    int inkInfo = 1;
    int pageNumber = 1;
    int dspedpage = 1;
    int selectionOnly = 0;
};

// The file side of one open drawing: its path and title, the kind of file it reads and writes,
// its change count, and for the time of one read or write the tag dictionary, the attribute
// holder into which element attributes are read, the progress window and the state of the tag
// reader and writer. The drawing itself (pages, elements, settings) lives in the owner context.
//
// File kinds follow the path's extension at every read and write: "ycx" or "ydx" the own tagged
// format (1), "svg" (2), "dxf" (3), compared without regard to case; any other extension is
// neither read nor written.
//
// No save loses the user's data. A write goes to a temporary file in the target's folder, which
// replaces the target only when the whole write succeeded, so a failed or cancelled save leaves
// the old file as it was and the drawing marked changed. Save writes over drawings only (a
// drawing read from an SVG or DXF file is saved through Save As), Save As
// gives the drawing its new name and marks it saved only after the write succeeded, and a read
// that failed or was cancelled leaves the drawing untitled, so that saving it cannot overwrite
// the original with what was read of it.
class Document : public FileName, public TagWriter, public TagReader, public XmlContext {
public:
    enum FileKind { kNoKind = 0, kOwnFormat = 1, kSvg = 2, kDxf = 3 };
    // Page numbers in a file above this are data errors (the page data is skipped).
    static constexpr int kMaxFilePage = 9999;

    Document();
    ~Document() override;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Copies path and title.
    void assign(const FileName* other) override;
    // Sets path and title, then the has-file flag. A path longer than a name holds (259
    // characters) is refused: 0, and the name and the flag stay as they were.
    [[nodiscard]] int setPathAndTitle(const char* path) override;
    // The attribute holder for one read or write: made with all its attribute objects, and
    // released again (which always answers 1).
    [[nodiscard]] virtual int beginIo();
    virtual int endIo();
    // Copies the has-file flag, then path and title.
    virtual void assign(const Document* other);
    // Reads the file (publishing the document meanwhile), then shows the displayed page. A read
    // that failed or was cancelled shows "Read Error" and leaves the drawing untitled.
    [[nodiscard]] virtual int onOpen();
    // Writes the drawing over its file when that is a drawing ("ycx", "ydx"), else Save As. 1
    // when the drawing was written and is marked saved.
    [[nodiscard]] virtual int save();
    // Save As: asks for a name (and whether an existing file may be overwritten), then writes.
    // A file that another open drawing holds is refused with a message. The drawing keeps its old
    // name and its changes unless the write succeeded.
    [[nodiscard]] virtual int onSave();

    // The file types the open and the save dialog list: "Tesvan CAD(*.ycx)" first, so that a
    // name typed without extension is saved as a drawing, then "すべて(*.*)" (the same for part
    // files: addDrawingFilters).
    static void addDrawingFilters(CommonFileDialog& dialog);
    virtual void addFileFilters(CommonFileDialog& dialog);
    virtual void addSaveFileFilters(CommonFileDialog& dialog);
    // The open dialog, starting in the remembered folder: the chosen path becomes this
    // document's path (without the has-file flag). 0 when cancelled.
    [[nodiscard]] int openWithDialog();
    // The save dialog, starting from the drawing's name (the name of an SVG or DXF file offered
    // as ".ycx") or the remembered folder, adding the chosen type's extension to a name
    // typed without one; the chosen path in `chosen`. 0 when cancelled.
    [[nodiscard]] int saveAsDialog(FileName& chosen);

    // Path and title without the has-file flag (a document about to be opened); a path too long
    // is refused as by setPathAndTitle.
    [[nodiscard]] int assign(const char* path);
    void setOwner(DocumentContext* owner) { ownerContext = owner; }
    DocumentContext* owner() const { return ownerContext; }
    // Whether the path names this drawing's file, however either is written (namesSameFile).
    [[nodiscard]] int isSamePath(const char* path) const { return namesSameFile(getPath(), path); }
    [[nodiscard]] int hasFile() const { return hasFileFlag; }
    [[nodiscard]] const char* title() const { return getTitle(); }

    // Change tracking; nothing is counted while loading. The first change lowers the page list's
    // mark of the lowest changed page and refreshes the caption; so does the save that clears
    // them.
    void markModified();
    void markSaved();
    [[nodiscard]] int isModified() const { return changeCount >= 1; }
    // 0 suspends the counting of changes (loading), 1 resumes it.
    void setModificationTracking(int on) { loading = on ? 0 : 1; }

    // Reads the file named by the path into the owner context / writes the context into it.
    // Nonzero on success.
    [[nodiscard]] int read();
    [[nodiscard]] int write();
    [[nodiscard]] static int fileKindOfPath(const char* path);
    // 1 when the element's section in a drawing file of its drawing could be written: every real
    // value it writes (on paper, at the drawing's scale) is finite and has a text of at most 40
    // integer digits. Nothing is written and nothing is shown; a document of its own serves the
    // check, so a read or write under way is not disturbed. 0 also when memory ran out for it.
    [[nodiscard]] static int canWriteElement(Element& element);
    // 1 when every element stored in the drawing could be written so, at the drawing's scale as it
    // stands. Each is loaded by the drawing's file editor, and only one whose record holds an
    // outsize value (ElementRecordBuffer::outsizeValue) is written through as above, so the
    // check costs about a load of each element. An element that cannot be loaded is no concern
    // of this check.
    [[nodiscard]] static int canWriteStoredElements(DocumentContext* context);

    // The structure of the own format. readTaggedFile starts at the file's beginning and ends
    // after the closing root tag (1 there, 0 when the file or an element ended early or the user
    // cancelled); writeTaggedFile writes the prolog, the root, the header and the pages.
    [[nodiscard]] int readTaggedFile();
    [[nodiscard]] int writeTaggedFile();
    // One element of kind 1..19 whose opening tag was just read, up to its closing tag; 0 when
    // the file ended, the holder lacks the object for one of its tags or an attribute could not
    // be read, or the element could not take its values or be stored.
    [[nodiscard]] int readElement(int kind);
    // Routes one attribute tag of an element to the holder's object for it; other tags skip
    // their line. 0 when the holder lacks the object or the object could not read its tag; a
    // value the reader refused (a data error, reported and not kept) does not stop the read.
    [[nodiscard]] int readEntityTag(int id);

    // Pages as the reader and writer see them (1 without a page list); goToPage makes page n
    // current, creating pages up to it, without notifications.
    [[nodiscard]] int currentPage() const;
    [[nodiscard]] int pageCount() const;
    [[nodiscard]] int goToPage(int page);
    // The owner's element editor for file input and output (its fourth), or null.
    [[nodiscard]] ElementEditorBase* ioEditor() const;
    Element* attributeHolder() const { return holder; }
    TagDictionary* tagDictionary() const { return dictionary; }
    BufferedFile* ioFile() const { return file; }

    // The tag reader and writer as the values of geometry/ reach them; the calls of the
    // document's own code bind to these directly.
    [[nodiscard]] DrawingOwner* drawingOwner() const final;
    [[nodiscard]] Document* document() final { return this; }
    [[nodiscard]] int nextTag(int& id) final { return TagReader::nextTag(id); }
    [[nodiscard]] int isClosingTag() const final { return TagReader::isClosingTag(); }
    [[nodiscard]] int atTagStart() const final { return TagReader::atTagStart(); }
    [[nodiscard]] int expectTag(int id) final { return TagReader::expectTag(id); }
    [[nodiscard]] int readInt(int& value) final { return TagReader::readInt(value); }
    [[nodiscard]] int readDouble(double& value) final { return TagReader::readDouble(value); }
    [[nodiscard]] int readListDouble(double& value) final { return TagReader::readListDouble(value); }
    [[nodiscard]] int readQuoted(char* buffer, int size) final { return TagReader::readQuoted(buffer, size); }
    [[nodiscard]] int readHexBytes(unsigned char* buffer, int n, int capacity, int tagId) final
    {
        return TagReader::readHexBytes(buffer, n, capacity, tagId);
    }
    [[nodiscard]] int skipLine() final { return TagReader::skipLine(); }
    [[nodiscard]] int acceptDataLength(long long n, long long cap, int bytesPerUnit, int tagId) final
    {
        return TagReader::acceptDataLength(n, cap, bytesPerUnit, tagId);
    }
    void reportDataError(int tagId) final { TagReader::reportDataError(tagId); }
    // Through the owner drawing's group map (ElementIdSet::remapGroup).
    [[nodiscard]] int remapGroup(int group) final;
    [[nodiscard]] int beginTag(int id) final { return TagWriter::beginTag(id); }
    [[nodiscard]] int endTag(int id) final { return TagWriter::endTag(id); }
    [[nodiscard]] int writeIntTag(int id, int value) final { return TagWriter::writeIntTag(id, value); }
    [[nodiscard]] int writeDoubleTag(int id, double value, int decimals, int round = 0) final
    {
        return TagWriter::writeDoubleTag(id, value, decimals, round);
    }
    [[nodiscard]] int writeStringTag(int id, const char* text) final { return TagWriter::writeStringTag(id, text); }
    [[nodiscard]] int writeDoubleListItem(double value, int decimals, int round = 0) final
    {
        return TagWriter::writeDoubleListItem(value, decimals, round);
    }
    [[nodiscard]] int writeDoubleLine(double value, int decimals) final
    {
        return TagWriter::writeDoubleLine(value, decimals);
    }
    void setLineWrap(int on) final { TagWriter::setLineWrap(on); }

    Document* self;                 // the document the tag operations act on
    int fileKind = kNoKind;
    int displayedPage = 1;          // the page to show after a read ("dspedpage")
    int ioPage = 1;                 // the page being read or written
    int changeCount = 0;
    int loading = 0;
    int hasFileFlag = 0;
    int opened = 0;
    XmlSectionOwner* partsOrigin = nullptr; // owner of "setParts" in part files; not owned
    FileProgress* progress = nullptr;       // only during a read or write
    int showProgress = 1;
    TagReaderSwitches readSwitches;
    TagWriterSwitches writeSwitches;

    // The writer's attribute holder beside the values of XmlContext: the picture's file name.
    FileNameValue currentFileName;

protected:
    // An element of the base kind (makeBaseElement) linked to the owner; the element kinds give
    // it every attribute object. Tests put in holders of their own.
    [[nodiscard]] virtual Element* makeAttributeHolder();
    [[nodiscard]] int writerFileKind() const override { return fileKind; }

private:
    // Room in the element tables for what a file of that many bytes holds, taken before it is read.
    void reserveForFile(unsigned long bytes);
    [[nodiscard]] int readHeader();
    [[nodiscard]] int readPageData();
    [[nodiscard]] int readEntities();
    [[nodiscard]] int readDisplayedPage();
    // Reads tags up to one with this id (any form); 0 when the file ends first.
    [[nodiscard]] int skipUntilTag(int id);
    [[nodiscard]] XmlSectionOwner* headerOwner(int tagId, int& readOn) const;
    [[nodiscard]] int writeHeader();
    [[nodiscard]] int writePages();
    [[nodiscard]] int writePageElements(int page);
    [[nodiscard]] int writeSelectedElements();
    [[nodiscard]] int cancelled() const;
    void stepProgress(int position);
    // Publishes the document, writes it and marks it saved on success; a save to SVG that would
    // drop elements or pages asks first.
    [[nodiscard]] int writeAndMarkSaved();
    // 1 when the SVG writer, which keeps the current page's lines, boxes, polygons and texts
    // only, would leave something of the drawing behind.
    [[nodiscard]] int svgWouldDropContent() const;
    void refreshCaption();
    // Makes and drops the dictionary and the progress window around one read or write.
    [[nodiscard]] int openIo(int total);
    void closeIo();

    DocumentContext* ownerContext = nullptr;
    BufferedFile* file = nullptr;   // owned
    TagDictionary* dictionary = nullptr;
    Element* holder = nullptr;
};

// The document being read or written, or null outside file input and output.
[[nodiscard]] Document* currentXmlContext();

// Publishes a document as the current XML context for one scope; the previous one comes back.
class XmlContextScope {
public:
    explicit XmlContextScope(Document* document);
    ~XmlContextScope();
    XmlContextScope(const XmlContextScope&) = delete;
    XmlContextScope& operator=(const XmlContextScope&) = delete;

private:
    Document* previous;
    XmlContext* previousContext;
};

// Makes the attribute holder of one read or write: an element of the base kind, which the element
// kinds give every attribute object (null when memory ran out). The element folder's maker is
// installed at start-up; without one no read or write begins.
extern Element* (*makeBaseElement)();

// The readers and writers of the other file kinds, installed by their subsystem; a null one
// makes the read or write fail.
struct ForeignFileDrivers {
    int (*readSvg)(Document& document) = nullptr;
    int (*writeSvg)(Document& document) = nullptr;
    int (*readDxf)(Document& document) = nullptr;
};
extern ForeignFileDrivers foreignFileDrivers;
