#pragma once
#include "document/Document.h"

class DocumentContext;
class PartsLibrary;

// One part file: a drawing file with a reduced header (the paper sections, "dspedpage" and
// "setParts", whose "partsOrigin" is the point the part is placed by) and one page of elements.
// It owns the document that reads or writes it; the parts library is the document's owner of the
// "setParts" section.
//
// A write registers the selection of a drawing: the user names the file (never one that an open
// drawing holds; an existing one only after "重ね書きしますか？" was answered OK), and the file is
// written through a temporary file that replaces it only after a complete write, so a failed or
// cancelled write leaves an old part file as it was. A read loads the part into page 1 of a
// context of the library's own.
class PartFile {
public:
    explicit PartFile(PartsLibrary& library);
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    // Writes the selected elements of the drawing into a file chosen in the save dialog; the
    // chosen path in `chosen`. 1 when the file was written; 0 when the dialog was cancelled, the
    // file is an open drawing's, an overwrite refused or the write failed (it has said why).
    [[nodiscard]] int write(DocumentContext& drawing, FileName& chosen);
    // Writes to the path without asking (registration after the questions).
    [[nodiscard]] int writeTo(DocumentContext& drawing, const char* path);

    // Loads the part at `path` into page 1 of `context` (a context of the library's, emptied by
    // the caller), with the library reading the parts origin when `withOrigin` is set. The
    // context's current page stays. 1 when the file was read whole, 0 when it could not be
    // opened or was read in part (what was read stays in the context).
    [[nodiscard]] int read(const char* path, DocumentContext& context, int withOrigin);

    Document document;

private:
    PartsLibrary& library;
};
