#include "dialogs/FileProgressWindow.h"

#include <new>

FileProgress* makeFileProgressWindow() { return new (std::nothrow) FileProgressWindow; }
