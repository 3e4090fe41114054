#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.
#include "document/XmlSectionOwner.h"

// A drawing's spot-ink choice. The application's own object links to the ink choice of the
// active drawing (null without one); the drawing file's "inkInfo" header section goes through it.
class InkInfo : public XmlSectionOwner {
public:
    virtual ~InkInfo() = default;

    // Copies maker and ink slots of another choice (null does nothing).
    virtual void copyFrom(const InkInfo* other) = 0;

    InkInfo* current = nullptr;
};

// Defined in geometry/InkColor.cpp, with its first readers.
extern InkInfo* theInkInfo;
