#include "document/DocumentMembers.h"

#include "platform/MessageBoxes.h"

namespace {

ElementEditorBase* makeEditor(DocumentContext&)
{
    if (!makeElementEditor)
        return nullptr;
    ElementEditorBase* editor = makeElementEditor();
    if (!editor)
        showOutOfMemory();
    return editor;
}

} // namespace

ElementEditorBase* (*makeElementEditor)() = nullptr;

// The four element editors come from makeElementEditor; the other hooks stay null until the code
// that puts the program together fills them in.
DocumentMemberFactories documentMemberFactories = {
    nullptr,    // input point list
    nullptr,    // view parameters
    nullptr,    // rulers
    nullptr,    // redraw manager
    nullptr,    // scroller
    makeEditor, // element editor 1
    makeEditor, // element editor 2
    makeEditor, // element editor 3
    makeEditor, // element editor 4
    nullptr,    // line defaults
    nullptr,    // text defaults
    nullptr,    // Bezier defaults
    nullptr,    // measure defaults
    nullptr,    // picture defaults
    nullptr,    // property dialog placement (selection stepping)
    nullptr,    // status bar panes
    nullptr,    // select tool
    nullptr,    // move/copy tool
    nullptr,    // rotate tool
    nullptr,    // page painter
    nullptr,    // text caret
    nullptr,    // scale command
    nullptr,    // print settings
    nullptr,    // ink choice
    nullptr,    // DXF command
};
