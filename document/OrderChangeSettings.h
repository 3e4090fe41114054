#pragma once

class DocumentContext;

// The drawing-order command and its settings.
class OrderChangeSettings {
public:
    virtual ~OrderChangeSettings() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    virtual int runDialog() = 0;
    // Changes the drawing order of the selection.
    virtual int changeOrder() = 0;
};
