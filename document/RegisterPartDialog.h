#pragma once
#include "document/RadioChoiceDialog.h"
#include "geometry/DoubleRect.h"

class DocumentContext;
class PartsLibrary;

// "部品登録": the parts origin of a part being registered, one of the nine reference points of the
// selection's extent (top row first), starting at the centre. Each choice moves the library's
// origin at once and marks it in the drawing; "登録" (OK) ends the dialog for the write.
class RegisterPartDialog : public RadioChoiceDialog {
public:
    RegisterPartDialog(PartsLibrary& library, DocumentContext* drawing, const DoubleRect& extent);

    [[nodiscard]] int handleMessage() override;

private:
    PartsLibrary& library_;
    DocumentContext* drawing_;
    DoubleRect extent_;
};
