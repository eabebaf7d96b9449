import threading

import pytest

from quorvane._quorvane.saal import EphemInterface as E
from quorvane._quorvane.saal import MainInterface

DAY0 = 27000.0
AE, KE = 6378.135, 0.0743669161


@pytest.fixture
def key():
    k = E.add_satellite(25544, DAY0, AE, KE, E.COORD_ECI)
    yield k
    E.remove_key(k)


def test_coordinate_codes():
    assert (E.COORD_ECI, E.COORD_J2K, E.COORD_EFG, E.COORD_ECR) == (1, 2, 3, 4)


def test_no_constructor():
    with pytest.raises(TypeError, match="No constructor defined for EphemInterface"):
        E()


def test_states_round_trip_by_time_and_index(key):
    # Straight-line motion at 7.5 km/s: cubic Hermite reproduces it exactly,
    # up to the resolution of day counts near 27000 (~5e-7 s), which also
    # blurs the 60 s span by ~5e-9 relative: 4e-8 km/s at 7.5 km/s.
    for k in (2, 0, 1):
        t = 60.0 * k
        E.add_state(key, DAY0 + t / 86400.0, [7000.0, 7.5 * t, 0.0], [0.0, 7.5, 0.0], None)
    assert E.get_number_of_states(key) == 3
    pos, vel = E.get_posvel_at_ds50(key, DAY0 + 90.0 / 86400.0)
    assert pos == pytest.approx([7000.0, 675.0, 0.0], abs=1e-5)
    assert vel == pytest.approx([0.0, 7.5, 0.0], abs=1e-7)
    day, pos, vel, cov = E.get_posvel_at_index(key, 1)
    assert day == DAY0 and pos == [7000.0, 0.0, 0.0] and vel == [0.0, 7.5, 0.0]
    assert cov == [[0.0] * 6 for _ in range(6)]


def test_covariance_is_returned_as_six_rows(key):
    upper = [float(i + 1) for i in range(21)]
    E.add_state(sat_key=key, ds50_utc=DAY0, pos=(7000, 0, 0), vel=(0, 7.5, 0), cov=upper)
    result = E.get_posvel_at_index(key, 1)
    assert len(result) == 4
    cov = result[3]
    assert len(cov) == 6 and all(len(row) == 6 for row in cov)
    assert cov[0] == [1.0, 2.0, 3.0, 4.0, 5.0, 6.0]
    assert all(cov[r][c] == cov[c][r] for r in range(6) for c in range(6))
    assert cov[5][5] == 21.0


def test_add_state_requires_its_covariance_argument(key):
    with pytest.raises(TypeError):
        E.add_state(key, DAY0, [7000, 0, 0], [0, 7.5, 0])


@pytest.mark.parametrize("pos, vel, cov, length", [
    ([7000, 0], [0, 7.5, 0], None, 3),
    ([7000, 0, 0], [0, 7.5, 0, 1], None, 3),
    ([7000, 0, 0], [0, 7.5, 0], [0.0] * 20, 21),
])
def test_wrong_lengths_raise_value_error(key, pos, vel, cov, length):
    with pytest.raises(ValueError, match=f"expected a sequence of length {length}"):
        E.add_state(key, DAY0, pos, vel, cov)


def test_failures_raise_plain_exception_with_the_layer_text(key):
    E.add_state(key, DAY0, [7000, 0, 0], [0, 7.5, 0], None)
    with pytest.raises(Exception, match="outside the ephemeris span") as info:
        E.get_posvel_at_ds50(key, DAY0 + 1.0)
    assert type(info.value) is Exception
    assert "outside the ephemeris span" in MainInterface.get_last_error_message()
    with pytest.raises(Exception, match="unknown coordinate system 9"):
        E.add_satellite(1, DAY0, AE, KE, 9)
    with pytest.raises(Exception, match="must be finite"):
        E.add_state(key, DAY0, [float("nan"), 0, 0], [0, 7.5, 0], None)


def test_unknown_keys(key):
    E.remove_key(key)
    assert E.remove_key(key) is None
    for call in (lambda: E.get_number_of_states(key),
                 lambda: E.get_posvel_at_ds50(key, DAY0),
                 lambda: E.get_posvel_at_index(key, 1),
                 lambda: E.add_state(key, DAY0, [1, 0, 0], [0, 1, 0], None)):
        with pytest.raises(Exception, match="unknown satellite key"):
            call()


def test_concurrent_registrations_get_distinct_keys():
    keys, lock = [], threading.Lock()

    def register():
        for _ in range(50):
            k = E.add_satellite(1, DAY0, AE, KE, E.COORD_J2K)
            with lock:
                keys.append(k)

    threads = [threading.Thread(target=register) for _ in range(4)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert len(set(keys)) == 200 and min(keys) >= 0
    for k in keys:
        E.remove_key(k)
