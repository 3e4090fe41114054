#include "document/FileNameValue.h"

#include "document/Document.h"
#include "document/Element.h"
#include "document/ElementKind.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"
#include "platform/Dialog.h"
#include "platform/FileName.h"
#include "platform/StringUtil.h"

void FileNameValue::assign(const FileNameValue* other)
{
    if (other && other != this)
        setText(other->path);
}

void FileNameValue::setText(const char* text) { StringUtil::copy(path, text ? text : ""); }

int FileNameValue::readXml(Document& document, int endTag)
{
    char name[kCapacity];
    if (!document.readQuoted(name, sizeof name))
        return 0;
    const Element* holder = document.attributeHolder();
    const bool bare = StringUtil::findChar(name, '\\') == nullptr && StringUtil::findChar(name, ':') == nullptr;
    char folder[FileName::pathCapacity];
    const int folderLength = getFolderPart(document.getPath(), folder);
    if (holder && holder->kind == kindCode(ElementKind::Picture) && bare && folderLength > 0 &&
        folderLength + StringUtil::length(name) < kCapacity) {
        StringUtil::copy(path, folder);
        StringUtil::append(path, name);
    } else {
        StringUtil::copy(path, name);
    }
    return document.expectTag(endTag);
}

int FileNameValue::readEntityXml(XmlContext& file, int tagId)
{
    // The folder and the holder's kind come from the document being read.
    Document* document = file.document();
    return document ? readXml(*document, tagId) : 0;
}

int FileNameValue::writeXml(Document& document) const
{
    if (path[0] == 0)
        return 1;
    char own[FileName::pathCapacity];
    char drawing[FileName::pathCapacity];
    getFolderPart(path, own);
    getFolderPart(document.getPath(), drawing);
    if (own[0] != 0 && StringUtil::equalsNoCase(own, drawing))
        return document.writeStringTag(tag_id::fileName, path + fileNameStart(path));
    return document.writeStringTag(tag_id::fileName, path);
}

int FileNameValue::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1) {
        const int length = StringUtil::length(path);
        return buffer.putInt(length) && buffer.putBytes(path, length);
    }
    if (mode != 3)
        return 0;
    int32_t length = 0;
    if (!buffer.getInt(length) || length < 0 || length >= kCapacity || length > buffer.remaining())
        return 0;
    char text[kCapacity];
    if (length > 0 && !buffer.getBytes(text, length))
        return 0;
    text[length] = 0;
    StringUtil::copy(path, text);
    return 1;
}

int FileNameValue::writeToControl(Dialog* dialog, int id) const
{
    Control* control = dialog ? dialog->findControl(id) : nullptr;
    if (!control)
        return 0;
    control->setText(path);
    return 1;
}
