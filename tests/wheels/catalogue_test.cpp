#include "wheels/catalogue.h"
#include "wheels/wheelsave.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

using namespace pickwise::wheels;

namespace {

long choose(int n, int k)
{
    long result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

} // namespace

TEST(WheelCatalogue, TenTypesWith48PairsAndDistinctFiles)
{
    ASSERT_EQ(catalogue().size(), 10u);
    int pairs = 0;
    std::set<std::string> tags;
    std::set<std::string> definitions;
    for (const WheelType &type : catalogue()) {
        EXPECT_EQ(wheelType(type.code), &type);
        EXPECT_TRUE(tags.insert(type.tag).second) << type.tag;
        // The tag names the guarantee it stands for.
        EXPECT_EQ(type.tag, "-6-" + std::to_string(type.d) + "-" + std::to_string(type.k) + ".lot");
        EXPECT_EQ(groupLabels()[static_cast<size_t>(groupLabelIndex(type) - 1)], type.groupLabel);
        EXPECT_GE(type.smallestSize, 7);
        EXPECT_LE(type.largestSize(), 20);
        for (int n = type.smallestSize; n <= type.largestSize(); ++n) {
            ++pairs;
            EXPECT_GT(entriesRequired(type.code, n), 0);
            EXPECT_TRUE(definitions.insert(definitionFileName(type.code, n)).second);
        }
        EXPECT_EQ(entriesRequired(type.code, type.smallestSize - 1), 0);
        EXPECT_EQ(entriesRequired(type.code, type.largestSize() + 1), 0);
    }
    EXPECT_EQ(pairs, 48);
    EXPECT_EQ(wheelType(0), nullptr);
    EXPECT_EQ(wheelType(11), nullptr);
    EXPECT_EQ(entriesRequired(11, 10), 0);
}

TEST(WheelCatalogue, FullWheelHoldsEverySixOfTheGroup)
{
    const WheelType &full = *wheelType(1);
    for (int n = full.smallestSize; n <= full.largestSize(); ++n)
        EXPECT_EQ(entriesRequired(1, n), choose(n, 6)) << n;
}

TEST(WheelCatalogue, NamesAndSentenceOfOneType)
{
    EXPECT_EQ(entryFileName("Lotto", 2), "Lotto-6-6-5.lot");
    EXPECT_EQ(entryFileName("Lotto", 10), "Lotto-6-3-3.lot");
    EXPECT_EQ(definitionFileName(2, 9), "6-6-5-9.whl");
    EXPECT_EQ(definitionFileName(7, 16), "6-5-3-16.whl");
    EXPECT_EQ(
        guaranteeSentence(9), "Guarantee Match 3 if any 4 drawn from the following number group:");
    EXPECT_EQ(entryFileName("Lotto", 0), "");
}

// The program's table and the shipped files must agree: the reader takes
// exactly E lines, each within the group.
TEST(WheelCatalogue, EveryShippedDefinitionFileReadsCleanly)
{
    for (const WheelType &type : catalogue()) {
        for (int n = type.smallestSize; n <= type.largestSize(); ++n) {
            const std::string name = definitionFileName(type.code, n);
            std::ifstream in(std::string(WHEEL_DEFINITIONS_DIR) + "/" + name, std::ios::binary);
            if (!in.good()) {
                ADD_FAILURE() << name << " is missing";
                continue;
            }
            const std::string text {std::istreambuf_iterator<char>(in), {}};
            std::vector<Positions> lines;
            EXPECT_EQ(
                readDefinition(text, entriesRequired(type.code, n), n, lines), DefinitionStatus::Ok)
                << name;
        }
    }
}
