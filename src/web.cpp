// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// The console of a web page: the game reads the lines that the player types
// into the page and writes onto it, its clock is the page's, and the closing
// wait takes one key or tap. The page's side of each is in web.html.in.
#include <emscripten.h>

#include <iostream>

#include "console.h"

namespace {

// What the page does for the game. The calls that wait give the page back to
// the browser until the player has answered (Asyncify): only they, and the
// calls on the way to them, carry Asyncify's cost.
EM_JS(int, typedBytes, (char *to, int size), {
    const bytes = page.typedBytes(size);
    if (bytes)
        HEAPU8.set(bytes, to);
    return bytes ? bytes.length : -1;
});
EM_ASYNC_JS(void, waitForLine, (), { await page.waitForLine(); });
EM_JS(void, show, (const char *text, int size), { page.show(UTF8ToString(text, size)); });
EM_ASYNC_JS(void, waitForKey, (), { await page.waitForKey(); });
// The page's time_t has 32 bits: the second's low 32 bits, which are all
// that seed a game's draw in every build.
EM_JS(int, secondNow, (), { return Math.floor(Date.now() / 1000) | 0; });

// What the game writes, handed to the page whenever it is flushed, as the
// game does before it waits for the player.
class Screen : public std::streambuf {
protected:
    int_type overflow(int_type c) override
    {
        sync();
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            sputc(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    int sync() override
    {
        show(pbase(), static_cast<int>(pptr() - pbase()));
        setp(text, text + sizeof text);
        return 0;
    }

public:
    Screen() { setp(text, text + sizeof text); }

private:
    static constexpr int size = 4096;
    char text[size];
};

} // namespace

// The player's lines, each read once the game has used up the last one. Lines
// typed ahead, as a paste gives them, are read at once, but for a turn that
// the page gives the browser now and then.
long readInput(int /*fd*/, char *to, unsigned size)
{
    int count = typedBytes(to, static_cast<int>(size));
    while (count < 0) {
        waitForLine();
        count = typedBytes(to, static_cast<int>(size));
    }
    return count;
}

std::time_t calendarSecond()
{
    return secondNow();
}

void useConsole()
{
    readInBlocks();
    static Screen screen;
    std::cout.rdbuf(&screen);
}

void closingPause()
{
    std::cout << pausePrompt << std::flush;
    waitForKey();
    std::cout << '\n';
}
