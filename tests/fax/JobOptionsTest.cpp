#include "fax/JobOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace desklet;

namespace {

TEST(JobOptions, ReadTheKnownValuesAndNameTheFirstUnknownOne) {
    struct Row {
        const char* name;
        std::vector<std::pair<std::string, std::string>> keys;
        bool ok;
        int font, resolution;
        bool cover;
        std::string comment;
    };
    const Row rows[] = {
        {"nothing given keeps the defaults", {}, true, 0, 0, true, ""},
        {"every key",
         {{"font", "bold"}, {"resolution", "high"}, {"cover", "no"}, {"comment", "hi"}},
         true,
         1,
         1,
         false,
         "hi"},
        {"the other words", {{"font", "regular"}, {"resolution", "low"}, {"cover", "yes"}}, true, 0, 0, true, ""},
        {"letter case counts", {{"font", "Bold"}, {"resolution", "high"}}, false, 0, 1, true, ""},
        {"an empty value is unknown", {{"cover", ""}}, false, 0, 0, true, ""},
        {"a quote would end the command's text", {{"comment", "say \"hi\""}}, false, 0, 0, true, ""},
    };
    for (const Row& row : rows) {
        CMapStringToString settings;
        for (const auto& [key, value] : row.keys) {
            settings[key] = value;
        }
        FaxJob job;
        std::string error;
        EXPECT_EQ(JobOptions::Read(settings, job, error), row.ok) << row.name;
        EXPECT_EQ(error.empty(), row.ok) << row.name << ": " << error;
        EXPECT_EQ(job.font, row.font) << row.name;
        EXPECT_EQ(job.resolution, row.resolution) << row.name;
        EXPECT_EQ(job.coverPage, row.cover) << row.name;
        EXPECT_EQ(job.comment, row.comment) << row.name;
    }
}

} // namespace
