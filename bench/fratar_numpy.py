#!/usr/bin/python3
"""The Fratar iteration in numpy, the tool an engineer would otherwise write.

Runs on the same matrices as the FratarPeer benchmark (seed and targets from
the formulas below) and prints the time per run in microseconds, one line per
node count, for the comparison in docs/performance.md. Used only there.
"""
import sys
import time

import numpy as np


def matrices(n):
    i = np.arange(n).reshape(-1, 1)
    j = np.arange(n).reshape(1, -1)
    seed = (1 + (i * 7 + j * 13) % 97).astype(np.float64)
    trips = (20 + 400 // (1 + (j - i + n) % n)).astype(np.float64)
    return seed, trips.sum(axis=1), trips.sum(axis=0)


def fratar(seed, rows, columns, limit):
    n = seed.shape[0]
    x = seed.copy()
    y = seed.copy()
    o = x.sum(axis=1)
    d = x.sum(axis=0)
    error, count = 0.0, 0
    for k in range(1, limit + 1):
        f = rows / o
        g = columns / d
        a = o / (x * f[:, None]).sum(axis=1)
        b = d / (x * g[None, :]).sum(axis=0)
        x = ((x * f[:, None]) * g[None, :]) * ((a[:, None] + b[None, :]) / 2)
        o = x.sum(axis=1)
        d = x.sum(axis=0)
        error = np.sqrt(((y - x) ** 2).sum() / (n * n))
        y = x.copy()
        if error < 1e-5:
            count = k
            break
    return x, error, count


def main():
    limit = int(sys.argv[1]) if len(sys.argv) > 1 else 50
    for n in [int(a) for a in sys.argv[2:]] or [100, 1000]:
        seed, rows, columns = matrices(n)
        repeats = max(1, 2000 // n)
        start = time.perf_counter()
        for _ in range(repeats):
            fratar(seed, rows, columns, limit)
        elapsed = (time.perf_counter() - start) / repeats
        print(f"numpy Fratar N={n} limit={limit}: {elapsed * 1e6:.0f} us")


if __name__ == "__main__":
    main()
