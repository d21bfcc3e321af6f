"""Shared fixtures: the examples, the command-line program, and the module under test."""
import os
import pathlib
import subprocess

import pytest

SORGENTI = pathlib.Path(__file__).resolve().parents[2]
ESEMPI = sorted((SORGENTI / "examples").glob("*.vlr"))


@pytest.fixture(scope="session")
def velcora():
    return pytest.importorskip("velcora")


@pytest.fixture(scope="session")
def cli():
    percorso = os.environ.get("VELCORA_CLI")
    if not percorso:
        pytest.skip("VELCORA_CLI non indicato")
    return percorso


def esegui_cli(cli, *argomenti):
    ambiente = dict(os.environ, LC_ALL="C")
    return subprocess.run([cli, *map(str, argomenti)], capture_output=True, text=True, env=ambiente, check=False)
