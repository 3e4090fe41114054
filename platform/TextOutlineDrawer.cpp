#include "platform/TextOutlineDrawer.h"

int TextOutlineDrawer::draw(DeviceContext&, int, int, int, double, const char*) { return 0; }
