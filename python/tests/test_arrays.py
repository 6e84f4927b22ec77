# SPDX-License-Identifier: GPL-3.0-or-later
# tenvari.ayanamsa over arrays: every form of input gives, element by
# element, what one date at a time gives; the values are the reference of
# tenvari-cli at the same moments; and what holds no dates is refused.
import numpy as np
import pytest

import tenvari

rng = np.random.default_rng(18)
# 1901-01-01 .. 2050-12-31, and a date far outside.
JDS = np.concatenate([rng.uniform(2415385.5, 2470172.5, 400), [2451545.0, 2435553.5, 2299160.5]])


def one_by_one(dates, **choice):
    return np.array([tenvari.ayanamsa(float(jd), **choice) for jd in dates])


def readonly(a):
    a = a.copy()
    a.flags.writeable = False
    return a


def strided(a):
    wide = np.empty(2 * len(a))
    wide[::2], wide[1::2] = a, -1.0
    return wide[::2]


@pytest.mark.parametrize("form", [
    lambda a: a,
    lambda a: a.tolist(),
    readonly,
    strided,
    lambda a: a[::-1].copy()[::-1],  # negative stride
    lambda a: a.astype(">f8"),  # the other byte order
    lambda a: np.frombuffer(b"\0" + a.tobytes(), dtype=np.float64, offset=1),  # unaligned
], ids=["array", "list", "read-only", "every second", "reversed", "big-endian", "unaligned"])
@pytest.mark.parametrize("kind", ["true", "mean"])
def test_every_form_equals_one_date_at_a_time(form, kind):
    expected = one_by_one(JDS, kind=kind)
    got = tenvari.ayanamsa(form(JDS), kind=kind)
    assert got.dtype == np.float64 and got.shape == JDS.shape
    assert np.array_equal(got, expected)


@pytest.mark.parametrize("date,time,zone,outside", [
    ("1947-08-15", "00:00", "+05:30", ()),
    # The civil date is the formula's first day, the Julian Date's UT day is
    # 1900-12-31: a date alone lies outside the formula's years.
    ("1901-01-01", "00:00", "+14:00", ("formula",)),
    ("2050-12-31", "23:59", "+00:00", ()),
    ("1956-03-21", "00:00", "+00:00", ()),
    ("-2999-07-01", "12:00", "+00:00", ()),
    ("2999-07-01", "12:00", "+00:00", ()),
])
def test_every_definition_gives_the_commands_values(date, time, zone, outside):
    # tenvari-cli's definitions (9 decimals) at the same moment.
    r = tenvari.reading(date, time, zone=zone)
    jd = np.array([r.julian_day_number - 0.5 + r.universal_time_hours / 24])
    assert [row["name"] for row in tenvari.definitions()] == list(r.definitions)
    for name, values in r.definitions.items():
        for kind in ("true", "mean"):
            got = tenvari.ayanamsa(jd, definition=name, kind=kind)[0]
            if values[f"{kind}_deg"] is None or name in outside:
                assert np.isnan(got), (name, kind)
            else:
                assert abs(got - values[f"{kind}_deg"]) < 6e-10, (name, kind)


@pytest.mark.parametrize("dates,jds", [
    (np.array(["2000-01-01T12:00"], "datetime64[m]"), [2451545.0]),
    (np.array(["1947-08-14T18:30:00.000000000"], "datetime64[ns]"), [2432412.270833333]),
    (np.array(["1956-03-21", "NaT"], "datetime64[D]"), [2435553.5, np.nan]),
    (np.array([2451545, 2451546], np.int64), [2451545.0, 2451546.0]),
    (np.array([2451545.25], np.float32), [2451545.25]),
])
def test_datetimes_and_other_numbers(dates, jds):
    # 1e-11 degrees: a few microseconds of time.
    assert np.allclose(tenvari.ayanamsa(dates), one_by_one(jds), rtol=0, atol=1e-11,
                       equal_nan=True)


def test_nan_empty_and_single():
    assert np.isnan(tenvari.ayanamsa(np.array([np.nan, 2451545.0]))).tolist() == [True, False]
    assert np.isnan(tenvari.ayanamsa([np.inf, -np.inf])).all()
    # Beyond a definition's years: the formula's 1901-2050, the others' -3000..3000.
    assert np.isnan(tenvari.ayanamsa([2415384.5, 2470173.5], definition="formula")).all()
    assert np.isnan(tenvari.ayanamsa([2818000.5], definition="iae")).all()
    empty = tenvari.ayanamsa(np.array([]))
    assert empty.shape == (0,) and empty.dtype == np.float64
    assert isinstance(tenvari.ayanamsa(2451545.0), float)
    assert isinstance(tenvari.ayanamsa(np.datetime64("2000-01-01T12:00")), float)
    assert tenvari.ayanamsa(2451545.0) == tenvari.ayanamsa([2451545.0])[0]


@pytest.mark.parametrize("dates,arguments,error", [
    (["2000-01-01"], {}, TypeError),
    (np.array([1 + 2j]), {}, TypeError),
    (np.array([True]), {}, TypeError),
    (np.array([None, 1.0], dtype=object), {}, TypeError),
    (np.zeros((2, 3)), {}, ValueError),
    (JDS, {"definition": "no such"}, ValueError),
    (JDS, {"kind": "apparent"}, ValueError),
], ids=["text", "complex", "bool", "object", "two dimensions", "definition", "kind"])
def test_refused(dates, arguments, error):
    with pytest.raises(error, match=r"jd_ut|definition|kind"):
        tenvari.ayanamsa(dates, **arguments)


def test_the_definitions_table():
    table = tenvari.definitions()
    assert [sorted(row) for row in table] == [["name", "source", "summary"]] * len(table)
    assert {"formula", "iae"} <= {row["name"] for row in table}


def test_version_is_the_projects():
    import subprocess, os
    out = subprocess.run([os.environ["TENVARI_CLI"], "--version"], capture_output=True,
                         text=True, check=True).stdout
    assert out.splitlines()[0].endswith(" " + tenvari.__version__)
