#!/usr/bin/env python3
"""Writes the seed files of table_file_fuzz into fuzz/corpus/table_file.

The layouts come from a database the program made, so the seeds follow the program's tables:
    varnedo --create-installation /tmp/seed/HLV
    fuzz/make_table_file_seeds.py /tmp/seed/HLV/vn/*/Varnedo1.db
"""
import os
import sqlite3
import sys

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "table_file")


def ddl(source, table):
    rows = source.execute("SELECT sql FROM sqlite_master WHERE tbl_name=? AND sql IS NOT NULL ORDER BY type DESC",
                          (table,)).fetchall()
    return [r[0] for r in rows]


def columns(source, table):
    return [r[1] for r in source.execute(f'PRAGMA table_info("{table}")')]


def write(name, build):
    path = os.path.join(OUT, name)
    if os.path.exists(path):
        os.remove(path)
    db = sqlite3.connect(path)
    db.execute("PRAGMA page_size=512")
    build(db)
    db.commit()
    db.execute("VACUUM")
    db.close()


def rows(source, table, keyed_values):
    def build(db):
        for statement in ddl(source, table):
            db.execute(statement)
        names = columns(source, table)
        for values in keyed_values:
            filled = list(values) + [""] * (len(names) - len(values))
            db.execute(f'INSERT INTO "{table}" VALUES ({",".join("?" * len(names))})', filled)
    return build


def main():
    source = sqlite3.connect(f"file:{sys.argv[1]}?mode=ro", uri=True)
    os.makedirs(OUT, exist_ok=True)
    list_names = columns(source, "List")
    write("list_rows", rows(source, "List", [("abc", "Clients"), ("xyz", "é" * 300, "Über")]))
    write("dsli_factory", rows(source, "Dsli", [("A001", "Yes"), ("A002", "No")]))
    write("head_indexes", rows(source, "Head", [("abc000001", "Smith")]))
    write("list_view", lambda db: db.execute(
        "CREATE VIEW List AS SELECT " + ", ".join(f"'' AS \"{n}\"" for n in list_names)))
    write("list_field_missing", lambda db: db.execute(
        "CREATE TABLE List (" + ", ".join(f'"{n}" TEXT' for n in list_names[:-1]) + ")"))

    def loose(db):
        db.execute("CREATE TABLE List (" + ", ".join(f'"{n}" TEXT' for n in list_names) + ")")
        db.execute(f"INSERT INTO List VALUES ({','.join(['NULL'] * len(list_names))})")
        db.execute(f"INSERT INTO List (\"{list_names[0]}\") VALUES (x'ff00fe')")
    # Not the program's column types: kept as a seed whichever way the check decides.
    write("list_loose_types", loose)
    with open(os.path.join(OUT, "not_sqlite"), "wb") as f:
        f.write(b"List\x00Pag4 is not a database file\n")


if __name__ == "__main__":
    main()
