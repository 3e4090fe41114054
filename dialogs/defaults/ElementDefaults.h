#pragma once

class DocumentContext;

// Base of the per-kind default attribute records. A document owns one record of each kind and
// copies the application's record into it; the settings dialog and the batch edit of the
// selection are run through the document context.
class ElementDefaults {
public:
    virtual ~ElementDefaults() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    virtual int editSettings() = 0;
    virtual int batchEdit() = 0;
};
