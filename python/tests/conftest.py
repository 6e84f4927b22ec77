# SPDX-License-Identifier: GPL-3.0-or-later
import os
import subprocess

import pytest


@pytest.fixture(scope="session")
def cli():
    """Runs the tenvari-cli executable of this build: (status, stdout, stderr)."""
    program = os.environ["TENVARI_CLI"]

    def run(*arguments, stdin=""):
        done = subprocess.run([program, *arguments], input=stdin, capture_output=True,
                              text=True, encoding="utf-8", check=False)
        return done.returncode, done.stdout, done.stderr

    return run
