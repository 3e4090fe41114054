#pragma once

class GridSettings;
class PaperSettings;

// The drawing that coordinates and attribute values belong to, as they see it: the paper whose
// scale turns paper millimetres into drawing units and whose y direction the user sees, and the
// grid that gives dialog values their origin and units. The document context is the one
// implementation; either answer may be null (a drawing still being made).
class DrawingOwner {
public:
    [[nodiscard]] virtual PaperSettings* paperSettings() const = 0;
    [[nodiscard]] virtual GridSettings* gridSettings() const = 0;

protected:
    ~DrawingOwner() = default;
};
