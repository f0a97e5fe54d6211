// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// The console of a POSIX terminal: its reads, its clock, and the closing wait
// with its terminal modes and signals.
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <ctime>
#include <iostream>
#include <termios.h>
#include <unistd.h>

#include "console.h"

long readInput(int fd, char *to, unsigned size)
{
    ssize_t count = 0;
    do
        count = read(fd, to, size);
    while (count < 0 && errno == EINTR);
    return count;
}

// Each game's draw is seeded from the calendar second, which a 32-bit time_t
// cannot count past 19 January 2038: from then on time() fails, and every game
// would draw the same number.
static_assert(sizeof(std::time_t) >= sizeof(std::int64_t),
              "time_t has 32 bits: build with -D_TIME_BITS=64 -D_FILE_OFFSET_BITS=64");

std::time_t calendarSecond()
{
    return std::time(nullptr);
}

namespace {

// Has sig handled by handler from now on (a signal handler may call this).
void handle(int sig, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(sig, &action, nullptr);
}

} // namespace

void useConsole()
{
    // A reader that went away must not kill the game: writes then just fail.
    handle(SIGPIPE, SIG_IGN);
    readInBlocks();
}

namespace {

// The terminal's modes before the wait, and those of the wait itself.  They
// are file-wide so that the signal handlers can put the terminal back.
termios saved;
termios waiting;
volatile std::sig_atomic_t inWait = 0;

// A signal that ends the program: put the terminal back first, then die of
// the signal as if it had not been caught.
extern "C" void restoreAndDie(int sig)
{
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    handle(sig, SIG_DFL);
    raise(sig);
}

// Ctrl-Z: stop with the terminal as the shell expects it, and take it back
// for the rest of the wait once continued.
extern "C" void restoreAndStop(int sig)
{
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    handle(sig, SIG_DFL);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, sig);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    raise(sig);
    handle(sig, restoreAndStop);
    if (inWait != 0) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &waiting);
        // The shell has written its own lines meanwhile, and the player
        // must see that the game still waits, from the start of the line.
        const bool shown = write(STDOUT_FILENO, "\r", 1) == 1 &&
                           write(STDOUT_FILENO, pausePrompt, sizeof pausePrompt - 1) > 0;
        static_cast<void>(shown); // a screen that went away needs nothing
    }
}

} // namespace

void closingPause()
{
    // Without a terminal there is nobody to press a key.
    if (isatty(STDIN_FILENO) == 0 || tcgetattr(STDIN_FILENO, &saved) != 0)
        return;
    std::cout << pausePrompt << std::flush;
    // The signals that stop or end the program are caught from now on, each
    // unless it was ignored when the game started (as it is for a game
    // started in the background).
    const struct {
        int sig;
        void (*handler)(int);
    } caught[] = {{SIGINT, restoreAndDie},
                  {SIGTERM, restoreAndDie},
                  {SIGHUP, restoreAndDie},
                  {SIGQUIT, restoreAndDie},
                  {SIGTSTP, restoreAndStop}};
    for (const auto &each : caught) {
        struct sigaction before = {};
        sigaction(each.sig, nullptr, &before);
        if (before.sa_handler != SIG_IGN)
            handle(each.sig, each.handler);
    }
    // Keystrokes come one at a time and unechoed. Setting the modes back
    // discards what is left of the key pressed, so the rest of an arrow
    // key's bytes never reaches the shell.
    waiting = saved;
    waiting.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    waiting.c_cc[VMIN] = 1;
    waiting.c_cc[VTIME] = 0;
    inWait = 1;
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &waiting);
    // Room for all the bytes of one key, as an arrow or function key sends.
    constexpr unsigned longestKey = 32;
    char key[longestKey];
    readInput(STDIN_FILENO, key, sizeof key);
    inWait = 0;
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::cout << '\n' << std::flush;
}
