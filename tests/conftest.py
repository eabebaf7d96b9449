import subprocess
import sys

import pytest


@pytest.fixture
def fresh_python():
    """Runs a snippet in a new interpreter (for process-wide one-time state)
    and returns its standard output."""

    def run(code: str) -> str:
        done = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                              timeout=120)
        assert done.returncode == 0, done.stderr
        return done.stdout.strip()

    return run
