#!/usr/bin/env python3
"""Record one line per seeded game: `seed players gamelog-hash log-hash`.

The hashes are 64-bit FNV-1a of each log file's bytes, written as 16 hex digits. The test
`SeededGames.EveryRecordedGameWritesTheSameLogs` plays every listed game again and compares.

Usage: record-digests.py QUELLIN_SIM PLAYERS FIRST_SEED GAMES OUT_FILE
"""

import pathlib
import subprocess
import sys
import tempfile


def fnv1a64(data: bytes) -> str:
    value = 0xCBF29CE484222325
    for byte in data:
        value ^= byte
        value = (value * 0x100000001B3) & 0xFFFFFFFFFFFFFFFF
    return f"{value:016x}"


def main() -> None:
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    sim, players, first, games, out = sys.argv[1:]
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([sim, "--players", players, "--games", games, "--seed", first,
                        "--logs", folder], check=True, stdout=subprocess.DEVNULL)
        lines = []
        for n in range(int(games)):
            game = pathlib.Path(folder) / str(n)
            lines.append(" ".join([str(int(first) + n), players,
                                   fnv1a64((game / "GameLog.txt").read_bytes()),
                                   fnv1a64((game / "Log.txt").read_bytes())]))
    pathlib.Path(out).write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
