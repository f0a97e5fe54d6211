# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The game's own texts, for the tests that run the built program."""
import re

BANNER = "\n=== New Game Started ===\n"
PROMPT = "Enter your guess (1-20): "
INVALID = "Invalid input. Please enter a number between 1 and 20.\n"
QUESTION = "Do you want to play again? (Y/N): "
SKIPPED = 77  # the exit status that CTest reports as a skipped test

# Two invalid lines, then the end of input: the whole session, without a pause.
TWO_INVALID = "0\nabc\n"
TWO_INVALID_OUTPUT = BANNER + (PROMPT + INVALID) * 2 + PROMPT + "\n"


def strikes(count):
    """The strike lines of count wrong guesses, with the prompts between them."""
    return PROMPT.join(f"? Wrong guess. Strikes: {n}/3\n" for n in range(1, count + 1))


# A game lost on three wrong guesses, from its first prompt to the question;
# its one group is the number shown.
LOSS = (re.escape(PROMPT + strikes(3) + "?? Game Over! The number was: ")
        + r"(\d+)\n" + re.escape(QUESTION))
