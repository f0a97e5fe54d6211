// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// Writes the sessions of the transcript table that games drawing the given
// number play, for the page's test: each one's name, input and what a console
// shows of it, each line echoed as the game reads it, each ended by a NUL.
#include <cstdlib>
#include <iostream>

#include "session.h"
#include "transcripts.h"

int main(int argc, char **argv)
{
    const int target = argc > 1 ? std::atoi(argv[1]) : 0;
    const std::time_t second = session::drawing(target);
    for (const auto &c : transcripts::cases) {
        if (c.drawn != 0 && c.drawn != target)
            continue;
        const std::string input = transcripts::expand(c.input, target);
        std::cout << c.name << '\0' << input << '\0'
                  << session::echoed(input, [second] { return second; }) << '\0';
    }
    return 0;
}
