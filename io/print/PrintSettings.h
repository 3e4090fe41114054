#pragma once

class DocumentContext;

// A drawing's print settings and print run.
class PrintSettings {
public:
    virtual ~PrintSettings() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    virtual int canPrint() = 0;
    virtual void print() = 0;
};
