#pragma once
#include "platform/Control.h"

class DropDownList;

// Kind 1605: a bitmap button beside a drop-down field; pressing it opens the field's pop-up. It
// shows bitmap 1110 at rest and 1111 while the pop-up is open, stretched over the item.
class DropDownButton : public Control {
public:
    // The drop-down it opens; anything else leaves it without one.
    void setTarget(Control* control) override;
    // Draws the face at rest.
    void refresh() override;
    void onCommand() override { press(); }
    void onClick() override { press(); }

    DropDownList* target = nullptr;   // not owned

private:
    void press();
    void drawFace(int bitmapId);
};
