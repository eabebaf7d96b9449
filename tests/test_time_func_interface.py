"""The time_func_interface functions.

References: pyerfa (eraDtf2d, eraGmst82) and astropy Time with the
IERS files of astropy-iers-data. Tolerances: 10 us for UT1 (same data; two day
counts rounded), 1e-12 rad for the FK5 angle against the same ERFA expression
(double rounding only), exact day counts for calendar readings against eraDtf2d
on a uniform scale. Loads that succeed change process-wide state, so they run
in a fresh interpreter.
"""

import math
import textwrap
import warnings

import erfa
import pytest

from quorvane._quorvane import time_func_interface as tf
from quorvane.exceptions import SAALError

JD_OF_DAY_ZERO = 2433281.5
DAY = 86400.0


def test_functions_in_registration_order():
    assert tf.__all__ == ["time_constants_loaded", "load_time_constants", "ds50_utc_to_ut1",
                          "get_fk4_greenwich_angle", "get_fk5_greenwich_angle",
                          "ymd_components_to_ds50"]


@pytest.mark.parametrize("components", [
    (1950, 1, 1, 0, 0, 0.0), (2024, 2, 29, 23, 59, 59.9995), (1957, 10, 4, 19, 28, 34.0),
    (2100, 3, 1, 12, 0, 0.125), (1899, 12, 31, 6, 30, 15.5),
])
def test_ymd_components_to_ds50_matches_erfa(components):
    d1, d2 = erfa.dtf2d("TAI", *components)
    assert tf.ymd_components_to_ds50(*components) == pytest.approx(
        (d1 - JD_OF_DAY_ZERO) + d2, abs=1e-12)


@pytest.mark.parametrize("components", [
    (2024, 13, 1, 0, 0, 0.0), (2024, 1, 32, 0, 0, 0.0), (2023, 2, 29, 0, 0, 0.0),
    (2024, 1, 1, 0, 0, math.nan), (2024, 1, 1, 0, 0, math.inf), (2024, 1, 1, -1, 0, 0.0),
])
def test_ymd_components_to_ds50_refuses_impossible_dates(components):
    with pytest.raises(ValueError, match="^TimeComps2ToUTC: "):
        tf.ymd_components_to_ds50(*components)


def test_argument_errors():
    with pytest.raises(OverflowError):
        tf.ymd_components_to_ds50(2**31, 1, 1, 0, 0, 0.0)
    with pytest.raises(TypeError, match="argument 'month'"):
        tf.ymd_components_to_ds50(2024, 1.0, 1, 0, 0, 0.0)
    with pytest.raises(TypeError, match="argument 'ds50_utc'"):
        tf.ds50_utc_to_ut1("27000")
    assert tf.ymd_components_to_ds50(year=2024, month=1, day=1, hour=0, minute=0, second=0) == \
        tf.ymd_components_to_ds50(2024, 1, 1, 0, 0, 0.0)


@pytest.mark.parametrize("function", [tf.ds50_utc_to_ut1, tf.get_fk4_greenwich_angle,
                                      tf.get_fk5_greenwich_angle])
@pytest.mark.parametrize("bad", [math.nan, math.inf])
def test_non_finite_day_counts_are_refused(function, bad):
    with pytest.raises(ValueError, match="must be finite"):
        function(bad)


@pytest.mark.parametrize("function", [tf.get_fk4_greenwich_angle, tf.get_fk5_greenwich_angle])
def test_day_counts_too_far_for_an_angle_are_refused(function):
    with pytest.raises(ValueError, match="no sidereal angle"):
        function(1e300)


def test_ds50_utc_to_ut1_matches_astropy():
    from astropy.time import Time
    from astropy.utils import iers

    with iers.conf.set_temp("auto_download", False), iers.conf.set_temp("auto_max_age", None), \
            warnings.catch_warnings():
        warnings.simplefilter("ignore")
        # astropy stretches the JD fraction of a leap-second day: none is one.
        for day in [8403.25, 18262.5, 24471.75, 27000.125, 28094.75]:
            ref = Time(JD_OF_DAY_ZERO, day, format="jd", scale="utc").ut1
            assert tf.ds50_utc_to_ut1(day) == pytest.approx(
                (ref.jd1 - JD_OF_DAY_ZERO) + ref.jd2, abs=1e-5 / DAY)


