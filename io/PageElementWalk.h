#pragma once
#include <functional>

class DocumentContext;
class Element;
class ElementEditorBase;
class FileProgress;

// Moves a progress window's bar only when the shown step changes (a thousandth of the range), so
// that a long read or write does not spend its time on the bar.
class ProgressSteps {
public:
    ProgressSteps(FileProgress* progress, int total);
    // Shows the position; 1 while the user has not cancelled.
    [[nodiscard]] int step(int position);
    [[nodiscard]] int cancelled() const;

private:
    FileProgress* progress;
    long long total;
    long long shown = -1;
};

// Walks the elements of the drawing's current page in page order, each taken into the editor
// and handed to `visit`, which answers as an element's SVG or DXF write does (below 0 stops the
// walk). The progress window, when there is one, gets the page's element count as its range and
// each element's ordinal; its Cancel stops the walk after the element in hand.
//
// 1 when every element was visited; 0 when a visit failed, an element could not be taken or the
// page's chain ended early, or the user cancelled.
[[nodiscard]] int walkCurrentPage(DocumentContext& context, ElementEditorBase& editor, FileProgress* progress,
                                  const std::function<int(Element&)>& visit);
