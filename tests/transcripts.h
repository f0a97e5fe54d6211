// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// The transcript table: sessions of the game, each its input and what the
// game writes, which the game's test plays (game_test.cpp) and the page's
// test plays in the page (sessions.cpp hands them over).
#ifndef GUESS_TRANSCRIPTS_H
#define GUESS_TRANSCRIPTS_H

#include <map>
#include <sstream>
#include <string>

#include "texts.h"

namespace transcripts {

// Spells out a transcript written in short words: %t stands for the drawn
// number, %w and %v for two different wrong ones, and %m for a megabyte of
// letters in the input; the words of the expected output name the game's texts.
inline std::string expand(std::string text, int target)
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

inline std::string transcript(const std::string &words, int target)
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

} // namespace transcripts

#endif
