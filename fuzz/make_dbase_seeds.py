#!/usr/bin/python3
"""Writes the seed corpus of dbase_table_fuzz: small tables of each version, with their memos
after "----memo----". Run from the repository: fuzz/make_dbase_seeds.py"""
import os
import struct

OUT = os.path.join(os.path.dirname(__file__), "corpus", "dbase_table")


def table(version, driver, fields, records):
    length = 1 + sum(f[2] for f in fields)
    head = struct.pack("<B3BIHH", version, 124, 5, 17, len(records), 32 + 32 * len(fields) + 1, length)
    head += bytes(17) + bytes([driver]) + bytes(2)
    for name, kind, size, *rest in fields:
        decimals, flags = (rest + [0, 0])[:2]
        head += name.encode().ljust(11, b"\0") + kind.encode() + bytes(4) + bytes([size, decimals, flags]) + bytes(13)
    return head + b"\r" + b"".join(records) + b"\x1a"


def record(flag, fields, values):
    out = flag
    for (name, kind, size, *_), value in zip(fields, values):
        out += value.rjust(size) if kind in "NF" else value.ljust(size)
    return out


def dbt3(texts):
    out = bytearray(512)
    for t in texts:
        block = t + b"\x1a\x1a"
        out += block + bytes(-len(block) % 512)
    struct.pack_into("<I", out, 0, len(out) // 512)
    return bytes(out)


def dbt4(texts):
    out = bytearray(64)
    struct.pack_into("<H", out, 20, 64)
    for t in texts:
        block = b"\xff\xff\x08\x00" + struct.pack("<I", 8 + len(t)) + t
        out += block + bytes(-len(block) % 64)
    return bytes(out)


def fpt(texts):
    out = bytearray(512)
    struct.pack_into(">H", out, 6, 64)
    for t in texts:
        block = struct.pack(">II", 1, len(t)) + t
        out += block + bytes(-len(block) % 64)
    struct.pack_into(">I", out, 0, len(out) // 64)
    return bytes(out)


def main():
    os.makedirs(OUT, exist_ok=True)
    plain = [("NAME", "C", 10), ("AMOUNT", "N", 9, 2), ("COUNT", "N", 5), ("RATE", "F", 12, 4), ("BORN", "D", 8), ("OK", "L", 1)]
    memo = [("NAME", "C", 5), ("NOTES", "M", 10)]
    vfp = [("ID", "I", 4), ("PRICE", "Y", 8), ("WEIGHT", "B", 8), ("STAMP", "T", 8), ("NOTE", "M", 4), ("PIC", "G", 4),
           ("QTY", "N", 5, 0, 2), ("_NullFlags", "0", 1, 0, 5)]
    seeds = {
        "plain_03": table(0x03, 0x57, plain, [
            record(b" ", plain, [b"Ada", b"-1234.50", b"42", b"0.1250", b"20240307", b"T"]),
            record(b"*", plain, [b"Gone", b"1", b"1", b"1", b"20000101", b"F"]),
            record(b" ", plain, [b"\xc9va", b"", b"", b"1.5E+3", b"", b"?"])]),
        "memo_83": table(0x83, 0x01, memo, [record(b" ", memo, [b"A", b"1"]), record(b" ", memo, [b"B", b""])])
                   + b"----memo----" + dbt3([b"First\r\nsecond \x81"]),
        "memo_8b": table(0x8B, 0x57, memo, [record(b" ", memo, [b"A", b"1"]), record(b" ", memo, [b"C", b"2"])])
                   + b"----memo----" + dbt4([b"one", b"two"]),
        "memo_f5": table(0xF5, 0x03, memo, [record(b" ", memo, [b"A", b"8"])]) + b"----memo----" + fpt([b"Caf\xe9"]),
        "vfp_30": table(0x30, 0x03, vfp, [
            b" " + struct.pack("<iqdiiII", 7, 123456, 2.5, 2460377, 47109000, 8, 0) + b"   12\0",
            b" " + struct.pack("<iqdiiII", -3, -50000, 0.0, 0, 0, 0, 0) + b"    0\1"])
                  + b"----memo----" + fpt([b"Memo text"]),
    }
    for name, data in seeds.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


main()
