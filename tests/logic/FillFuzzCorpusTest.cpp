// The seed corpus of the fill's fuzz target, replayed: each case must agree with the exhaustive filler.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "basics/TextFile.h"
#include "logic/FillFuzzInput.h"

TEST(FillFuzzCorpus, EveryCaseAgreesWithTheExhaustiveFiller) {
    const std::filesystem::path folder =
        std::filesystem::path(GRIDMORA_SOURCE_DIR) / "fuzz" / "corpus" / "fill";
    int cases = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::string bytes;
        ASSERT_EQ(TextFile::ReadAll(entry.path().string(), bytes), TextFile::Error::None);
        const auto c =
            fillcheck::DecodeFuzzInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        EXPECT_EQ(fillcheck::CheckAgreement(c), "") << entry.path().filename();
        ++cases;
    }
    EXPECT_GE(cases, 8);
}
