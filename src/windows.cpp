// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// The console of Windows: its reads, its clock, and the closing wait, which
// is the command prompt's own.
#include <cstdlib>
#include <io.h>
#include <iostream>

#include "console.h"

long readInput(int fd, char *to, unsigned size)
{
    return _read(fd, to, size);
}

std::time_t calendarSecond()
{
    return std::time(nullptr);
}

void useConsole()
{
    readInBlocks();
}

void closingPause()
{
    std::cout.flush();
    static_cast<void>(std::system("pause"));
}
