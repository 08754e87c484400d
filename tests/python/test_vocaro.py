"""The Python module vocaro on the sample dictionaries."""

import os
import shutil
from pathlib import Path

import pytest

import vocaro

DICTIONARIES = Path(os.environ.get("VOCARO_DICTIONARY_DIR",
                                   Path(__file__).resolve().parents[2] / "build/native/bin/dictionaries"))


@pytest.fixture
def dictionaries(tmp_path):
    """A private copy of the English-German set, so that user dictionaries and damage stay here."""
    for name in ("en_de.tdl", "de_en.tdl", "ende_en.tdd", "ende_de.tdd"):
        shutil.copy(DICTIONARIES / name, tmp_path / name)
    return tmp_path


@pytest.mark.parametrize("list_file, word, options, status, translations, suggestions", [
    ("en_de.tdl", "House", 15, vocaro.FOUND, ["Haus"], []),
    # Text both ways in the dictionaries' character set, with a letter
    # where Windows-1252 and Latin-1 differ.
    ("en_fr.tdl", "heart", 15, vocaro.FOUND, ["cœur"], []),
    ("fr_en.tdl", "Cœur", 15, vocaro.FOUND, ["heart"], []),
    # Another form of a word: its base form is suggested.
    ("en_de.tdl", "houses", 15, vocaro.SUGGESTED, ["Haus"], ["house"]),
    # The options reach the engine: without smart search and case folding
    # neither of these is found.
    ("en_de.tdl", "houses", 0, vocaro.NOT_FOUND, [], []),
    ("en_de.tdl", "House", 0, vocaro.NOT_FOUND, [], []),
    # A byte that Windows-1252 leaves undefined is still a word the engine takes.
    ("en_de.tdl", "\x81", 15, vocaro.NOT_FOUND, [], []),
])
def test_translate(list_file, word, options, status, translations, suggestions):
    with vocaro.Translator(DICTIONARIES / list_file) as translator:
        result = translator.translate(word, options)
    assert (result.status, result.translations, result.suggestions) == (status, translations, suggestions)


@pytest.mark.parametrize("list_file, languages", [
    ("en_de.tdl", ("English", "German")),
    ("de_en.tdl", ("German", "English")),
])
def test_languages(list_file, languages):
    with vocaro.Translator(str(DICTIONARIES / list_file)) as translator:
        assert (translator.source_language, translator.target_language) == languages


def test_added_pair_is_translated_and_kept(dictionaries):
    with vocaro.Translator(dictionaries / "en_de.tdl") as translator:
        translator.add("tram driver", "Straßenbahnfahrer")
        assert translator.translate("tram driver").translations == ["Straßenbahnfahrer"]
    assert translator.closed
    with pytest.raises(ValueError, match="closed"):
        translator.translate("house")

    # A new translator reads the pair back from the user dictionary file,
    # and only when the user dictionary option is on.
    with vocaro.Translator(dictionaries / "en_de.tdl") as translator:
        assert translator.translate("Tram Driver").translations == ["Straßenbahnfahrer"]
        assert translator.translate("tram driver", vocaro.CASE_INSENSITIVE).translations == []
        with pytest.raises(vocaro.Error, match="could not be added") as failure:
            translator.add("tram\ndriver", "Straßenbahnfahrer")
        assert failure.value.path == str(dictionaries / "en_de.tdl")


@pytest.mark.parametrize("damage, failing_file, code, reason", [
    (lambda d: (d / "en_de.tdl").unlink(), "en_de.tdl", -1, "no such file"),
    (lambda d: (d / "en_de.tdl").write_bytes(b"word\tWort\n" * 40), "en_de.tdl", -2, "not a dictionary list file"),
    (lambda d: (d / "ende_en.tdd").unlink(), "ende_en.tdd", -2, "no such file"),
    (lambda d: (d / "ende_de.tdd").write_bytes((d / "ende_de.tdd").read_bytes()[:200]), "ende_de.tdd", -2,
     "but the file has 200 bytes"),
])
def test_open_failure_names_file_and_reason(dictionaries, damage, failing_file, code, reason):
    damage(dictionaries)
    with pytest.raises(vocaro.Error) as failure:
        vocaro.Translator(dictionaries / "en_de.tdl")
    error = failure.value
    assert isinstance(error, RuntimeError)
    assert (error.code, error.path) == (code, str(dictionaries / failing_file))
    assert reason in error.reason and reason in str(error) and str(code) in str(error)


def test_text_outside_the_character_set_is_refused(dictionaries):
    with vocaro.Translator(dictionaries / "en_de.tdl") as translator:
        with pytest.raises(UnicodeEncodeError) as failure:
            translator.translate("tea 茶")
        assert (failure.value.start, failure.value.object[failure.value.start]) == (4, "茶")
        with pytest.raises(UnicodeEncodeError):
            translator.add("tea", "Tee \N{EURO SIGN}\N{SNOWMAN}")
        with pytest.raises(ValueError, match="NUL"):
            translator.translate("house\0boat")
    # Nothing half-added by the refused pair.
    assert not (dictionaries / "en_de.udr").exists() or b"tea" not in (dictionaries / "en_de.udr").read_bytes()
