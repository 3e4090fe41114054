#include "dialogs/defaults/DefaultsInstall.h"

#include <new>

#include "document/BezierDefaults.h"
#include "document/LineDefaults.h"
#include "document/MeasureDefaults.h"
#include "document/PictureDefaults.h"
#include "document/TextDefaults.h"
#include "platform/MessageBoxes.h"

namespace {
template <typename Record> Record* make()
{
    auto* made = new (std::nothrow) Record;
    if (!made)
        showOutOfMemory();
    return made;
}
} // namespace

LineDefaults* makeLineDefaults() { return make<LineDefaults>(); }

LineDefaults* makeDrawingLineDefaults(DocumentContext&) { return makeLineDefaults(); }

TextDefaults* makeTextDefaults() { return make<TextDefaults>(); }

TextDefaults* makeDrawingTextDefaults(DocumentContext&) { return makeTextDefaults(); }

MeasureDefaults* makeMeasureDefaults() { return make<MeasureDefaults>(); }

MeasureDefaults* makeDrawingMeasureDefaults(DocumentContext&) { return makeMeasureDefaults(); }

BezierDefaults* makeBezierDefaults() { return make<BezierDefaults>(); }

BezierDefaults* makeDrawingBezierDefaults(DocumentContext&) { return makeBezierDefaults(); }

PictureDefaults* makePictureDefaults() { return make<PictureDefaults>(); }

PictureDefaults* makeDrawingPictureDefaults(DocumentContext&) { return makePictureDefaults(); }
