#pragma once

// The element kinds as the kind registry lists them, in its order: the columns of the display
// control's kind tables and the rows of its kind pages. The registry is reached through the
// kind-name look-up it installs (ElementKindNames.h): a kind it lists is one the look-up names,
// and without a look-up there is no registry.
//
// The columns are worked out once per installed look-up: the registry's kinds do not change
// while it is installed.
class ElementKindColumns {
public:
    // The most columns the kind tables hold.
    static constexpr int kMaxColumns = 30;

    // 1 while a registry is installed.
    [[nodiscard]] static int hasRegistry();
    // The column of a kind; -1 without a registry or for a kind it does not list.
    [[nodiscard]] static int columnOf(int kind);
    // The number of columns (0 without a registry) and the kind in a column (0 for none).
    [[nodiscard]] static int count();
    [[nodiscard]] static int kindAt(int column);
};
