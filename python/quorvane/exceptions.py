"""Exceptions raised by quorvane."""

from ._quorvane.exceptions import SAALError

__all__ = ["SAALError"]
