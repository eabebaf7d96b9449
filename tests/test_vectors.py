import math

import pytest

from quorvane._quorvane.elements import CartesianVector, SphericalVector


def test_components_and_derived_values():
    a = CartesianVector(1.0, 2.0, 3.0)
    b = CartesianVector(x=-2.0, y=0.5, z=4.0)
    assert (a.x, a.y, a.z) == (1.0, 2.0, 3.0)
    assert a.magnitude == math.sqrt(14.0)
    assert a.dot(b) == -2.0 + 1.0 + 12.0
    assert a.distance(b) == math.sqrt(9.0 + 2.25 + 1.0)
    s, d = a + b, a - CartesianVector(1, 1, 1)
    assert (s.x, s.y, s.z) == (-1.0, 2.5, 7.0)
    assert (d.x, d.y, d.z) == (0.0, 1.0, 2.0)


@pytest.mark.parametrize(
    "a, b, expected",
    [
        ((0, 0, 0), (1, 0, 0), 0.0),  # zero vector: 0, not NaN
        ((1, 0, 0), (-1, 0, 0), math.pi),
        ((1, 0, 0), (0, 3, 0), math.pi / 2),
        ((2, 2, 0), (1, 1, 0), 0.0),
        # Parallel vectors whose cosine rounds to 1 + 2e-16: 0, not NaN.
        ((-7.312715117751976, 6.9486747387446535, 5.275492379532281),
         (-7.312715117751976 * 2.6251833548202748, 6.9486747387446535 * 2.6251833548202748,
          5.275492379532281 * 2.6251833548202748), 0.0),
    ],
)
def test_angle(a, b, expected):
    assert CartesianVector(*a).angle(CartesianVector(*b)) == pytest.approx(expected, abs=1e-7)


@pytest.mark.parametrize(
    "xyz, spherical",
    [
        ((-1, -1, 0), (math.sqrt(2), -135.0, 0.0)),  # (-180, 180], not 225
        ((0, 0, 0), (0.0, 0.0, 0.0)),
        ((0, 0, -5), (5.0, 0.0, -90.0)),
        ((-1, 0, 0), (1.0, 180.0, 0.0)),
        ((-1, -0.0, 2), (math.sqrt(5), 180.0, math.degrees(math.atan(2)))),  # y = -0.0: 180, not -180
    ],
)
def test_to_spherical(xyz, spherical):
    s = CartesianVector(*xyz).to_spherical()
    assert (s.range, s.right_ascension, s.declination) == pytest.approx(spherical, abs=1e-12)


def test_spherical_round_trip_and_negative_range():
    c = SphericalVector(1.0, 90.0, 0.0).to_cartesian()
    assert (c.x, c.y, c.z) == pytest.approx((0.0, 1.0, 0.0), abs=1e-15)
    v = SphericalVector(range=-2.0, right_ascension=30.0, declination=10.0).to_cartesian()
    u = SphericalVector(2.0, 30.0, 10.0).to_cartesian()
    assert (v.x, v.y, v.z) == pytest.approx((-u.x, -u.y, -u.z), abs=1e-15)
    back = CartesianVector(3.0, -4.0, 12.0).to_spherical().to_cartesian()
    assert (back.x, back.y, back.z) == pytest.approx((3.0, -4.0, 12.0), rel=1e-15)


def test_spherical_setters_store_unchecked():
    s = SphericalVector(1.0, 0.0, 0.0)
    s.range, s.right_ascension, s.declination = -3.0, 725.0, 100.0
    assert (s.range, s.right_ascension, s.declination) == (-3.0, 725.0, 100.0)
    with pytest.raises(AttributeError, match="can't delete attribute"):
        del s.range


@pytest.mark.parametrize(
    "call, name",
    [
        (lambda: CartesianVector("1", 2, 3), "x"),
        (lambda: CartesianVector(1, 2, None), "z"),
        (lambda: CartesianVector(1, 2, 3).dot(5), "other"),
        (lambda: SphericalVector(1, "a", 3), "right_ascension"),
    ],
)
def test_wrong_argument_types_name_the_argument(call, name):
    with pytest.raises(TypeError, match=f"argument '{name}'"):
        call()


def test_operators_refuse_other_types_and_values_are_read_only():
    v = CartesianVector(1, 2, 3)
    with pytest.raises(TypeError):
        v - 1.0
    with pytest.raises(TypeError):
        v + (1, 2, 3)
    with pytest.raises(AttributeError):
        v.x = 5.0
    assert type(v).__module__ == "builtins"
