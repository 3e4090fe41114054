#include "document/DocumentMembers.h"

// The hooks stay null until the code that puts the program together fills them in.
DocumentMemberFactories documentMemberFactories = {
    nullptr,    // input point list
    nullptr,    // view parameters
    nullptr,    // rulers
    nullptr,    // redraw manager
    nullptr,    // scroller
    nullptr,    // element editor 1
    nullptr,    // element editor 2
    nullptr,    // element editor 3
    nullptr,    // element editor 4
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
