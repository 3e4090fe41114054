#include "tests/support/FileDialogScript.h"

#include "platform/StringUtil.h"

FileDialogScript* FileDialogScript::active = nullptr;

FileDialogScript::FileDialogScript()
{
    active = this;
    previousOpen = setOpenFileFunction(answer);
    previousSave = setSaveFileFunction(answer);
}

FileDialogScript::~FileDialogScript()
{
    setOpenFileFunction(previousOpen);
    setSaveFileFunction(previousSave);
    active = nullptr;
}

BOOL FileDialogScript::answer(OPENFILENAMEA* record)
{
    FileDialogScript& self = *active;
    self.startedFrom.push_back(record->lpstrFile);
    const char* filter = record->lpstrFilter;
    self.filters.clear();
    while (filter && *filter) {
        self.filters.push_back(filter);
        filter += self.filters.back().size() + 1;
    }
    std::string chosen = self.answers.empty() ? "" : self.answers.front();
    if (!self.answers.empty())
        self.answers.erase(self.answers.begin());
    if (chosen.empty())
        return FALSE;
    StringUtil::copy(record->lpstrFile, static_cast<int>(record->nMaxFile), chosen.c_str());
    record->nFilterIndex = 1;
    return TRUE;
}
