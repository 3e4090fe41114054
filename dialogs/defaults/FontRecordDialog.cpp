#include "dialogs/defaults/FontRecordDialog.h"

#include <initializer_list>
#include <type_traits>

#include "dialogs/properties/PropertyFields.h"
#include "document/FontDefaultsBase.h"
#include "geometry/LeanAttribute.h"
#include "platform/ControlKinds.h"

namespace {
// The most boxes one batch page has (the measure defaults' line page).
constexpr int kMostBoxes = 10;
// A typed start point may lie this far from the grid origin (drawing units): only a mistyped
// number is refused.
constexpr double kCoordinateLimit = 1.0e7;
} // namespace

template <typename Base> FontRecordDialog<Base>::FontRecordDialog(const FontRecordLayout& pages) : layout(pages)
{
    this->setPages(layout.labels, layout.pageIds, layout.pageCount);
    this->fontIds = layout.font;
}

template <typename Base> FontRecordPage FontRecordDialog<Base>::role() const
{
    const int page = this->currentPage;
    return page > 0 && page < layout.pageCount ? layout.roles[page] : FontRecordPage::kCommon;
}

template <typename Base>
int FontRecordDialog<Base>::swatchesOf(const FontRecordValues& v, DefaultsDialog::Swatch* swatches) const
{
    for (int i = 0; i < layout.swatchCount; ++i)
        swatches[i] = {layout.swatchIds[i], v.colours[i]};
    return layout.swatchCount;
}

template <typename Base> int FontRecordDialog<Base>::ticksOf(const FontRecordValues& v, BatchEditDialog::Tick* ticks) const
{
    const FontRecordLayout::Ticks& page = layout.ticks[this->currentPage];
    const int count = page.boxCount < kMostBoxes ? page.boxCount : kMostBoxes;
    return BatchEditDialog::bindTicks(v.flags, page.boxes, count, ticks);
}

template <typename Base> void FontRecordDialog<Base>::declareControls()
{
    Base::declareControls();
    const FontRecordValues v = values();
    if constexpr (std::is_base_of_v<BatchEditDialog, Base>) {
        BatchEditDialog::Tick ticks[kMostBoxes];
        this->declareTicks(ticks, ticksOf(v, ticks));
    }
    DefaultsDialog::Swatch swatches[FontRecordValues::kMostColours];
    const FontRecordLayout::Points& p = layout.points;
    switch (role()) {
    case FontRecordPage::kColour:
        this->declareSwatches(swatches, swatchesOf(v, swatches));
        break;
    case FontRecordPage::kFont:
        this->declareFontPage();
        break;
    case FontRecordPage::kNumeral:
        numeral_page::declare(*this, layout.numeral);
        break;
    case FontRecordPage::kLine:
        leader_line_page::declare(*this, layout.line);
        break;
    case FontRecordPage::kPoints:
        // A field the page lacks takes nothing.
        for (int id : {p.x, p.y, p.rotation})
            (void)this->addControl(id, KIND_REAL_EDIT);
        for (int id : {p.xUnit, p.yUnit})
            (void)this->addControl(id, KIND_INTEGER_DISPLAY);
        break;
    default:
        break;
    }
}

template <typename Base> void FontRecordDialog<Base>::loadPage()
{
    Base::loadPage();
    if (!this->record)
        return;
    const FontRecordValues v = values();
    if constexpr (std::is_base_of_v<BatchEditDialog, Base>) {
        BatchEditDialog::Tick ticks[kMostBoxes];
        this->loadTicks(ticks, ticksOf(v, ticks));
    }
    DefaultsDialog::Swatch swatches[FontRecordValues::kMostColours];
    const FontRecordLayout::Points& p = layout.points;
    switch (role()) {
    case FontRecordPage::kColour:
        this->showSwatches(swatches, swatchesOf(v, swatches));
        break;
    case FontRecordPage::kFont:
        this->loadFontPage();
        break;
    case FontRecordPage::kNumeral:
        if (v.numeral)
            numeral_page::load(*this, layout.numeral, *v.numeral);
        break;
    case FontRecordPage::kLine:
        leader_line_page::load(*this, layout.line, v.lines);
        break;
    case FontRecordPage::kPoints:
        if (v.start)
            property_fields::showPoint(*this, *v.start, p.x, p.y, p.xUnit, p.yUnit);
        if (v.rotation)
            (void)v.rotation->angleToField(this, p.rotation); // a field the page lacks shows nothing
        break;
    default:
        break;
    }
}

template <typename Base> void FontRecordDialog<Base>::storePage()
{
    Base::storePage();
    if (!this->record)
        return;
    const FontRecordValues v = values();
    if constexpr (std::is_base_of_v<BatchEditDialog, Base>) {
        BatchEditDialog::Tick ticks[kMostBoxes];
        this->storeTicks(ticks, ticksOf(v, ticks));
    }
    const FontRecordLayout::Points& p = layout.points;
    double angle = 0.0;
    switch (role()) {
    case FontRecordPage::kFont:
        this->storeFontPage();
        if (auto* withFont = dynamic_cast<FontDefaultsBase*>(this->record)) {
            withFont->syncFontName();
            withFont->syncFontStyle();
        }
        break;
    case FontRecordPage::kNumeral:
        if (v.numeral)
            numeral_page::store(*this, layout.numeral, *v.numeral);
        break;
    case FontRecordPage::kLine:
        leader_line_page::store(*this, layout.line, v.lines);
        break;
    case FontRecordPage::kPoints:
        if (v.start)
            property_fields::takePoint(*this, *v.start, p.x, p.y, kCoordinateLimit);
        if (v.rotation && property_fields::takeReal(*this, p.rotation, -property_fields::kMaxAngle,
                                                     property_fields::kMaxAngle, angle))
            v.rotation->angle = angle;
        break;
    default:
        // The colour page has nothing to store (but its boxes): a pick goes into the record at once.
        break;
    }
}

template <typename Base> int FontRecordDialog<Base>::onPageEvent()
{
    if (!this->record)
        return 0;
    const FontRecordValues v = values();
    const int event = this->event;
    if (role() == FontRecordPage::kColour) {
        const int id = this->currentControl ? this->currentControl->id : 0;
        if (id == 0 || (event != DLG_COMMAND && event != DLG_CLICK))
            return 0;
        DefaultsDialog::Swatch swatches[FontRecordValues::kMostColours];
        const int count = swatchesOf(v, swatches);
        if constexpr (std::is_base_of_v<BatchEditDialog, Base>) {
            BatchEditDialog::Tick ticks[kMostBoxes];
            (void)ticksOf(v, ticks);
            return this->pickAndTick(swatches, ticks, count, id) >= 0;
        } else {
            return this->pickSwatch(swatches, count, id) >= 0;
        }
    }
    if constexpr (std::is_base_of_v<BatchEditDialog, Base>) {
        if (role() == FontRecordPage::kFont)
            return this->onFontPageEvent();
        const FontRecordLayout::Ticks& page = layout.ticks[this->currentPage];
        return this->tickTouched(page.touched, page.touchedCount);
    } else {
        if (role() == FontRecordPage::kNumeral && event == DLG_SELECTION && v.numeral)
            return numeral_page::unitChosen(*this, layout.numeral, *v.numeral, this->getCommandId());
        return 0;
    }
}

template class FontRecordDialog<FontSettingsDialogBase>;
template class FontRecordDialog<FontBatchDialogBase>;
