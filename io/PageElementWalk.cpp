#include "io/PageElementWalk.h"

#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "document/FileProgress.h"
#include "document/PageChainTable.h"
#include "views/tools/ElementEditor.h"

ProgressSteps::ProgressSteps(FileProgress* progress, int total) : progress(progress), total(total > 0 ? total : 0)
{
    if (progress)
        progress->begin(0, total);
}

int ProgressSteps::step(int position)
{
    if (!progress)
        return 1;
    const long long at = total > 0 ? static_cast<long long>(position) * 1000 / total : 0;
    if (at != shown) {
        shown = at;
        progress->step(position);
    }
    return !progress->cancelled();
}

int ProgressSteps::cancelled() const { return progress && progress->cancelled(); }

int walkCurrentPage(DocumentContext& context, ElementEditorBase& editor, FileProgress* progress,
                    const std::function<int(Element&)>& visit)
{
    ElementStore* store = context.elementStore();
    const int page = context.currentPage();
    const int count = store && store->pageTable ? store->pageTable->getCount(page) : 0;
    ProgressSteps steps(progress, count);
    int id = count > 0 ? store->pageTable->getFirst(page) : -1;
    // The count bounds the walk, so that a damaged chain cannot loop.
    for (int done = 0; done < count; ++done) {
        ElementIndexEntry entry;
        if (!steps.step(done) || id < 1 || !editor.beginEdit(id) || !store->getEntry(id, &entry))
            return 0;
        Element* element = editor.elementInHand();
        if (!element || visit(*element) < 0)
            return 0;
        id = entry.pageNext;
    }
    return !steps.cancelled();
}
