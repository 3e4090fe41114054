#include "tests/support/ClipboardOwner.h"

#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/FrameWindow.h"

ClipboardOwner::ClipboardOwner() : frame_(new FrameWindow), previous_(theApplication ? theApplication->frame : nullptr)
{
    if (!theApplication)
        return;
    theApplication->frame = frame_;
    ready_ = frame_->create() && clearClipboard();
}

ClipboardOwner::~ClipboardOwner()
{
    if (theApplication)
        theApplication->frame = previous_;
    frame_->destroy();
    delete frame_;
}
