#pragma once
// Seeded damage for the readers' bad-input tests.
#include <random>
#include <string>

// A copy of a good file with one to four changes, each a random byte, a byte of `interesting`
// (the bytes that steer the reader), up to eight bytes deleted, or a run of up to twelve digits
// inserted (digits grow numbers: counts and coordinates far beyond the file). A copy that ends
// empty becomes `whenEmpty`.
inline std::string mutateBytes(const std::string& good, std::mt19937& random, const std::string& interesting,
                               const char* whenEmpty)
{
    std::string bytes = good;
    for (int c = 1 + static_cast<int>(random() % 4); c > 0; --c) {
        const size_t at = bytes.empty() ? 0 : random() % bytes.size();
        switch (random() % 4) {
        case 0:
            if (at < bytes.size())
                bytes[at] = static_cast<char>(random() & 0xFF);
            break;
        case 1:
            if (at < bytes.size())
                bytes[at] = interesting[random() % interesting.size()];
            break;
        case 2:
            bytes.erase(at, 1 + random() % 8);
            break;
        default:
            bytes.insert(at, std::string(1 + random() % 12, static_cast<char>('0' + random() % 10)));
            break;
        }
        if (bytes.empty())
            bytes = whenEmpty;
    }
    return bytes;
}
