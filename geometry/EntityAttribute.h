#pragma once

class XmlContext;

// An attribute object of the document's attribute holder that reads its own tags of an element
// from the drawing file (a colour, a point, a line type ...). The tag reader routes each
// attribute tag of an element to the holder's object for that tag.
class EntityAttribute {
public:
    virtual ~EntityAttribute() = default;

    // Reads the value of the tag `tagId` that the file has just read, and its closing tag where
    // it has one. 0 when the value could not be read (the owner reports it).
    [[nodiscard]] virtual int readEntityXml(XmlContext& file, int tagId) = 0;
};
