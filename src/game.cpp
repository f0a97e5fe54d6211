// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

#include "game.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <istream>
#include <limits>
#include <ostream>

namespace {

constexpr int lowest = 1;
constexpr int highest = 20;
constexpr int strikeLimit = 3;
constexpr auto wholeLine = std::numeric_limits<std::streamsize>::max();
// The texts below state the range and the limit in words of their own, as
// the numbers here.
static_assert(lowest == 1 && highest == 20 && strikeLimit == 3, // NOLINT(*magic-numbers)
              "the texts say 1-20, 1 and 20, and /3: change them with the rules");

} // namespace

void playGame(std::istream &in, std::ostream &out, const std::function<std::time_t()> &clock,
              const std::function<void()> &pause)
{
    int target = 0;
    int strikes = 0;
    int guess = 0;
    char choice = 0;
    do {
        std::srand(static_cast<std::uint32_t>(clock()));
        target = std::rand() % highest + lowest;
        strikes = 0;
        out << "\n=== New Game Started ===\n";

        while (strikes < strikeLimit) {
            out << "Enter your guess (1-20): ";
            // The input has ended: nobody is left to guess, and asking
            // again would never end.
            if ((in >> std::ws).eof()) {
                out << '\n';
                return;
            }
            if (!(in >> guess) || guess < lowest || guess > highest) {
                // The rest of the line goes with the bad input, so that one
                // mistyped line costs one message, not one per word.
                in.clear();
                in.ignore(wholeLine, '\n');
                out << "Invalid input. Please enter a number between 1 and 20.\n";
                continue;
            }
            if (guess == target) {
                out << "?? Correct! You win!\n";
                break;
            }
            ++strikes;
            out << "? Wrong guess. Strikes: " << strikes << "/3\n";
        }
        if (strikes == strikeLimit)
            out << "?? Game Over! The number was: " << target << '\n';

        out << "Do you want to play again? (Y/N): ";
        if (!(in >> choice)) {
            out << '\n';
            return;
        }
        choice = static_cast<char>(std::toupper(static_cast<unsigned char>(choice)));
        // The rest of the answer's line must not become the next game's guess.
        in.ignore(wholeLine, '\n');
    } while (choice == 'Y');

    pause();
}
