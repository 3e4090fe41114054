#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.
#include "document/XmlSectionOwner.h"

class DocumentContext;

// Base of the per-kind default attribute records. A document owns one record of each kind and
// copies the application's record into it; the settings dialog and the batch edit of the
// selection are run through the document context. The line, text, Bezier and measure records
// own the header sections setGeometry, setText, setBezier and setMeasure of the drawing file.
class ElementDefaults : public XmlSectionOwner {
public:
    virtual ~ElementDefaults() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    virtual int editSettings() = 0;
    virtual int batchEdit() = 0;
    // The layer new elements of the record's kinds take.
    [[nodiscard]] virtual int getLayer() { return 100; }
};
