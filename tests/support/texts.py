# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The game's own texts, as texts.h keeps them for the tests of both
languages, and the sessions that the Python tests build from them."""
import ast
import os
import re

with open(os.path.join(os.path.dirname(__file__), "..", "texts.h"), encoding="ascii") as header:
    TEXTS = {name: ast.literal_eval(text) for name, text in
             re.findall(r'constexpr char (\w+)\[\] = (".*");', header.read())}
BANNER, PROMPT, INVALID, WIN, STRIKE, OUT_OF, OVER, QUESTION, PAUSE = (TEXTS[name] for name in (
    "banner", "prompt", "invalid", "win", "strike", "outOf", "over", "question", "pause"))

# Two invalid lines, then the end of input: the whole session, without a pause.
TWO_INVALID = "0\nabc\n"
TWO_INVALID_OUTPUT = BANNER + (PROMPT + INVALID) * 2 + PROMPT + "\n"


def strikes(count):
    """The strike lines of count wrong guesses, with the prompts between them."""
    return PROMPT.join(f"{STRIKE}{n}{OUT_OF}" for n in range(1, count + 1))


# A game lost on three wrong guesses, from its first prompt to the question;
# its one group is the number shown.
LOSS = (re.escape(PROMPT + strikes(3) + OVER)
        + r"(\d+)\n" + re.escape(QUESTION))
