#pragma once

class DocumentContext;

// Display and select flags per layer and element kind. Only what the document context calls is
// declared here.
class DisplayControlState {
public:
    virtual ~DisplayControlState() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    virtual int runDialog() = 0;
    // Printing and PDF export hide the auxiliary layer 255 for their run.
    virtual void hideAuxiliaryLayer() = 0;
    virtual void restoreAuxiliaryLayer() = 0;
};
