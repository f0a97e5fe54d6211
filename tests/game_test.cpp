// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "session.h"
#include "texts.h"

namespace {

using session::drawnAt;
using session::now;
using session::play;

// Spells out a transcript written in short words: %t stands for the drawn
// number, %w and %v for two different wrong ones, and %m for a megabyte of
// letters in the input; the words of the expected output name the game's texts.
std::string expand(std::string text, int target)
{
    const std::map<std::string, std::string> numbers = {
        {"%m", std::string(1 << 20, 'x')},
        {"%t", std::to_string(target)},
        {"%w", std::to_string(target % 20 + 1)},
        {"%v", std::to_string((target + 1) % 20 + 1)}};
    for (const auto &[mark, number] : numbers)
        for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark))
            text.replace(at, mark.size(), number);
    return text;
}

std::string transcript(const std::string &words, int target)
{
    const auto struck = [](int count) {
        return texts::strike + std::to_string(count) + texts::outOf;
    };
    const std::map<std::string, std::string> meaning = {
        {"B", texts::banner},   {"P", texts::prompt},
        {"I", texts::invalid},  {"C", texts::win},
        {"S1", struck(1)},      {"S2", struck(2)},
        {"S3", struck(3)},      {"O", texts::over + std::to_string(target) + "\n"},
        {"Q", texts::question}, {"E", "\n"},
        {"Z", "<pause>"}};
    std::istringstream in(words);
    std::string out;
    for (std::string word; in >> word;)
        out += meaning.at(word);
    return out;
}

struct Case {
    const char *name;
    const char *input;
    const char *output;
    int drawn = 0; // the number the game draws, where the row needs one
};

const Case cases[] = {
    // Guesses and strikes.
    {"FirstGuessWins", "%t\nn\n", "B P C Q Z"},
    {"WinAfterStrike", "%w\n%t\nn\n", "B P S1 P C Q Z"},
    {"WinOnLastTry", "%w\n%v\n%t\nn\n", "B P S1 P S2 P C Q Z"},
    {"ThreeStrikesLose", "%w\n%v\n%w\nn\n", "B P S1 P S2 P S3 O Q Z"},
    {"GuessesShareALine", "%w %v %w\nn\n", "B P S1 P S2 P S3 O Q Z"},
    {"SignedGuess", "+%t\nn\n", "B P C Q Z"},
    {"LowestDrawnHighestWrong", "20\n%t\nn\n", "B P S1 P C Q Z", 1},
    {"HighestDrawnLowestWrong", "1\n%t\nn\n", "B P S1 P C Q Z", 20},
    // Invalid input costs nothing and takes the rest of its line with it.
    {"OutOfRange", "0\n21\n-5\n%t\nn\n", "B P I P I P I P C Q Z"},
    {"NotANumber", "abc\n\xe9\n-\n%t\nn\n", "B P I P I P I P C Q Z"},
    {"Overflow", "99999999999\n2147483648\n-2147483649\n4294967297\n%t\nn\n",
     "B P I P I P I P I P C Q Z", 20},
    {"RestOfBadLineDiscarded", "0 %w\n%t\nn\n", "B P I P C Q Z"},
    {"NumberGluedToText", "%wabc\n%t\nn\n", "B P S1 P I P C Q Z"},
    {"MegabyteBadLine", "%m\n%t\nn\n", "B P I P C Q Z"},
    {"EmptyLinesSkipped", "\n\n \t \n%t\nn\n", "B P C Q Z"},
    // The replay question.
    {"ReplayLowerY", "%t\ny\n%t\nn\n", "B P C Q B P C Q Z"},
    {"ReplayUpperY", "%t\nY\n%t\nn\n", "B P C Q B P C Q Z"},
    {"ReplayYes", "%t\nyes\n%t\nn\n", "B P C Q B P C Q Z"},
    {"ReplayAfterBlanks", "%t\n\n   y\n%t\nN\n", "B P C Q B P C Q Z"},
    {"ReplayAfterLoss", "%w\n%w\n%w\ny\n%t\nn\n", "B P S1 P S2 P S3 O Q B P C Q Z"},
    {"OtherAnswersEnd", "%t\nx\n%t\n", "B P C Q Z"},
    {"DigitAnswerEnds", "%t\n1\n", "B P C Q Z"},
    {"NonAsciiAnswerEnds", "%t\n\xe9\xff\n", "B P C Q Z"},
    {"AnswerOnGuessLine", "%t y\n%t\nn\n", "B P C Q B P C Q Z"},
    {"MegabyteAnswerLine", "%t\ny%m\n%t\nn\n", "B P C Q B P C Q Z"},
    {"RestOfAnswerNotAGuess", "%t\ny %t\n%w\n%t\nn\n", "B P C Q B P S1 P C Q Z"},
    // End of input at each read.
    {"NoInput", "", "B P E"},
    {"OnlyBlanks", "\n  \n", "B P E"},
    {"EndAfterStrike", "%w\n", "B P S1 P E"},
    {"GuessAtVeryEnd", "%t", "B P C Q E"},
    {"WrongGuessAtVeryEnd", "%w", "B P S1 P E"},
    {"BadInputAtVeryEnd", "abc", "B P I P E"},
    {"SignAtVeryEnd", "-", "B P I P E"},
    {"EndAtQuestion", "%t\n \n", "B P C Q E"},
    {"EndAfterReplay", "%t\ny\n", "B P C Q B P E"},
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << testing::PrintToString(std::string(c.input));
}

class Transcript : public testing::TestWithParam<Case> {};

TEST_P(Transcript, Plays)
{
    // Another console's test may ask for its own number (GUESS_TARGET), which
    // then plays in each row that does not draw a number of its own.
    const Case &c = GetParam();
    const char *number = std::getenv("GUESS_TARGET");
    const int asked = number != nullptr ? std::atoi(number) : 0;
    const int drawn = c.drawn != 0 ? c.drawn : asked;
    std::time_t second = now;
    while (drawn != 0 && drawnAt(second) != drawn)
        ++second;
    const int target = drawnAt(second);
    const std::string input = expand(c.input, target);
    EXPECT_EQ(play(input, [second] { return second; }), transcript(c.output, target));
    // That console plays the same sessions (GUESS_SESSIONS names the file):
    // name, input and what a console shows, each ended by a NUL.
    const char *file = std::getenv("GUESS_SESSIONS");
    if (file != nullptr && (asked == 0 || target == asked))
        std::ofstream(file, std::ios::app | std::ios::binary)
            << c.name << '\0' << input << '\0'
            << session::echoed(input, [second] { return second; }) << '\0';
}

INSTANTIATE_TEST_SUITE_P(Game, Transcript, testing::ValuesIn(cases),
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
