import os

import pytest

import quorvane
from quorvane.exceptions import SAALError


@pytest.fixture
def de421_path():
    skyfield_data = pytest.importorskip("skyfield_data")
    return os.path.join(os.path.dirname(skyfield_data.__file__), "data", "de421.bsp")


def test_a_valid_file_is_accepted(de421_path):
    quorvane.set_jpl_ephemeris_file_path(jpl_path=de421_path)


@pytest.mark.parametrize("content", [None, b"", b"not an ephemeris" * 100])
def test_missing_or_corrupt_file_raises_saal_error_naming_it(tmp_path, content):
    path = tmp_path / "bad.bsp"
    if content is not None:
        path.write_bytes(content)
    with pytest.raises(SAALError, match="bad.bsp"):
        quorvane.set_jpl_ephemeris_file_path(str(path))


def test_path_longer_than_512_bytes_is_cut(tmp_path, de421_path):
    # A link whose path is exactly 512 bytes, named with 88 more bytes after it:
    # only the cut path reaches the file.
    folder = tmp_path / ("d" * 200) / ("e" * 200)
    folder.mkdir(parents=True)
    name_length = 512 - len(str(folder)) - 1
    link = folder / ("f" * name_length)
    link.symlink_to(de421_path)
    assert len(str(link).encode()) == 512
    quorvane.set_jpl_ephemeris_file_path(str(link) + "g" * 88)


def test_zero_character_in_path_is_an_internal_fault():
    with pytest.raises(BaseException) as fault:
        quorvane.set_jpl_ephemeris_file_path("de421\0.bsp")
    assert type(fault.value).__name__ == "InternalFault"
