#!/usr/bin/env python3
"""Writes the seed files of sibling_table_fuzz into fuzz/corpus/sibling_table.

The tables come from sibling installations the program laid out, so the seeds follow its layouts:
    varnedo --create-installation /tmp/sib --product Grovanta   (and Pavilo, KOVRA)
    fuzz/make_sibling_table_seeds.py /tmp/sib
Each seed is one byte naming the source (its number - 1) followed by the table file with a few rows.
"""
import glob
import os
import sqlite3
import sys
import tempfile

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "sibling_table")
# Table names by source number, as the program lays them out.
SOURCES = {"Memb": 1, "Lead": 2, "Grou": 3, "Camp": 4, "Exhi": 5, "Item": 6, "User": 7, "Prog": 8}


def seed(path, source, table):
    with tempfile.TemporaryDirectory() as tmp:
        copy = os.path.join(tmp, "t.db")
        with open(path, "rb") as f, open(copy, "wb") as g:
            g.write(f.read())
        db = sqlite3.connect(copy)
        db.execute("PRAGMA journal_mode=DELETE")
        db.execute("PRAGMA page_size=512")
        db.execute("VACUUM")
        columns = [r[1] for r in db.execute(f'PRAGMA table_info("{table}")')]
        for n, last in enumerate(["Zorn", "Ames", ""]):
            values = [f"K{n}"] + [last if i == 1 else chr(ord("a") + i % 26) for i in range(1, len(columns))]
            db.execute(f'INSERT INTO "{table}" VALUES ({",".join("?" * len(columns))})', values)
        db.commit()
        db.close()
        with open(copy, "rb") as f:
            data = f.read()
    with open(os.path.join(OUT, f"{table.lower()}.seed"), "wb") as out:
        out.write(bytes([source - 1]) + data)


def main():
    os.makedirs(OUT, exist_ok=True)
    for path in glob.glob(os.path.join(sys.argv[1], "*", "*", "*1.db")):
        table = os.path.basename(path)[:-4]
        if table in SOURCES:
            seed(path, SOURCES[table], table)
    # Not a table file at all: refused, naming the file.
    with open(os.path.join(OUT, "garbage.seed"), "wb") as out:
        out.write(b"\x00SQLite format 3\x00garbage")


if __name__ == "__main__":
    main()
