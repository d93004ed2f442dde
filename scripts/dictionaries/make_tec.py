#!/usr/bin/env python3
"""Writes the technical dictionary's source, data/dictionaries/TEC.txt, and
the list of the forms it covers, data/dictionaries/forms/TEC.tsv.

The technical names come from the nouns of WordNet 3.0 (Debian package
wordnet-base): a noun is taken when one of its first senses lies below one of
the technical roots listed here (devices, tools, containers, machines, parts,
materials, substances, units of measurement, software objects, physical
quantities) and below none of the excluded ones (clothing, ornaments, money,
body substances and the like). SCOWL (Debian package scowl) keeps only
spellings that are reasonably common and tells which plurals exist; WordNet's
noun exception list gives the irregular plurals. Words and forms that the core
and synonym dictionaries hold are left out: the lookup searches the technical
dictionary first, so an entry here would hide theirs. The hand-written entries
of tec_hand.txt (units with their symbols, the sample's special entries) are
kept as they are, ahead of the generated ones.

Runs offline on the installed packages (scripts/dictionaries/fetch-sources.sh
installs them); standard library only:

    python3 scripts/dictionaries/make_tec.py
"""

import argparse
import collections
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import dict_forms  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))

# Technical roots: (WordNet sense, the group its words go to).
ROOTS = [
    ('instrumentality.n.03', 'artifact'),  # devices, containers, equipment, implements, systems
    ('device.n.01', 'artifact'),
    ('component.n.03', 'artifact'),
    ('part.n.02', 'artifact'),
    ('covering.n.02', 'artifact'),
    ('structure.n.01', 'artifact'),
    ('material.n.04', 'artifact'),
    ('fabric.n.01', 'artifact'),
    ('substance.n.01', 'material'),
    ('substance.n.07', 'material'),
    ('material.n.01', 'material'),
    ('unit_of_measurement.n.01', 'unit'),
    ('computer_file.n.01', 'software'),
    ('software.n.01', 'software'),
    ('program.n.07', 'software'),
    ('code.n.03', 'software'),
    ('instruction.n.04', 'software'),
    ('database.n.01', 'software'),
    ('markup_language.n.01', 'software'),
    ('programming_language.n.01', 'software'),
    ('document.n.04', 'software'),
    ('file.n.01', 'software'),
    ('document.n.01', 'software'),
    ('directory.n.02', 'software'),
    ('list.n.01', 'software'),
    ('character.n.08', 'software'),
    ('template.n.01', 'software'),
    ('record.n.01', 'software'),
    ('signal.n.03', 'quantity'),
    ('physical_property.n.01', 'quantity'),
    ('dimension.n.01', 'quantity'),
    ('electrical_phenomenon.n.01', 'quantity'),
    ('energy.n.01', 'quantity'),
    ('force.n.02', 'quantity'),
    # Documents, their parts and what they hold: writing and its sections,
    # publications, names and titles, symbols and labels, information and
    # messages, statements that describe, define or specify, languages.
    ('written_communication.n.01', 'document'),
    ('publication.n.01', 'document'),
    ('language_unit.n.01', 'document'),
    ('symbol.n.01', 'document'),
    ('reference_point.n.01', 'document'),
    ('information.n.01', 'document'),
    ('information.n.02', 'document'),
    ('information.n.04', 'document'),
    ('message.n.02', 'document'),
    ('description.n.01', 'document'),
    ('definition.n.01', 'document'),
    ('explanation.n.01', 'document'),
    ('declaration.n.01', 'document'),
    ('summary.n.01', 'document'),
    ('instruction.n.01', 'document'),
    ('language.n.01', 'document'),
    ('language.n.06', 'document'),
    # The abstract objects software is built from and documents describe:
    # kinds and versions, models and images, properties and features,
    # classes and sequences, options, procedures and methods, standards,
    # errors, functions and parameters, modes and styles, structures and
    # arrangements, environments and settings.
    ('category.n.01', 'concept'),
    ('category.n.02', 'concept'),
    ('representation.n.01', 'concept'),
    ('property.n.04', 'concept'),
    ('option.n.02', 'concept'),
    ('procedure.n.01', 'concept'),
    ('method.n.01', 'concept'),
    ('standard.n.01', 'concept'),
    ('standard.n.02', 'concept'),
    ('error.n.01', 'concept'),
    ('error.n.06', 'concept'),
    ('function.n.01', 'concept'),
    ('parameter.n.01', 'concept'),
    ('parameter.n.03', 'concept'),
    ('variable.n.02', 'concept'),
    ('manner.n.01', 'concept'),
    ('structure.n.03', 'concept'),
    ('arrangement.n.02', 'concept'),
    ('environment.n.01', 'concept'),
]

