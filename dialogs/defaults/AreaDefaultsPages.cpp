#include "dialogs/defaults/AreaDefaultsPages.h"

#include "resources/ids_defaults.h"

namespace area_defaults_page {
namespace {

constexpr int kTickCount = 6;

void bindTicks(const AreaFlags& flags, BatchEditDialog::Tick (&ticks)[kTickCount])
{
    ticks[0] = {IDC_AREA_TICK_EDGE_DRAWN, flags.edgeDrawn};
    ticks[1] = {IDC_AREA_TICK_FILL_DRAWN, flags.fillDrawn};
    ticks[2] = {IDC_AREA_TICK_PATTERN, flags.pattern};
    ticks[3] = {IDC_AREA_TICK_PITCH1, flags.pitch1};
    ticks[4] = {IDC_AREA_TICK_PITCH2, flags.pitch2};
    ticks[5] = {IDC_AREA_TICK_SCREEN, flags.screen};
}

} // namespace

const AreaPageIds kSettingsPage = {IDC_AREA_SET_EDGE_DRAWN, IDC_AREA_SET_FILL_DRAWN, IDC_AREA_SET_PATTERN,
                                   IDC_AREA_SET_PITCH1,     IDC_AREA_SET_PITCH2,     IDC_AREA_SET_SCREEN,
                                   IDC_AREA_SET_START,      IDC_AREA_SET_END,        IDC_AREA_SET_DIRECTION};
const AreaPageIds kBatchPage = {IDC_AREA_BATCH_EDGE_DRAWN, IDC_AREA_BATCH_FILL_DRAWN, IDC_AREA_BATCH_PATTERN,
                                IDC_AREA_BATCH_PITCH1,     IDC_AREA_BATCH_PITCH2,     IDC_AREA_BATCH_SCREEN,
                                IDC_AREA_BATCH_START,      IDC_AREA_BATCH_END,        IDC_AREA_BATCH_DIRECTION};

void declareBatch(BatchEditDialog& dialog)
{
    area_page::declare(dialog, kBatchPage);
    const BatchEditDialog::Tick ids[kTickCount] = {{IDC_AREA_TICK_EDGE_DRAWN, nullptr}, {IDC_AREA_TICK_FILL_DRAWN, nullptr},
                                                   {IDC_AREA_TICK_PATTERN, nullptr},    {IDC_AREA_TICK_PITCH1, nullptr},
                                                   {IDC_AREA_TICK_PITCH2, nullptr},     {IDC_AREA_TICK_SCREEN, nullptr}};
    dialog.declareTicks(ids, kTickCount);
}

void loadBatch(BatchEditDialog& dialog, const AreaAttributes& area, const AreaFlags& flags)
{
    BatchEditDialog::Tick ticks[kTickCount];
    bindTicks(flags, ticks);
    dialog.loadTicks(ticks, kTickCount);
    area_page::load(dialog, kBatchPage, area);
}

void storeBatch(BatchEditDialog& dialog, const AreaAttributes& area, const AreaFlags& flags)
{
    BatchEditDialog::Tick ticks[kTickCount];
    bindTicks(flags, ticks);
    dialog.storeTicks(ticks, kTickCount);
    area_page::store(dialog, kBatchPage, area);
}

int onBatchEvent(BatchEditDialog& dialog)
{
    switch (dialog.event) {
    case DLG_COMMAND:
    case DLG_CLICK: {
        const int id = dialog.currentControl ? dialog.currentControl->id : 0;
        if (id == IDC_AREA_BATCH_EDGE_DRAWN)
            dialog.tick(IDC_AREA_TICK_EDGE_DRAWN);
        else if (id == IDC_AREA_BATCH_FILL_DRAWN)
            dialog.tick(IDC_AREA_TICK_FILL_DRAWN);
        else
            return 0;
        return 1;
    }
    case DLG_SELECTION: {
        const int id = dialog.getCommandId();
        if (id == IDC_AREA_BATCH_PATTERN)
            dialog.tick(IDC_AREA_TICK_PATTERN);
        else if (id == IDC_AREA_BATCH_SCREEN || id == IDC_AREA_BATCH_DIRECTION)
            dialog.tick(IDC_AREA_TICK_SCREEN);
        else
            return 0;
        return 1;
    }
    case DLG_CHANGE:
        switch (dialog.getCommandId()) {
        case IDC_AREA_BATCH_PITCH1:
            dialog.tickIfRealChanged(IDC_AREA_BATCH_PITCH1, IDC_AREA_TICK_PITCH1);
            return 1;
        case IDC_AREA_BATCH_PITCH2:
            dialog.tickIfRealChanged(IDC_AREA_BATCH_PITCH2, IDC_AREA_TICK_PITCH2);
            return 1;
        case IDC_AREA_BATCH_START:
        case IDC_AREA_BATCH_END:
            dialog.tickIfIntChanged(dialog.getCommandId(), IDC_AREA_TICK_SCREEN);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}

} // namespace area_defaults_page
