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

// A session's output, read from the front; what does not fit stops the
// fuzzer with the text expected and the place where the output left it.
class Reader {
public:
    explicit Reader(std::string_view text) : whole(text), rest(text) {}

    // Consumes text from the front if it is there.
    bool take(std::string_view text)
    {
        if (rest.substr(0, text.size()) != text)
            return false;
        rest.remove_prefix(text.size());
        return true;
    }

    void need(std::string_view text)
    {
        if (!take(text))
            fail(std::string(text));
    }

    // Whether text is all that is left.
    bool left(std::string_view text) const { return rest == text; }

    [[noreturn]] void fail(const std::string &expected) const
    {
        std::fprintf(stderr, "expected at byte %zu of the output:\n%s\nfound there:\n%.*s\n",
                     whole.size() - rest.size(), expected.c_str(),
                     static_cast<int>(std::min<std::size_t>(rest.size(), 100)), rest.data());
        std::abort();
    }

private:
    std::string_view whole;
    std::string_view rest;
};

// Checks one session's output: games of at most three strikes, a game-over
// line only after the third, naming the drawn number, and after every game
// the question, answered by a new game, the end of play with one pause, or
// the end of input.
void check(Reader out, int target)
{
    const std::string over = texts::over + std::to_string(target) + "\n";
    for (;;) {
        out.need(texts::banner);
        int strikes = 0;
        for (;;) {
            out.need(texts::prompt);
            if (out.take(texts::invalid))
                continue;
            if (out.take(texts::win))
                break;
            if (out.take(texts::strike)) {
                ++strikes;
                out.need(std::to_string(strikes) + texts::limit);
                if (strikes == 3) {
                    out.need(over);
                    break;
                }
                continue;
            }
            // Nothing else but the end of input, after which the line is ended.
            if (!out.left("\n"))
                out.fail("a reply to the guess, or the last line's end");
            return;
        }
        out.need(texts::question);
        // Play declined, or the end of input; else the next game.
        if (out.left("<pause>") || out.left("\n"))
            return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char *>(data), size));
    session::Output out(size);
    check(Reader(session::play(in, out, [] { return session::now; })),
          session::drawnAt(session::now));
    return 0;
}
