// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// Plays the game on arbitrary bytes and checks that what it writes is a
// well-formed session made of the game's own texts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "session.h"
#include "texts.h"

namespace {

// Checks one session's output: games of at most three strikes, a game-over
// line only after the third, naming the drawn number, and after every game
// the question, answered by a new game, the end of play with one pause, or
// the end of input. What does not fit stops the fuzzer with the text
// expected and the place where the output left it.
void check(const std::string &output, int target)
{
    std::string_view rest(output);
    const auto fail = [&](const std::string &expected) {
        std::fprintf(stderr, "expected at byte %zu of the output:\n%s\nfound there:\n%.*s\n",
                     output.size() - rest.size(), expected.c_str(),
                     static_cast<int>(std::min<std::size_t>(rest.size(), 100)), rest.data());
        std::abort();
    };
    // Consumes text from the front if it is there.
    const auto take = [&](std::string_view text) {
        const bool there = rest.substr(0, text.size()) == text;
        if (there)
            rest.remove_prefix(text.size());
        return there;
    };
    const auto need = [&](const std::string &text) {
        if (!take(text))
            fail(text);
    };
    const std::string over = texts::over + std::to_string(target) + "\n";
    for (;;) {
        need(texts::banner);
        int strikes = 0;
        for (;;) {
            need(texts::prompt);
            if (take(texts::invalid))
                continue;
            if (take(texts::win))
                break;
            if (take(texts::strike)) {
                ++strikes;
                need(std::to_string(strikes) + texts::limit);
                if (strikes == 3) {
                    need(over);
                    break;
                }
                continue;
            }
            // Nothing else but the end of input, after which the line is ended.
            if (rest != "\n")
                fail("a reply to the guess, or the last line's end");
            return;
        }
        need(texts::question);
        // Play declined, or the end of input; else the next game.
        if (rest == "<pause>" || rest == "\n")
            return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char *>(data), size));
    session::Output out(size);
    check(session::play(in, out, [] { return session::now; }), session::drawnAt(session::now));
    return 0;
}
