// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <string>

#include "session.h"
#include "transcripts.h"

namespace transcripts {

// Names a row by its input, where a test fails.
static void PrintTo(const Case &c, std::ostream *out)
{
    *out << testing::PrintToString(std::string(c.input));
}

} // namespace transcripts

namespace {

using session::drawnAt;
using session::now;
using session::play;
using transcripts::Case;
using transcripts::expand;
using transcripts::transcript;

class Transcript : public testing::TestWithParam<Case> {};

TEST_P(Transcript, Plays)
{
    const Case &c = GetParam();
    const std::time_t second = session::drawing(c.drawn);
    const int target = drawnAt(second);
    EXPECT_EQ(play(expand(c.input, target), [second] { return second; }),
              transcript(c.output, target));
}

INSTANTIATE_TEST_SUITE_P(Game, Transcript, testing::ValuesIn(transcripts::cases),
                         [](const testing::TestParamInfo<Case> &param) {
                             return param.param.name;
                         });

// Every game draws anew from the second it starts in, so two games in one
// second share their number and a later game has its own.
TEST(Draw, ReseedsEveryGame)
{
    const int first = drawnAt(now);
    const int later = drawnAt(now + 1);
    const std::string input = expand("%t\ny\n%t\ny\n", first) + expand("%t\nn\n", later);
    const std::string expected =
        transcript("B P C Q B P C Q", first) + transcript("B P C Q Z", later);
    const std::time_t seconds[] = {now, now, now + 1};
    int games = 0;
    EXPECT_EQ(play(input, [&] { return seconds[games++]; }), expected);
    EXPECT_EQ(games, 3);
}

} // namespace
