"""The forms a dictionary source entry stands for, as the checker's lookup
finds them, with the word class the lookup gives each one.

Shared by the generators of scripts/dictionaries/: they read the bundled
sources (data/dictionaries/*.txt) to keep a word out of a later dictionary
that an earlier one would hide, and write the forms they mean to cover into
data/dictionaries/forms/*.tsv for the lookup test.
"""

import glob
import os
import re

# Endings of a verb stem by its inflection code letter: base, -s, past, -ing.
# None: the form does not exist. The doubled-letter codes take the stem's last
# letter again.
VERB_ENDINGS = {
    '0': ('', 's', 'ed', 'ing'),
    '1': ('e', 'es', 'ed', 'ing'),
    '2': ('', 'es', 'ed', 'ing'),
    '3': ('', 's', None, 'ing'),
    '4': ('', 's', None, 'ing'),
    '5': ('y', 'ies', 'ied', 'ying'),
    '6': ('', 's', 'n', 'ing'),
    '7': ('e', 'es', 'en', 'ing'),
    '8': ('', 'es', None, 'ing'),
    '9': ('', 's', '+ed', '+ing'),
    'A': ('', 's', 'd', 'ing'),
    'B': ('e', 'es', '+en', 'ing'),
    'C': ('', 's', 't', 'ing'),
    'D': ('ve', 's', 'd', 'ving'),
    'E': ('e', 'es', '', 'ing'),
    'F': ('', 'es', None, 'ing'),
    'G': ('', 's', None, '+ing'),
    'H': ('', 's', None, 'ing'),
    'I': ('e', 'es', None, 'ing'),
    'J': ('', 's', 'en', 'ing'),
    'K': ('y', 'ies', None, 'ying'),
}

MARKS = ' +!$&?^@'


# The letters after which the lookup takes a doubled "-ing" ("stopping",
# "running"); the doubled past takes any letter ("referred").
DOUBLED_ING = 'nmtfsp'


def _ending(stem, ending):
    if ending is None:
        return None
    if ending.startswith('+'):
        if ending == '+ing' and stem[-1:] not in DOUBLED_ING:
            return None
        return stem + stem[-1] + ending[1:]
    return stem + ending


def verb_forms(stem, letter):
    """[(form, form index 0..3)] of a verb stem."""
    out = []
    for i, ending in enumerate(VERB_ENDINGS.get(letter, ('',) * 4)):
        form = _ending(stem, ending)
        if form is not None and len(form) >= 2:
            out.append((form, i))
    return out


def code_class(code):
    """The class number a source code gives (CC, CCSS or 3MMCC)."""
    code = code.rstrip('>')
    if len(code) == 5 and code[0] == '3':
        return int(code[3:5])
    if len(code) >= 2 and code[:2].isdigit():
        return int(code[:2])
    return 40


def message_verb_class(form, cls):
    """A verb word that carries a message takes its class from its ending."""
    if form.endswith('d'):
        return 22
    if form.endswith('g'):
        return 23 if len(form) > 5 and form.endswith('ing') else 20
    if form.endswith('s'):
        return 21
    return cls


def split_entry(line):
    """(words, mark, data) of a source entry line: words as typed (a list),
    the mark that ends the word part (' ' for a plain entry), and the data."""
    words = []
    at = 0
    while True:
        end = at
        while end < len(line) and line[end] not in MARKS:
            end += 1
        words.append(line[at:end])
        if end >= len(line):
            return words, ' ', ''
        mark = line[end]
        if mark == '+':
            at = end + 1
            continue
        if mark in '!^' and line[end + 1:end + 2] == '+':
            # A plural stem or a phrasal verb that goes on with more words.
            return words, mark + '+', line[end + 2:]
        return words, mark, line[end + 1:].lstrip(' ') if mark != ' ' else line[end + 1:]


def entry_forms(line):
    """[(form, class)] of one source entry; a multi-word entry gives its words
    joined by blanks, in their base forms."""
    return [(form, 50 if cls in (51, 52, 53, 55, 56, 57, 59) else cls) for form, cls in _entry_forms(line)]


