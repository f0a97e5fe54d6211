// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

#ifndef GUESS_GAME_H
#define GUESS_GAME_H

#include <ctime>
#include <functional>
#include <iosfwd>

// Plays games reading the player from in and writing to out.  The clock gives
// the calendar time in seconds and seeds each game's draw; pause is the wait
// that closes play once the player declines another game.
void playGame(std::istream &in, std::ostream &out, const std::function<std::time_t()> &clock,
              const std::function<void()> &pause);

#endif
