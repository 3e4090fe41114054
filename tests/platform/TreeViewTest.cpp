// The tree view object on a dialog's SysTreeView32 item.
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <windows.h>
#include <commctrl.h>

#include "platform/ImageList.h"
#include "platform/TreeView.h"
#include "resources/ids.h"
#include "tests/support/RecordingDialog.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

namespace {

TEST(TreeView, ItemsTextsDataAndPictures)
{
    TestApplication app;
    TreeView tree;
    // Without a tree window everything answers 0.
    EXPECT_EQ(tree.insertItem(nullptr, "x", 0), nullptr);
    EXPECT_EQ(tree.setImageList(), 0);
    EXPECT_EQ(tree.deleteAll(), 0);

    RecordingModeless dialog;
    ASSERT_EQ(dialog.create(IDD_TEST_PAGE2), 1);
    ASSERT_EQ(tree.attachToControl(&dialog, IDC_PAGE2_TREE), 1);
    ImageList* images = tree.images();
    ASSERT_EQ(images->create(16, 16, 2, 0), 1);
    EXPECT_EQ(images->addIcon(IDI_FOLDER_CLOSED), 0);
    EXPECT_EQ(images->addIcon(IDI_FOLDER_OPEN), 1);
    EXPECT_EQ(images->addIcon(29999), -1);
    EXPECT_EQ(tree.setImageList(), 1);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(tree.window, TVM_GETIMAGELIST, TVSIL_NORMAL, 0)), images->list);

    HTREEITEM root = tree.insertItem(nullptr, "レイヤー", 0);
    HTREEITEM first = tree.insertItem(root, "下書き", 0);
    HTREEITEM second = tree.insertItem(root, "清書の線と文字", 0);
    ASSERT_TRUE(root && first && second);
    EXPECT_EQ(tree.firstChild(root), first);
    EXPECT_EQ(tree.nextSibling(first), second);
    EXPECT_EQ(tree.nextSibling(second), nullptr);
    EXPECT_EQ(tree.parent(second), root);

    // Texts come back whole, or cut short inside the buffer and never past it.
    char text[32];
    ASSERT_EQ(tree.getItemText(second, text, sizeof text), 1);
    EXPECT_STREQ(text, "清書の線と文字");
    char small[8];
    std::memset(small, 'x', sizeof small);
    char guard = small[sizeof small - 1];
    EXPECT_EQ(tree.getItemText(second, small, 6), 1);
    EXPECT_LT(std::strlen(small), 6u);
    EXPECT_EQ(small[7], guard);

    EXPECT_EQ(tree.exchangeItemData(first, 1), 0);
    EXPECT_EQ(tree.exchangeItemData(first, 5), 1);
    EXPECT_EQ(tree.setItemImage(first, 1), 1);
    TVITEMA item = {};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = first;
    SendMessageA(tree.window, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, 1);
    EXPECT_EQ(item.iSelectedImage, 1);

    EXPECT_EQ(tree.selectItem(second), 1);
    EXPECT_EQ(reinterpret_cast<HTREEITEM>(SendMessageA(tree.window, TVM_GETNEXTITEM, TVGN_CARET, 0)), second);
    EXPECT_EQ(tree.expandItem(root), 1);
    EXPECT_EQ(tree.deleteAll(), 1);
    EXPECT_EQ(tree.firstChild(nullptr), nullptr);
    dialog.destroy();
}

} // namespace
