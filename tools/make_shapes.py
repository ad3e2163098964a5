#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the shipped shape sets data/centre.kblox and data/top.kblox.

Shapes 1..7 are I, O, T, S, Z, J, L. Each rotation state lists its four blocks as (column, row)
in the 4x4 box; the join mask of a block names its neighbours in the same state
(1 above, 2 below, 4 left, 8 right). Turning right goes to the next state (clockwise).
"""
import pathlib

CENTRE = {
    "I": [[(0, 1), (1, 1), (2, 1), (3, 1)], [(2, 0), (2, 1), (2, 2), (2, 3)],
          [(0, 2), (1, 2), (2, 2), (3, 2)], [(1, 0), (1, 1), (1, 2), (1, 3)]],
    "O": [[(1, 0), (2, 0), (1, 1), (2, 1)]] * 4,
    "T": [[(1, 0), (0, 1), (1, 1), (2, 1)], [(1, 0), (1, 1), (2, 1), (1, 2)],
          [(0, 1), (1, 1), (2, 1), (1, 2)], [(1, 0), (0, 1), (1, 1), (1, 2)]],
    "S": [[(1, 0), (2, 0), (0, 1), (1, 1)], [(1, 0), (1, 1), (2, 1), (2, 2)],
          [(1, 1), (2, 1), (0, 2), (1, 2)], [(0, 0), (0, 1), (1, 1), (1, 2)]],
    "Z": [[(0, 0), (1, 0), (1, 1), (2, 1)], [(2, 0), (1, 1), (2, 1), (1, 2)],
          [(0, 1), (1, 1), (1, 2), (2, 2)], [(1, 0), (0, 1), (1, 1), (0, 2)]],
    "J": [[(0, 0), (0, 1), (1, 1), (2, 1)], [(1, 0), (2, 0), (1, 1), (1, 2)],
          [(0, 1), (1, 1), (2, 1), (2, 2)], [(1, 0), (1, 1), (0, 2), (1, 2)]],
    "L": [[(2, 0), (0, 1), (1, 1), (2, 1)], [(1, 0), (1, 1), (1, 2), (2, 2)],
          [(0, 1), (1, 1), (2, 1), (0, 2)], [(0, 0), (1, 0), (1, 1), (1, 2)]],
}
ORDER = "IOTSZJL"


def top_aligned(states):
    """The same states with every block raised so each state touches row 0."""
    out = []
    for blocks in states:
        lift = min(y for _, y in blocks)
        out.append([(x, y - lift) for x, y in blocks])
    return out


def numbers(shapes):
    out = []
    for name in ORDER:
        for blocks in shapes[name]:
            cells = set(blocks)
            for y in range(4):
                row = []
                for x in range(4):
                    if (x, y) not in cells:
                        row.append(-1)
                        continue
                    mask = ((x, y - 1) in cells) * 1 + ((x, y + 1) in cells) * 2 \
                        + ((x - 1, y) in cells) * 4 + ((x + 1, y) in cells) * 8
                    row.append(mask)
                out.append(",".join(str(v) for v in row))
        out.append("")
    return "\r\n".join(out)


root = pathlib.Path(__file__).resolve().parent.parent / "data"
(root / "centre.kblox").write_bytes(numbers(CENTRE).encode())
(root / "top.kblox").write_bytes(numbers({k: top_aligned(v) for k, v in CENTRE.items()}).encode())
