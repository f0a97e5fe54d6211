// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// Plays the game on arbitrary input twice: through the console's own reader
// on a pipe, and from a string stream. Both must write the same. The input
// is a series of pieces, each a byte n and the n + 1 bytes after it, and
// each piece reaches the reader as a read of its own, as a terminal delivers
// each line: every byte can open a read.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "console.h"
#include "session.h"

namespace {

// The screen while the reader reads the pipe: it keeps what the game writes,
// and each flush, which the reader makes before each read, puts the next
// piece into the pipe, or ends the input once the pieces are used up.
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
        }
        return 0;
    }

private:
    int fd;
    std::vector<std::string_view> pieces;
    std::size_t next = 0;
};

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
    if (pipe(ends) != 0)
        std::abort();
    Feeder feeder(ends[1], pieces, size);
    std::ostream screen(&feeder);
    const auto reader = blockReader(ends[0], screen);
    std::istream console(reader.get());
    const std::string got = session::play(console, feeder, clock);
    close(ends[0]);

    std::istringstream in(whole);
    session::Output text(size);
    const std::string want = session::play(in, text, clock);
    if (got != want) {
        const auto at = std::mismatch(got.begin(), got.end(), want.begin(), want.end());
        std::fprintf(stderr,
                     "the reader's session differs from byte %td:\n%s\nwhere a string stream's "
                     "has:\n%s\n",
                     at.first - got.begin(), std::string(at.first, got.end()).c_str(),
                     std::string(at.second, want.end()).c_str());
        std::abort();
    }
    return 0;
}