# Subtrees of no technical field below those roots.
EXCLUDED = [
    'clothing.n.01', 'decoration.n.01', 'art.n.01', 'monetary_unit.n.01', 'body_substance.n.01',
    'food.n.01', 'food.n.02', 'drug.n.01', 'jewelry.n.01', 'religious_residence.n.01',
    'place_of_worship.n.01', 'toiletry.n.01', 'cosmetic.n.01', 'toy.n.01',
    'musical_instrument.n.01', 'footwear.n.01', 'headdress.n.01', 'bedclothes.n.01',
    'weapon.n.01', 'alcohol.n.01', 'beverage.n.01', 'plant_product.n.01',
    'animal_product.n.01', 'memorial.n.03', 'housing.n.01', 'establishment.n.04',
    'cheese.n.01', 'dish.n.02', 'baked_goods.n.01', 'sports_equipment.n.01',
    # Writing of no technical field: literature, scripture, drama, and
    # the words of feeling and social life.
    'literary_composition.n.01', 'sacred_text.n.01', 'scripture.n.01', 'scripture.n.02',
    'dramatic_composition.n.01', 'natural_language.n.01', 'wit.n.01', 'disrespect.n.01', 'falsehood.n.01',
    'approval.n.04', 'praise.n.01', 'acknowledgment.n.03', 'greeting.n.01', 'farewell.n.01', 'award.n.02',
    'award.n.03', 'abuse.n.02', 'criticism.n.01', 'compliment.n.01', 'ridicule.n.01', 'persuasion.n.01',
    'promise.n.01', 'nonsense.n.01', 'disapproval.n.02', 'encouragement.n.01', 'flattery.n.01',
    'trickery.n.01', 'deception.n.01', 'symptom.n.01', 'symptom.n.02', 'pathological_state.n.01',
    # Documents of design criteria: contract words, not names of the
    # things a writer describes.
    'spec.n.01',
    'medical_procedure.n.01', 'illusion.n.01', 'illusion.n.02', 'knowledge_domain.n.01', 'sphere.n.01',
]

# Lexicographer files whose nouns may be technical names; any other (people,
# feelings, events, acts, groups, places, times...) never is.
LEXFILES = {4: 'noun.act', 6: 'noun.artifact', 7: 'noun.attribute', 9: 'noun.cognition', 10: 'noun.communication',
            14: 'noun.group', 19: 'noun.phenomenon', 23: 'noun.quantity', 24: 'noun.relation', 26: 'noun.state',
            27: 'noun.substance'}
# Of these, the acts, groups, relations and states count only below a
# root of their own group: an act is no device whatever lies above it.
ROOT_ONLY_LEXFILES = {4, 14, 24, 26}

# Senses that WordNet files under a technical topic ("(computer science) a
# listing of the files..."): technical whatever their lexicographer file,
# and taken when among a word's first senses even when its other senses are
# more frequent in general prose. Each with the group of its words (a
# device or a substance goes to its own group).
DOMAINS = {
    'computer_science': 'software', 'computer': 'software', 'electronics': 'quantity',
    'physics': 'quantity', 'chemistry': 'material', 'airplane': 'artifact', 'engineering': 'artifact',
    'electrical_engineering': 'quantity', 'mechanics': 'quantity', 'telecommunication': 'software',
}
DOMAIN_LEXFILES = {6, 7, 9, 10, 19, 23, 27}
DOMAIN_SENSES = 4

# Abstract nouns (qualities, states), never a technical name.
ABSTRACT_ENDINGS = ('ness', 'ity', 'ism', 'ship', 'hood')

