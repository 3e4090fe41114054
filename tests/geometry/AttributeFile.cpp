#include "tests/geometry/AttributeFile.h"

#include "platform/BufferedFile.h"

EntityAttribute* AttributeHolder::entityAttribute(int tagId)
{
    switch (tagId) {
    case 1410:
    case 1412:
        return &colour;
    case 1420:
        return &edge;
    case 1421:
        return &paint;
    case 1423:
        return &drawType;
    case 1470:
        return &lineType;
    case 1481:
        return &pattern;
    case 1491:
        return &lineSize;
    case 1492:
        return &lineOrigin;
    case 1493:
        return &lineCap;
    case 1510:
        return &gray;
    case 1611:
        return &underLine;
    case 1621:
        return &drawLine;
    default:
        return nullptr;
    }
}

AttributeFile::~AttributeFile()
{
    delete published;
    ioFile()->close();
}

std::string AttributeFile::write(const std::function<void(Document&)>& body, int startLevel)
{
    ioFile()->close();
    std::string path = scratch.pathOf("w.ycx");
    DeleteFileA(path.c_str());
    setPath(path.c_str());
    ioFile()->createEmpty(*this);
    ioFile()->openReadWrite(*this);
    ioFile()->setBufferedWrite(1);
    attachWriter(ioFile(), &tags);
    ioError = 0;
    level = startLevel;
    {
        XmlContextScope scope(this);
        body(*this);
    }
    ioFile()->flush();
    ioFile()->close();
    attachWriter(nullptr, nullptr);
    return ScratchFolder::read(path);
}

void AttributeFile::open(const std::string& bytes)
{
    delete published;
    published = nullptr;
    ioFile()->close();
    setPath(scratch.file("r.ycx", bytes).c_str());
    ioFile()->openForRead(*this);
    attachReader(ioFile(), &tags);
    dataErrorCount = 0;
    published = new XmlContextScope(this);
}

int AttributeFile::readIntoHolder()
{
    beginIo();
    int id = 0;
    while (nextTag(id)) {
        if (isClosingTag())
            continue;
        if (!readEntityTag(id))
            return 0;
    }
    return 1;
}
