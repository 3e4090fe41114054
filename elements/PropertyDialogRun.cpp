#include "elements/PropertyDialogRun.h"

#include "dialogs/properties/PropertyDialog.h"
#include "elements/Element.h"
#include "views/ViewUpdater.h"

int runPropertyDialog(Element& element, PropertyDialog* dialog, int hasPrevious, int hasNext)
{
    ViewUpdater* updater = element.viewUpdater();
    (void)element.erase(); // nothing to erase without a view
    if (updater) {
        updater->setSkippedId(element.id);
        updater->setInEditMark(1);
        updater->flushPainter();
    }
    int result = 0;
    if (dialog) {
        dialog->bind(&element);
        result = dialog->run(hasPrevious, hasNext);
        delete dialog;
    }
    if (updater) {
        updater->setSkippedId(-1);
        updater->setInEditMark(0);
    }
    return result;
}