def _entry_forms(line):
    words, mark, data = split_entry(line)
    code = data.split(' ')[0].split('%')[0]
    head = ' '.join(words[:-1] + [''])
    last = words[-1]
    if mark == ' ':
        cls = code_class(code)
        if 20 <= cls <= 23 and code.startswith('3'):
            cls = message_verb_class(words[-1], cls)
        elif code.startswith('301') and cls not in (30, 40, 52, 60) and len(last) >= 3 and last.endswith('ly'):
            cls = 50
        return [(head + last, cls)]
    if mark in ('!+', '^+'):
        return [(' '.join(words), code_class(code))]
    if mark == '$':
        cls = code_class(code)
        return [(head + last, cls), (head + last + 's', cls + 1 if cls in (10, 18) else cls)]
    if mark == '!':
        cls = code_class(code)
        plural = cls + 1 if cls in (10, 18) else cls
        if last[-1:] in 'hosx' and last:
            return [(head + last, cls), (head + last + 'es', plural)]
        return [(head + last + 'y', cls), (head + last + 'ies', plural)]
    if mark == '@':
        return [(last, 30), (last + 'er', 34), (last + 'est', 35), (last + 'ly', 50)]
    # A verb stem: the code letter is the second character of the data, or
    # the fifth of a five-character code with a message.
    message = len(data) >= 5 and data[0] == '3' and (len(data) == 5 or data[5] in ' >')
    letter = data[4] if message else data[1:2]
    out = []
    for form, i in verb_forms(last, letter):
        if mark == '?':
            cls = 20
        else:
            cls = (20, 21, 22, 23)[i]
        if message:
            cls = message_verb_class(form, cls)
        out.append((head + form, cls))
    return out


def read_entries(path):
    """The entry lines of a source file (comments, header fields and blank
    lines left out)."""
    out = []
    with open(path, encoding='latin-1') as f:
        for raw in f:
            line = raw.strip()
            if not line or line.startswith('#'):
                continue
            if line.split(':')[0] in ('name', 'second-name', 'version') and ': ' in line:
                continue
            out.append(line)
    return out


def words_of(paths):
    """Every form (a single word) and every first word of a multi-word entry
    that the sources at `paths` hold."""
    out = set()
    for path in paths:
        for line in read_entries(path):
            words, _, _ = split_entry(line)
            if len(words) > 1:
                continue
            for form, _ in entry_forms(line):
                out.add(form)
    return out


# The first word of a source line and the forms it is found for, as the
# technical generator reads the core and synonym sources to keep their words
# out of its own.

def split_first(line):
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


def _verb_form_set(stem, letter):
    """Every form a verb stem may be found for, a doubling code giving both
    the doubled and the plain form (used to keep words out, so the wider
    set is the safe one)."""
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
    parts = split_first(line)
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
        return _verb_form_set(stem, letter), True, ''
    code = data.split(' ')[0]
    letter = code[4] if len(code) >= 5 and code[0] == '3' else code[1:2]
    if letter == 'L':
        return {stem}, multi, stem
    return _verb_form_set(stem, letter), multi, ''


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


def scowl_words():
    """Every spelling of SCOWL's English word lists up to size 70 (the
    Debian package scowl), or an empty set when SCOWL is not installed."""
    words = set()
    for path in glob.glob('/usr/share/dict/scowl/*-words.*'):
        kind, size = os.path.basename(path).rsplit('.', 1)
        if kind.split('-')[0] in ('english', 'american', 'british', 'british_z', 'canadian') and int(size) <= 70:
            words.update(w.strip() for w in open(path, encoding='latin-1'))
    return words


def write_outputs(outputs, check, root):
    """Writes each generated file of `outputs` (path -> text) that differs
    from the file there and prints its path (relative to `root`); with
    `check`, writes nothing. Returns the paths that differ."""
    changed = []
    for path, text in outputs.items():
        old = open(path, encoding='latin-1').read() if os.path.exists(path) else None
        if old == text:
            continue
        changed.append(os.path.relpath(path, root))
        if not check:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, 'w', encoding='latin-1', newline='\n') as f:
                f.write(text)
    if not check:
        for path in changed:
            print('wrote ' + path)
    return changed
