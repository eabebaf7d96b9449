import json
import math
import os
import struct

import erfa
import numpy as np
import pytest

import quorvane
from quorvane._quorvane import astro_func_interface as afi
from quorvane.exceptions import SAALError

JD_OF_DS50_ZERO = 2433281.5
# 1960-01-01 to 2050-01-01, every 11.3 days: all lunar phases and seasons.
DAYS = np.arange(3653.0, 36525.0, 11.3).tolist()


@pytest.fixture(scope="module")
def de421():
    skyfield_data = pytest.importorskip("skyfield_data")
    from jplephem.spk import SPK
    path = os.path.join(os.path.dirname(skyfield_data.__file__), "data", "de421.bsp")
    kernel = SPK.open(path)
    yield path, kernel
    kernel.close()


def tai_minus_utc_days(day):
    with np.errstate(all="ignore"):
        import warnings
        with warnings.catch_warnings():
            warnings.simplefilter("ignore")
            return erfa.dat(*erfa.jd2cal(JD_OF_DS50_ZERO, day)) / 86400.0


def teme_from_j2000(tt_day):
    dpsi, deps = erfa.nut80(JD_OF_DS50_ZERO, tt_day)
    n = erfa.numat(erfa.obl80(JD_OF_DS50_ZERO, tt_day), dpsi, deps)
    return erfa.rz(erfa.eqeq94(JD_OF_DS50_ZERO, tt_day), np.eye(3)) @ n @ erfa.pmat76(
        JD_OF_DS50_ZERO, tt_day)


def reference_sun_moon(kernel, day):
    """Geocentric Sun and Moon from DE421 read by jplephem, at TDB (ERFA's
    TDB-TT series), turned from the file's axes to TEME by pyerfa's IAU-1976/
    1980 chain, as the layer documents."""
    tt = day + tai_minus_utc_days(day) + 32.184 / 86400.0
    tdb = tt + erfa.dtdb(JD_OF_DS50_ZERO, tt, 0.0, 0.0, 0.0, 0.0) / 86400.0
    earth = kernel[3, 399].compute(JD_OF_DS50_ZERO, tdb)
    sun = kernel[0, 10].compute(JD_OF_DS50_ZERO, tdb) - kernel[0, 3].compute(JD_OF_DS50_ZERO, tdb) - earth
    moon = kernel[3, 301].compute(JD_OF_DS50_ZERO, tdb) - earth
    m = teme_from_j2000(tt)
    return m @ sun, m @ moon


def angle_deg(a, b):
    a, b = np.asarray(a), np.asarray(b)
    return math.degrees(math.atan2(np.linalg.norm(np.cross(a, b)), np.dot(a, b)))


def test_analytic_series_against_de421_1960_2050(fresh_python, de421):
    # Reference: DE421 via jplephem. Fresh interpreter: no file may be set.
    # Bounds: Sun 0.01 deg, Moon 0.1 deg (the documented accuracy of the
    # series); measured worst cases 0.0079 deg and 0.017 deg.
    out = fresh_python(
        "import json\n"
        "from quorvane._quorvane import astro_func_interface as afi\n"
        f"print(json.dumps([afi.get_jpl_sun_and_moon_position(d) for d in {DAYS!r}]))")
    worst_sun = worst_moon = 0.0
    for day, (sun, moon) in zip(DAYS, json.loads(out)):
        sun_ref, moon_ref = reference_sun_moon(de421[1], day)
        worst_sun = max(worst_sun, angle_deg(sun, sun_ref))
        worst_moon = max(worst_moon, angle_deg(moon, moon_ref))
        assert np.linalg.norm(moon) == pytest.approx(np.linalg.norm(moon_ref), rel=0.01)
        assert np.linalg.norm(sun) == pytest.approx(np.linalg.norm(sun_ref), rel=1e-4)
    assert worst_sun <= 0.01
    assert worst_moon <= 0.1


def test_de421_positions_match_jplephem(de421):
    # Reference: jplephem on the same file, same TDB and rotation. Tolerance
    # 1 m, the bound asked; measured 1.4 cm (Sun) and 0.5 mm (Moon), from the
    # Chebyshev evaluation order and TDB rounding.
    quorvane.set_jpl_ephemeris_file_path(de421[0])
    for day in DAYS[::10] + [3653.0, 36524.9]:
        sun, moon = afi.get_jpl_sun_and_moon_position(day)
        sun_ref, moon_ref = reference_sun_moon(de421[1], day)
        assert np.linalg.norm(np.array(sun) - sun_ref) <= 1e-3
        assert np.linalg.norm(np.array(moon) - moon_ref) <= 1e-3


def test_a_failed_set_keeps_the_file_in_force(de421, tmp_path):
    quorvane.set_jpl_ephemeris_file_path(de421[0])
    before = afi.get_jpl_sun_and_moon_position(26000.0)
    broken = tmp_path / "broken.bsp"
    broken.write_bytes(open(de421[0], "rb").read(4096))
    with pytest.raises(SAALError, match="broken.bsp"):
        quorvane.set_jpl_ephemeris_file_path(str(broken))
    assert afi.get_jpl_sun_and_moon_position(26000.0) == before


def test_instants_outside_the_file_window_use_the_series(de421):
    # The window is 1960-2050; 1955 falls back to the analytic series, which
    # stays within its accuracy of DE421 there too.
    quorvane.set_jpl_ephemeris_file_path(de421[0])
    sun, moon = afi.get_jpl_sun_and_moon_position(1900.0)
    sun_ref, moon_ref = reference_sun_moon(de421[1], 1900.0)
    assert 1e-6 < angle_deg(sun, sun_ref) <= 0.01
    assert angle_deg(moon, moon_ref) <= 0.1


@pytest.mark.parametrize(
    "word, value",
    [
        (0, 1e9),  # first Moon record: midpoint outside its slice
        (1, 0.0),  # its radius zero or negative
        (1, -1.0),
        (-3, math.inf),  # the segment's interval per record
    ],
)
def test_a_record_off_its_interval_is_refused(de421, tmp_path, word, value):
    # Reading such a file would give NaN or wild positions.
    path, kernel = de421
    moon = kernel[3, 301]
    data = bytearray(open(path, "rb").read())
    at = moon.start_i - 1 + word if word >= 0 else moon.end_i + word
    struct.pack_into("<d", data, at * 8, value)
    corrupt = tmp_path / "corrupt.bsp"
    corrupt.write_bytes(data)
    with pytest.raises(SAALError, match="corrupt.bsp"):
        quorvane.set_jpl_ephemeris_file_path(str(corrupt))
