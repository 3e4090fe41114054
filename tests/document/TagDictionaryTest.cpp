// The tag dictionary: the vocabulary of the drawing file and its first-registration rules.
#include <gtest/gtest.h>
#include <cstring>
#include <string>

#include "document/TagDictionary.h"

// Each name reads as its id; an id writes its first registered name ("msrangle", not "angle"),
// and a later name of the same id only reads.
TEST(TagDictionary, HoldsTheWholeVocabularyWithTheFirstRegistrationWinning)
{
    TagDictionary tags;
    EXPECT_EQ(tags.entryCount(), 369);
    const struct {
        const char* name;
        uint32_t id;
        bool written;
    } entries[] = {
        {"msrangle", 15, true},     {"angle", 15, false},   {"roundAray", 1565, true},
        {"rightBottom", 1565, false}, {"1", 2801, true},     {"layer", 1401, true},
        {"tesvanCADml", 1001, true},  {"tonboEgdeColor", 1131, true}, // spelled as the files have it
    };
    for (const auto& e : entries) {
        uint32_t id = 0;
        EXPECT_EQ(tags.idByName(e.name, &id), 1) << e.name;
        EXPECT_EQ(id, e.id) << e.name;
        char name[80] = "untouched";
        if (e.written) {
            EXPECT_EQ(tags.nameById(e.id, name), 1) << e.name;
            EXPECT_STREQ(name, e.name);
        }
    }
}

TEST(TagDictionary, UnknownNamesAndIdsLeaveTheOutputUntouched)
{
    TagDictionary tags;
    uint32_t id = 77;
    for (const char* unknown : {"Layer", "?xml", "!---", "laye", "layers", " layer", "", "tesvanCADmlx"}) {
        EXPECT_EQ(tags.idByName(unknown, &id), 0) << unknown;
        EXPECT_EQ(id, 77u);
    }
    char name[80] = "untouched";
    for (uint32_t unknownId : {0u, 1003u, 1472u, 3110u, 99999u}) {
        EXPECT_EQ(tags.nameById(unknownId, name), 0) << unknownId;
        EXPECT_STREQ(name, "untouched");
    }
    EXPECT_EQ(tags.findId("layer\r\n", 5), 1401) << "a name given by length";
    EXPECT_EQ(tags.findId(nullptr, 0), -1);
}

// Every name reads back as its id, and every id writes a name that reads back as that id,
// except the two later registrations that only read.
TEST(TagDictionary, EveryIdAndNameMakesTheRoundTrip)
{
    TagDictionary tags;
    int ids = 0;
    for (uint32_t id = 0; id < 4000; ++id) {
        char name[80];
        if (!tags.nameById(id, name))
            continue;
        ++ids;
        uint32_t back = 0;
        ASSERT_EQ(tags.idByName(name, &back), 1) << name;
        EXPECT_EQ(back, id) << name;
    }
    EXPECT_EQ(ids, 367) << "369 entries, two of them a second name of an id";
}
