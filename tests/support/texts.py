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


def wrong(target):
    """Three numbers other than the one drawn."""
    return [n for n in range(1, 21) if n != target][:3]


# Guesses 1, 2 and 3, each with an invalid answer after it, for a game whose
# number is not known beforehand: its log shows it (drawn_in).
DRAW = "1\nn\n2\nn\n3\nn\n"


def drawn_in(log):
    """The number drawn in a game played on DRAW: shown after its loss, or the
    guess that won."""
    shown = re.search(re.escape(OVER) + r"(\d+)", log)
    return int(shown.group(1)) if shown else log.count(STRIKE) + 1
