#!/usr/bin/env bash
# Our Fratar step against the numpy script on the same matrices, one right
# after the other, and the ratio at N = 100 and 1000. Needs a build with the
# benchmarks: cmake --preset ci && cmake --build --preset ci --target velmora_bench
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bench="${VELMORA_BENCH:-$here/../build/ci/bench/velmora_bench}"
[ -x "$bench" ] || { echo "no benchmark program at $bench; build it first" >&2; exit 1; }

ours="$(mktemp)"
trap 'rm -f "$ours"' EXIT
"$bench" --benchmark_filter='^FratarPeer(Iteration)?/(100|1000)$' --benchmark_format=csv \
    --benchmark_repetitions="${REPETITIONS:-3}" --benchmark_report_aggregates_only=true 2>/dev/null >"$ours"

# Some processors get OPENBLAS_CORETYPE / OPENBLAS_L2_SIZE set for other
# work; numpy runs here with neither, on whichever kernel it picks itself.
numpy="$(env -u OPENBLAS_CORETYPE -u OPENBLAS_L2_SIZE /usr/bin/python3 - "$here/fratar_numpy.py" <<'PY'
import runpy, sys, time
script = sys.argv[1]
import numpy, os
numpy.ones((2, 2)) @ numpy.ones((2, 2))  # loads whatever BLAS numpy uses
try:
    from threadpoolctl import threadpool_info
    kernels = ", ".join(f"{i.get('internal_api')} {i.get('version')} {i.get('architecture')}" for i in threadpool_info())
except ImportError:
    kernels = "threadpoolctl not installed"
# The BLAS libraries actually mapped, through Debian's alternatives links.
with open("/proc/self/maps") as maps:
    mapped = sorted({os.path.realpath(l.split()[-1]) for l in maps if "blas" in l.lower() and "/" in l})
kernels += f"; numpy {numpy.__version__}, mapped: {', '.join(mapped) or 'no BLAS'}"
print("kernel:", kernels or "none loaded")
peer = runpy.run_path(script)
for n in (100, 1000):
    seed, rows, columns = peer["matrices"](n)
    best = None
    for _ in range(3):
        repeats = max(1, 2000 // n)
        start = time.perf_counter()
        for _ in range(repeats):
            peer["fratar"](seed, rows, columns, 50)
        elapsed = (time.perf_counter() - start) / repeats
        best = elapsed if best is None else min(best, elapsed)
    print(f"numpy {n} {best * 1e6:.1f}")
PY
)"

/usr/bin/python3 - "$ours" "$numpy" <<'PY'
import csv, sys
rows = [line for line in open(sys.argv[1]) if line.startswith('"') or line.startswith("name")]
ours = {}
for row in csv.DictReader(rows):
    name = row["name"].removesuffix("_median")
    if name.rsplit("_", 1)[-1] in ("mean", "stddev", "cv"):
        continue
    bench, n = name.split("/")
    ours[(bench, int(n))] = float(row["real_time"])  # microseconds
numpy = {}
for line in sys.argv[2].splitlines():
    if line.startswith("kernel:"):
        print("numpy", line)
    elif line.startswith("numpy "):
        _, n, us = line.split()
        numpy[int(n)] = float(us)
print(f"{'N':>5} {'numpy us':>10} {'iteration us':>13} {'ratio':>6} {'whole Process us':>17} {'ratio':>6}")
for n in (100, 1000):
    it = ours[("FratarPeerIteration", n)]
    whole = ours[("FratarPeer", n)]
    print(f"{n:>5} {numpy[n]:>10.0f} {it:>13.0f} {numpy[n] / it:>6.2f} {whole:>17.0f} {numpy[n] / whole:>6.2f}")
print("ratio = numpy time / our time (above 1: ours is faster); ours the median of the repetitions, numpy the best of 3")
PY
