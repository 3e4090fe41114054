#pragma once

class DocumentContext;

// The crop, trim, bleed and fold mark options of printing. The document context creates, links
// and deletes it.
class CropMarkSettings {
public:
    virtual ~CropMarkSettings() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
};
