#include "dialogs/defaults/PictureBatchDialog.h"

#include "dialogs/properties/PropertyFields.h"
#include "document/DocumentContext.h"
#include "document/PictureDefaults.h"
#include "platform/ControlKinds.h"
#include "resources/ids_images.h"

namespace {

enum Page { kCommon, kPoints, kPageCount };

const char* const kTabs[kPageCount] = {"共通", "座標"};
const int kPageIds[kPageCount] = {0, IDD_PICTURE_BATCH_POINTS};

// Each coordinate: its field, its point and axis, in the order of the record's flags.
struct Coordinate {
    int fieldId;
    int endPoint;
    int yAxis;
};
const Coordinate kCoordinates[PictureDefaults::kFlagCount] = {
    {IDC_PICTURE_BATCH_START_X, 0, 0},
    {IDC_PICTURE_BATCH_START_Y, 0, 1},
    {IDC_PICTURE_BATCH_END_X, 1, 0},
    {IDC_PICTURE_BATCH_END_Y, 1, 1},
};
// The box beside each coordinate and the flag it sets; typing into the field ticks it.
const BatchEditDialog::TickRow kTickRows[PictureDefaults::kFlagCount] = {
    {IDC_PICTURE_TICK_START_X, PictureDefaults::kStartXFlag},
    {IDC_PICTURE_TICK_START_Y, PictureDefaults::kStartYFlag},
    {IDC_PICTURE_TICK_END_X, PictureDefaults::kEndXFlag},
    {IDC_PICTURE_TICK_END_Y, PictureDefaults::kEndYFlag},
};
const BatchEditDialog::ValueTick kValueTicks[PictureDefaults::kFlagCount] = {
    {IDC_PICTURE_BATCH_START_X, BatchEditDialog::kRealField, IDC_PICTURE_TICK_START_X},
    {IDC_PICTURE_BATCH_START_Y, BatchEditDialog::kRealField, IDC_PICTURE_TICK_START_Y},
    {IDC_PICTURE_BATCH_END_X, BatchEditDialog::kRealField, IDC_PICTURE_TICK_END_X},
    {IDC_PICTURE_BATCH_END_Y, BatchEditDialog::kRealField, IDC_PICTURE_TICK_END_Y},
};
const int kUnitLabels[] = {IDC_PICTURE_BATCH_START_X_UNIT, IDC_PICTURE_BATCH_START_Y_UNIT,
                           IDC_PICTURE_BATCH_END_X_UNIT, IDC_PICTURE_BATCH_END_Y_UNIT};
// A typed coordinate may lie this far from the paper's origin (millimetres): only a mistyped
// number is refused.
constexpr double kPaperLimit = 1.0e7;

DrawPoint& pointOf(PictureDefaults& r, const Coordinate& c) { return c.endPoint ? r.endPoint : r.startPoint; }

} // namespace

PictureBatchDialog::PictureBatchDialog() { setPages(kTabs, kPageIds, kPageCount); }

PictureDefaults* PictureBatchDialog::pictures() const { return static_cast<PictureDefaults*>(record); }

void PictureBatchDialog::setRecord(ElementDefaults* edited)
{
    BatchEditDialog::setRecord(edited);
    if (PictureDefaults* r = pictures()) {
        r->startPoint.owner = r->owner;
        r->endPoint.owner = r->owner;
    }
}

void PictureBatchDialog::declareControls()
{
    BatchEditDialog::declareControls();
    if (currentPage != kPoints)
        return;
    PictureDefaults* r = pictures();
    Tick ticks[PictureDefaults::kFlagCount];
    declareTicks(ticks, bindTicks(r ? r->flags : nullptr, kTickRows, PictureDefaults::kFlagCount, ticks));
    // Declaring fails only when memory ran out: the page then goes without the control.
    for (const Coordinate& c : kCoordinates)
        (void)addControl(c.fieldId, KIND_REAL_EDIT);
    for (int label : kUnitLabels)
        (void)addControl(label, KIND_INTEGER_DISPLAY);
}

void PictureBatchDialog::loadPage()
{
    BatchEditDialog::loadPage();
    PictureDefaults* r = pictures();
    if (!r || currentPage != kPoints)
        return;
    Tick ticks[PictureDefaults::kFlagCount];
    loadTicks(ticks, bindTicks(r->flags, kTickRows, PictureDefaults::kFlagCount, ticks));
    // Each transfer answers 0 only for a control the page lacks.
    for (const Coordinate& c : kCoordinates) {
        const DrawPoint& p = pointOf(*r, c);
        (void)setDouble(c.fieldId, c.yAxis ? p.getPaperY() : p.getPaperX());
    }
    for (int label : kUnitLabels)
        (void)setText(label, "ミリ");
}

void PictureBatchDialog::storePage()
{
    BatchEditDialog::storePage();
    PictureDefaults* r = pictures();
    if (!r || currentPage != kPoints)
        return;
    Tick ticks[PictureDefaults::kFlagCount];
    storeTicks(ticks, bindTicks(r->flags, kTickRows, PictureDefaults::kFlagCount, ticks));
    // An untouched field leaves its coordinate exactly as it was.
    for (const Coordinate& c : kCoordinates) {
        double paper = 0.0;
        if (!property_fields::takeReal(*this, c.fieldId, -kPaperLimit, kPaperLimit, paper))
            continue;
        DrawPoint& p = pointOf(*r, c);
        if (c.yAxis)
            p.setPaperY(paper);
        else
            p.setPaperX(paper);
    }
}

int PictureBatchDialog::onPageEvent()
{
    return currentPage == kPoints && tickTouched(kValueTicks, PictureDefaults::kFlagCount);
}
