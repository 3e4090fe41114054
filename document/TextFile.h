#pragma once
#include "document/DataFile.h"

class TextString;

// A DataFile read and written as text: lines, runs up to a stop byte or a pattern, and the
// writes of bytes, texts and line ends. Lines end with CR LF.
class TextFile : public DataFile {
public:
    TextFile() = default;
    ~TextFile() override;

    // One line without its line end, at most size - 1 bytes; -1 at the end of the file.
    [[nodiscard]] int readLine(char* buffer, int size);
    // Reads up to the stop byte, which ends the read and is not stored; bytes at or below the
    // lowest kept byte (below 0x80) are dropped. The length, or -1 when the file ends first. A
    // full buffer (size - 1 bytes) ends the read with its length.
    [[nodiscard]] int readUntilByte(char* buffer, int size, char stop, unsigned char lowestKept);
    // Reads until the whole pattern has been read; the buffer is cut where the match began, and
    // the pattern is not kept. Kept bytes as above. The length, -1 when the file ends first, and
    // the length of a full buffer.
    [[nodiscard]] int readUntilPattern(char* buffer, int size, const char* pattern, unsigned char lowestKept);
    // Reads on until the whole pattern has been read, however much comes before it, keeping
    // nothing; bytes at or below the lowest kept byte take no part in the match. 1, or -1 when
    // the file ends first.
    [[nodiscard]] int skipPastPattern(const char* pattern, unsigned char lowestKept);
    // Reads up to any byte of `stops` (n of them), or also any control character when
    // `stopAtControl` is set; the byte that stopped it goes to `stoppedBy`. The length, -1 when
    // the file ends first; a full buffer ends the read with its length and stoppedBy 0.
    [[nodiscard]] int readUntilAny(char* buffer, int size, const char* stops, int n, int stopAtControl,
                                   char& stoppedBy);

    [[nodiscard]] int writeByte(char c);
    // length < 1 writes the whole text.
    [[nodiscard]] int writeText(const char* text, int length = 0);
    [[nodiscard]] int writeLine(const char* text);
    [[nodiscard]] int writeLineEnd();
    [[nodiscard]] int writeString(const TextString& text);

protected:
    // Scratch space of the subclasses, released with the file.
    char* scratch = nullptr;
    int word1 = 0;
    int word2 = 0;
};
