import math

import erfa
import numpy as np
import pytest

from quorvane._quorvane import astro_func_interface as afi

DS50_2021 = 26000.25  # 2021-03-08 06:00 UTC
JD_OF_DS50_ZERO = 2433281.5


def test_constants_in_order_after_the_functions():
    names = afi.__all__
    assert names[:13] == [
        "teme_to_topo", "ra_dec_to_az_el_time", "ra_dec_to_az_el", "theta_teme_to_lla",
        "time_teme_to_lla", "mean_motion_to_sma", "kozai_to_brouwer", "brouwer_to_kozai",
        "sma_to_mean_motion", "topo_date_to_equinox", "topo_equinox_to_date",
        "get_jpl_sun_and_moon_position", "horizon_to_teme"]
    assert names[13:24] == [f"XA_TOPO_{n}" for n in (
        "RA", "DEC", "AZ", "EL", "RANGE", "RADOT", "DECDOT", "AZDOT", "ELDOT", "RANGEDOT", "SIZE")]
    assert [getattr(afi, n) for n in names[13:]] == list(range(11)) + [2, 1] + list(range(7))


def test_mean_motion_conversions():
    # GEO: one turn per sidereal day at 42164.17 km (WGS-72 GM).
    assert afi.sma_to_mean_motion(42164.17) == pytest.approx(1.00273791, abs=2e-6)
    assert afi.mean_motion_to_sma(afi.sma_to_mean_motion(7000.0)) == pytest.approx(7000.0, rel=1e-14)
    n = afi.kozai_to_brouwer(0.0006703, 51.6416, 15.72125391)
    assert afi.brouwer_to_kozai(0.0006703, 51.6416, n) == pytest.approx(15.72125391, rel=1e-14)


def test_mean_motion_of_sgp4_element_set_matches_sgp4_recovery():
    # Reference: the `sgp4` package's own Kozai -> Brouwer recovery (same WGS-72
    # theory, so agreement to rounding).
    from sgp4.api import WGS72, Satrec
    sat = Satrec.twoline2rv(
        "1 25544U 98067A   08264.51782528 -.00002182  00000-0 -11606-4 0  2927",
        "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.72125391563537", WGS72)
    n = afi.kozai_to_brouwer(sat.ecco, math.degrees(sat.inclo), sat.no_kozai * 720.0 / math.pi)
    assert afi.mean_motion_to_sma(n) == pytest.approx(sat.a * 6378.135, rel=1e-12)


def test_topocentric_and_horizon_are_inverse():
    site = [1500.0, -4800.0, 3900.0]
    theta, lat = 1.2, 38.0
    rae = [1200.0, 75.0, 35.0, -3.2, 0.4, 0.15]
    state = afi.horizon_to_teme(theta, lat, site, rae)
    assert isinstance(state, list) and len(state) == 6
    topo = afi.teme_to_topo(theta, lat, site, state[:3], state[3:])
    assert len(topo) == afi.XA_TOPO_SIZE
    got = [topo[afi.XA_TOPO_RANGE], topo[afi.XA_TOPO_AZ], topo[afi.XA_TOPO_EL],
           topo[afi.XA_TOPO_RANGEDOT], topo[afi.XA_TOPO_AZDOT], topo[afi.XA_TOPO_ELDOT]]
    assert got == pytest.approx(rae, rel=1e-10, abs=1e-10)
    # Right ascension and declination of the line of sight, in TEME axes.
    los = np.array(state[:3]) - np.array(site)
    assert topo[afi.XA_TOPO_RA] == pytest.approx(math.degrees(math.atan2(los[1], los[0])) % 360)
    assert topo[afi.XA_TOPO_DEC] == pytest.approx(
        math.degrees(math.asin(los[2] / np.linalg.norm(los))))
    az_el = afi.ra_dec_to_az_el(theta - 0.3, lat, math.degrees(0.3), topo[0], topo[1])
    assert az_el == pytest.approx([75.0, 35.0], abs=1e-9)


def test_ra_dec_to_az_el_time_uses_the_greenwich_angle_of_the_instant():
    # The celestial pole stands at the site's latitude, due north.
    az, el = afi.ra_dec_to_az_el_time(DS50_2021, 52.0, 13.0, 123.0, 90.0)
    assert (az % 360.0, el) == pytest.approx((0.0, 52.0), abs=1e-9)
    az1, el1 = afi.ra_dec_to_az_el_time(DS50_2021, 52.0, 13.0, 40.0, 10.0)
    assert 0.0 <= az1 < 360.0 and -90.0 <= el1 <= 90.0


