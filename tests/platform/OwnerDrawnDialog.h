#pragma once
// A live dialog holding one control of each owner-drawn kind (test resource 29009), declared by
// kind as an application dialog declares them.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/ControlKinds.h"
#include "tests/support/RecordingDialog.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
// What a surface holds before a paint: a pixel of it afterwards was not painted.
const COLORREF kUnpainted = RGB(255, 0, 255);

class OwnerDrawnTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.onEvent = [this](int event) {
            if (event == DLG_INIT) {
                const int kinds[][2] = {
                    {IDC_OD_CHECK_LIST, KIND_OWNER_DRAW_LIST}, {IDC_OD_TEXT_LIST, KIND_OWNER_DRAW_TREE},
                    {IDC_OD_TEXT_LIST2, KIND_OWNER_DRAW_TREE}, {IDC_OD_SCROLL, KIND_SCROLL_BAR},
                    {IDC_OD_SWATCH, KIND_COLOR_SWATCH},        {IDC_OD_DROP_FIELD, KIND_DROP_DOWN_LIST},
                    {IDC_OD_DROP_BUTTON, KIND_DROP_DOWN_BUTTON},
                };
                for (const auto& k : kinds)
                    EXPECT_TRUE(dialog.addControl(k[0], k[1]));
                dialog.attachControls();
            }
            return RecordingModeless::kNotAnswered;
        };
        ASSERT_EQ(dialog.create(IDD_TEST_OWNER_DRAWN), 1);
    }
    void TearDown() override { dialog.destroy(); }

    template <typename T> T& control(int id) { return dynamic_cast<T&>(*dialog.getControl(id)); }

    // The item becomes w x h pixels and the control takes its new client rectangle.
    void sizeItem(int id, int w, int h)
    {
        SetWindowPos(GetDlgItem(dialog.hwnd, id), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER);
        ASSERT_TRUE(dialog.getControl(id)->attach());
    }

    // A press of the left button at (x, y) of the item's client area.
    void click(int id, int x, int y)
    {
        POINT p = {x, y};
        ClientToScreen(GetDlgItem(dialog.hwnd, id), &p);
        mouse.rest(p.x, p.y);
        SendMessageA(dialog.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    }

    TestApplication app;
    RecordingModeless dialog;
    ScriptedMouse mouse;
};
