"""Frame conversions per second: quorvane's CartesianState.to_frame (one
Python call per state) against pyerfa building the same IAU-1976/1980 chain
vectorised over all states, and astropy's vectorised TEME transformations.
All three run here, in the same process, on the same states; ratios are
quorvane's rate over the other's."""

import time
import warnings

import erfa
import numpy as np

from quorvane._quorvane.elements import CartesianState, CartesianVector
from quorvane._quorvane.enums import ReferenceFrame, TimeSystem
from quorvane._quorvane.time import Epoch

JD0 = 2433281.5
N = 20000
rng = np.random.default_rng(1)
days = 26000.0 + rng.uniform(0.0, 365.0, N)
pos = rng.normal(size=(N, 3)) * 4000.0 + np.array([7000.0, 0.0, 0.0])
vel = rng.normal(size=(N, 3))


def rate(fn, count):
    start = time.perf_counter()
    fn()
    return count / (time.perf_counter() - start)


def quorvane_states():
    return [CartesianState(Epoch.from_days_since_1950(d, TimeSystem.UTC), CartesianVector(*p),
                           CartesianVector(*v), ReferenceFrame.TEME)
            for d, p, v in zip(days.tolist(), pos.tolist(), vel.tolist())]


states = quorvane_states()


def quorvane_to(frame):
    return lambda: [s.to_frame(frame) for s in states]


def erfa_teme_to_j2000():
    tt = days + (37.0 + 32.184) / 86400.0
    p = erfa.pmat76(JD0, tt)
    dpsi, deps = erfa.nut80(JD0, tt)
    n = erfa.numat(erfa.obl80(JD0, tt), dpsi, deps)
    ee = erfa.eqeq94(JD0, tt)
    r = np.zeros((N, 3, 3))
    r[:, 0, 0] = r[:, 1, 1] = np.cos(ee)
    r[:, 0, 1] = np.sin(ee)
    r[:, 1, 0] = -np.sin(ee)
    r[:, 2, 2] = 1.0
    m = r @ n @ p
    return np.einsum("nji,nj->ni", m, pos), np.einsum("nji,nj->ni", m, vel)


def erfa_teme_to_efg():
    theta = erfa.gmst82(JD0, days)
    c, s = np.cos(theta), np.sin(theta)
    r = np.stack([c * pos[:, 0] + s * pos[:, 1], -s * pos[:, 0] + c * pos[:, 1], pos[:, 2]], 1)
    return r


def astropy_teme_to(target):
    from astropy import units as u
    from astropy.coordinates import (GCRS, ITRS, TEME, CartesianDifferential,
                                     CartesianRepresentation)
    from astropy.time import Time
    from astropy.utils import iers
    iers.conf.auto_download = False
    t = Time(JD0 + days, format="jd", scale="utc")
    rep = CartesianRepresentation(pos.T * u.km, differentials=CartesianDifferential(vel.T * u.km / u.s))
    frame = {"GCRS": GCRS, "ITRS": ITRS}[target]

    def run():
        with warnings.catch_warnings():
            warnings.simplefilter("ignore")
            TEME(rep, obstime=t).transform_to(frame(obstime=t))
    return run


def main():
    print(f"{N} states, each conversion with position and velocity")
    cases = [
        ("TEME -> J2000", quorvane_to(ReferenceFrame.J2000), erfa_teme_to_j2000, astropy_teme_to("GCRS")),
        ("TEME -> EFG", quorvane_to(ReferenceFrame.EFG), erfa_teme_to_efg, None),
        ("TEME -> ECR", quorvane_to(ReferenceFrame.ECR), None, astropy_teme_to("ITRS")),
    ]
    for name, ours, with_erfa, with_astropy in cases:
        q = rate(ours, N)
        line = f"{name:14s} quorvane {q:12,.0f}/s"
        if with_erfa:
            e = rate(with_erfa, N)
            line += f" | pyerfa vectorised {e:12,.0f}/s (ratio {q / e:.2f})"
        if with_astropy:
            with_astropy()  # first call loads IERS tables
            a = rate(with_astropy, N)
            line += f" | astropy {a:12,.0f}/s (ratio {q / a:.2f})"
        print(line)
    print(f"construct state  quorvane {rate(quorvane_states, N):12,.0f}/s")


if __name__ == "__main__":
    main()