@pytest.mark.parametrize(
    "lat, lon, height",
    [(0.0, 0.0, 0.0), (90.0, 0.0, 100.0), (-90.0, 0.0, 0.0), (45.0, -120.0, -400.0),
     (-33.9, 151.2, 0.05), (1e-9, 179.999, 40000.0), (89.9999, 45.0, 35786.0)],
)
def test_geodetic_against_erfa(lat, lon, height):
    # Reference: ERFA's WGS-84 geodetic -> Cartesian (eraGd2gce). Tolerance:
    # both sides exact to rounding; 1e-9 deg (0.1 mm) and 1e-6 km bound it.
    xyz = erfa.gd2gce(6378.137, 1 / 298.257223563, math.radians(lon), math.radians(lat), height)
    got = afi.theta_teme_to_lla(0.0, list(xyz))
    assert got[0] == pytest.approx(lat, abs=1e-9)
    if abs(lat) < 90.0:
        assert got[1] == pytest.approx(lon, abs=1e-9)
    assert got[2] == pytest.approx(height, abs=1e-6)


def test_time_teme_to_lla_turns_by_the_greenwich_angle():
    pos = [7000.0, 0.0, 0.0]
    at_theta = afi.theta_teme_to_lla(0.7, pos)
    assert at_theta[1] == pytest.approx(-math.degrees(0.7))
    later = afi.time_teme_to_lla(DS50_2021, pos)
    assert later[0] == pytest.approx(0.0) and later[2] == pytest.approx(7000.0 - 6378.137)


def teme_from(tai_ds50, to_mean_of_date=False):
    jd2 = tai_ds50 + 32.184 / 86400.0
    dpsi, deps = erfa.nut80(JD_OF_DS50_ZERO, jd2)
    n = erfa.numat(erfa.obl80(JD_OF_DS50_ZERO, jd2), dpsi, deps)
    r = erfa.rz(erfa.eqeq94(JD_OF_DS50_ZERO, jd2), np.eye(3)) @ n
    return r if to_mean_of_date else r @ erfa.pmat76(JD_OF_DS50_ZERO, jd2)


@pytest.mark.parametrize("code", [afi.YROFEQNX_2000, afi.YROFEQNX_CURR])
def test_equinox_rotations_match_erfa(code):
    # Reference: pyerfa IAU-1976/1980 chain; the TAI day is the UTC day + 37 s.
    ra, dec = 250.0, -20.0
    out = afi.topo_date_to_equinox(code, DS50_2021, ra, dec)
    assert isinstance(out, tuple)
    m = teme_from(DS50_2021 + 37 / 86400, to_mean_of_date=code == afi.YROFEQNX_CURR)
    u = erfa.s2c(math.radians(ra), math.radians(dec))
    ra_ref, dec_ref = erfa.c2s(m.T @ u)
    assert out == pytest.approx((math.degrees(ra_ref) % 360, math.degrees(dec_ref)), abs=1e-10)
    back = afi.topo_equinox_to_date(code, DS50_2021, *out)
    assert back == pytest.approx((ra, dec), abs=1e-10)


@pytest.mark.parametrize(
    "call, error",
    [
        (lambda: afi.teme_to_topo(0.0, 0.0, [6378, 0, 0], [6378, 0, 0], [0, 7, 0]), RuntimeError),
        (lambda: afi.horizon_to_teme(0.0, float("nan"), [6378, 0, 0], [1, 0, 0, 0, 0, 0]),
         RuntimeError),
        (lambda: afi.theta_teme_to_lla(0.0, [0.0, 0.0, 0.0]), ValueError),
        (lambda: afi.time_teme_to_lla(float("nan"), [7000.0, 0.0, 0.0]), ValueError),
        (lambda: afi.sma_to_mean_motion(-7000.0), ValueError),
        (lambda: afi.mean_motion_to_sma(float("nan")), ValueError),
        (lambda: afi.kozai_to_brouwer(1.0, 50.0, 15.0), ValueError),
        # Perigee deep inside the Earth: no Kozai value maps to this one.
        (lambda: afi.brouwer_to_kozai(0.99, 0.0, 15.0), ValueError),
        (lambda: afi.topo_date_to_equinox(3, DS50_2021, 10.0, 10.0), ValueError),
        (lambda: afi.ra_dec_to_az_el(0.0, float("inf"), 0.0, 0.0, 0.0), ValueError),
        (lambda: afi.get_jpl_sun_and_moon_position(float("nan")), ValueError),
    ],
)
def test_bad_input_raises_with_the_layer_text(call, error):
    with pytest.raises(error, match=r"\w"):
        call()


@pytest.mark.parametrize(
    "call, error, text",
    [
        (lambda: afi.teme_to_topo(0.0, 0.0, [1, 2], [1, 2, 3], [1, 2, 3]), ValueError,
         "expected a sequence of length 3 \\(got 2\\)"),
        (lambda: afi.horizon_to_teme(0.0, 0.0, [1, 2, 3], [1, 2, 3, 4]), ValueError,
         "expected a sequence of length 6 \\(got 4\\)"),
        (lambda: afi.sma_to_mean_motion("7000"), TypeError, "argument 'sma'"),
        (lambda: afi.topo_date_to_equinox(2.5, DS50_2021, 1.0, 1.0), TypeError,
         "argument 'yr_of_equinox'"),
    ],
)
def test_argument_errors(call, error, text):
    with pytest.raises(error, match=text):
        call()
