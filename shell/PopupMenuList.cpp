#include "shell/PopupMenuList.h"

PopupMenuList* thePopupMenuList = nullptr;
