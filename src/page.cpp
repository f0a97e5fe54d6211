// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// The console of the page, as terminal.cpp is the terminal's: the game reads
// the lines that the player types into the page and writes onto it, its
// clock is the page's, and the closing wait takes one key or tap. The page's
// side of each is in page.html.in.
#include <emscripten.h>

#include <ctime>
#include <iostream>
#include <streambuf>

#include "game.h"

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
EM_JS(void, ended, (), { page.ended(); });
// The calendar second, to its low 32 bits: the page's build has a 32-bit
// time_t, and those bits are all that seed a game's draw, in every build.
EM_JS(std::time_t, calendarSecond, (), { return Math.floor(Date.now() / 1000) | 0; });

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

// The player's lines, each read when the game has used up the last one, once
// what it wrote is with the page. Lines typed ahead, as a paste gives them,
// are read at once, but for a turn that the page gives the browser now and
// then.
class Lines : public std::streambuf {
public:
    explicit Lines(std::ostream &to) : screen(to) {}

protected:
    int_type underflow() override
    {
        screen.flush();
        int count = typedBytes(bytes, sizeof bytes);
        while (count < 0) {
            waitForLine();
            count = typedBytes(bytes, sizeof bytes);
        }
        if (count == 0)
            return traits_type::eof();
        setg(bytes, bytes, bytes + count);
        return traits_type::to_int_type(*gptr());
    }

private:
    static constexpr int size = 4096;
    std::ostream &screen;
    char bytes[size];
};

// Plays games on the page until the player declines another, or the input
// ends.
void playOnPage()
{
    static Screen screen;
    static Lines lines(std::cout);
    std::cout.rdbuf(&screen);
    std::cin.rdbuf(&lines);
    std::cin.tie(nullptr);
    playGame(std::cin, std::cout, calendarSecond, [] {
        std::cout << "Press any key to continue . . . " << std::flush;
        waitForKey();
        std::cout << '\n';
    });
    // What the game wrote last, a newline at the end of the input among it,
    // is on the page before the page hears that play has ended.
    std::cout << std::flush;
}

} // namespace

int main()
{
    playOnPage();
    ended();
    return 0;
}
