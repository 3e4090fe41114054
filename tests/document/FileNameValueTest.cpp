// The picture's file name relative to the drawing's folder, and the folders the file dialogs
// remember.
#include <gtest/gtest.h>
#include <functional>
#include <string>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementKind.h"
#include "document/FileNameValue.h"
#include "document/FolderMemory.h"
#include "document/TagDictionary.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"
#include "platform/BufferedFile.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/ScratchFolder.h"

namespace {

// A holder whose file name object reads "fileName"; `kind` says whether it reads for a picture.
class NameHolder : public Element {
public:
    EntityAttribute* entityAttribute(int tagId) override { return tagId == tag_id::fileName ? &name : nullptr; }
    FileNameValue name;
};

// A document bound directly to a file for writing or reading one value.
class NameFile : public Document {
public:
    ~NameFile() override { (void)ioFile()->close(); } // written files are read back by name

    // The bytes written by body, with the document at `path`.
    std::string write(const std::string& path, const std::function<void()>& body)
    {
        std::string target = scratch.pathOf("w.ycx");
        (void)ioFile()->close(); // the file of the last call, read back already
        DeleteFileA(target.c_str());
        FileName file;
        EXPECT_TRUE(file.setPath(target.c_str()) && ioFile()->createEmpty(file) && ioFile()->openReadWrite(file) &&
                    setPathAndTitle(path.c_str()));
        attachWriter(ioFile(), &tags);
        body();
        (void)ioFile()->close(); // unbuffered: a failed write shows in the bytes read back
        attachWriter(nullptr, nullptr);
        return ScratchFolder::read(target);
    }
    // Reads one "fileName" element from the bytes as the document at `path` reads it for an
    // element of this kind.
    std::string read(const std::string& path, const std::string& bytes, ElementKind kind)
    {
        (void)ioFile()->close(); // the file of the last call, read back already
        FileName file;
        if (!file.setPath(scratch.file("r.ycx", bytes).c_str()) || !ioFile()->openForRead(file) ||
            !setPathAndTitle(path.c_str()) || !beginIo()) {
            ADD_FAILURE() << "no file to read for " << path;
            return std::string();
        }
        attachReader(ioFile(), &tags);
        attributeHolder()->kind = kindCode(kind);
        int id = 0;
        EXPECT_TRUE(nextTag(id) && readEntityTag(id)) << bytes;
        std::string text = static_cast<NameHolder*>(attributeHolder())->name.text();
        endIo();
        attachReader(nullptr, nullptr);
        return text;
    }

