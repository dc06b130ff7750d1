#!/usr/bin/env python3
"""Fits the weights of Master's evaluation (engine/mastereval.cpp) to the
exact values that fit-eval-sample writes, and prints them as the table
there holds them.

    fit-eval-sample 1 4000 > a.txt & fit-eval-sample 2 4000 > b.txt
    tools/fit-eval/fit.py [--rows PMC] a.txt b.txt

The table has a row for each kind of position: P while placing, M once
pieces move, C once they move on a crowded board. --rows names the rows to
fit (all by default); the others keep the weights that mastereval.cpp holds
(as does the flying bonus, unless M is fitted), and then k and d stay as the
weights in use give them, so that the rows fitted keep their scale.

The model: a piece weighs 100; the evaluation e of a position for its side
to move gives the odds of each outcome as an ordered logistic model,
P(win) = s((e - d) / k) and P(loss) = s((-e - d) / k), with k and d fitted
too; the weights maximise the likelihood of the values (Adam on batches).
A fifth of the positions is held out to show that the fit does not merely
learn the sample.
"""
import math
import os
import random
import re
import sys

TERMS = ["freedom", "blocked", "open", "closed", "threats", "forks", "cramp"]
# Subtracted in the table: their fitted weights are printed negated.
SUBTRACTED = {"blocked", "cramp"}
ROWS = "PMC"
NAMES = [f"{t}{p}" for p in ROWS for t in TERMS] + [f"toMove{p}" for p in ROWS] + ["flying"]
# The pieces on the board from which a moving position is crowded (kCrowded).
CROWDED = 14
EVAL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../engine/mastereval.cpp")


def weights_in_use():
    """The parameters as mastereval.cpp holds them, k and d still to fit."""
    with open(EVAL) as f:
        text = f.read()
    table = re.search(r"kWeights\[\d\] = \{(.*?)\n\};", text, re.S).group(1)
    rows = [list(map(int, r.split(","))) for r in re.findall(r"\{([-\d, ]+)\}", table)]
    params = [0.0] * len(NAMES) + [100.0, 150.0]
    for p, row in zip(ROWS, rows):
        for t, w in zip(TERMS, row):
            params[NAMES.index(t + p)] = -w if t in SUBTRACTED else w
        params[NAMES.index("toMove" + p)] = row[len(TERMS)]
    params[NAMES.index("flying")] = int(re.search(r"kFlying = (-?\d+)", text).group(1))
    return params


def read(paths):
    rows = []
    for path in paths:
        with open(path) as f:
            header = f.readline().split()
            col = {name: i for i, name in enumerate(header)}
            for line in f:
                v = list(map(int, line.split()))
                if len(v) != len(header):
                    continue
                onboard = v[col["own_pieces"]] + v[col["other_pieces"]]
                row = "P" if not v[col["moving"]] else "C" if onboard >= CROWDED else "M"
                x = [0.0] * len(NAMES)
                for t in TERMS:
                    x[NAMES.index(t + row)] = v[col["own_" + t]] - v[col["other_" + t]]
                x[NAMES.index("toMove" + row)] = 1
                x[NAMES.index("flying")] = v[col["own_flying"]] - v[col["other_flying"]]
                material = 100 * (v[col["own_pieces"]] - v[col["other_pieces"]])
                rows.append((material, x, v[col["value"]]))
    return rows


def sigmoid(z):
    return 1 / (1 + math.exp(-max(-40.0, min(40.0, z))))


def loss(params, rows, grad=False):
    """Mean negative log-likelihood, and its gradient when asked."""
    w, k, d = params[:-2], params[-2], params[-1]
    total, g = 0.0, [0.0] * len(params)
    for material, x, value in rows:
        e = material + sum(wi * xi for wi, xi in zip(w, x))
        pw, pl = sigmoid((e - d) / k), sigmoid((-e - d) / k)
        p = [pl, max(1e-9, 1 - pw - pl), pw][value]
        total -= math.log(max(p, 1e-9))
        if not grad:
            continue
        # d(-log p)/dpw and /dpl for the outcome seen.
        cw, cl = [(0, -1 / max(pl, 1e-9)), (1 / max(1 - pw - pl, 1e-9),) * 2,
                  (-1 / max(pw, 1e-9), 0)][value]
        dw, dl = pw * (1 - pw), pl * (1 - pl)
        de = (cw * dw - cl * dl) / k
        for i, xi in enumerate(x):
            if xi:
                g[i] += de * xi
        g[-2] += -(cw * dw * (e - d) + cl * dl * (-e - d)) / (k * k)
        g[-1] += -(cw * dw + cl * dl) / k
    n = len(rows)
    return total / n, [gi / n for gi in g]


def adam(params, rows, steps, rate, fixed=()):
    m, v = [0.0] * len(params), [0.0] * len(params)
    for step in range(1, steps + 1):
        _, g = loss(params, random.sample(rows, min(len(rows), 8000)), grad=True)
        for i in range(len(params)):
            if i in fixed:
                continue
            m[i] = 0.9 * m[i] + 0.1 * g[i]
            v[i] = 0.999 * v[i] + 0.001 * g[i] * g[i]
            params[i] -= rate * (m[i] / (1 - 0.9 ** step)) / (math.sqrt(v[i] / (1 - 0.999 ** step)) + 1e-8)
        params[-2] = max(params[-2], 5.0)
    return params


def main():
    args = sys.argv[1:]
    fitted = ROWS
    if args[:1] == ["--rows"]:
        fitted, args = args[1], args[2:]
    random.seed(1)
    rows = read(args)
    if len(rows) < 1000:
        sys.exit("fit.py: too few positions to fit (%d)" % len(rows))
    random.shuffle(rows)
    held, train = rows[: len(rows) // 5], rows[len(rows) // 5:]
    weights = range(len(NAMES))
    if fitted == ROWS:
        params = [0.0] * len(NAMES) + [100.0, 150.0]
        params = adam(params, train, 150, 2.0, fixed=weights)
        params = adam(params, train, 600, 1.0)
    else:
        params = adam(weights_in_use(), train, 300, 2.0, fixed=weights)
        free = {i for i, n in enumerate(NAMES) if n[-1] in fitted or (n == "flying" and "M" in fitted)}
        params = adam(params, train, 1200, 1.0,
                      fixed=[i for i in range(len(params)) if i not in free])
    print("positions %d, held-out loss %.4f, training loss %.4f" %
          (len(rows), loss(params, held)[0], loss(params, train)[0]), file=sys.stderr)
    w = dict(zip(NAMES, params))
    for p in ROWS:
        row = [(-1 if t in SUBTRACTED else 1) * w[t + p] for t in TERMS] + [w["toMove" + p]]
        print("    {%s}," % ", ".join(str(round(x)) for x in row))
    print("constexpr int kFlying = %d;" % round(w["flying"]))


if __name__ == "__main__":
    main()
