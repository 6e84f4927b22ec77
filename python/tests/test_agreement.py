# SPDX-License-Identifier: GPL-3.0-or-later
# tenvari.reading against the tenvari-cli process: every field equal, to the
# last bit, on the edge cases of the reading and on 10,000 random moments;
# refused texts give the command's own message.
import csv
import io
import json
import random

import pytest

import tenvari

# date, time, and the keywords of tenvari.reading (tenvari-cli's options)
EDGE_CASES = [
    ("1947-08-15", "00:00", {"zone": "+05:30"}),
    ("2000-01-01", "12:00", {}),
    ("2000-01-01", "12:00", {"zone": "-00:00", "dst": True}),
    ("1901-01-01", "00:00", {"zone": "+14:00", "dst": True}),  # Universal Time in 1900
    ("2050-12-31", "23:59", {"zone": "-14:00"}),  # Universal Time in 2051
    ("2000-02-29", "06:30", {"zone": "+01:00"}),
    ("1904-02-29", "23:59", {"zone": "-10:00", "dst": True}),
    ("2048-02-29", "0:01", {"zone": "+0:45"}),  # one-digit hour forms
    ("1999-12-31", "23:30", {"zone": "-01:00"}),
    ("1956-03-21", "05:30", {"zone": "+05:30"}),  # the definition's epoch
    ("-3000-01-01", "00:00", {}),  # a negative year, the first day
    ("3000-12-31", "23:59", {"zone": "-14:00"}),
    ("1582-10-04", "12:00", {}),  # the last Julian day ...
    ("1582-10-15", "12:00", {}),  # ... and the first Gregorian one
    ("1582-10-10", "12:00", {"calendar": "julian"}),
    ("0000-02-29", "12:00", {"calendar": "gregorian"}),
    ("2000-01-01", "12:00", {"ayanamsa": "true_chitra", "delta_t": 63.8}),
    ("1200-06-01", "06:00", {"ayanamsa": "iae", "delta_t": -0.1}),
]
OPTIONS = {"zone": "--zone={}", "calendar": "--calendar={}", "ayanamsa": "--ayanamsa={}",
           "delta_t": "--delta-t={!r}"}


def cli_json(cli, date, time, keywords):
    arguments = [OPTIONS[k].format(v) for k, v in keywords.items() if k != "dst"]
    arguments += ["--dst"] if keywords.get("dst") else []
    status, out, err = cli(*arguments, "--format", "json", "--", date, time)
    assert status == 0 and err == "", err
    return json.loads(out)


@pytest.mark.parametrize("date,time,keywords", EDGE_CASES)
def test_edge_cases_equal_the_command(cli, date, time, keywords):
    expected = cli_json(cli, date, time, keywords)
    got = tenvari.reading(date, time, **keywords)
    assert got.as_dict() == expected
    assert json.dumps(got.as_dict()) == json.dumps(expected)  # the same order, nested too
    for name, value in expected.items():
        assert getattr(got, name) == value, name


def test_example_of_the_readme():
    assert tenvari.reading("1947-08-15", "00:00", zone="+05:30").ayanamsa_text == "23° 7' 21\""
    assert tenvari.reading("1947-08-15", "00:00", zone="+05:30").weekday == "Friday"


# The command's one-line message for the same texts (its DATE/TIME/--zone
# words included), without "tenvari-cli: ".
@pytest.mark.parametrize("date,time,zone", [
    ("2001-02-29", "00:00", "+00:00"),
    ("2000-01-01", "24:00", "+00:00"),
    ("2000-01-01", "12:00", "+14:01"),
    ("2000-01-01", "12:00", "+05:61"),
    ("15.8.1947", "00:00", "+00:00"),
    ("2000-01-01", "noon", "+00:00"),
    ("2000-01-01", "12:00", "5:30"),
    ("3001-01-01", "12:00", "+00:00"),
    ("1582-10-10", "12:00", "+00:00"),  # no such day in the default calendar
])
def test_refusals_carry_the_commands_message(cli, date, time, zone):
    status, out, err = cli("--zone", zone, "--format", "json", "--", date, time)
    assert status == 2 and out == ""
    with pytest.raises(ValueError) as raised:
        tenvari.reading(date, time, zone=zone)
    assert str(raised.value) == err.removeprefix("tenvari-cli: ").rstrip("\n")


@pytest.mark.parametrize("date,time,zone", [
    ("--help", "00:00", "+00:00"),
    ("2000-01-01", "--version", "+00:00"),
    ("2000-01-01", "00:00", "--format=csv"),
])
def test_texts_that_look_like_options_are_refused_as_values(capfd, date, time, zone):
    with pytest.raises(ValueError):
        tenvari.reading(date, time, zone=zone)
    assert capfd.readouterr() == ("", "")


def random_moments(count, seed=18):
    rng = random.Random(seed)
    moments = []
    for _ in range(count):
        year, month = rng.randint(1901, 2050), rng.randint(1, 12)
        days = [31, 29 if year % 4 == 0 else 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
        zone = rng.randint(-840, 840)
        moments.append((f"{year:04}-{month:02}-{rng.randint(1, days[month - 1]):02}",
                        f"{rng.randint(0, 23):02}:{rng.randint(0, 59):02}",
                        f"{'-' if zone < 0 else '+'}{abs(zone) // 60:02}:{abs(zone) % 60:02}",
                        rng.random() < 0.3))
    return moments


def test_random_moments_equal_the_commands_batch(cli):
    # One batch process gives the same columns as the JSON (the same writer
    # lays out both); starting 10,000 processes would take minutes.
    moments = random_moments(10_000)
    rows = "".join(f"{d},{t},{z},{int(s)}\n" for d, t, z, s in moments)
    status, out, err = cli("--batch", "-", stdin=rows)
    assert status == 0 and err == ""
    table = list(csv.DictReader(io.StringIO(out)))
    assert len(table) == len(moments)
    for (date, time, zone, dst), row in zip(moments, table):
        got = tenvari.reading(date, time, zone=zone, dst=dst).as_dict()
        # The CSV names a definition's value NAME_true_deg and so on.
        for name, values in got.pop("definitions").items():
            got.update({f"{name}_{key}": value for key, value in values.items()})
        assert set(got) == set(row) - {"row", "error"}
        for name, text in row.items():
            if name in ("row", "error"):
                continue
            value = got[name]
            if name == "dst":
                assert text == str(int(value))
            elif value is None:
                assert text == "", (date, time, zone, name)
            elif isinstance(value, str):
                assert value == text, (date, time, zone, name)
            else:
                # The JSON number is parsed from the very text the CSV holds.
                assert value == json.loads(text) and type(value) is type(json.loads(text)), \
                    (date, time, zone, name)


def test_random_moments_equal_the_commands_json(cli):
    for date, time, zone, dst in random_moments(100, seed=19):
        assert tenvari.reading(date, time, zone=zone, dst=dst).as_dict() == \
            cli_json(cli, date, time, {"zone": zone, "dst": dst})
