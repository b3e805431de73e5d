// The one text reader, and its three users reading alike.
#include "core/textfile.h"
#include "fileops/importrules.h"
#include "wheels/wheelsave.h"

#include <gtest/gtest.h>

using namespace pickwise;

using Lines = std::vector<std::string>;

TEST(TextLines, EveryLineEndBomAndFinalLine)
{
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"\xEF\xBB\xBF", {}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\rb", {"a", "", "b"}}, // mixed ends; CR LF is one end, a lone CR another
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"last without end", {"last without end"}},
        {"\n", {""}},
        {"\xEF\xBB\xBF"
         "date,n1\r\n2024-11-13,3",
            {"date,n1", "2024-11-13,3"}},
        // Only a mark at the very start is one; elsewhere it is text.
        {"a\n\xEF\xBB\xBF"
         "b",
            {"a",
                "\xEF\xBB\xBF"
                "b"}},
        {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(textfile::lines(text), expected) << testing::PrintToString(text);
}

TEST(TextFields, CommasBlanksAndQuotes)
{
    const std::pair<std::string, Lines> cases[] = {
        {"", {""}}, {"a,b,c", {"a", "b", "c"}}, {" a ,\tb\t, c", {"a", "b", "c"}},
        {"a,,b,", {"a", "", "b", ""}}, {"\"1,5\",2", {"1,5", "2"}},
        {"  \" kept \" dropped , next", {" kept ", "next"}},
        {"\"open to the end, still", {"open to the end, still"}},
        {"a\"b,c", {"a\"b", "c"}}, // a quote inside a field is text
    };
    for (const auto &[line, expected] : cases) {
        EXPECT_EQ(textfile::fields(line), expected) << line;
        EXPECT_EQ(textfile::firstField(line), expected.front()) << line;
    }
}

// Entry text files and wheel definitions come from other systems too: a byte
// order mark and any line end read as plain lines do.
TEST(TextReaders, ImportAndWheelDefinitionsReadEveryLineEnd)
{
    for (const std::string end : {"\n", "\r\n", "\r"}) {
        const std::string text = "\xEF\xBB\xBF"
                                 "01 02 03 04 05 06"
            + end + "02 03 04 05 06 07" + end;
        const auto fields = importtxt::readFields(text);
        EXPECT_EQ(fields, (Lines {"01 02 03 04 05 06", "02 03 04 05 06 07"}));
        const auto validation = importtxt::validate(fields);
        EXPECT_EQ(validation.verdict, importtxt::Verdict::Valid);

        std::vector<wheels::Positions> lines;
        ASSERT_EQ(wheels::readDefinition(text, 2, 7, lines), wheels::DefinitionStatus::Ok);
        EXPECT_EQ(lines.front(), (wheels::Positions {1, 2, 3, 4, 5, 6}));
    }
}
