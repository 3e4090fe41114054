#include "views/PageTabBar.h"

PageTabBar* thePageTabBar = nullptr;
