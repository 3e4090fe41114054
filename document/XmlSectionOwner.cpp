#include "geometry/XmlSectionOwner.h"

#include "document/Document.h"

int XmlSectionOwner::writeXmlSection(Document&) { return 1; }

int XmlSectionOwner::readXmlSection(Document& document, int tagId) { return document.skipSection(tagId); }
