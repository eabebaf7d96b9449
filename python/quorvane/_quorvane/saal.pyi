from collections.abc import Sequence

from .enums import SAALKeyMode

class MainInterface:
    @staticmethod
    def get_last_error_message() -> str: ...
    @staticmethod
    def get_key_mode() -> SAALKeyMode: ...
    @staticmethod
    def set_key_mode(key_mode: SAALKeyMode) -> None: ...

class EphemInterface:
    COORD_ECI: int
    COORD_J2K: int
    COORD_EFG: int
    COORD_ECR: int
    @staticmethod
    def add_satellite(sat_num: int, epoch_ds50_utc: float, ae: float, ke: float,
                      coord_sys: int) -> int: ...
    @staticmethod
    def add_state(sat_key: int, ds50_utc: float, pos: Sequence[float], vel: Sequence[float],
                  cov: Sequence[float] | None) -> None: ...
    @staticmethod
    def remove_key(key: int) -> None: ...
    @staticmethod
    def get_posvel_at_ds50(key: int, ds50_utc: float) -> tuple[list[float], list[float]]: ...
    @staticmethod
    def get_posvel_at_index(
        key: int, index: int
    ) -> tuple[float, list[float], list[float], list[list[float]]]: ...
    @staticmethod
    def get_number_of_states(key: int) -> int: ...
