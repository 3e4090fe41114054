#pragma once

// The tags of the drawing file's own frame, which the document's reader and writer share: the
// root, "header", "pagedata" with each "page" number and the "entities" of a page, and the
// header's "dspedpage".
namespace document_file_tags {

enum Tag {
    kRoot = 1001,
    kHeader = 1011,
    kPageData = 1030,
    kPage = 1031,
    kDisplayedPage = 1032,
    kEntities = 1081,
};

} // namespace document_file_tags
