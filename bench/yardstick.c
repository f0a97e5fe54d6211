/* SPDX-FileCopyrightText: 2026 The guess authors
 * SPDX-License-Identifier: MIT */

/* The benchmark's yardstick for invalid lines: the least a C program does for
 * each line of its input, reading it with getline and writing the game's reply
 * to an invalid line through stdio.  The reply, REPLY, is the game's texts
 * as the tests keep them: run.py defines it when it compiles this program. */
#include <stdio.h>
#include <stdlib.h>

int main(void)
{
    static const char reply[] = REPLY;
    char *line = NULL;
    size_t size = 0;
    while (getline(&line, &size, stdin) > 0)
        fwrite(reply, 1, sizeof reply - 1, stdout);
    free(line);
    return 0;
}
