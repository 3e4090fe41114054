#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/DeviceContext.h"
#include "tests/support/DibSurface.h"

// A surface to draw text on through a device context, with a Japanese font of the given pixel
// height selected and black text.
struct TextSurface {
    explicit TextSurface(int fontHeight, int side = 160, COLORREF background = RGB(255, 255, 255))
        : surface(side, side, background)
    {
        dc.attachHdc(surface.hdc);
        LOGFONTA description = {};
        description.lfHeight = -fontHeight;
        description.lfCharSet = SHIFTJIS_CHARSET;
        EXPECT_TRUE(dc.selectFont(description));
        dc.setTextColor(RgbColor(0, 0, 0));
    }
    ~TextSurface() { dc.detachHdc(); }
    TextSurface(const TextSurface&) = delete;
    TextSurface& operator=(const TextSurface&) = delete;
    int width(const char* text)
    {
        int cx = 0, cy = 0;
        dc.getTextExtent(text, cx, cy);
        return cx;
    }
    DibSurface surface;
    DeviceContext dc;
};
