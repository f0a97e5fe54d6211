// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

#include <iostream>

#include "console.h"
#include "game.h"

int main()
{
    useConsole();
    playGame(std::cin, std::cout, calendarSecond, closingPause);
    // A page outlives the program: all that the game wrote is shown first.
    std::cout.flush();
    return 0;
}
