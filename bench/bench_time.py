"""Epoch creation + conversion to TAI + ISO text, per second: quorvane against
astropy Time scalars and scalar pyerfa calls doing the same work in the same run.

Run: PYTHONPATH=build-<name>/pkg .venv/bin/python bench/bench_time.py
"""

import time as clock
import warnings

import erfa
from astropy.time import Time
from astropy.utils import iers

from quorvane._quorvane.enums import TimeSystem
from quorvane._quorvane.time import Epoch

JD_OF_DAY_ZERO = 2433281.5
DAYS = [27000.0 + 0.37 * i for i in range(2000)]


def ours(day):
    return Epoch.from_days_since_1950(day, TimeSystem.UTC).to_system(TimeSystem.TAI).to_iso()


def ours_from_iso(text):
    return Epoch.from_iso(text, TimeSystem.UTC).to_system(TimeSystem.TAI).to_iso()


def astropy_scalar(day):
    return Time(JD_OF_DAY_ZERO, day, format="jd", scale="utc").tai.isot


def erfa_calls(day):
    tai1, tai2 = erfa.utctai(JD_OF_DAY_ZERO, day)
    y, m, d, hmsf = erfa.d2dtf("TAI", 3, tai1, tai2)
    return f"{y:04d}-{m:02d}-{d:02d}T{hmsf[0]:02d}:{hmsf[1]:02d}:{hmsf[2]:02d}.{hmsf[3]:03d}"


def rate(function, inputs, min_seconds=1.0):
    count = 0
    start = clock.perf_counter()
    while True:
        for x in inputs:
            function(x)
        count += len(inputs)
        elapsed = clock.perf_counter() - start
        if elapsed >= min_seconds:
            return count / elapsed


def main():
    iso_texts = [ours(d) for d in DAYS]
    assert ours(DAYS[7]) == erfa_calls(DAYS[7])
    with iers.conf.set_temp("auto_download", False), warnings.catch_warnings():
        warnings.simplefilter("ignore")
        results = {
            "quorvane from_days_since_1950": rate(ours, DAYS),
            "quorvane from_iso": rate(ours_from_iso, iso_texts),
            "astropy Time scalar": rate(astropy_scalar, DAYS[:200]),
            "pyerfa scalar calls": rate(erfa_calls, DAYS),
        }
    width = max(map(len, results))
    print("Epoch creation + to_system(TAI) + to_iso(), operations per second")
    for name, ops in results.items():
        print(f"  {name:<{width}}  {ops:12,.0f}")
    base = results["quorvane from_days_since_1950"]
    print(f"  ratio to astropy Time scalar: {base / results['astropy Time scalar']:.0f}x")
    print(f"  ratio to pyerfa scalar calls: {base / results['pyerfa scalar calls']:.1f}x")
    print(f"  from_iso ratio to astropy:    "
          f"{results['quorvane from_iso'] / results['astropy Time scalar']:.0f}x")


if __name__ == "__main__":
    main()
