#include "framework/core/CMapStringToString.h"

#include <gtest/gtest.h>

using desklet::CMapStringToString;

TEST(CMapStringToString, SubscriptInsertsAnEmptyEntryForAnAbsentKey) {
    CMapStringToString map;
    EXPECT_EQ(map["file"], "");
    EXPECT_EQ(map.GetCount(), 1);
    std::string value = "untouched";
    EXPECT_TRUE(map.Lookup("file", value));
    EXPECT_EQ(value, "");
}

TEST(CMapStringToString, LookupOfAnAbsentKeyChangesNothing) {
    CMapStringToString map;
    std::string value = "untouched";
    EXPECT_FALSE(map.Lookup("logon", value));
    EXPECT_EQ(value, "untouched");
    EXPECT_EQ(map.LookupOrEmpty("logon"), "");
    EXPECT_TRUE(map.IsEmpty());
}

TEST(CMapStringToString, KeysCompareByteForByte) {
    CMapStringToString map;
    map["FILE"] = "x";
    std::string value;
    EXPECT_FALSE(map.Lookup("file", value));
    map["caf\xc3\xa9"] = "1";
    EXPECT_FALSE(map.Lookup("cafe", value));
    EXPECT_TRUE(map.Lookup("caf\xc3\xa9", value));
}

TEST(CMapStringToString, RemoveAllEmptiesTheMap) {
    CMapStringToString map;
    map["a"] = "1";
    map["b"] = "2";
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
}