# Dictionary codes by group: singular noun, noun also used as a verb.
CODES = {
    'artifact': ('1014', '1012'),
    'software': ('1014', '1012'),
    'quantity': ('1014', '1012'),
    'document': ('1014', '1012'),
    'concept': ('1014', '1012'),
    'material': ('16', '1612'),
    'unit': ('17', '17'),
}
GROUP_TITLES = [
    ('artifact', 'Devices, tools, containers, machines, parts and structures'),
    ('material', 'Materials and substances'),
    ('unit', 'Units of measurement written out'),
    ('software', 'Software objects, files and documents'),
    ('quantity', 'Physical quantities and properties'),
    ('document', 'Documents, their parts and contents, names, symbols and languages'),
    ('concept', 'Kinds, models, properties, options, methods, standards and structures'),
]

# US to British spellings tried on each word (SCOWL's British list decides).
SPELLING_VARIANTS = [
    (r'er$', 're'), (r'or$', 'our'), (r'ize$', 'ise'), (r'yze$', 'yse'), (r'ization$', 'isation'),
    (r'og$', 'ogue'), (r'um$', 'ium'), (r'ense$', 'ence'), (r'^gray', 'grey'), (r'eling$', 'elling'),
]


class WordNet:
    def __init__(self, folder):
        self.synsets = {}  # offset -> (lexfile, [lemmas], [hypernym offsets])
        self.domains = {}  # offset -> [topic domain offsets]
        with open(os.path.join(folder, 'data.noun'), encoding='latin-1') as f:
            for line in f:
                if line.startswith('  '):
                    continue
                fields = line.split(' | ')[0].split()
                count = int(fields[3], 16)
                lemmas = [fields[4 + 2 * i] for i in range(count)]
                at = 4 + 2 * count
                hypernyms, instance, domains = [], False, []
                for i in range(int(fields[at])):
                    symbol, offset, pos = fields[at + 1 + 4 * i:at + 4 + 4 * i]
                    if symbol == '@' and pos == 'n':
                        hypernyms.append(offset)
                    if symbol == ';c' and pos == 'n':
                        domains.append(offset)
                    instance |= symbol == '@i'
                self.domains[fields[0]] = domains
                # An instance (a named thing) is a proper name: no
                # hypernyms, so it lies below no root.
                self.synsets[fields[0]] = (int(fields[1]), lemmas, [] if instance else hypernyms)
        self.senses = self._index(os.path.join(folder, 'index.noun'))
        self.verbs = {lemma: tagged for lemma, (_, tagged) in
                      self._index(os.path.join(folder, 'index.verb'), tagged=True).items()}
        # Tagged counts of each noun sense: (lemma, sense number) -> count.
        self.counts = {}
        with open(os.path.join(folder, 'cntlist.rev'), encoding='latin-1') as f:
            for line in f:
                key, number, count = line.split()
                lemma, _, rest = key.partition('%')
                if rest.startswith('1:'):
                    self.counts[(lemma, int(number))] = int(count)
        self.plurals = collections.defaultdict(set)  # singular -> irregular plurals
        with open(os.path.join(folder, 'noun.exc'), encoding='latin-1') as f:
            for line in f:
                words = line.split()
                for singular in words[1:]:
                    self.plurals[singular].add(words[0])
        self._ancestors = {}

    @staticmethod
    def _index(path, tagged=False):
        out = {}
        with open(path, encoding='latin-1') as f:
            for line in f:
                if line.startswith('  '):
                    continue
                fields = line.split()
                pointers = int(fields[3])
                offsets = fields[4 + pointers + 2:]
                out[fields[0]] = (offsets, int(fields[4 + pointers + 1])) if tagged else offsets
        return out

    def sense(self, name):
        lemma, _, number = name.rpartition('.n.')
        return self.senses[lemma][int(number) - 1]

    def ancestors(self, offset):
        if offset not in self._ancestors:
            found = {offset}
            for h in self.synsets[offset][2]:
                found |= self.ancestors(h)
            self._ancestors[offset] = found
        return self._ancestors[offset]


