#pragma once
// For one scope every new drawing gets the real element editors as its four editor members, as the
// start-up installs them; the makers in force before come back when the scope ends.
#include "document/DocumentMembers.h"
#include "tests/support/ScopedOverride.h"
#include "views/ViewMembers.h"

struct RealElementEditors {
    using Maker = ElementEditorBase* (*)(DocumentContext&);
    ScopedOverride<Maker> editor1{documentMemberFactories.editor1, makeElementEditor};
    ScopedOverride<Maker> editor2{documentMemberFactories.editor2, makeElementEditor};
    ScopedOverride<Maker> editor3{documentMemberFactories.editor3, makeElementEditor};
    ScopedOverride<Maker> editor4{documentMemberFactories.editor4, makeElementEditor};
};
