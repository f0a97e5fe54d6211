// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

#include "game.h"

int main()
{
    playGame();
    return 0;
}
