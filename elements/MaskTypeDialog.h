#pragma once

struct MaskType;

// The mask shape dialog ("マスクタイプ"): dialog 1616 offers all six shapes (variant 1), 1617 box
// and oval (variant 0); another variant shows nothing and answers 2. It runs on a copy of the
// type: OK (1) copies the chosen shape back, キャンセル (2) leaves the type as it was. The caller
// uses the shape only when the answer is 1.
class MaskTypeDialog {
public:
    explicit MaskTypeDialog(MaskType& type) : type_(type) {}
    [[nodiscard]] int run();

private:
    MaskType& type_;
};