class Scowl:
    """Spellings by SCOWL size level: English (both), American, British."""

    def __init__(self, folder, limit):
        self.level = {}
        self.american, self.british = set(), set()
        for name in sorted(os.listdir(folder)):
            m = re.match(r'^(english|american|british)-words\.(\d+)$', name)
            if not m or int(m.group(2)) > 80:
                continue
            size = int(m.group(2))
            with open(os.path.join(folder, name), encoding='utf-8', errors='replace') as f:
                for word in f:
                    word = word.strip()
                    if size < self.level.get(word, 999):
                        self.level[word] = size
                    if size <= limit and m.group(1) == 'american':
                        self.american.add(word)
                    if size <= limit and m.group(1) == 'british':
                        self.british.add(word)
        self.limit = limit

    def common(self, word):
        return self.level.get(word, 999) <= self.limit

    def exists(self, word):
        return word in self.level


def regular_plurals(word):
    if re.search(r'[^aeiou]y$', word):
        return [word[:-1] + 'ies']
    if re.search(r'(s|x|z|ch|sh)$', word):
        return [word + 'es']
    if word.endswith('o'):
        return [word + 's', word + 'es']
    return [word + 's']


def entry_lines(word, code, plurals):
    """The source lines for a noun and its plurals, and {form: class}."""
    singular_class = int(code[:2])
    plural_class = 17 if singular_class == 17 else 11
    plural_code = {'1014': '1114', '1012': '1112', '16': '11', '1612': '11', '17': '17'}[code]
    forms = {word: singular_class}
    for p in plurals:
        forms[p] = plural_class
    ends_s = word[-1] in 'sx'
    if plurals == {word + 's'} and not ends_s:
        return [f'{word}$ {code}'], forms
    # '!' stems: -y/-ies, or a word in -h/-o/-s/-x with its -es plural (or
    # none); a stem of fewer than three letters would be tried for every
    # word of its run, so such words are written out.
    if re.search(r'[^aeiou]y$', word) and plurals == {word[:-1] + 'ies'} and len(word) > 3 \
            and word[-2] not in 'hosx':
        return [f'{word[:-1]}! {code}'], forms
    if word[-1] in 'hosx' and plurals <= {word + 'es'} and (plurals or word[-1] in 'sx'):
        return [f'{word}! {code}'], forms
    if ends_s:
        # A plain word in -s reads as a plural; '!' keeps it singular (and
        # takes its -es plural); other plurals are written out.
        return [f'{word}! {code}'] + [f'{p} {plural_code}' for p in sorted(plurals - {word + 'es'})], forms
    return [f'{word} {code}'] + [f'{p} {plural_code}' for p in sorted(plurals)], forms


