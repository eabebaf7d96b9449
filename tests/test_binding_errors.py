"""The argument, construction and property errors every binding shares."""

import pytest

from quorvane._quorvane import astro_func_interface as astro
from quorvane._quorvane import enums, saal
from quorvane._quorvane import time_func_interface as tf

M = saal.MainInterface

CASES = [
    (lambda: M.set_key_mode(0), TypeError, "^argument 'key_mode': expected SAALKeyMode, got int$"),
    (lambda: M.set_key_mode(), TypeError, "missing required argument 'key_mode'"),
    (lambda: M.set_key_mode(mode=enums.SAALKeyMode.NoDuplicates), TypeError,
     "unexpected keyword argument 'mode'"),
    (lambda: M.set_key_mode(enums.SAALKeyMode.NoDuplicates, key_mode=enums.SAALKeyMode.NoDuplicates),
     TypeError, "multiple values for argument 'key_mode'"),
    (lambda: M.get_key_mode(1), TypeError, "takes 0 positional arguments but 1 was given"),
    (lambda: astro.theta_teme_to_lla(0.0, [1.0, 2.0]), ValueError,
     r"^expected a sequence of length 3 \(got 2\)$"),
    (lambda: astro.theta_teme_to_lla(0.0, (1.0, 2.0, 3.0, 4.0)), ValueError,
     r"^expected a sequence of length 3 \(got 4\)$"),
    (lambda: astro.theta_teme_to_lla(0.0, "xyz"), TypeError, "^argument 'teme_pos': "),
    (lambda: astro.theta_teme_to_lla(0.0, [1.0, "2", 3.0]), TypeError, "^argument 'teme_pos': "),
    (lambda: astro.theta_teme_to_lla("0", [1.0, 2.0, 3.0]), TypeError,
     "^argument 'theta': expected float, got str$"),
    (lambda: astro.theta_teme_to_lla(10**400, [1.0, 2.0, 3.0]), OverflowError,
     "^argument 'theta': int too large to convert to float$"),
    (lambda: astro.theta_teme_to_lla(1j, [1.0, 2.0, 3.0]), TypeError,
     "^argument 'theta': expected float, got complex$"),
    (lambda: tf.load_time_constants("/tmp/\udcff"), ValueError,
     "^argument 'path': text cannot be encoded as UTF-8$"),
    (lambda: M(), TypeError, "^No constructor defined for MainInterface$"),
    (lambda: enums.KeplerianType(6), TypeError, "^No constructor defined for KeplerianType$"),
]


@pytest.mark.parametrize("call, error, message", CASES)
def test_binding_error(call, error, message):
    with pytest.raises(error, match=message):
        call()


def test_deleting_a_property_is_refused():
    member = enums.TimeSystem.UTC
    with pytest.raises(AttributeError, match="^can't delete attribute$"):
        del member.value
    assert member.value == "UTC"


@pytest.mark.worker_pool
def test_internal_fault_is_not_an_exception(fresh_python):
    out = fresh_python(
        "import quorvane as q\n"
        "q.get_thread_count()\n"
        "try:\n"
        "    q.set_thread_count(1)\n"
        "except Exception:\n"
        "    print('Exception')\n"
        "except BaseException as e:\n"
        "    print(type(e).__mro__[1].__name__)\n"
    )
    assert out == "BaseException"


@pytest.mark.parametrize("make", [list, tuple, lambda v: __import__("numpy").array(v),
                                  lambda v: range(7000, 7003)])
def test_fixed_length_arguments_take_any_sequence(make):
    lat, lon, height = astro.theta_teme_to_lla(theta=0.0, teme_pos=make([7000, 7001, 7002]))
    assert height > 0
