// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

#ifndef GUESS_CONSOLE_H
#define GUESS_CONSOLE_H

#include <ctime>
#include <iosfwd>
#include <memory>
#include <streambuf>

// What each console provides for play (terminal.cpp, windows.cpp, web.cpp).

// Sets the standard streams up for play: standard input is read in large
// blocks, and standard output is flushed whenever the game is about to wait
// for the player, rather than before every read.
void useConsole();

// Reads at most size bytes from the descriptor, as the platform does: the
// count read, 0 at the end of the input, or less on an error.
long readInput(int fd, char *to, unsigned size);

// The calendar second, which seeds each game's draw.
std::time_t calendarSecond();

// Waits for one key press before the program ends, so that a console window
// opened for the game does not vanish with the last message.
void closingPause();

// The closing wait's prompt, where the console has no wait of its own.
constexpr char pausePrompt[] = "Press any key to continue . . . ";

// What the consoles share (console.cpp).

// The block reader that useConsole puts on standard input, for any
// descriptor: large blocks, with screen flushed before each read.
std::unique_ptr<std::streambuf> blockReader(int fd, std::ostream &screen);

// Puts a block reader on standard input, and unties standard output from it.
void readInBlocks();

#endif
