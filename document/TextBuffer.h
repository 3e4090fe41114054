#pragma once

// The editable text of the text elements. The application keeps one for the text being typed;
// the document context only asks whether it holds anything.
class TextBuffer {
public:
    virtual ~TextBuffer() = default;

    [[nodiscard]] virtual int length() = 0;
};

extern TextBuffer* theTextBuffer;
