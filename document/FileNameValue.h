#pragma once
#include "geometry/EntityAttribute.h"

class Dialog;
class Document;
class ElementRecordBuffer;
class XmlContext;

// The path of the image file that a picture element places ("fileName"): at most 259
// characters. In the drawing file a picture that lies in the drawing's own folder is stored by
// its file name only, and such a name is read back into the folder of the drawing being read, so
// that a drawing moved together with its pictures finds them again.
class FileNameValue : public EntityAttribute {
public:
    static constexpr int kCapacity = 260;

    void reset() { path[0] = 0; }
    void assign(const FileNameValue* other);
    // Cut to 259 bytes on a character boundary.
    void setText(const char* text);
    [[nodiscard]] const char* text() const { return path; }

    // A quoted text, then the closing tag endTag. When the document's attribute holder is a
    // picture (whose names are taken relative to the drawing) and the text has no folder part
    // ('\\' or ':'), the drawing's folder is put before it, unless the joined path would exceed
    // 259 characters. 0 when the text or the closing tag could not be read.
    [[nodiscard]] int readXml(Document& document, int endTag);
    // The tag routed from the document's attribute holder while the document is read.
    [[nodiscard]] int readEntityXml(XmlContext& file, int tagId) override;
    // The path as a string tag: only its file name when its folder is the drawing's folder
    // (without regard to case). An empty path writes nothing (1).
    [[nodiscard]] int writeXml(Document& document) const;

    // Mode 1 writes a 4-byte length and the bytes into the record; mode 3 reads them back (a
    // length the record or the path cannot hold fails and leaves the path).
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);
    // The path as the text of a dialog control; 0 when the dialog has no such control.
    [[nodiscard]] int writeToControl(Dialog* dialog, int id) const;

    char path[kCapacity] = {};
};
