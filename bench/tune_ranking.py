#!/usr/bin/env python3
"""Chooses the weights of the ranked suggestions (engine/suggest/ranked_suggestions.cpp) on
training pairs and reports them on held-out ones. Input: files written by rank_features_dump.
Coordinate descent on the share of pairs whose intended word comes first, plus half the share in
the first five; the typing cost's weight stays 1 (it sets the scale).
  tune_ranking.py --train A.dump [B.dump ...] --report C.dump [D.dump ...]"""
import argparse

import numpy as np

FEATURES = ["kTypingCost", "kLogCount", "kUnlistedWord", "kSameSound", "kSoundBeginsAlike",
            "kFirstLetterDiffers", "kLengthDifference", "kTypoScore", "kSearchPlace", "kSplitWord",
            "kSharedEnds", "kLastLetterDiffers", "kCapitalised"]
CANDIDATES = 24


def load(path):
    rows = {}
    for line in open(path, encoding="latin-1"):
        fields = line.rstrip("\n").split("\t")
        pair, label = int(fields[0]), int(fields[1])
        entry = rows.setdefault(pair, {"features": [], "target": -1})
        if label < 0:
            continue
        if label == 1:
            entry["target"] = len(entry["features"])
        entry["features"].append([float(v) for v in fields[2:2 + len(FEATURES)]])
    count = len(rows)
    features = np.zeros((count, CANDIDATES, len(FEATURES)))
    valid = np.zeros((count, CANDIDATES), dtype=bool)
    target = np.full(count, -1)
    for i, entry in enumerate(rows.values()):
        n = len(entry["features"])
        if n:
            features[i, :n] = entry["features"]
            valid[i, :n] = True
        target[i] = entry["target"]
    return features, valid, target


def ranks(data, weights):
    features, valid, target = data
    cost = features @ weights
    cost = np.where(valid, cost, np.inf)
    found = target >= 0
    own = cost[np.arange(len(target)), np.maximum(target, 0)][:, None]
    place = np.arange(CANDIDATES)[None, :]
    ahead = (cost < own) | ((cost == own) & (place < np.maximum(target, 0)[:, None]))
    rank = ahead.sum(axis=1)
    return np.where(found, rank, CANDIDATES)


def shares(data, weights):
    rank = ranks(data, weights)
    return (rank == 0).mean(), (rank < 5).mean()


def objective(datasets, weights):
    total = 0.0
    for data in datasets:
        first, five = shares(data, weights)
        total += first + 0.5 * five
    return total / len(datasets)


def tune(datasets, weights):
    step = 0.5
    best = objective(datasets, weights)
    while step > 0.01:
        improved = False
        for k in range(1, len(FEATURES)):
            for delta in (-2 * step, -step, step, 2 * step):
                trial = weights.copy()
                trial[k] += delta
                value = objective(datasets, trial)
                if value > best + 1e-9:
                    best, weights, improved = value, trial, True
        if not improved:
            step /= 2
    return weights


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--train", nargs="+", required=True)
    parser.add_argument("--report", nargs="*", default=[])
    args = parser.parse_args()
    train = [load(p) for p in args.train]
    start = np.zeros(len(FEATURES))
    start[0] = 1.0
    start[7] = -1.0  # the default ranking's own score
    print("order of the candidate search (before re-ranking):")
    place_only = np.zeros(len(FEATURES))
    place_only[8] = 1.0
    for path, data in zip(args.train + args.report, train + [load(p) for p in args.report]):
        first, five = shares(data, place_only)
        print(f"  {path}: first {100 * first:.1f} %, first five {100 * five:.1f} %")
    weights = tune(train, start)
    print("weights:")
    for name, value in zip(FEATURES, weights):
        print(f"    {value:.2f},  // {name}")
    for path in args.train + args.report:
        first, five = shares(load(path), weights)
        print(f"  {path}: first {100 * first:.1f} %, first five {100 * five:.1f} %")


main()
