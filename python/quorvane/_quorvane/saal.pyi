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

class TLEInterface:
    XA_TLE_SATNUM: int
    XA_TLE_EPOCH: int
    XA_TLE_NDOT: int
    XA_TLE_NDOTDOT: int
    XA_TLE_BSTAR: int
    XA_TLE_EPHTYPE: int
    XA_TLE_INCLI: int
    XA_TLE_NODE: int
    XA_TLE_ECCEN: int
    XA_TLE_OMEGA: int
    XA_TLE_MNANOM: int
    XA_TLE_MNMOTN: int
    XA_TLE_REVNUM: int
    XA_TLE_ELSETNUM: int
    XA_TLE_ORGSATNUM: int
    XA_TLE_BTERM: int
    XA_TLE_OBSTIME: int
    XA_TLE_EGR: int
    XA_TLE_EDR: int
    XA_TLE_VISMAG: int
    XA_TLE_RCS: int
    XA_TLE_AGOMGP: int
    XA_TLE_SP_BTERM: int
    XA_TLE_SP_OGPARM: int
    XA_TLE_SP_AGOM: int
    XA_TLE_SIZE: int
    XS_TLE_SECCLASS_1: int
    XS_TLE_SATNAME_12: int
    XS_TLE_OBJTYPE_11: int
    XS_TLE_SIZE: int
    XS_TLE_SECCLASS_0_1: int
    XS_TLE_SATNAME_1_12: int
    XS_TLE_OBJTYPE_13_1: int
    XS_TLE_LENGTH: int
    XF_TLE_SATNUM: int
    XF_TLE_CLASS: int
    XF_TLE_SATNAME: int
    XF_TLE_EPOCH: int
    XF_TLE_BSTAR: int
    XF_TLE_EPHTYPE: int
    XF_TLE_ELSETNUM: int
    XF_TLE_INCLI: int
    XF_TLE_NODE: int
    XF_TLE_ECCEN: int
    XF_TLE_OMEGA: int
    XF_TLE_MNANOM: int
    XF_TLE_MNMOTN: int
    XF_TLE_REVNUM: int
    XF_TLE_NDOT: int
    XF_TLE_NDOTDOT: int
    XF_TLE_AGOMGP: int
    XF_TLE_SP_AGOM: int
    XF_TLE_SP_BTERM: int
    XF_TLE_SP_OGPARM: int
    XF_TLE_ORGSATNUM: int
    XF_TLE_BTERM: int
    XF_TLE_OBSTIME: int
    XF_TLE_EGR: int
    XF_TLE_EDR: int
    XF_TLE_VISMAG: int
    XF_TLE_RCS: int
    XF_TLE_OBJTYPE: int
    XF_TLE_SATNAME_12: int
    TLETYPE_SGP: int
    TLETYPE_SGP4: int
    TLETYPE_XP: int
    TLETYPE_SP: int
    XF_TLEFORM_ORG: int
    XF_TLEFORM_CSV: int
    @staticmethod
    def lines_to_arrays(line_1: str, line_2: str) -> tuple[list[float], str]: ...
    @staticmethod
    def arrays_to_lines(xa_tle: Sequence[float], xs_tle: str) -> tuple[str, str]: ...
    @staticmethod
    def get_check_sums(line_1: str, line_2: str) -> tuple[int, int]: ...
    @staticmethod
    def load_from_arrays(xa_tle: Sequence[float], xs_tle: str) -> int: ...
    @staticmethod
    def remove_key(sat_key: int) -> None: ...
    @staticmethod
    def remove_all() -> None: ...
    @staticmethod
    def count_loaded() -> int: ...
