#include "document/DrawingFileDialogs.h"

namespace {
const DrawingFileDialogs defaults = {nullptr, nullptr};
} // namespace

DrawingFileDialogs drawingFileDialogs = defaults;

const DrawingFileDialogs& defaultDrawingFileDialogs() { return defaults; }
