// The run of an element's property dialog, shared by the kinds that have one.
#include "dialogs/properties/PropertyDialog.h"
#include "elements/Element.h"
#include "elements/VertexRoundingList.h"
#include "views/ViewUpdater.h"

namespace shared_body {

int runPropertyDialog(Element& e, PropertyDialog* dialog, int hasPrevious, int hasNext)
{
    ViewUpdater* updater = e.viewUpdater();
    (void)e.erase(); // nothing to erase without a view
    if (updater) {
        updater->setSkippedId(e.id);
        updater->setInEditMark(1);
        updater->flushPainter();
    }
    int result = 0;
    if (dialog) {
        dialog->bind(&e);
        result = dialog->run(hasPrevious, hasNext);
        delete dialog;
    }
    if (updater) {
        updater->setSkippedId(-1);
        updater->setInEditMark(0);
    }
    return result;
}

} // namespace shared_body
