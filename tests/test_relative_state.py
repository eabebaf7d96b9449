import pytest

from quorvane._quorvane.elements import BoreToBodyAngles, CartesianVector, RelativeState
from quorvane._quorvane.enums import TimeSystem
from quorvane._quorvane.time import Epoch


def make_relative_state():
    epoch = Epoch.from_days_since_1950(27000.25, TimeSystem.TAI)
    return RelativeState(epoch=epoch, position=CartesianVector(1.0, 2.0, 3.0),
                         velocity=CartesianVector(0.1, 0.2, 0.3), origin_id="A",
                         secondary_id="B")


def test_relative_state_keeps_its_values():
    s = make_relative_state()
    assert s.origin_satellite_id == "A" and s.secondary_satellite_id == "B"
    assert s.epoch.days_since_1950 == 27000.25 and s.epoch.time_system == TimeSystem.TAI
    assert (s.position.x, s.position.y, s.position.z) == (1.0, 2.0, 3.0)
    assert (s.velocity.x, s.velocity.y, s.velocity.z) == (0.1, 0.2, 0.3)


def test_relative_state_vectors_are_fresh_copies():
    s = make_relative_state()
    first, second = s.position, s.position
    assert first is not second
    assert (first.x, first.y, first.z) == (second.x, second.y, second.z)


def test_relative_state_argument_errors_name_the_argument():
    epoch = Epoch.from_days_since_1950(27000.0, TimeSystem.UTC)
    v = CartesianVector(0.0, 0.0, 0.0)
    with pytest.raises(TypeError, match="argument 'velocity'"):
        RelativeState(epoch, v, "not a vector", "A", "B")
    with pytest.raises(TypeError, match="argument 'secondary_id'"):
        RelativeState(epoch, v, v, "A", 5)


def test_bore_to_body_angles_keep_their_order():
    a = BoreToBodyAngles(1.0, 2.0, 3.0)
    assert (a.earth_angle, a.sun_angle, a.moon_angle) == (1.0, 2.0, 3.0)
    b = BoreToBodyAngles(moon_angle=3.0, earth_angle=1.0, sun_angle=2.0)
    assert (b.earth_angle, b.sun_angle, b.moon_angle) == (1.0, 2.0, 3.0)


@pytest.mark.parametrize("cls, attr", [(BoreToBodyAngles, "sun_angle"),
                                       (RelativeState, "origin_satellite_id")])
def test_properties_are_read_only(cls, attr):
    obj = BoreToBodyAngles(1.0, 2.0, 3.0) if cls is BoreToBodyAngles else make_relative_state()
    with pytest.raises(AttributeError):
        setattr(obj, attr, 0)
    with pytest.raises(AttributeError, match="can't delete attribute"):
        delattr(obj, attr)
