import pytest

from quorvane._quorvane.enums import SAALKeyMode
from quorvane._quorvane.saal import MainInterface


@pytest.fixture
def restore_key_mode():
    before = MainInterface.get_key_mode()
    yield
    MainInterface.set_key_mode(before)


def test_key_mode_after_import_is_direct_memory_access(fresh_python):
    out = fresh_python("from quorvane._quorvane.saal import MainInterface as M; "
                       "print(M.get_key_mode())")
    assert out == "SAALKeyMode.DirectMemoryAccess"


@pytest.mark.parametrize("mode", [SAALKeyMode.NoDuplicates, SAALKeyMode.DirectMemoryAccess])
def test_set_key_mode_round_trips(restore_key_mode, mode):
    MainInterface.set_key_mode(key_mode=mode)
    got = MainInterface.get_key_mode()
    assert got == mode and got is not mode


def test_set_key_mode_refuses_an_integer():
    with pytest.raises(TypeError, match="argument 'key_mode'"):
        MainInterface.set_key_mode(0)


def test_last_error_message_is_text():
    assert isinstance(MainInterface.get_last_error_message(), str)
