# SPDX-License-Identifier: GPL-3.0-or-later
from typing import Any, overload

import numpy as np
import numpy.typing as npt

__version__: str

class Reading:
    """One moment's reading, as tenvari-cli --format json gives it."""

    date: str
    time: str
    zone: str
    dst: bool
    julian_day_number: int
    universal_time_hours: float
    t_centuries: float
    ayanamsa_deg: float
    ayanamsa_text: str
    weekday: str
    reference_true_deg: float
    reference_true_text: str
    reference_mean_deg: float
    reference_mean_text: str
    formula_minus_reference_arcsec: float
    jd_ut: float
    jd_tt: float
    delta_t_seconds: float
    calendar: str
    # name -> true_deg, mean_deg (None where there is no such value),
    # true_text, mean_text, true_minus_iae_arcsec
    definitions: dict[str, dict[str, Any]]
    def as_dict(self) -> dict[str, Any]: ...
    def __getattr__(self, name: str) -> Any: ...
    def __eq__(self, other: object) -> bool: ...

def reading(
    date: str,
    time: str,
    *,
    zone: str = "+00:00",
    dst: bool = False,
    calendar: str | None = None,
    ayanamsa: str | None = None,
    delta_t: float | None = None,
) -> Reading: ...
@overload
def ayanamsa(
    jd_ut: float | np.floating[Any] | np.integer[Any] | np.datetime64,
    *,
    definition: str = "iae",
    kind: str = "true",
) -> float: ...
@overload
def ayanamsa(
    jd_ut: npt.ArrayLike, *, definition: str = "iae", kind: str = "true"
) -> npt.NDArray[np.float64]: ...
def definitions() -> list[dict[str, str]]: ...
