"""The game's own texts, for the tests that run the built program."""
BANNER = "\n=== New Game Started ===\n"
PROMPT = "Enter your guess (1-20): "
INVALID = "Invalid input. Please enter a number between 1 and 20.\n"
QUESTION = "Do you want to play again? (Y/N): "
SKIPPED = 77  # the exit status that CTest reports as a skipped test


def strikes(count):
    """The strike lines of count wrong guesses, with the prompts between them."""
    return PROMPT.join(f"? Wrong guess. Strikes: {n}/3\n" for n in range(1, count + 1))
