import math
import re

import pytest

from quorvane._quorvane.elements import CartesianState, CartesianVector, Ephemeris
from quorvane._quorvane.enums import ReferenceFrame, TimeSystem
from quorvane._quorvane.time import Epoch

DAY0 = 27000.25
UUID4 = re.compile(r"^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$")


def state(day=DAY0, frame=ReferenceFrame.TEME, system=TimeSystem.UTC, x=7000.0):
    return CartesianState(Epoch.from_days_since_1950(day, system), CartesianVector(x, 0.0, 0.0),
                          CartesianVector(0.0, 7.5, 0.0), frame)


def vec(v):
    return (v.x, v.y, v.z)


def test_identity_and_catalogue_number():
    a = Ephemeris("sat-1", None, state())
    b = Ephemeris(satellite_id="sat-1", norad_id=25544, state=state())
    assert a.norad_id == 99999 and b.norad_id == 25544
    assert a.satellite_id == "sat-1" and a.number_of_states == 1
    assert UUID4.match(a.id) and a.id != b.id


@pytest.mark.parametrize("query_day, system", [(DAY0 - 1.0, TimeSystem.UTC), (DAY0, TimeSystem.UTC),
                                               (DAY0 + 3.7, TimeSystem.TAI)])
def test_one_state_answers_every_epoch_with_its_own_epoch(query_day, system):
    e = Ephemeris("s", None, state(system=TimeSystem.TAI))
    got = e.get_state_at_epoch(Epoch.from_days_since_1950(query_day, system))
    assert got.epoch.days_since_1950 == DAY0 and got.epoch.time_system == TimeSystem.TAI
    assert vec(got.position) == (7000.0, 0.0, 0.0) and got.get_frame() == ReferenceFrame.TEME


def test_states_are_stored_in_teme():
    j2000 = state(frame=ReferenceFrame.J2000)
    got = Ephemeris("s", None, j2000).get_state_at_epoch(j2000.epoch)
    want = j2000.to_frame(ReferenceFrame.TEME)
    assert got.get_frame() == ReferenceFrame.TEME
    assert vec(got.position) == pytest.approx(vec(want.position), abs=1e-9)
    assert vec(got.velocity) == pytest.approx(vec(want.velocity), abs=1e-12)
    assert vec(got.position) != pytest.approx(vec(j2000.position), abs=1e-3)


def test_non_finite_state_is_refused():
    with pytest.raises(ValueError, match="finite"):
        Ephemeris("s", None, state(x=math.nan))


@pytest.mark.parametrize("kwargs, name", [
    (dict(satellite_id=5, norad_id=None, state=None), "satellite_id"),
    (dict(satellite_id="s", norad_id="x", state=None), "norad_id"),
    (dict(satellite_id="s", norad_id=None, state=5), "state"),
])
def test_argument_errors_name_the_argument(kwargs, name):
    if kwargs["state"] is None:
        kwargs["state"] = state()
    with pytest.raises(TypeError, match=f"argument '{name}'"):
        Ephemeris(**kwargs)


def test_lookup_argument_error_and_read_only_properties():
    e = Ephemeris("s", None, state())
    with pytest.raises(TypeError, match="argument 'epoch'"):
        e.get_state_at_epoch(DAY0)
    with pytest.raises(AttributeError, match="can't delete attribute"):
        del e.norad_id
    with pytest.raises(AttributeError):
        e.id = "other"


def test_threads_read_one_ephemeris_while_others_are_built():
    # Readers share one body while the main thread builds new ones from the
    # same satellite; under the thread sanitizer (make tsan) this exercises
    # the body's locks from several interpreter threads.
    import threading

    from quorvane._quorvane.bodies import Satellite
    from quorvane._quorvane.elements import TLE
    from quorvane._quorvane.time import TimeSpan

    sat = Satellite.from_tle(TLE.from_lines(
        "1 90001U          24001.50000000  .00000000  00000-0  10000-3 0    09",
        "2 90001  51.6000 247.0000 0005000 130.0000 325.0000 15.50000000    07"))
    start = Epoch.from_days_since_1950(27029.5, TimeSystem.UTC)
    end = Epoch.from_days_since_1950(27030.5, TimeSystem.UTC)
    shared = sat.get_ephemeris(start, end, TimeSpan.from_minutes(10))
    query = Epoch.from_days_since_1950(27029.8, TimeSystem.UTC)
    want = vec(shared.get_state_at_epoch(query).position)
    mismatches = []

    def read():
        for _ in range(2000):
            if vec(shared.get_state_at_epoch(query).position) != want:
                mismatches.append(1)

    threads = [threading.Thread(target=read) for _ in range(3)]
    for t in threads:
        t.start()
    for minutes in range(1, 30):
        assert sat.get_ephemeris(start, end, TimeSpan.from_minutes(minutes)) is not None
    for t in threads:
        t.join()
    assert not mismatches
