// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// Plays the game on arbitrary input twice: through the console's block reader
// on a pipe, and from a string stream. Both must write the same, and that a
// well-formed session made of the game's own texts. The input is a series of
// pieces, each a byte n and the n + 1 bytes after it, and each piece reaches
// the block reader as a read of its own, as a terminal delivers each line: every
// byte can open a read.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "console.h"
#include "session.h"
#include "texts.h"

namespace {

// The screen while the block reader reads the pipe: it keeps what the game writes,
// and each flush, which the block reader makes before each read, puts the next
// piece into the pipe, or ends the input once the pieces are used up. A
// block reader that reads on at the end of its input is stopped, with what it was
// not yet given; one that reads without a flush finds the pipe empty.
class Feeder : public session::Output {
public:
    Feeder(int to, std::vector<std::string_view> all, std::size_t size)
        : Output(size), fd(to), pieces(std::move(all))
    {
    }
    ~Feeder() override
    {
        if (fd >= 0)
            close(fd);
    }
    Feeder(const Feeder &) = delete;
    Feeder &operator=(const Feeder &) = delete;

    // The input that the block reader has not been given yet.
    std::string unread() const
    {
        std::string rest;
        for (std::size_t at = next; at < pieces.size(); ++at)
            rest += pieces[at];
        return rest;
    }

protected:
    int sync() override
    {
        if (next < pieces.size()) {
            const std::string_view piece = pieces[next++];
            if (write(fd, piece.data(), piece.size()) != static_cast<ssize_t>(piece.size()))
                std::abort();
        } else if (fd >= 0) {
            close(fd);
            fd = -1;
        } else if (++readsAfterEnd > 1) {
            std::fprintf(stderr, "the block reader reads on after the end of its input\n");
            std::abort();
        }
        return 0;
    }

private:
    int fd;
    std::vector<std::string_view> pieces;
    std::size_t next = 0;
    int readsAfterEnd = 0;
};

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
                need(std::to_string(strikes) + texts::outOf);
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
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    std::vector<std::string_view> pieces;
    std::string whole;
    for (std::size_t at = 0; at + 1 < size; at += 2U + static_cast<unsigned char>(input[at])) {
        pieces.push_back(input.substr(at + 1, 1U + static_cast<unsigned char>(input[at])));
        whole += pieces.back();
    }

    const auto clock = [] { return session::now; };
    int ends[2];
    if (pipe(ends) != 0 || fcntl(ends[0], F_SETFL, O_NONBLOCK) != 0)
        std::abort();
    Feeder feeder(ends[1], pieces, size);
    std::ostream screen(&feeder);
    const auto reader = blockReader(ends[0], screen);
    std::istream console(reader.get());
    const std::string got = session::play(console, feeder, clock);
    close(ends[0]);

    const std::string want = session::play(whole, clock);
    if (got != want) {
        const auto at = std::mismatch(got.begin(), got.end(), want.begin(), want.end());
        std::fprintf(
            stderr,
            "the block reader's session differs from byte %td:\n%s\nwhere a string stream's "
            "has:\n%s\nand the block reader was not given (each piece at a flush):\n%s\n",
            at.first - got.begin(), std::string(at.first, got.end()).c_str(),
            std::string(at.second, want.end()).c_str(), feeder.unread().c_str());
        std::abort();
    }
    check(want, session::drawnAt(session::now));
    return 0;
}
