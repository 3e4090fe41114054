// File names, file lists and the file chooser's selection.
#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "platform/FileName.h"
#include "platform/FileSelection.h"

namespace {

TEST(FileName, DerivesTheTitle)
{
    FileName name;
    ASSERT_TRUE(name.setPathAndTitle("C:\\dir\\name.old.ycx"));
    EXPECT_STREQ(name.getTitle(), "name");
    EXPECT_EQ(name.fileNameOffset(), 7);
    ASSERT_TRUE(name.setPathAndTitle("name"));
    EXPECT_STREQ(name.getTitle(), "name");
    EXPECT_EQ(name.fileNameOffset(), 0);
    ASSERT_TRUE(name.setPathAndTitle("A:drawing.ycx"));
    EXPECT_STREQ(name.getTitle(), "drawing");
    // "表" ends in the byte of a backslash: it is no folder separator.
    ASSERT_TRUE(name.setPathAndTitle("C:\\図面\\表.ycx"));
    EXPECT_STREQ(name.getTitle(), "表");

    FileName copy;
    copy.assign(&name);
    copy.assign(nullptr);
    EXPECT_TRUE(copy.pathEquals(name));
    EXPECT_STREQ(copy.getTitle(), "表");
    EXPECT_TRUE(copy.pathEqualsNoCase("c:\\図面\\表.YCX"));
    copy.clear();
    EXPECT_STREQ(copy.getPath(), "");
    EXPECT_EQ(copy.getFlag(), 0);
}

TEST(FileName, ComparesExtensionsIgnoringCase)
{
    FileName name;
    ASSERT_TRUE(name.setPathAndTitle("C:\\dir\\Name.ycx"));
    EXPECT_TRUE(name.hasExtension("ycx"));
    EXPECT_TRUE(name.hasExtension(".YCX"));
    EXPECT_FALSE(name.hasExtension("ydx"));
    EXPECT_FALSE(name.hasExtension("cx"));
    ASSERT_TRUE(name.setPathAndTitle("C:\\dir\\noext"));
    EXPECT_FALSE(name.hasExtension("ycx"));
}

TEST(FileName, RefusesPathsLongerThan259Characters)
{
    FileName name;
    EXPECT_EQ(name.maxPathLength(), 259);
    std::string fits = "C:\\" + std::string(256, 'a');
    EXPECT_TRUE(name.setPathAndTitle(fits.c_str()));
    EXPECT_EQ(name.pathLength(), 259);
    std::string tooLong = fits + "b";
    EXPECT_FALSE(name.setPathAndTitle(tooLong.c_str()));
    EXPECT_STREQ(name.getPath(), "");
    EXPECT_STREQ(name.getTitle(), "");
    EXPECT_FALSE(name.setPath(tooLong.c_str()));
    EXPECT_STREQ(name.getPath(), "");
}

TEST(FileName, SplitsPlainPaths)
{
    char out[260];
    EXPECT_EQ(getFolderPart("C:\\dir\\表\\a.txt", out), 10);
    EXPECT_STREQ(out, "C:\\dir\\表\\");
    EXPECT_EQ(getFolderPart("a.txt", out), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(fileNameStart("C:\\dir\\a.txt"), 7);
    EXPECT_EQ(copyFileNamePart("C:\\dir\\表.txt", out), 6);
    EXPECT_STREQ(out, "表.txt");
    EXPECT_EQ(copyFileNamePart("plain", out), 5);
    // A slash separates as a backslash does: Windows takes either, and Wine passes a drawing named
    // on its command line as /folder/name.
    EXPECT_EQ(getFolderPart("/tmp/shots/a.ycx", out), 11);
    EXPECT_STREQ(out, "/tmp/shots/");
    EXPECT_EQ(getFolderPart("C:\\dir/sub\\a.txt", out), 11);
    EXPECT_EQ(copyFileNamePart("C:/dir/表.txt", out), 6);
    EXPECT_STREQ(out, "表.txt");
}

TEST(FileList, KeepsPathsAndNameParts)
{
    FileList list;
    EXPECT_TRUE(list.addJoined("C:\\dir\\", "one.ycx"));
    EXPECT_TRUE(list.addSplit("C:\\dir\\two.ycx", 7));
    EXPECT_TRUE(list.addJoined("D:\\", "三.ycx"));
    EXPECT_FALSE(list.addJoined(("C:\\" + std::string(250, 'f')).c_str(), "long-name.ycx"));
    ASSERT_EQ(list.count, 3);

    char text[260];
    EXPECT_TRUE(list.getNameAt(2, text));
    EXPECT_STREQ(text, "三.ycx");
    EXPECT_TRUE(list.getPathAt(0, text));
    EXPECT_STREQ(text, "C:\\dir\\one.ycx");
    FileRecord record;
    ASSERT_TRUE(list.getAt(1, record));
    EXPECT_EQ(record.nameOffset, 7);
    EXPECT_EQ(record.nameLength, 7);
    EXPECT_FALSE(list.getNameAt(3, text));
    EXPECT_TRUE(list.contains("c:\\DIR\\TWO.YCX"));
    EXPECT_FALSE(list.contains("C:\\dir\\three.ycx"));

    FileList copy;
    EXPECT_FALSE(copy.copyFrom(nullptr));
    EXPECT_TRUE(copy.copyFrom(&list));
    EXPECT_TRUE(copy.removeAt(0));
    EXPECT_FALSE(copy.removeAt(5));
    ASSERT_EQ(copy.count, 2);
    EXPECT_TRUE(copy.getPathAt(0, text));
    EXPECT_STREQ(text, "C:\\dir\\two.ycx");
    EXPECT_EQ(list.count, 3);
}

TEST(FileSelection, FiltersByExtension)
{
    FileSelection selection;
    EXPECT_FALSE(selection.isExcluded("anything"));
    selection.setExtensionFilter("ycx");
    EXPECT_FALSE(selection.isExcluded("a.YCX"));
    EXPECT_TRUE(selection.isExcluded("a.svg"));
    EXPECT_TRUE(selection.isExcluded("noext"));
    selection.setExtension("12345678"); // 8 characters: the previous extension stays
    EXPECT_STREQ(selection.extension, "ycx");
    selection.setExtensionFilter(".svg");
    EXPECT_FALSE(selection.isExcluded("b.svg"));
    selection.clearExtension();
    EXPECT_FALSE(selection.isExcluded("a.svg"));

    ASSERT_TRUE(selection.ensureList());
    ASSERT_TRUE(selection.ensureFolder());
    FileList* list = selection.list;
    EXPECT_TRUE(selection.ensureList());
    EXPECT_EQ(selection.list, list);
    std::strcpy(selection.folder->text, "C:\\parts\\");
    FolderPath other;
    other.assign(*selection.folder);
    EXPECT_STREQ(other.text, "C:\\parts\\");
    selection.releaseList();
    EXPECT_EQ(selection.list, nullptr);
}

} // namespace
