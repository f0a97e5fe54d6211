// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

#include <cstdint>
#include <ctime>
#include <iostream>

#include "console.h"
#include "game.h"

// Each game's draw is seeded from the calendar second, which a 32-bit time_t
// cannot count past 19 January 2038: from then on time() fails, and every game
// would draw the same number.
static_assert(sizeof(std::time_t) >= sizeof(std::int64_t),
              "time_t has 32 bits: build with -D_TIME_BITS=64 -D_FILE_OFFSET_BITS=64");

// Plays games at the console until the player declines another.
static void playAtConsole()
{
    useConsole();
    playGame(
        std::cin, std::cout, [] { return std::time(nullptr); }, closingPause);
}

int main()
{
    playAtConsole();
    return 0;
}
