/* SPDX-FileCopyrightText: 2026 The guess authors
 * SPDX-License-Identifier: MIT */

/* The benchmark's yardstick for invalid lines: the least a C program does for
 * each line of its input, reading it with getline and writing the game's reply
 * to an invalid line through stdio.  The reply is a copy of the game's texts
 * (tests/texts.h), kept here so that this program stands alone. */
#include <stdio.h>
#include <stdlib.h>

int main(void)
{
    static const char reply[] =
        "Invalid input. Please enter a number between 1 and 20.\nEnter your guess (1-20): ";
    char *line = NULL;
    size_t size = 0;
    while (getline(&line, &size, stdin) > 0)
        fwrite(reply, 1, sizeof reply - 1, stdout);
    free(line);
    return 0;
}
