// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// The console of the page, as console.cpp is the terminal's: the game reads
// the lines that the player types into the page and writes onto it, its
// clock is the page's, and the closing wait takes one key or tap. The page's
// side of each is in page.html.in.
#include <emscripten.h>

#include <ctime>
#include <iostream>
#include <streambuf>

#include "game.h"

namespace {

// What the page does for the game; each call that waits gives the page back
// to the browser until the player has answered (Asyncify).
EM_ASYNC_JS(int, readLine, (char *to, int size), {
    const bytes = await page.nextBytes(size);
    HEAPU8.set(bytes, to);
    return bytes.length;
});
EM_JS(void, show, (const char *text, int size), { page.show(UTF8ToString(text, size)); });
EM_ASYNC_JS(void, waitForKey, (), { await page.waitForKey(); });
EM_JS(void, ended, (), { page.ended(); });
// The calendar second, to its low 32 bits: the page's build has a 32-bit
// time_t, and those bits are all that seed a game's draw, in every build.
EM_JS(std::time_t, calendarSecond, (), { return Math.floor(Date.now() / 1000) | 0; });

// What the game writes, put on the page whenever it is flushed, as the game
// does before it waits for the player.
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
// what it wrote is on the page.
class Lines : public std::streambuf {
public:
    explicit Lines(std::ostream &to) : screen(to) {}

protected:
    int_type underflow() override
    {
        screen.flush();
        const int count = readLine(line, sizeof line);
        if (count <= 0)
            return traits_type::eof();
        setg(line, line, line + count);
        return traits_type::to_int_type(*gptr());
    }

private:
    static constexpr int size = 4096;
    std::ostream &screen;
    char line[size];
};

// Plays games on the page until the player declines another.
void playGame()
{
    static Screen screen;
    static Lines lines(std::cout);
    std::cout.rdbuf(&screen);
    std::cin.rdbuf(&lines);
    std::cin.tie(nullptr);
    ::playGame(std::cin, std::cout, calendarSecond, [] {
        std::cout << "Press any key to continue . . . " << std::flush;
        waitForKey();
        std::cout << '\n' << std::flush;
    });
}

} // namespace

int main()
{
    playGame();
    ended();
    return 0;
}
