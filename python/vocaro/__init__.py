"""Vocaro: translate words through Vocaro dictionaries.

    with vocaro.Translator("/usr/share/vocaro/dictionaries/en_de.tdl") as t:
        result = t.translate("house")
        print(result.status == vocaro.FOUND, result.translations)

Words, translations and language names are str; the dictionaries hold
Windows-1252 text, so a word with any other character raises
UnicodeEncodeError.  A dictionary that cannot be opened or read raises
vocaro.Error with the engine's result code, the file and the reason.
"""

from ._vocaro import (
    CASE_INSENSITIVE,
    FAILED,
    FOUND,
    LIST_FULL,
    NOT_FOUND,
    SMART_SEARCH,
    SPELLING,
    SUGGESTED,
    USER_DICTIONARY,
    Error,
    Result,
    Translator,
)

__all__ = [
    "CASE_INSENSITIVE", "FAILED", "FOUND", "LIST_FULL", "NOT_FOUND", "SMART_SEARCH", "SPELLING",
    "SUGGESTED", "USER_DICTIONARY", "Error", "Result", "Translator",
]