@pytest.mark.parametrize("day", [0.0, 1.0, 12345.678, 18262.5, 27000.25, 36524.9])
def test_greenwich_angles(day):
    fk5 = tf.get_fk5_greenwich_angle(day)
    expected = erfa.gmst82(JD_OF_DAY_ZERO, day)
    assert fk5 == pytest.approx(expected, abs=1e-12)
    assert 0.0 <= tf.get_fk4_greenwich_angle(day) < 2 * math.pi
    # FK4 trails the FK5 mean angle by 0.035 s + 0.085 s per century of time;
    # that offset formula holds to 7e-9 rad over 1950-2050.
    offset = (0.035 + 0.085 * (day - 1.0) / 36525.0) * 2 * math.pi / DAY
    diff = tf.get_fk4_greenwich_angle(day) - (erfa.gmst82(JD_OF_DAY_ZERO, day) - offset)
    assert abs(math.remainder(diff, 2 * math.pi)) <= 1e-8


# ---- time-constants files ------------------------------------------------------------

GOOD_FILE = """\
* year doy   TAI-UTC   UT1-UTC rate(ms/d)        x         y
2016 366    36.000-0.4000000   -1.0000  0.100000  0.300000
2017   1    37.000 0.5980000   -1.0000  0.102000  0.304000
# free form
2017 3 37 0.596 -1.0 0.104 0.308
"""


def test_loading_a_file(fresh_python, tmp_path):
    path = tmp_path / "tcon.txt"
    path.write_text(GOOD_FILE)
    out = fresh_python(textwrap.dedent(f"""
        from quorvane._quorvane import time_func_interface as tf
        before = tf.time_constants_loaded()
        day = tf.ymd_components_to_ds50(2016, 12, 31, 12, 0, 0.0)
        default_ut1 = tf.ds50_utc_to_ut1(day)
        tf.load_time_constants({str(path)!r})
        print(before, tf.time_constants_loaded(),
              round((tf.ds50_utc_to_ut1(day) - day) * 86400, 6),
              round((default_ut1 - day) * 86400, 4))
    """))
    # UT1-TAI runs from -36.4 to -36.402 across the leap second: -0.401 at noon.
    assert out == "False True -0.401 -0.4082"


@pytest.mark.parametrize("content, message", [
    ("2024 1 37 0.1 0 0.1 0.2\n2024 2 37 0.1x 0 0.1 0.2\n", r" line 2: "),
    ("2023 366 37 0.1 0 0.1 0.2\n", r" line 1: no day 366 in year 2023$"),
    ("2024 2 37 0.1 0 0.1 0.2\n2024 1 37 0.1 0 0.1 0.2\n", r" line 2: date does not follow"),
    ("* only a comment\n", r": no time-constant records$"),
    ("2024 1 37 0.1 0 0.1\n", r" line 1: expected seven numbers"),
])
def test_malformed_files_raise_and_keep_the_table(tmp_path, content, message):
    path = tmp_path / "bad.txt"
    path.write_text(content)
    day = 27000.5
    ut1 = tf.ds50_utc_to_ut1(day)
    with pytest.raises(SAALError, match="^TConLoadFile: " + str(path) + message):
        tf.load_time_constants(str(path))
    assert tf.ds50_utc_to_ut1(day) == ut1


def test_missing_file_raises_saal_error(tmp_path):
    path = tmp_path / "absent.txt"
    with pytest.raises(SAALError, match=f"^TConLoadFile: cannot open {path}: No such file"):
        tf.load_time_constants(str(path))


def test_path_with_a_zero_character_is_a_fault():
    with pytest.raises(BaseException, match="zero character") as excinfo:
        tf.load_time_constants("tcon\x00.txt")
    assert type(excinfo.value).__name__ == "InternalFault"


def test_overlong_path_is_refused_not_cut():
    with pytest.raises(SAALError, match="longer than 512 bytes"):
        tf.load_time_constants("/tmp/" + "x" * 600)
