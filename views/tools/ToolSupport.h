#pragma once
// What the select, move and rotate tools share: view lengths and points, the selected ids as the
// store holds them, and the pick colour.
#include <functional>
#include <vector>

#include "platform/RgbColor.h"

class Dialog;
class DocumentContext;
class Element;
class ElementEditorBase;
class SelectTool;
class ViewParams;
struct IntPoint;

namespace tool_support {

// The world length of a number of view pixels (drawing units); 0 without a view.
[[nodiscard]] double pixelLength(ViewParams* view, double pixels);
// The cursor's point in drawing units; 0 without a view.
[[nodiscard]] int mouseWorldPoint(ViewParams* view, double& x, double& y, double& z);
// A device point in drawing units.
void deviceToWorld(ViewParams* view, const IntPoint& device, double& x, double& y);
// The selected ids that the drawing's store still holds, in selection order: an id that a file
// read or an undo removed is skipped, never edited.
[[nodiscard]] std::vector<int> liveSelectedIds(DocumentContext* context);
// The colour of picked elements and the tools' marks.
[[nodiscard]] RgbColor pickColour();
// After a press at `press` (view pixels): waits for its release, then answers 1 when a second
// press follows within the double-click time of the drawing's tick stamp (started at the first
// press) and at most 2 pixels away (its release is waited for too). Otherwise it answers 0 as
// soon as the time is over or the cursor has left, and asks for a mouse move, so that the tool
// starts again and sees the move or press that ended the wait.
[[nodiscard]] int secondClickFollows(DocumentContext* context, const IntPoint& press);
// Asks the view for a mouse move when the cursor lies in it (a tool restarts at once).
void repostMouseMove(DocumentContext* context);
// 1 when each element of ids, taken into the editor's hand and changed there, could be stored
// back (an element that cannot be taken is passed over); nothing is stored. Otherwise 0, and the
// user is told: a change of the selection then reaches none of its elements rather than the ones
// before the first that the store refused.
[[nodiscard]] int canChangeAll(ElementEditorBase& editor, const std::vector<int>& ids,
                               const std::function<void(Element&)>& change);

// The number typed into a dialog field: 1 and the value when the whole text is a finite number
// within +-limit; otherwise the user is told which field is wrong (its name in the message), the
// field takes the focus and 0 is returned.
[[nodiscard]] int readNumberField(Dialog& dialog, int id, const char* name, double limit, double& value);

// Coordinates and distances typed into the tools' dialogs stay within this many millimetres of
// the origin, far beyond any sheet.
constexpr double kCoordinateLimit = 1.0e6;

} // namespace tool_support
