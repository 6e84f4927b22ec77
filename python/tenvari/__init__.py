# SPDX-License-Identifier: GPL-3.0-or-later
"""The Lahiri ayanamsa of Tenvari, with the numbers of tenvari-cli.

reading(date, time, zone=..., dst=...)  one moment, the fields of
                                        ``tenvari-cli --format json``
ayanamsa(jd_ut, definition=..., kind=...)
                                        a definition's values for an array
                                        of Julian Dates (UT) or datetime64
definitions()                           the definitions ayanamsa() knows
"""
from tenvari._tenvari import Reading, __version__, ayanamsa, definitions, reading

__all__ = ["Reading", "__version__", "ayanamsa", "definitions", "reading"]
