#!/usr/bin/env python3
"""Makes misspellings of common words for checking the ranked suggestions on data they were not
tuned on: a word drawn by frequency from the frequency file (only words of the word list, 4 letters
or more), then one slip: a neighbouring key, two letters swapped, a letter left out or typed twice,
a doubled letter typed once, or one vowel for another. A slip that makes another word of the list
is drawn again. Deterministic for a seed.
  make_misspellings.py FREQUENCY_FILE WORD_LIST COUNT SEED > pairs.tsv"""
import random
import sys

ROWS = ["qwertyuiop", "asdfghjkl", "zxcvbnm"]
NEIGHBOURS = {}
for r, row in enumerate(ROWS):
    for c, key in enumerate(row):
        near = set()
        if c > 0: near.add(row[c - 1])
        if c + 1 < len(row): near.add(row[c + 1])
        for other in (r - 1, r + 1):
            if 0 <= other < len(ROWS):
                shift = c + (r - other) * (0.25 if min(r, other) == 0 else 0.5)
                for oc, okey in enumerate(ROWS[other]):
                    if abs(oc - shift) <= 0.75: near.add(okey)
        NEIGHBOURS[key] = sorted(near)
VOWELS = "aeiou"


def slip(word, rng):
    i = rng.randrange(len(word))
    kind = rng.choice(["key", "swap", "drop", "double", "single", "vowel"])
    if kind == "key" and word[i] in NEIGHBOURS:
        return word[:i] + rng.choice(NEIGHBOURS[word[i]]) + word[i + 1:]
    if kind == "swap" and i + 1 < len(word) and word[i] != word[i + 1]:
        return word[:i] + word[i + 1] + word[i] + word[i + 2:]
    if kind == "drop":
        return word[:i] + word[i + 1:]
    if kind == "double":
        return word[:i] + word[i] + word[i:]
    if kind == "single":
        for j in range(len(word) - 1):
            if word[j] == word[j + 1]:
                return word[:j] + word[j + 1:]
    if kind == "vowel" and word[i] in VOWELS:
        return word[:i] + rng.choice([v for v in VOWELS if v != word[i]]) + word[i + 1:]
    return None


def main():
    frequency_file, word_list, count, seed = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    known = {line.strip() for line in open(word_list, encoding="utf-8")}
    words, weights = [], []
    for line in open(frequency_file, encoding="ascii"):
        word, n = line.rstrip("\n").split("\t")
        if len(word) >= 4 and word in known:
            words.append(word)
            weights.append(int(n) ** 0.5)  # flattened, so rarer words are drawn too
    rng = random.Random(seed)
    made = 0
    while made < count:
        word = rng.choices(words, weights)[0]
        typo = slip(word, rng)
        if typo and typo not in known:
            print(f"{typo}\t{word}")
            made += 1


main()
