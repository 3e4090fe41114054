#pragma once
// An interface that this folder and those above call; a folder above implements it.

class DocumentContext;

// The rulers of a document window.
class RulerBars {
public:
    virtual ~RulerBars() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    virtual void paint() = 0;
    // The band the rulers take at the left and at the top of the view's client area, in pixels;
    // 0 while they are hidden (the defaults).
    [[nodiscard]] virtual int leftWidth() const { return 0; }
    [[nodiscard]] virtual int topHeight() const { return 0; }
};
