#pragma once
// Resource ids shared by the resource scripts and the code.

// Dialogs
#define IDD_SPLASH            102
#define IDC_SPLASH_PICTURE    1007

// Strings
#define IDS_TOOLBAR_DRAWING   1
#define IDS_READ_ERROR        11021
#define IDS_WRITE_ERROR       11022
#define IDS_OUT_OF_MEMORY     11025
#define IDS_OUTPUT_FAILED     11038

// The library frame's own menu bar and accelerators (the application's frame uses its own).
#define IDM_LIBRARY_FRAME     1104
#define IDA_LIBRARY_FRAME     1105
#define IDM_FRAME_QUIT        11001
