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

# date, time, zone, dst
EDGE_CASES = [
    ("1947-08-15", "00:00", "+05:30", False),
    ("2000-01-01", "12:00", "+00:00", False),
    ("2000-01-01", "12:00", "-00:00", True),
    ("1901-01-01", "00:00", "+14:00", True),  # Universal Time in 1900
    ("2050-12-31", "23:59", "-14:00", False),  # Universal Time in 2051
    ("2000-02-29", "06:30", "+01:00", False),
    ("1904-02-29", "23:59", "-10:00", True),
    ("2048-02-29", "0:01", "+0:45", False),  # one-digit hour forms
    ("1999-12-31", "23:30", "-01:00", False),
    ("1956-03-21", "05:30", "+05:30", False),  # the definition's epoch
]


def cli_json(cli, date, time, zone, dst):
    status, out, err = cli(date, time, "--zone", zone, "--format", "json",
                           *(["--dst"] if dst else []))
    assert status == 0 and err == "", err
    return json.loads(out)


@pytest.mark.parametrize("date,time,zone,dst", EDGE_CASES)
def test_edge_cases_equal_the_command(cli, date, time, zone, dst):
    expected = cli_json(cli, date, time, zone, dst)
    got = tenvari.reading(date, time, zone=zone, dst=dst)
    assert got.as_dict() == expected
    assert list(got.as_dict()) == list(expected)  # the same order
    for name, value in expected.items():
        assert getattr(got, name) == value, name


def test_example_of_the_readme():
    assert tenvari.reading("1947-08-15", "00:00", zone="+05:30").ayanamsa_text == "23° 7' 21\""
    assert tenvari.reading("1947-08-15", "00:00", zone="+05:30").weekday == "Friday"


# The command's one-line message for the same texts (its DATE/TIME/--zone
# words included), without "tenvari-cli: ".
@pytest.mark.parametrize("date,time,zone", [
    ("2001-02-29", "00:00", "+00:00"),
    ("1900-12-31", "00:00", "+00:00"),
    ("2000-01-01", "24:00", "+00:00"),
    ("2000-01-01", "12:00", "+14:01"),
    ("2000-01-01", "12:00", "+05:61"),
    ("15.8.1947", "00:00", "+00:00"),
    ("2000-01-01", "noon", "+00:00"),
    ("2000-01-01", "12:00", "5:30"),
])
def test_refusals_carry_the_commands_message(cli, date, time, zone):
    status, out, err = cli(date, time, "--zone", zone, "--format", "json")
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
        for name, text in row.items():
            if name in ("row", "error"):
                continue
            value = got[name]
            if name == "dst":
                assert text == str(int(value))
            elif isinstance(value, str):
                assert value == text, (date, time, zone, name)
            else:
                # The JSON number is parsed from the very text the CSV holds.
                assert value == json.loads(text) and type(value) is type(json.loads(text)), \
                    (date, time, zone, name)


def test_random_moments_equal_the_commands_json(cli):
    for date, time, zone, dst in random_moments(100, seed=19):
        assert tenvari.reading(date, time, zone=zone, dst=dst).as_dict() == \
            cli_json(cli, date, time, zone, dst)
