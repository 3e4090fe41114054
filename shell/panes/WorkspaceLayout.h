#pragma once
#include "platform/PaneLayout.h"

// The application's dock-pane layout: the frame and the pane windows reach it through
// PaneLayout; it owns the dock panes and the workspace hint window.
class WorkspaceLayout : public PaneLayout {};
