#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.
#include "document/XmlSectionOwner.h"

class DocumentContext;

// A drawing's print settings and print run; owner of the "print" section of the drawing file's
// header.
class PrintSettings : public XmlSectionOwner {
public:
    virtual ~PrintSettings() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    [[nodiscard]] virtual int canPrint() = 0;
    virtual void print() = 0;
};
