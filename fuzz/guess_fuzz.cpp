// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// Plays the game on arbitrary bytes and checks that what it writes is a
// well-formed session made of the game's own texts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "game.h"

namespace {

constexpr std::time_t now = 1700000000;

void require(bool ok)
{
    if (!ok)
        std::abort();
}

// Consumes text from the front of rest if it is there.
bool take(std::string_view &rest, std::string_view text)
{
    if (rest.substr(0, text.size()) != text)
        return false;
    rest.remove_prefix(text.size());
    return true;
}

// Checks one session's output: games of at most three strikes, a game-over
// line only after the third, naming the drawn number, and after every game
// the question, answered by a new game, the end of play, or the end of input.
void check(std::string_view rest, int target, bool paused)
{
    const std::string over = "?? Game Over! The number was: " + std::to_string(target) + "\n";
    for (;;) {
        require(take(rest, "\n=== New Game Started ===\n"));
        int strikes = 0;
        for (;;) {
            require(take(rest, "Enter your guess (1-20): "));
            if (take(rest, "Invalid input. Please enter a number between 1 and 20.\n"))
                continue;
            if (take(rest, "?? Correct! You win!\n"))
                break;
            if (take(rest, "? Wrong guess. Strikes: ")) {
                ++strikes;
                require(strikes <= 3 && take(rest, std::to_string(strikes) + "/3\n"));
                if (strikes == 3) {
                    require(take(rest, over));
                    break;
                }
                continue;
            }
            require(!paused && rest == "\n");
            return;
        }
        require(take(rest, "Do you want to play again? (Y/N): "));
        if (rest.empty()) {
            require(paused);
            return;
        }
        if (rest == "\n") {
            require(!paused);
            return;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::srand(static_cast<unsigned>(now));
    const int target = std::rand() % 20 + 1;

    std::istringstream in(std::string(reinterpret_cast<const char *>(data), size));
    std::ostringstream out;
    int pauses = 0;
    const auto clock = [] { return now; };
    playGame(in, out, clock, [&pauses] { ++pauses; });
    require(pauses <= 1);
    check(out.str(), target, pauses == 1);
    return 0;
}
