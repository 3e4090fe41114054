#pragma once

class Dialog;
class LineCapAttribute;
class LineOriginAttribute;
class LineSizeAttribute;
class LineTypeAttribute;

// The fields of a line-type page ("線種"); 0 for a field the page lacks (the closed kinds have no
// cap).
struct LineTypeIds {
    int width;
    int position;
    int type;
    int cap;
};

// The values a line-type page edits (not owned; null for one the page leaves out).
struct LineTypeValues {
    LineSizeAttribute* width = nullptr;
    LineOriginAttribute* position = nullptr;
    LineTypeAttribute* type = nullptr;
    LineCapAttribute* cap = nullptr;
};

// A line-type page of the property dialogs and of the default records' dialogs: the width in
// millimetres, the line's position, its type and its cap. A width is taken only when it was typed
// as one number within 0..1000 mm (PropertyFields); the lists take the entry chosen.
namespace line_type_page {

void declare(Dialog& dialog, const LineTypeIds& ids);
void load(Dialog& dialog, const LineTypeIds& ids, const LineTypeValues& values);
void store(Dialog& dialog, const LineTypeIds& ids, const LineTypeValues& values);

} // namespace line_type_page
