#pragma once
#include <string>
#include <vector>

#include "platform/CommonFileDialog.h"

// Stands in for the user at the system's file dialogs while it lives: each call records the name
// the dialog started from and the file types it listed, and answers with the next scripted path
// ("" = Cancel), chosen with the first file type.
//
//     FileDialogScript dialogs;
//     dialogs.answers = {scratch.pathOf("part.ycx")};
class FileDialogScript {
public:
    FileDialogScript();
    ~FileDialogScript();
    FileDialogScript(const FileDialogScript&) = delete;
    FileDialogScript& operator=(const FileDialogScript&) = delete;

    std::vector<std::string> answers;
    std::vector<std::string> startedFrom;
    std::vector<std::string> filters;

private:
    static BOOL answer(OPENFILENAMEA* record);

    FileDialogFunction previousOpen;
    FileDialogFunction previousSave;
    static FileDialogScript* active;
};
