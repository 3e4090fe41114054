// The main frame's resources as the executable holds them: menu bar 101, accelerators 102, the
// icons, the splash picture and its dialog.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

#include "resources/ids.h"
#include "shell/FrameCommands.h"

namespace {

std::string itemText(HMENU menu, UINT position)
{
    char text[256] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

// One item of a pop-up: its command (0 for a separator) and its text.
struct Item {
    int id;
    const char* text;
};

struct Popup {
    const char* caption;
    std::vector<Item> items;
};

} // namespace

TEST(FrameResources, MenuBarHoldsTheFourPopupsWithEveryCommandAndText)
{
    const std::vector<Popup> expected = {
        {"ﾌｧｲﾙ(&F)",
         {{CMD_NEW, "新規作成(&N)\tCtrl+N"},
          {CMD_OPEN, "開く(&O)...\tCtrl+O"},
          {CMD_CLOSE, "閉じる(&C)\tCtrl+W"},
          {0, ""},
          {CMD_SAVE, "保存(&S)\tCtrl+S"},
          {CMD_SAVE_AS, "別名で保存(&A)..."},
          {CMD_SAVE_ALL, "すべて保存(&L)"},
          {0, ""},
          {CMD_DXF_IMPORT, "DXF読み込み"},
          {CMD_DXF_EXPORT, "DXF書き出し"},
          {CMD_PDF, "PDF出力..."},
          {0, ""},
          {CMD_PRINT_SETUP, "印刷の準備..."},
          {CMD_PRINT, "印刷..."},
          {0, ""},
          {CMD_EXIT, "KORVANEの終了(&X)\tCtrl+Q"}}},
        {"編集(&E)",
         {{CMD_UNDO, "元に戻す(&U)\tCtrl+Z"},
          {CMD_REDO, "やり直し(&R)\tCtrl+Y"},
          {0, ""},
          {CMD_CUT, "切り取り(&T)\tCtrl+X"},
          {CMD_COPY, "コピー(&C)\tCtrl+C"},
          {CMD_PASTE, "貼り付け(&P)\tCtrl+V"},
          {CMD_DELETE, "削除(&D)"},
          {CMD_SELECT_ALL, "全て選択(&L)\tCtrl+A"},
          {0, ""},
          {CMD_SELECT, "セレクト"},
          {CMD_PROPERTIES, "プロパティー"}}},
        {"環境(&K)", {{CMD_ENVIRONMENT, "作図環境"}, {CMD_FONT_CHANGE, "フォント変換"}, {CMD_SHORTCUT_KEYS, "ショートカットキー"}}},
        {"表示(&V)",
         {{CMD_TOOLBARS, "ツールバー"},
          {0, ""},
          {CMD_ZOOM_IN, "画面の拡大"},
          {CMD_ZOOM_OUT, "画面の縮小"},
          {0, ""},
          {CMD_ABOUT, "ﾊﾞｰｼﾞｮﾝ情報(&A)..."},
          {0, ""},
          {CMD_HELP, "ヘルプ..."}}},
    };

    HMENU bar = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_MAIN_FRAME));
    ASSERT_TRUE(bar);
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(expected.size()));
    for (size_t p = 0; p < expected.size(); ++p) {
        SCOPED_TRACE(expected[p].caption);
        EXPECT_EQ(itemText(bar, static_cast<UINT>(p)), expected[p].caption);
        HMENU popup = GetSubMenu(bar, static_cast<int>(p));
        ASSERT_TRUE(popup);
        ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(expected[p].items.size()));
        for (size_t i = 0; i < expected[p].items.size(); ++i) {
            const Item& item = expected[p].items[i];
            const UINT state = GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION);
            if (item.id == 0) {
                EXPECT_TRUE(state & MF_SEPARATOR) << "item " << i;
                continue;
            }
            EXPECT_EQ(GetMenuItemID(popup, static_cast<int>(i)), static_cast<UINT>(item.id)) << item.text;
            EXPECT_EQ(itemText(popup, static_cast<UINT>(i)), item.text);
        }
    }
    DestroyMenu(bar);
}

TEST(FrameResources, AcceleratorsIconsAndSplashPicture)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);

    // Table 102: eleven Ctrl keys, Ctrl+S among them.
    HACCEL table = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_MAIN_FRAME));
    ASSERT_TRUE(table);
    ACCEL entries[16];
    const int count = CopyAcceleratorTableA(table, entries, 16);
    const std::vector<std::pair<char, int>> expected = {
        {'A', CMD_SELECT_ALL}, {'C', CMD_COPY}, {'N', CMD_NEW},  {'O', CMD_OPEN},  {'Q', CMD_EXIT}, {'S', CMD_SAVE},
        {'V', CMD_PASTE},      {'W', CMD_CLOSE}, {'X', CMD_CUT}, {'Y', CMD_REDO}, {'Z', CMD_UNDO},
    };
    ASSERT_EQ(count, static_cast<int>(expected.size()));
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(entries[i].key, expected[i].first) << i;
        EXPECT_EQ(entries[i].cmd, expected[i].second) << i;
        EXPECT_EQ(entries[i].fVirt & (FCONTROL | FVIRTKEY | FSHIFT | FALT), FCONTROL | FVIRTKEY) << i;
    }
    DestroyAcceleratorTable(table);

    // The frame's and the drawings' icons, each at 16 and at 32 pixels.
    for (int id : {IDI_FRAME, IDI_DRAWING}) {
        for (int size : {16, 32}) {
            HICON icon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
            ASSERT_TRUE(icon) << id << " at " << size;
            ICONINFO info = {};
            ASSERT_TRUE(GetIconInfo(icon, &info));
            BITMAP colour = {};
            ASSERT_TRUE(GetObjectA(info.hbmColor, sizeof colour, &colour));
            EXPECT_EQ(colour.bmWidth, size);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            DestroyIcon(icon);
        }
    }

    // Bitmap 106 and dialog 102 with the picture's item.
    HBITMAP picture = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_SPLASH));
    ASSERT_TRUE(picture);
    BITMAP size = {};
    ASSERT_TRUE(GetObjectA(picture, sizeof size, &size));
    EXPECT_EQ(size.bmWidth, 400);
    EXPECT_EQ(size.bmHeight, 250);
    DeleteObject(picture);
    EXPECT_TRUE(FindResourceA(instance, MAKEINTRESOURCEA(IDD_SPLASH), RT_DIALOG));
}
