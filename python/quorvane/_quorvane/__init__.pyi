from . import (
    astro_func_interface as astro_func_interface,
    bodies as bodies,
    catalogs as catalogs,
    elements as elements,
    enums as enums,
    estimation as estimation,
    events as events,
    exceptions as exceptions,
    propagation as propagation,
    saal as saal,
    time as time,
    time_func_interface as time_func_interface,
)

def get_thread_count() -> int: ...
def set_thread_count(count: int) -> None: ...
def set_jpl_ephemeris_file_path(jpl_path: str) -> None: ...
