"""SGP4 throughput on one thread: the layer's per-call operation in a loop,
its batch paths, and the `sgp4` package's vectorised SatrecArray, on 1000
mixed LEO/MEO/GEO element sets x 1440 one-minute steps, with the ratios.

The layer's numbers come from the C++ program bench/sgp4_bench.cpp (built
here in the C++ test tree, or in the build folder that QUORVANE_BENCH_BUILD
names), so no Python overhead is counted on either side.
"""

import json
import math
import os
import pathlib
import subprocess
import sys
import tempfile
import time

import numpy as np
from sgp4.api import WGS72, Satrec, SatrecArray
from sgp4.exporter import export_tle

ROOT = pathlib.Path(__file__).resolve().parent.parent
BUILD = pathlib.Path(os.environ.get("QUORVANE_BENCH_BUILD", ROOT / "build" / "cxx-tests"))
SETS = 1000
TIMES = 1440


def mixed_sets(count, seed=7):
    """LEO, MEO and GEO sets in turn, written by the reference's exporter."""
    rng = np.random.default_rng(seed)
    regimes = [
        dict(n=(13.5, 15.8), e=(0.0, 0.02), i=(0.0, 110.0), bstar=(0.0, 2e-4)),
        dict(n=(1.9, 2.3), e=(0.0, 0.05), i=(50.0, 65.0), bstar=(0.0, 1e-5)),
        dict(n=(0.99, 1.01), e=(0.0, 0.001), i=(0.0, 15.0), bstar=(0.0, 1e-5)),
    ]
    lines = []
    for k in range(count):
        p = regimes[k % 3]
        sat = Satrec()
        sat.sgp4init(WGS72, "a", 10000 + k, 26000.5 + rng.uniform(0, 1), rng.uniform(*p["bstar"]),
                     0.0, 0.0, rng.uniform(*p["e"]), math.radians(rng.uniform(0, 360)),
                     math.radians(rng.uniform(*p["i"])), math.radians(rng.uniform(0, 360)),
                     rng.uniform(*p["n"]) / (1440.0 / (2 * math.pi)),
                     math.radians(rng.uniform(0, 360)))
        lines.extend(export_tle(sat))
    return lines


def build_bench_program():
    cmake = pathlib.Path(sys.executable).parent / "cmake"
    ninja = pathlib.Path(sys.executable).parent / "ninja"
    # A folder configured before keeps its options (a developer's own build
    # with the extension, say); only a new one is configured here.
    if not (BUILD / "CMakeCache.txt").exists():
        subprocess.run([str(cmake), "-S", str(ROOT), "-B", str(BUILD), "-G", "Ninja",
                        f"-DCMAKE_MAKE_PROGRAM={ninja}", "-DQUORVANE_BUILD_EXTENSION=OFF",
                        "-DQUORVANE_BUILD_CXX_TESTS=ON"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run([str(cmake), "--build", str(BUILD), "-j2", "--target", "sgp4_bench"],
                   check=True, stdout=subprocess.DEVNULL)
    return BUILD / "saal" / "sgp4_bench"


def satrec_array_rate(lines):
    sats = SatrecArray([Satrec.twoline2rv(lines[k], lines[k + 1], WGS72)
                        for k in range(0, len(lines), 2)])
    first = Satrec.twoline2rv(lines[0], lines[1], WGS72)
    jd = np.full(TIMES, first.jdsatepoch)
    fr = first.jdsatepochF + np.arange(TIMES) / 1440.0
    best = 0.0
    for _ in range(3):
        start = time.perf_counter()
        errors, _, _ = sats.sgp4(jd, fr)
        best = max(best, SETS * TIMES / (time.perf_counter() - start))
    assert not errors.any()
    return best


def main():
    program = build_bench_program()
    lines = mixed_sets(SETS)
    with tempfile.TemporaryDirectory() as tmp:
        path = pathlib.Path(tmp) / "mixed.tle"
        path.write_text("\n".join(lines) + "\n")
        ours = json.loads(subprocess.run([str(program), str(path), str(TIMES)], check=True,
                                         capture_output=True, text=True).stdout)
    reference = satrec_array_rate(lines)
    print(f"SGP4, one thread, {SETS} LEO/MEO/GEO sets x {TIMES} times (states/s):")
    rows = [("per-call loop (Sgp4PropDs50UtcPosVel)", ours["per_call"]),
            ("batch, one satellite at many times", ours["batch_times"]),
            ("batch, many satellites at one time", ours["batch_satellites"]),
            ("batch, prepared satellite set", ours["batch_set"]),
            ("sgp4.api.SatrecArray.sgp4", reference)]
    for name, value in rows:
        print(f"  {name:40s} {value / 1e6:8.2f} M   {value / reference:5.2f}x SatrecArray")


if __name__ == "__main__":
    main()
