import math

import pytest

from quorvane._quorvane import propagation
from quorvane._quorvane.elements import TLE
from quorvane._quorvane.enums import KeplerianType, ReferenceFrame, TimeSystem
from quorvane._quorvane.propagation import ForceProperties, InertialPropagator, SGP4Output
from quorvane._quorvane.saal import TLEInterface
from quorvane._quorvane.time import Epoch

ISS = (
    "1 25544U 98067A   08264.51782528 -.00002182  00000-0 -11606-4 0  2927",
    "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.72125391563537",
)
# Verification case 29141 of the `sgp4` package: B* 0.135, decayed within a
# day of its epoch.
DECAYING = (
    "1 29141U 85108AA  06170.26783845  .99999999  00000-0  13519-0 0   718",
    "2 29141  82.4288 273.4882 0015848 277.2124  83.9133 15.93343074  6828",
)


@pytest.mark.parametrize("args, drag_term, srp_term", [
    ((0.03, 1.0, 0.01, 1.0, 1.0, 0.0, 0.0), 0.01, 0.03),
    ((1.2, 2.0, 2.2, 4.0, 2.0, 0.0, 0.0), 4.4, 1.2),
])
def test_force_properties_derived_terms(args, drag_term, srp_term):
    fp = ForceProperties(*args)
    assert fp.drag_term == pytest.approx(drag_term, rel=1e-15)
    assert fp.srp_term == pytest.approx(srp_term, rel=1e-15)
    assert fp.b_star == pytest.approx(drag_term / 12.741621, rel=1e-15)


def test_force_properties_setters_and_write_only_area():
    fp = ForceProperties(srp_coefficient=0.03, srp_area=1.0, drag_coefficient=0.01, drag_area=1.0,
                         mass=1.0, mean_motion_dot=0.0, mean_motion_dot_dot=0.0)
    fp.srp_area = 2.0
    assert fp.srp_term == pytest.approx(0.06)
    with pytest.raises(AttributeError):
        fp.srp_area
    fp.mass = 0.0  # not validated: the derived terms follow IEEE arithmetic
    assert math.isinf(fp.drag_term)
    with pytest.raises(AttributeError, match="can't delete attribute"):
        del fp.mass
    with pytest.raises(TypeError, match="argument 'drag_area'"):
        fp.drag_area = "x"


def test_b_star_conversions():
    assert propagation.b_star_to_drag_coefficient(1e-4) == pytest.approx(1e-4 * 12.741621)
    x = 3.7e-5
    assert propagation.drag_coefficient_to_b_star(
        drag_coefficient=propagation.b_star_to_drag_coefficient(b_star=x)) == pytest.approx(x)


def test_element_set_force_model():
    fp = InertialPropagator.from_tle(TLE.from_lines(*ISS)).force_properties
    assert fp.drag_coefficient == pytest.approx(-0.11606e-4 * 12.741621, rel=1e-15)
    assert (fp.drag_area, fp.mass, fp.srp_coefficient) == (1.0, 1.0, 0.0)
    assert fp.b_star == pytest.approx(-0.11606e-4, rel=1e-15)
    assert fp.mean_motion_dot == -0.00002182


def test_propagator_owns_a_copy_of_the_element_set():
    before = TLEInterface.count_loaded()
    tle = TLE.from_lines(*ISS)
    propagator = InertialPropagator.from_tle(tle)
    assert TLEInterface.count_loaded() == before + 2
    at_epoch = propagator.get_cartesian_state_at_epoch(tle.epoch)
    assert at_epoch.get_frame() == ReferenceFrame.TEME
    assert 6600 < math.hypot(at_epoch.position.x, at_epoch.position.y, at_epoch.position.z) < 6800
    del propagator
    assert TLEInterface.count_loaded() == before + 1
    assert tle.lines == ISS


def test_epoch_tag_is_kept_and_the_count_read_as_utc():
    propagator = InertialPropagator.from_tle(TLE.from_lines(*ISS))
    days = propagator.keplerian_state.epoch.days_since_1950 + 0.25
    utc = propagator.get_cartesian_state_at_epoch(Epoch.from_days_since_1950(days, TimeSystem.UTC))
    tai = propagator.get_cartesian_state_at_epoch(Epoch.from_days_since_1950(days, TimeSystem.TAI))
    assert tai.epoch.time_system == TimeSystem.TAI
    assert (tai.position.x, tai.velocity.z) == (utc.position.x, utc.velocity.z)


def test_mean_elements_at_epoch_have_the_set_type():
    tle = TLE.from_lines(*ISS)
    kep = InertialPropagator.from_tle(tle).get_keplerian_state_at_epoch(tle.epoch)
    assert kep.type == KeplerianType.MeanKozaiGP
    assert kep.frame == ReferenceFrame.TEME
    # At epoch SGP4's mean elements are the set's own (Brouwer axis).
    assert kep.semi_major_axis == pytest.approx(tle.semi_major_axis, rel=1e-12)
    assert kep.eccentricity == pytest.approx(tle.eccentricity, rel=1e-12)
    assert kep.raan == pytest.approx(tle.raan, abs=1e-9)


def test_propagation_failure_gives_none():
    tle = TLE.from_lines(*DECAYING)
    propagator = InertialPropagator.from_tle(tle)
    later = Epoch.from_days_since_1950(tle.epoch.days_since_1950 + 1.0, TimeSystem.UTC)
    assert propagator.get_cartesian_state_at_epoch(later) is None
    assert propagator.get_keplerian_state_at_epoch(later) is None
    assert propagator.get_cartesian_state_at_epoch(tle.epoch) is not None


def test_classes_without_constructor():
    for cls in (InertialPropagator, SGP4Output):
        with pytest.raises(TypeError, match="No constructor defined for " + cls.__name__):
            cls()
    assert "SGP4Output" in propagation.__all__
    with pytest.raises(TypeError, match="argument 'tle'"):
        InertialPropagator.from_tle(ISS)
