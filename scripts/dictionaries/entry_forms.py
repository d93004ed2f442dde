"""The word forms a dictionary source line is found for, as the lookup reads
the entry marks (dictbuild/entry_syntax.h): used to keep the technical
dictionary clear of every form the core and synonym dictionaries hold, and
to list the forms a generated entry covers."""

import re

# Verb endings by inflection code letter: base, -s, past, -ing. None: no
# such form. '9', 'G' and 'H' double the stem's last letter.
VERB_ENDINGS = {
    '0': ('', 's', 'ed', 'ing'), '1': ('e', 'es', 'ed', 'ing'), '2': ('', 'es', 'ed', 'ing'),
    '3': ('', 's', None, 'ing'), '4': ('', 's', None, 'ing'), '5': ('y', 'ies', 'ied', 'ying'),
    '6': ('', 's', 'n', 'ing'), '7': ('e', 'es', 'en', 'ing'), '8': ('', 'es', None, 'ing'),
    '9': ('', 's', '+ed', '+ing'), 'A': ('', 's', 'd', 'ing'), 'B': ('e', 'es', '+en', 'ing'),
    'C': ('', 's', 't', 'ing'), 'D': ('ve', 's', 'd', 'ving'), 'E': ('e', 'es', '', 'ing'),
    'F': ('', 'es', None, 'ing'), 'G': ('', 's', None, '+ing'), 'H': ('', 's', None, 'ing'),
    'I': ('e', 'es', None, 'ing'), 'J': ('', 's', 'en', 'ing'), 'K': ('y', 'ies', None, 'ying'),
}


def split_entry(line):
    """(words, mark, data) of a source entry line: the words of the entry
    (several for a '+' entry), the mark that ends the first word (' ' for a
    plain word) and the data after it; None for a comment, blank or header."""
    line = line.strip()
    if not line or line.startswith('#') or re.match(r'^(name|second-name|version):', line):
        return None
    m = re.match(r"^([^ +!$&?^@]+)([ +!$&?^@])(.*)$", line)
    if not m:
        return None
    first, mark, rest = m.groups()
    words = [first]
    if mark == '+' or rest.startswith('+'):
        tail = rest[1:] if rest.startswith('+') else rest
        more = re.match(r"^([^ !$&?^@]+)", tail)
        if more:
            words += more.group(1).split('+')
        if mark == '+':
            mark = ' '
    return words, mark, rest


def verb_forms(stem, letter):
    forms = set()
    for ending in VERB_ENDINGS.get(letter, ()):
        if ending is None:
            continue
        if ending.startswith('+'):
            forms.add(stem + stem[-1:] + ending[1:])
            forms.add(stem + ending[1:])
        else:
            forms.add(stem + ending)
    return forms


def first_word_forms(line):
    """(forms of the entry's first word, whether the entry has more words,
    a prefix every word beginning with it is taken by, or '')."""
    parts = split_entry(line)
    if parts is None:
        return set(), False, ''
    words, mark, rest = parts
    stem = words[0]
    multi = len(words) > 1
    if mark == ' ':
        return {stem}, multi, ''
    if mark == '$':
        return {stem, stem + 's'}, multi, ''
    if mark == '!':
        forms = {stem + 'y', stem + 'ies'}
        if stem[-1:] in 'hosx':
            forms |= {stem, stem + 'es'}
        return forms, multi, ''
    if mark == '@':
        return {stem, stem + 'er', stem + 'est', stem + 'ly'}, multi, ''
    # Verb stems: the code letter is the second data character, or the
    # fifth of a five-character message code.
    data = rest[1:] if rest.startswith('+') else rest
    if rest.startswith('+'):
        # A phrasal verb: "stem^+particle 2L".
        m = re.search(r' ([23])([0-9A-Z])', rest)
        letter = m.group(2) if m else '0'
        return verb_forms(stem, letter), True, ''
    code = data.split(' ')[0]
    letter = code[4] if len(code) >= 5 and code[0] == '3' else code[1:2]
    if letter == 'L':
        return {stem}, multi, stem
    return verb_forms(stem, letter), multi, ''


def source_forms(path):
    """Every form a source's entries are found for, the first words of its
    multi-word entries, and the prefixes of its any-ending stems."""
    forms, firsts, prefixes = set(), set(), set()
    with open(path, encoding='latin-1') as f:
        for line in f:
            found, multi, prefix = first_word_forms(line)
            if multi:
                firsts |= found
            else:
                forms |= found
            if prefix:
                prefixes.add(prefix)
    return forms, firsts, prefixes
