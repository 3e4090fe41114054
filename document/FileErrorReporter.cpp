#include "document/FileErrorReporter.h"

#include "platform/MessageBoxes.h"

FileErrorReporter theFileErrorReporter;

void FileErrorReporter::reset()
{
    for (int& counter : counters)
        counter = 0;
}

void FileErrorReporter::report(int kind, const char* text, const char* caption)
{
    static const char* const kindTexts[5] = {
        nullptr, "ファイル名がない", "ファイルが存在しません", "ファイル種類がちがいます", "データが見つかりません",
    };
    if (kind < 1 || kind > 4)
        return;
    ++counters[0];
    if (++counters[kind] >= 2)
        return;
    showErrorBox(text ? text : kindTexts[kind], caption ? caption : "エラー");
}
