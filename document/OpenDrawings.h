#pragma once

class DocumentContext;

// The program's open drawings, as a drawing saved under a name chosen by the user, or a part
// registered from one, must know them. A file that another drawing holds is never written over:
// that drawing would still claim the file, and its next save would replace what was written there.
class OpenDrawings {
public:
    // 1 when a drawing other than `saving` has the file at `path` (compared without regard to
    // case, as Open compares); with `saving` null, when any drawing has it.
    [[nodiscard]] virtual int holdsFileElsewhere(const DocumentContext* saving, const char* path) = 0;

protected:
    ~OpenDrawings() = default;
};
