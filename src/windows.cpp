// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// The console of Windows: its reads, and the closing wait, which is the
// command prompt's own.
#include <cstdlib>
#include <io.h>
#include <iostream>

#include "console.h"

long readInput(int fd, char *to, unsigned size)
{
    return _read(fd, to, size);
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
