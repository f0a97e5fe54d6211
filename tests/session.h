// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// Sessions of the game played inside a test's own process, as the transcript
// table and the fuzz target play them: on a clock that the test sets, and
// into output with a bound, so that a game that loops fails at once and says
// so, instead of filling the memory until a timeout.
#ifndef GUESS_SESSION_H
#define GUESS_SESSION_H

#include <cstdlib>
#include <ctime>
#include <functional>
#include <istream>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "game.h"

namespace session {

constexpr std::time_t now = 1700000000;

// The number that a game started in the given second draws.
inline int drawnAt(std::time_t second)
{
    std::srand(static_cast<unsigned>(second));
    return std::rand() % 20 + 1;
}

// A second at which a game draws the given number; now where it is 0.
inline std::time_t drawing(int target)
{
    std::time_t second = now;
    while (target != 0 && drawnAt(second) != target)
        ++second;
    return second;
}

// What the game writes, up to far more than any session of the tests needs,
// with the input's echo besides.
class Output : public std::stringbuf {
public:
    explicit Output(std::size_t input)
        : inputSize(input), bound((1 << 20) + static_cast<std::streamsize>(input))
    {
    }

protected:
    // Called whenever the buffer is full, before it grows.
    int_type overflow(int_type c) override
    {
        if (pptr() - pbase() >= bound)
            throw std::length_error("the game wrote " + std::to_string(bound) + " bytes for " +
                                    std::to_string(inputSize) + " bytes of input: does it loop?");
        return std::stringbuf::overflow(c);
    }

private:
    std::size_t inputSize;
    std::streamsize bound;
};

// Plays one session from in into written, and returns all that the game
// wrote, with "<pause>" for the closing pause.
inline std::string play(std::istream &in, Output &written,
                        const std::function<std::time_t()> &clock)
{
    std::ostream out(&written);
    out.exceptions(std::ios::badbit); // the bound's exception, out of the game
    playGame(in, out, clock, [&out] { out << "<pause>"; });
    return written.str();
}

// The input a line at a time, each echoed into the output when the game first
// reads it, as a console shows the lines that the player types.
class Typed : public std::streambuf {
public:
    Typed(const std::string &input, std::streambuf &echo) : rest(input), screen(echo) {}

protected:
    int_type underflow() override
    {
        if (rest.empty())
            return traits_type::eof();
        const auto end = rest.find('\n');
        line = rest.substr(0, end == std::string::npos ? end : end + 1);
        rest.erase(0, line.size());
        screen.sputn(line.data(), static_cast<std::streamsize>(line.size()));
        setg(line.data(), line.data(), line.data() + line.size());
        return traits_type::to_int_type(line[0]);
    }

private:
    std::string rest, line;
    std::streambuf &screen;
};

// Plays one session on the given input, and returns all that the game wrote.
inline std::string play(const std::string &input, const std::function<std::time_t()> &clock)
{
    std::istringstream in(input);
    Output written(input.size());
    return play(in, written, clock);
}

// The same session as a console shows it, with each line that the game reads.
inline std::string echoed(const std::string &input, const std::function<std::time_t()> &clock)
{
    Output written(input.size());
    Typed typed(input, written);
    std::istream in(&typed);
    return play(in, written, clock);
}

} // namespace session

#endif
