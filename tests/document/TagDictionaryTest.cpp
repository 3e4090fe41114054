// The tag dictionary: the vocabulary of the drawing file and its first-registration rules.
#include <gtest/gtest.h>
#include <cstring>
#include <string>

#include "document/TagDictionary.h"

TEST(TagDictionary, HoldsTheWholeVocabularyWithTheFirstRegistrationWinning)
{
    TagDictionary tags;
    EXPECT_EQ(tags.entryCount(), 369);

    uint32_t id = 0;
    char name[80] = "untouched";
    ASSERT_EQ(tags.idByName("angle", &id), 1);
    EXPECT_EQ(id, 15u);
    ASSERT_EQ(tags.idByName("msrangle", &id), 1);
    EXPECT_EQ(id, 15u);
    ASSERT_EQ(tags.nameById(15, name), 1);
    EXPECT_STREQ(name, "msrangle");

    ASSERT_EQ(tags.nameById(1565, name), 1);
    EXPECT_STREQ(name, "roundAray");
    ASSERT_EQ(tags.idByName("rightBottom", &id), 1);
    EXPECT_EQ(id, 1565u);
    ASSERT_EQ(tags.idByName("roundAray", &id), 1);
    EXPECT_EQ(id, 1565u);

    ASSERT_EQ(tags.nameById(2801, name), 1);
    EXPECT_STREQ(name, "1");
    ASSERT_EQ(tags.idByName("1", &id), 1);
    EXPECT_EQ(id, 2801u);

    ASSERT_EQ(tags.idByName("layer", &id), 1);
    EXPECT_EQ(id, 1401u);
    ASSERT_EQ(tags.nameById(1001, name), 1);
    EXPECT_STREQ(name, "tesvanCADml");
    ASSERT_EQ(tags.nameById(1131, name), 1);
    EXPECT_STREQ(name, "tonboEgdeColor") << "spelled as the files have it";
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
