#include "tests/support/AttributeFile.h"

#include <gtest/gtest.h>

#include "geometry/TagIds.h"
#include "platform/BufferedFile.h"

EntityAttribute* AttributeHolder::entityAttribute(int tagId)
{
    switch (tagId) {
    case tag_id::rgbColor:
    case tag_id::cmykPercent:
        return &colour;
    case tag_id::edge:
        return &edge;
    case tag_id::paint:
        return &paint;
    case tag_id::drawType:
        return &drawType;
    case tag_id::lineType:
        return &lineType;
    case tag_id::pattern:
        return &pattern;
    case tag_id::lineSize:
        return &lineSize;
    case tag_id::lineOrigin:
        return &lineOrigin;
    case tag_id::lineCap:
        return &lineCap;
    case tag_id::gray:
        return &gray;
    case tag_id::underLine:
        return &underLine;
    case tag_id::drawLine:
        return &drawLine;
    case tag_id::font:
        return &font;
    case tag_id::jikan:
    case tag_id::gyokan:
        return &spacing;
    case tag_id::lean:
        return &lean;
    case tag_id::openClose:
        return &openClose;
    case tag_id::group:
        return &group;
    case tag_id::layer:
        return &layer;
    case tag_id::margin:
        return &margin;
    case tag_id::sttAngle:
        return &startAngle;
    case tag_id::endAngle:
        return &endAngle;
    default:
        return nullptr;
    }
}

AttributeFile::~AttributeFile()
{
    delete published;
    (void)ioFile()->close(); // written files were read back by name already
}

std::string AttributeFile::write(const std::function<void(Document&)>& body, int startLevel)
{
    (void)ioFile()->close(); // the file of the last call, read back already
    std::string path = scratch.pathOf("w.ycx");
    DeleteFileA(path.c_str());
    EXPECT_TRUE(setPath(path.c_str()) && ioFile()->createEmpty(*this) && ioFile()->openReadWrite(*this));
    ioFile()->setBufferedWrite(1);
    attachWriter(ioFile(), &tags);
    ioError = 0;
    level = startLevel;
    {
        XmlContextScope scope(this);
        body(*this);
    }
    // A flush or close that fails shows in the bytes read back, which the tests compare.
    (void)ioFile()->flush();
    (void)ioFile()->close();
    attachWriter(nullptr, nullptr);
    return ScratchFolder::read(path);
}

void AttributeFile::open(const std::string& bytes)
{
    delete published;
    published = nullptr;
    (void)ioFile()->close(); // the file of the last call, read back already
    EXPECT_TRUE(setPath(scratch.file("r.ycx", bytes).c_str()) && ioFile()->openForRead(*this));
    attachReader(ioFile(), &tags);
    dataErrorCount = 0;
    published = new XmlContextScope(this);
}

int AttributeFile::readIntoHolder()
{
    if (!beginIo())
        return 0;
    int id = 0;
    while (nextTag(id)) {
        if (isClosingTag())
            continue;
        if (!readEntityTag(id))
            return 0;
    }
    return 1;
}
