// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// The block reader, which every console shares: each reads its input with
// readInput of its own.
#include "console.h"

#include <iostream>

namespace {

// The block reader: input read from its descriptor in large blocks.  Pending
// output is flushed only when a block is used up, just before a read that may
// wait: every prompt is on the screen before the game waits for the player,
// and scripted input costs no write per line.
class BlockReader : public std::streambuf {
public:
    BlockReader(int from, std::ostream &to) : fd(from), screen(to) {}

protected:
    int_type underflow() override
    {
        screen.flush();
        const long count = readInput(fd, block, sizeof block);
        if (count <= 0)
            return traits_type::eof();
        setg(block, block, block + count);
        return traits_type::to_int_type(*gptr());
    }

private:
    static constexpr unsigned blockSize = 64 * 1024;
    int fd;
    std::ostream &screen;
    char block[blockSize];
};

} // namespace

std::unique_ptr<std::streambuf> blockReader(int fd, std::ostream &screen)
{
    return std::make_unique<BlockReader>(fd, screen);
}

void readInBlocks()
{
    std::ios::sync_with_stdio(false);
    static const auto input = blockReader(0, std::cout);
    std::cin.rdbuf(input.get());
    std::cin.tie(nullptr);
}
