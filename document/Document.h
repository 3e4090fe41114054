#pragma once

class DocumentContext;

// A drawing and its file. Only what the document context forwards is declared here.
class Document {
public:
    virtual ~Document() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    virtual int isSamePath(const char* path) = 0;
    virtual void setPathAndTitle(const char* path) = 0;
    virtual int assign(const char* path) = 0;
    virtual int onOpen() = 0;
    // Writes when the drawing has a file, else asks for a name.
    virtual int save() = 0;
    // Save as (asks for a name when needed), then writes.
    virtual int onSave() = 0;
    virtual int hasFile() = 0;
    virtual const char* title() = 0;
    // Counts one change (unless tracking is suspended).
    virtual void markModified() = 0;
    virtual int isModified() = 0;
    // Suspends (0) or resumes (1) the counting of changes.
    virtual void setModificationTracking(int on) = 0;
};