def extra_forms(line):
    """Forms an entry line is found for beyond the ones meant (a '!' stem
    also takes -y and -ies)."""
    found, _, _ = dict_forms.first_word_forms(line)
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--wordnet', default='/usr/share/wordnet')
    parser.add_argument('--scowl', default='/usr/share/dict/scowl')
    parser.add_argument('--size', type=int, default=50, help='largest SCOWL size level taken (default 50)')
    parser.add_argument('--dicts', default=os.path.join(ROOT, 'data', 'dictionaries'))
    parser.add_argument('--list', action='store_true', help='print the words taken with their sense, no files')
    args = parser.parse_args()

    wn = WordNet(args.wordnet)
    scowl = Scowl(args.scowl, args.size)

    # What the core and synonym dictionaries hold, and the hand entries.
    taken, firsts, prefixes = set(), set(), set()
    for name in ('STE.txt', 'SYN.txt'):
        forms, first_words, pre = dict_forms.source_forms(os.path.join(args.dicts, name))
        taken |= forms | first_words
        prefixes |= pre
    hand_path = os.path.join(HERE, 'tec_hand.txt')
    hand_forms, hand_firsts, _ = dict_forms.source_forms(hand_path)
    hand_taken = hand_forms | hand_firsts

    def blocked(form):
        return form in taken or form in hand_taken or any(form.startswith(p) for p in prefixes)

    roots = [(wn.sense(name), group) for name, group in ROOTS]
    excluded = {wn.sense(name) for name in EXCLUDED}

    def group_of(offset):
        lexfile = wn.synsets[offset][0]
        if lexfile not in LEXFILES:
            return None
        up = wn.ancestors(offset)
        if up & excluded:
            return None
        for root, group in roots:
            if root in up and (lexfile not in ROOT_ONLY_LEXFILES or group in ('document', 'concept')):
                return group
        if lexfile in ROOT_ONLY_LEXFILES:
            return None
        # Any other made thing (a ladder, a hangar), and any substance.
        return {6: 'artifact', 27: 'material'}.get(lexfile)

    def domain_group(offset):
        lexfile = wn.synsets[offset][0]
        if lexfile not in DOMAIN_LEXFILES or wn.ancestors(offset) & excluded:
            return None
        for d in wn.domains[offset]:
            group = DOMAINS.get(wn.synsets[d][1][0].lower())
            if group:
                return {6: 'artifact', 27: 'material'}.get(lexfile, group)
        return None

    chosen = {}  # word -> (group, sense offset)
    for lemma, offsets in wn.senses.items():
        if not re.fullmatch(r'[a-z][a-z-]*[a-z]', lemma) or len(lemma) < 3 or '--' in lemma:
            continue
        if not scowl.common(lemma) or lemma.endswith(ABSTRACT_ENDINGS):
            continue
        # A noun used only in the plural ("pliers", "windows"): the lookup
        # reads it as the plural of its singular, which is taken on its own.
        if lemma.endswith('s') and (scowl.exists(lemma[:-1]) or lemma.endswith('es') and scowl.exists(lemma[:-2])):
            continue
        by_domain = [(i, domain_group(o)) for i, o in enumerate(offsets[:DOMAIN_SENSES])]
        by_domain = [(i, g) for i, g in by_domain if g]
        if by_domain:
            chosen[lemma] = (by_domain[0][1], offsets[by_domain[0][0]])
            continue
        # Otherwise its first sense must be technical, or its technical senses
        # weigh at least a third of its use (WordNet's tagged sense counts,
        # each plus one, so that a sense nobody tagged still counts), one of
        # them among its first three senses.
        groups = [group_of(o) for o in offsets]
        weights = [wn.counts.get((lemma, i + 1), 0) + 1 for i in range(len(offsets))]
        technical = sum(w for w, g in zip(weights, groups) if g)
        if not groups[0] and (not any(groups[:3]) or 3 * technical < sum(weights)):
            continue
        first = next(i for i, g in enumerate(groups) if g)
        group = groups[first]
        # A word of documents or concepts only by a later sense: only
        # when that use is at least half of it ("nun", a buoy, is not).
        if group in ('document', 'concept') and first > 0 and 2 * technical < sum(weights):
            continue
        # A unit only when that is the word's first sense.
        if group == 'unit' and first > 0:
            group = 'artifact'
        chosen[lemma] = (group, offsets[first])

    # Abbreviations WordNet lists as computing nouns ("HTML", "URL"):
    # lower case, as the lookup compares, and no plural.
    software_roots = {wn.sense(name) for name in ('software.n.01', 'program.n.07', 'code.n.03', 'database.n.01',
                                                  'markup_language.n.01', 'programming_language.n.01',
                                                  'computer_file.n.01', 'computer.n.01')}
    abbreviations = set()
    for offset, (lexfile, lemmas, _) in wn.synsets.items():
        if lexfile not in (6, 10):
            continue
        computing = any(wn.synsets[d][1][0].lower() in ('computer_science', 'computer') for d in wn.domains[offset])
        if not computing and not wn.ancestors(offset) & software_roots:
            continue
        for lemma in lemmas:
            if re.fullmatch(r'[A-Z]{2,5}', lemma) and lemma.lower() not in chosen:
                chosen[lemma.lower()] = ('software', offset)
                abbreviations.add(lemma.lower())

    # British and American spellings of the words taken.
    for word in list(chosen):
        for pattern, replacement in SPELLING_VARIANTS:
            other = re.sub(pattern, replacement, word)
            if other != word and other not in chosen and scowl.common(other) and \
                    (other in scowl.british) != (word in scowl.british):
                chosen[other] = chosen[word]

    entries = collections.defaultdict(list)  # group -> [(word, lines)]
    tsv = {}
    left_out = collections.Counter()
    for word in sorted(chosen):
        group, offset = chosen[word]
        verb_use = wn.verbs.get(word, 0) >= 5
        code = CODES[group][1 if verb_use else 0]
        # A plural that is a word of its own here ("candelabra") stays one.
        plurals = {p for p in wn.plurals.get(word, ()) if scowl.exists(p) and p not in chosen}
        if word in abbreviations:
            plurals = set()
        elif not plurals:
            plurals = {p for p in regular_plurals(word) if scowl.exists(p)}
        # A plural that another dictionary holds stays there ("equipments"
        # has a synonym entry); the singular is taken without it.
        if not blocked(word):
            plurals = {p for p in plurals if not blocked(p)}
        lines, forms = entry_lines(word, code, plurals)
        accepted = set(forms)
        for line in lines:
            accepted |= extra_forms(line)
        if any(blocked(f) for f in accepted):
            left_out['held by the core, synonym or hand-written entries'] += 1
            continue
        entries[group].append((word, lines))
        # The class decoding reads a word in "a...cs" as singular
        # ("acrylics"), so such a plural is not listed.
        tsv.update({f: c for f, c in forms.items() if not (c == 11 and re.fullmatch(r'a.*cs', f))})

    if args.list:
        for group, _ in GROUP_TITLES:
            for word, lines in entries[group]:
                lemmas = ' '.join(wn.synsets[chosen[word][1]][1][:3])
                print(f'{group}\t{word}\t{lemmas}')
        return

    with open(hand_path, encoding='latin-1') as f:
        hand = f.read()
    out = [HEADER.format(size=args.size)]
    out.append(hand.rstrip('\n') + '\n')
    total = 0
    for group, title in GROUP_TITLES:
        out.append(f'\n# --- {title} (generated from WordNet 3.0) ---\n')
        for word, lines in entries[group]:
            out.extend(line + '\n' for line in lines)
            total += 1
    tec_path = os.path.join(args.dicts, 'TEC.txt')
    with open(tec_path, 'w', encoding='latin-1', newline='\n') as f:
        f.write(''.join(out))

    # The forms of the hand-written single-word entries with a plain code.
    for line in hand.splitlines():
        parts = dict_forms.split_first(line)
        if not parts or len(parts[0]) > 1 or parts[1] not in ' $!':
            continue
        code = parts[2].split()[0] if parts[1] != ' ' else parts[2].split()[0]
        if not re.fullmatch(r'\d\d(\d\d)?', code):
            continue
        cls = int(code[:2])
        word = parts[0][0]
        if parts[1] == '$':
            tsv[word] = cls
            tsv[word + 's'] = 17 if cls == 17 else 11
        elif parts[1] == '!':
            if word[-1] in 'hosx':
                tsv[word] = cls
                tsv[word + 'es'] = 11
            else:
                tsv[word + 'y'] = cls
                tsv[word + 'ies'] = 11
        elif not word.endswith('s') or cls == 11:
            tsv[word] = cls
    forms_dir = os.path.join(args.dicts, 'forms')
    os.makedirs(forms_dir, exist_ok=True)
    with open(os.path.join(forms_dir, 'TEC.tsv'), 'w', encoding='latin-1', newline='\n') as f:
        f.write('# form<TAB>word class the lookup gives: every form the technical dictionary is meant to cover\n')
        for form in sorted(tsv):
            f.write(f'{form}\t{tsv[form]}\n')
    print(f'{total} generated words, {len(tsv)} forms; left out: {dict(left_out)}', file=sys.stderr)


HEADER = """\
# TECHNICAL: technical names: devices, tools, parts, materials, substances,
# units and software objects, with their plurals.
#
# GENERATED by scripts/dictionaries/make_tec.py: do not edit by hand. The
# hand-written entries are in scripts/dictionaries/tec_hand.txt; change the
# filter or that file and run the script again (scripts/dictionaries/
# fetch-sources.sh installs its sources).
#
# Sources (see NOTICE):
#   WordNet 3.0, Princeton University (Debian package wordnet-base): the
#   nouns and their senses, hypernyms and irregular plurals. WordNet 3.0
#   license: "WordNet 3.0 Copyright 2006 by Princeton University. All
#   rights reserved." Used under its license, which permits use, copying,
#   modification and distribution for any purpose, without fee, provided
#   the copyright notice and the license appear in all copies.
#   SCOWL (Spell Checker Oriented Word Lists), Kevin Atkinson (Debian
#   package scowl): which spellings are common (size level {size} or below)
#   and which plurals exist. Copyright 2000-2018 by Kevin Atkinson; used
#   under its permissive license (see NOTICE).
#
"""

if __name__ == '__main__':
    main()