    ScratchFolder scratch;
    TagDictionary tags;

protected:
    Element* makeAttributeHolder() override { return new NameHolder; }
};

TEST(FileNameValue, APictureBesideTheDrawingTravelsWithIt)
{
    NameFile file;
    FileNameValue picture;
    picture.setText("C:\\Work\\Plans\\logo.bmp");

    // In the drawing's folder (any case): the name alone.
    EXPECT_EQ(file.write("c:\\work\\PLANS\\house.ycx", [&] { EXPECT_EQ(picture.writeXml(file), 1); }),
              "<fileName>\"logo.bmp\"</fileName>\r\n");
    // Elsewhere the whole path; an empty path writes nothing.
    EXPECT_EQ(file.write("C:\\Work\\house.ycx", [&] { EXPECT_EQ(picture.writeXml(file), 1); }),
              "<fileName>\"C:\\Work\\Plans\\logo.bmp\"</fileName>\r\n");
    FileNameValue empty;
    EXPECT_EQ(file.write("C:\\Work\\house.ycx", [&] { EXPECT_EQ(empty.writeXml(file), 1); }), "");

    // Read by a picture of a drawing that now lies in another folder: found beside it.
    const std::string stored = "<fileName>\"logo.bmp\"</fileName>\r\n";
    EXPECT_EQ(file.read("D:\\Moved\\house.ycx", stored, ElementKind::Picture), "D:\\Moved\\logo.bmp");
    // Other kinds, names with a folder part and untitled drawings keep the text as read.
    EXPECT_EQ(file.read("D:\\Moved\\house.ycx", stored, ElementKind::Bitmap), "logo.bmp");
    EXPECT_EQ(file.read("D:\\Moved\\house.ycx", "<fileName>\"E:logo.bmp\"</fileName>", ElementKind::Picture),
              "E:logo.bmp");
    EXPECT_EQ(file.read("", stored, ElementKind::Picture), "logo.bmp");
    // A joined path past 259 characters keeps the name without the folder.
    const std::string deep = "D:\\" + std::string(200, 'f') + "\\";
    const std::string longName(70, 'n');
    EXPECT_EQ(file.read(deep + "house.ycx", "<fileName>\"" + longName + "\"</fileName>", ElementKind::Picture),
              longName);
    EXPECT_EQ(file.read(deep + "house.ycx", stored, ElementKind::Picture), deep + "logo.bmp");
}

TEST(FileNameValue, RecordImagesAreCheckedWhenReadBack)
{
    FileNameValue name;
    name.setText("C:\\図面\\写真.jpg");
    ElementRecordBuffer buffer;
    ASSERT_EQ(name.exchangeRecord(1, buffer), 1);
    EXPECT_EQ(buffer.count, 4 + 16);
    FileNameValue back;
    buffer.rewind();
    ASSERT_EQ(back.exchangeRecord(3, buffer), 1);
    EXPECT_STREQ(back.text(), "C:\\図面\\写真.jpg");

    // A length the record or the path cannot hold leaves the path.
    for (int length : {-1, 260, 100}) {
        ElementRecordBuffer bad;
        ASSERT_EQ(bad.putInt(length), 1);
        ASSERT_EQ(bad.putBytes("abc", 3), 1);
        bad.rewind();
        EXPECT_EQ(back.exchangeRecord(3, bad), 0) << length;
        EXPECT_STREQ(back.text(), "C:\\図面\\写真.jpg");
    }
    EXPECT_EQ(back.exchangeRecord(2, buffer), 0);

    // Texts longer than the path are cut on a character boundary.
    FileNameValue cut;
    cut.setText((std::string(258, 'a') + "表").c_str());
    EXPECT_EQ(std::string(cut.text()), std::string(258, 'a'));
}

TEST(FolderMemory, DialogsStartInTheRememberedFolders)
{
    FolderMemory folders;
    FileName name;
    folders.beforeDialog(name);
    EXPECT_STREQ(name.getPath(), "") << "nothing remembered yet";
    ASSERT_EQ(name.setPath("C:\\Plans\\house.ycx"), 1);
    folders.afterDialog(name);
    EXPECT_STREQ(folders.drawingFolder, "C:\\Plans\\");
    FileName next;
    folders.beforeDialog(next);
    EXPECT_STREQ(next.getPath(), "C:\\Plans\\");
    FileName given;
    ASSERT_EQ(given.setPath("D:\\other.ycx"), 1);
    folders.beforeDialog(given);
    EXPECT_STREQ(given.getPath(), "D:\\other.ycx");
    FileName bare;
    ASSERT_EQ(bare.setPath("plain.ycx"), 1);
    folders.afterDialog(bare);
    EXPECT_STREQ(folders.drawingFolder, "C:\\Plans\\") << "a name without folder changes nothing";

    FileName pdf;
    folders.beforePdfDialog(pdf);
    EXPECT_STREQ(pdf.getPath(), "");

    // The settings file: "PDFDIR" only when there is one.
    FakeSettingsFile file;
    file.registerSection(FolderMemory::kSection, "FILEINFO");
    file.registerKey(FolderMemory::kFileDir, "FILEDIR");
    file.registerKey(FolderMemory::kPdfDir, "PDFDIR");
    ASSERT_EQ(folders.writeIni(file), 1);
    EXPECT_EQ(file.text, "[FILEINFO]\r\nFILEDIR=\"C:\\Plans\\\"\r\n");
    ASSERT_EQ(pdf.setPath("E:\\Out\\a.pdf"), 1);
    folders.afterPdfDialog(pdf);
    file.text.clear();
    ASSERT_EQ(folders.writeIni(file), 1);
    EXPECT_EQ(file.text, "[FILEINFO]\r\nFILEDIR=\"C:\\Plans\\\"\r\nPDFDIR=\"E:\\Out\\\"\r\n");

    file.text += "[GRID]\r\n";
    file.rewind();
    ASSERT_TRUE(file.readKey()); // the section line
    FolderMemory read;
    ASSERT_EQ(read.readIni(file), 1);
    EXPECT_STREQ(read.drawingFolder, "C:\\Plans\\");
    EXPECT_STREQ(read.pdfFolder, "E:\\Out\\");
}

} // namespace
