#pragma once
#include <new>

#include "document/Selection.h"
#include "platform/MessageBoxes.h"

// The two protocols every default record runs its dialogs by, for a record class `Record` with
// assignValues, assignBatch, clearFlags, anyFlagSet and copyFrom, and a dialog class with setRecord
// and run (DefaultsDialog). Each answers 1 when the dialog ended with OK.

// The settings dialog on a temporary copy of the record's values. OK copies the values back into
// the record and from it into the application's record (`processWide`, which may be null or the
// record itself); Cancel changes neither. The page shown last is remembered either way.
template <typename Record, typename SettingsDialog>
int runSettingsProtocol(Record& record, Record* processWide, const char* caption)
{
    Record* temporary = new (std::nothrow) Record;
    SettingsDialog* dialog = temporary ? new (std::nothrow) SettingsDialog : nullptr;
    int result = 0;
    if (dialog) {
        temporary->assignValues(record);
        int page = record.settingsPage;
        dialog->setRecord(temporary);
        result = dialog->run(page, caption);
        if (result == 1) {
            record.assignValues(*temporary);
            if (processWide && processWide != &record)
                processWide->copyFrom(&record);
        }
        record.settingsPage = page;
    } else {
        showOutOfMemory();
    }
    delete dialog;
    delete temporary;
    return result == 1;
}

// The batch dialog on a temporary copy of the record's values and of its flags, cleared first, so
// that the dialog opens with nothing ticked. OK makes the values and flags the record's (its
// drawing's defaults for new elements; the application's record stays) and, when something is
// ticked and the drawing has a selection, applies them to the selection as one undo record:
// the record is the selection's operation (accepts, apply).
template <typename Record, typename BatchDialog> int runBatchProtocol(Record& record, const char* caption)
{
    record.clearFlags();
    Record* temporary = new (std::nothrow) Record;
    BatchDialog* dialog = temporary ? new (std::nothrow) BatchDialog : nullptr;
    int result = 0;
    if (dialog) {
        temporary->assignValues(record);
        temporary->assignBatch(record);
        int page = record.batchPage;
        dialog->setRecord(temporary);
        result = dialog->run(page, caption);
        if (result == 1) {
            record.assignValues(*temporary);
            record.assignBatch(*temporary);
        }
        record.batchPage = page;
    } else {
        showOutOfMemory();
    }
    delete dialog;
    delete temporary;
    if (result != 1)
        return 0;
    Selection* selection = record.ownerSelection();
    if (selection && record.anyFlagSet())
        (void)selection->forEach(record); // the number changed; none is no failure
    return 1;
}
