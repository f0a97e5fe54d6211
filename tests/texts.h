// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// The game's texts as the tests expect them, each kept once: the C++ tests
// and the fuzzer include this file, and support/texts.py reads it for the
// Python tests. They are written out here, not taken from the game, so that
// a text changed in the game alone fails the tests. README.md's session
// quotes some of them, and the benchmark's yardstick is compiled with them.
#ifndef GUESS_TEXTS_H
#define GUESS_TEXTS_H

namespace texts {

constexpr char banner[] = "\n=== New Game Started ===\n";
constexpr char prompt[] = "Enter your guess (1-20): ";
constexpr char invalid[] = "Invalid input. Please enter a number between 1 and 20.\n";
constexpr char win[] = "?? Correct! You win!\n";
constexpr char strike[] = "? Wrong guess. Strikes: "; // then the count
constexpr char outOf[] = "/3\n";
constexpr char over[] = "?? Game Over! The number was: "; // then the number, "\n"
constexpr char question[] = "Do you want to play again? (Y/N): ";
constexpr char pause[] = "Press any key to continue . . . "; // at a terminal

} // namespace texts

#endif
