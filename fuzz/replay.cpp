// SPDX-FileCopyrightText: 2026 The guess authors
// SPDX-License-Identifier: MIT

// A fuzz target without libFuzzer: replays each file in the folders named,
// so that the quick tests run the corpora through the normal compiler. An
// input that never ends stops it with a message, before the test's timeout.
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

constexpr unsigned longest = 10; // seconds, for an input that takes milliseconds

extern "C" void tooLong(int /*sig*/)
{
    constexpr char text[] = "the input above has not ended in 10 s: does the game wait or loop?\n";
    const ssize_t shown = write(STDOUT_FILENO, text, sizeof text - 1);
    static_cast<void>(shown); // the test fails all the same
    _exit(1);
}

} // namespace

int main(int argc, char **argv)
{
    int count = 0;
    std::signal(SIGALRM, tooLong);
    for (int arg = 1; arg < argc; ++arg)
        for (const auto &file : std::filesystem::directory_iterator(argv[arg])) {
            std::ifstream in(file.path(), std::ios::binary);
            const std::string input{std::istreambuf_iterator<char>(in), {}};
            std::printf("%s\n", file.path().c_str());
            std::fflush(stdout);
            alarm(longest);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(input.data()),
                                   input.size());
            ++count;
        }
    std::printf("replayed %d inputs\n", count);
    return count == 0 ? 1 : 0;
}
