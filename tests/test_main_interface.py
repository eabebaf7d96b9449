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


@pytest.mark.parametrize("tail", ["x" * 600, " " * 600])
def test_last_error_text_is_cut_at_512_characters_and_never_trimmed(tail):
    from quorvane._quorvane import time_func_interface
    from quorvane.exceptions import SAALError

    # The failed load names the path, so its text is longer than the buffer.
    with pytest.raises(SAALError) as error:
        time_func_interface.load_time_constants("/nonexistent/" + tail[:490])
    text = MainInterface.get_last_error_message()
    assert len(text) == 512
    assert text == str(error.value)
    assert text.endswith(tail[:10])
