#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Tenvari as the map step of Dask: an ayanamsa column for a partitioned table.

Each partition of the table goes to a worker process, which computes its
column with tenvari.ayanamsa; the result is the single-process one, number
for number. On one machine a LocalCluster runs the workers; on a real
cluster, give the scheduler's address instead:

    python3 dask_ayanamsa.py                       # two local worker processes
    python3 dask_ayanamsa.py tcp://scheduler:8786  # the cluster's workers

(every worker needs the python3-tenvari package).
"""
import logging
import sys

import dask.dataframe as dd
import numpy as np
import pandas as pd
from distributed import Client, LocalCluster

import tenvari


def with_ayanamsa(part: pd.DataFrame, definition: str = "iae") -> pd.DataFrame:
    """The map step: one partition with its ayanamsa_deg column added."""
    return part.assign(
        ayanamsa_deg=tenvari.ayanamsa(part["jd_ut"].to_numpy(), definition=definition))


def ayanamsa_column(table: dd.DataFrame, definition: str = "iae") -> dd.DataFrame:
    """The table with the ayanamsa of each row's jd_ut (Julian Date, UT)."""
    meta = table._meta.assign(ayanamsa_deg=np.float64())
    return table.map_partitions(with_ayanamsa, definition, meta=meta)


def birth_table(rows: int, partitions: int, seed: int = 1) -> dd.DataFrame:
    """A table of moments of 1901..2050, in partitions."""
    rng = np.random.default_rng(seed)
    frame = pd.DataFrame({"record": np.arange(rows),
                          "jd_ut": rng.uniform(2415385.5, 2470172.5, rows)})
    return dd.from_pandas(frame, npartitions=partitions)


def local_cluster(workers: int = 2) -> LocalCluster:
    """Worker processes on this machine, one thread each, without a dashboard."""
    return LocalCluster(n_workers=workers, threads_per_worker=1, processes=True,
                        dashboard_address=None, silence_logs=logging.ERROR)


def main() -> None:
    cluster = None if len(sys.argv) > 1 else local_cluster()
    with Client(sys.argv[1] if cluster is None else cluster):
        table = birth_table(1_000_000, 8)
        result = ayanamsa_column(table).compute()
        print(result.head())
        print(f"{len(result)} rows in {table.npartitions} partitions")
    if cluster is not None:
        cluster.close()


if __name__ == "__main__":
    main()
