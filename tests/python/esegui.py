"""Runs the Python tests with pytest; exit status 77 (skipped) when pytest is not installed."""
import sys

try:
    import pytest
except ImportError:
    print("pytest non installato: test Python saltati")
    sys.exit(77)

sys.exit(pytest.main(["-q", "-p", "no:cacheprovider", *sys.argv[1:]]))
