#pragma once
#include "document/DxfCommand.h"

class Document;
class DocumentContext;

// The DXF commands of one drawing, made for one command and deleted after it.
//
// Import asks for a file ("DXF(*.dxf)" first, then "すべて(*.*)", starting in the remembered
// folder) and reads its entities into the current page, next to what is there. A file without
// DXF sections (a binary DXF, a picture, an empty file) is refused with "Read Error". Block ids come
// from the drawing's group counter (step 2, as groups do), which takes the last id back, so a
// second import gives its blocks new groups. The undo history is cleared afterwards: the import
// records nothing, and an older record could otherwise restore an element over an imported one
// that reuses its id.
//
// Export asks for a file name (the same filters, the ".dxf" of the first added to the name) and
// writes the current page. The file is written beside the target under a temporary name, which
// replaces the target only when the whole file was written: a failed or cancelled export is told
// (unless the file layer told it already), leaves no partial file and an older file of the name
// as it was. Elements that the dialect cannot hold are left out and the export goes on.
class DxfExchange : public DxfCommand {
public:
    explicit DxfExchange(DocumentContext& context);

    [[nodiscard]] int importDxf() override;
    [[nodiscard]] int exportDxf() override;

    // Reads the document's file (a borrowed open file or the document's path) to its end,
    // converting its entities into elements of the current page; the document is published and
    // holds its attribute holder. Shows the document's progress window, or one of its own, and
    // afterwards tells how many entities were passed over, when any were. 1 when the file was
    // read to its end; 0 when it could not be opened, holds no DXF sections (nothing is told:
    // the caller says the file could not be read), an element could not be made, or the user
    // cancelled (what was read stays), and also when the file would make more elements than an
    // import may (the user is told, and nothing of the file stays).
    [[nodiscard]] int readAll(Document& document);
    // Writes the current page to a DXF file at path (replaced only by a complete file); 1 when
    // written.
    [[nodiscard]] int writeFile(Document& document, const char* path);

    // 0: no progress window (tests, benchmarks).
    int showProgress = 1;

private:
    DocumentContext& context;
    // The file read last holds no DXF sections.
    int noDxf = 0;
};

// The DXF command of a drawing (the document members' maker).
[[nodiscard]] DxfCommand* makeDxfCommand(DocumentContext& context);
// The reader of a drawing opened from a DXF file (the document's DXF driver).
[[nodiscard]] int readDxfDocument(Document& document);
