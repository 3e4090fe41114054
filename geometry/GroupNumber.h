#pragma once
#include "geometry/EntityAttribute.h"

class XmlContext;

// The group of an element (0: none; groups are numbered from 1). Drawing-file tag "group", an
// integer written only for groups of 1 and above; it has no record image of its own (the index
// entry holds it). A group read while the drawing maps groups (a part or a file being read into
// a drawing that has groups of its own) takes its mapped number.
class GroupNumber : public EntityAttribute {
public:
    void reset() { group = 0; }
    void assign(const GroupNumber* other)
    {
        if (other)
            group = other->group;
    }

    // The integer of the value tag just opened, then the closing tag endTag, through the current
    // XML context. A number below 1 is not taken; another is mapped by the reader's group map
    // (when it keeps one) and stored.
    [[nodiscard]] int readXmlValue(int endTag);
    // Groups below 1 write nothing and succeed; another is stored and written through the
    // current XML context.
    [[nodiscard]] int writeXml(int newGroup);
    [[nodiscard]] int readEntityXml(XmlContext& document, int tagId) override;

    int group = 0;
    XmlContext* xmlContext = nullptr; // the reader or writer of the last call, not owned
};
