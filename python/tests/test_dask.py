# SPDX-License-Identifier: GPL-3.0-or-later
# The Dask example on two worker processes gives the single-process numbers.
import os

import numpy as np
from distributed import Client

import dask_ayanamsa
import tenvari


def test_two_worker_processes_give_the_single_process_numbers():
    table = dask_ayanamsa.birth_table(20_000, 6)
    with dask_ayanamsa.local_cluster(2) as cluster, Client(cluster) as client:
        result = dask_ayanamsa.ayanamsa_column(table).compute()
        # The partitions really ran in other processes.
        workers = client.run(os.getpid)
    assert len(workers) == 2 and os.getpid() not in workers.values()

    frame = table.compute()
    assert result["record"].tolist() == frame["record"].tolist()
    expected = tenvari.ayanamsa(frame["jd_ut"].to_numpy())
    assert np.array_equal(result["ayanamsa_deg"].to_numpy(), expected)
