#pragma once
// The rotate tool as this folder calls it; views/tools/RotateTool implements it.

class DocumentContext;

// What the document asks of a drawing's rotate tool: a run from the click that started it, and
// the preparation when its button is pressed. The rotate tool of views/tools implements it; each
// drawing owns one.
class RotateToolBase {
public:
    RotateToolBase() = default;
    virtual ~RotateToolBase() = default;
    RotateToolBase(const RotateToolBase&) = delete;
    RotateToolBase& operator=(const RotateToolBase&) = delete;

    virtual void setOwner(DocumentContext* owner) = 0;
    // Runs the tool once from the click that started it: 1 rotated, 15 ended by a double click,
    // 21 context menu, 0 nothing selected or cancelled, -1 aborted.
    virtual int run() = 0;
    // The tool's button was pressed: the next run starts from the middle of the selection.
    virtual int prepare() = 0;
};
