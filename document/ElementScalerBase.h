#pragma once
// The scale tool as this folder calls it; views/tools/ElementScaler implements it.

class DocumentContext;

// What the document asks of a drawing's scale tool: the element-zoom command (its dialog, then
// the factor applied to the selection as one undo step). The scale tool of views/tools implements
// it; each drawing owns one.
class ElementScalerBase {
public:
    ElementScalerBase() = default;
    virtual ~ElementScalerBase() = default;
    ElementScalerBase(const ElementScalerBase&) = delete;
    ElementScalerBase& operator=(const ElementScalerBase&) = delete;

    virtual void setOwner(DocumentContext* owner) = 0;
    // The element-zoom command: the dialog, then the factor applied.
    virtual void runCommand() = 0;
};
