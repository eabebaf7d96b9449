"""Object model for Earth-orbiting satellites.

The classes live in the submodules of the compiled extension
(``quorvane._quorvane.time``, ``.elements``, ``.bodies`` ...); the names below
re-export them for convenience.
"""

from . import _quorvane
from ._quorvane import get_thread_count, set_thread_count, set_jpl_ephemeris_file_path
from ._quorvane import (
    saal,
    astro_func_interface,
    time_func_interface,
    enums,
    time,
    elements,
    propagation,
    catalogs,
    bodies,
    events,
    estimation,
)
from .exceptions import SAALError


def _reexport(*modules):
    names = []
    for module in modules:
        for name in getattr(module, "__all__", ()):
            globals()[name] = getattr(module, name)
            names.append(name)
    return names


__all__ = [
    "get_thread_count",
    "set_thread_count",
    "set_jpl_ephemeris_file_path",
    "SAALError",
] + _reexport(enums, time, elements, propagation, catalogs, bodies, events, estimation)
