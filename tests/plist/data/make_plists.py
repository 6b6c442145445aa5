#!/usr/bin/env python3
"""Writes the binary property lists the plist tests read, and the element outline each valid one
must convert to. Valid lists come from Python's plistlib, an independent writer; what plistlib
never writes (null, 4-byte reals, sets, non-string keys) and every malformed list are assembled
here byte by byte. Run once and commit the output: python3 make_plists.py [output folder]."""

import base64
import datetime
import math
import os
import plistlib
import struct
import sys

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
# plistlib takes naive date-times as UTC.
EPOCH_2001 = datetime.datetime(2001, 1, 1)


def escape(text):
    """Outline escaping: backslash and control characters, so that every element is one line."""
    out = []
    for ch in text:
        if ch == "\\":
            out.append("\\\\")
        elif ord(ch) < 0x20:
            out.append("\\x%02X" % ord(ch))
        else:
            out.append(ch)
    return "".join(out)


def outline(value, depth=0, as_key=False):
    """The converter's element tree for a plistlib value: one line per element."""
    pad = "  " * depth
    if isinstance(value, bool):
        return [pad + ("true" if value else "false")]
    if isinstance(value, plistlib.UID):
        return [pad + "uid " + str(value.data)]
    if isinstance(value, int):
        return [pad + "integer " + str(value)]
    if isinstance(value, float):
        return [pad + "real " + ("%f" % value)]
    if isinstance(value, datetime.datetime):
        seconds = math.trunc((value - EPOCH_2001).total_seconds())
        stamp = EPOCH_2001 + datetime.timedelta(seconds=seconds)
        return [pad + "date " + stamp.strftime("%Y-%m-%dT%H:%M:%SZ")]
    if isinstance(value, bytes):
        return [pad + "data " + base64.b64encode(value).decode("ascii")]
    if isinstance(value, str):
        return [pad + ("key " if as_key else "string ") + escape(value)]
    if isinstance(value, (list, tuple)):
        lines = [pad + "array"]
        for item in value:
            lines += outline(item, depth + 1)
        return lines
    if isinstance(value, dict):
        lines = [pad + "dict"]
        for key in sorted(value):
            lines += outline(key, depth + 1, as_key=True)
            lines += outline(value[key], depth + 1)
        return lines
    raise TypeError(value)


def write(path, data):
    full = os.path.join(OUT, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "wb") as handle:
        handle.write(data)


def write_valid(name, data, lines):
    write("valid/%s.bplist" % name, data)
    write("valid/%s.expected" % name, ("\n".join(lines) + "\n").encode("utf-8"))


def utc(*args):
    return datetime.datetime(*args)


def nested(depth):
    value = "leaf"
    for _ in range(depth):
        value = [value]
    return value


def shared_tree(levels):
    value = []
    for _ in range(levels):
        value = [value, value]
    return value


PLISTLIB_CASES = {
    "scalars": {
        "true": True,
        "false": False,
        "zero": 0,
        "byte": 255,
        "short": 256,
        "int32": 65536 * 2,
        "uint32max": 2**32 - 1,
        "int64": 2**32,
        "minus_one": -1,
        "int64_min": -(2**63),
        "int64_max": 2**63 - 1,
        "uint64_low": 2**63,
        "uint64_max": 2**64 - 1,
        "half": 0.5,
        "negative_real": -1.25,
        "large_real": 1e10,
        "tiny_real": 1e-7,
    },
    "dates": [
        EPOCH_2001,
        utc(1970, 1, 1),
        utc(2023, 7, 14, 9, 26, 53),
        utc(1999, 12, 31, 23, 59, 59),
        utc(2001, 1, 1, 0, 0, 0, 900000),
        utc(2000, 12, 31, 23, 59, 59, 500000),
        utc(2100, 2, 28, 12, 0, 1),
    ],
    "date_zero": {"When": EPOCH_2001},
    "data_blobs": [b"", b"\x00", b"\x00\x01\xfe\xff", bytes(range(256)) * 4],
    "strings": [
        "",
        "plain ascii",
        "exactly 15 char",
        "a string longer than fifteen characters",
        "<&>\"' markup",
        "tab\tand\nnewline",
        "Ünïcödé",
        "Москва, Красная площадь",
        "東京都千代田区",
        "emoji \U0001F600 beyond the basic plane",
    ],
    "keys_vs_values": {"Name": "Name", "AppleMaps": ["Name", "AppleMaps"], "Другое": "Другое"},
    "nested": {
        "Backup": {
            "Version": 3,
            "Id": "B4CK-UP1D",
            "Categories": [
                {"Name": "AppleMaps", "Database": "AppleMaps/MapsSync.db", "MinimumVersionRequired": 5},
                {"Name": "Notes", "Database": "Notes/notes.db", "Flags": [[], {}, [[1, [2, [3]]]]]},
            ],
        }
    },
    "uids": [plistlib.UID(0), plistlib.UID(255), plistlib.UID(256), plistlib.UID(2**32), plistlib.UID(2**63 + 5)],
    "many_objects": [str(i) for i in range(300)],
}


def plistlib_cases():
    for name, value in PLISTLIB_CASES.items():
        write_valid(name, plistlib.dumps(value, fmt=plistlib.FMT_BINARY), outline(value))

    shared = [1, 2, 3]
    shared_value = {"first": shared, "second": shared}
    write_valid("shared_container", plistlib.dumps(shared_value, fmt=plistlib.FMT_BINARY), outline(shared_value))

    base = plistlib.dumps({"Name": "AppleMaps"}, fmt=plistlib.FMT_BINARY)
    expected = outline({"Name": "AppleMaps"})
    write_valid("trailing_1", base + b"\x00", expected)
    write_valid("trailing_14", base + b"garbage bytes!", expected)
    write("malformed/trailing_15.bplist", base + b"garbage bytes!!")
    # The outline of the deepest convertible list would be mostly indentation: checked in code.
    write("nesting_at_limit.bplist", plistlib.dumps(nested(512), fmt=plistlib.FMT_BINARY))
    write("malformed/nesting_over_limit.bplist", plistlib.dumps(nested(513), fmt=plistlib.FMT_BINARY))
    write("malformed/shared_exponential.bplist", plistlib.dumps(shared_tree(48), fmt=plistlib.FMT_BINARY))
    write("malformed/truncated_half.bplist", base[: len(base) // 2])
    write("malformed/truncated_trailer.bplist", base[:-1])
    write("malformed/xml_signature.bplist", b"<?xml" + base[5:])


# Raw assembly: each object is a callable of the reference size returning its bytes.
def int_bytes(value, size):
    return value.to_bytes(size, "big")


def ref(*indexes):
    return lambda size: b"".join(int_bytes(i, size) for i in indexes)


def obj(marker_and_payload, refs=None):
    return lambda size: marker_and_payload + (refs(size) if refs else b"")


def assemble(objects, top=0, ref_size=1, offset_size=2, patch=None):
    body = bytearray(b"bplist00")
    offsets = []
    for build in objects:
        offsets.append(len(body))
        body += build(ref_size)
    table_offset = len(body)
    for offset in offsets:
        body += int_bytes(offset, offset_size)
    trailer = {
        "offset_size": offset_size,
        "ref_size": ref_size,
        "count": len(objects),
        "top": top,
        "table_offset": table_offset,
    }
    if patch:
        patch(trailer, body)
    body += b"\x00" * 6 + bytes([trailer["offset_size"], trailer["ref_size"]])
    body += struct.pack(">QQQ", trailer["count"], trailer["top"], trailer["table_offset"])
    return bytes(body)


def ascii_string(text):
    data = text.encode("latin-1")
    assert len(data) < 15
    return obj(bytes([0x50 | len(data)]) + data)


def raw_cases():
    write_valid(
        "raw_markers",
        assemble([
            obj(b"\xa6", ref(1, 2, 3, 4, 5, 6)),
            obj(b"\x00"),
            obj(b"\x22" + struct.pack(">f", 1.5)),
            obj(b"\xc2", ref(4, 5)),
            obj(b"\x10\x07"),
            obj(b"\x11\x01\x00"),
            obj(b"\xd1", ref(4, 7)),
            ascii_string("Caf\xe9"),
        ]),
        ["array", "  null", "  real 1.500000", "  array", "    integer 7", "    integer 256",
         "  integer 7", "  integer 256", "  dict", "    integer 7", "    string Café"],
    )
    write_valid(
        "lone_surrogate",
        assemble([obj(b"\x63" + struct.pack(">HHH", 0x0041, 0xD800, 0x0042))]),
        ["string A\uFFFDB"],
    )
    write_valid(
        "count_in_following_integer",
        assemble([obj(b"\x5f\x10\x03abc")]),
        ["string abc"],
    )

    def trailer_patch(**changes):
        def patch(trailer, _body):
            trailer.update(changes)
        return patch

    two = [obj(b"\xa1", ref(1)), obj(b"\x09")]
    malformed = {
        "array_contains_itself": assemble([obj(b"\xa1", ref(0))]),
        "two_arrays_cycle": assemble([obj(b"\xa1", ref(1)), obj(b"\xa1", ref(0))]),
        "dict_key_cycle": assemble([obj(b"\xd1", ref(0, 1)), obj(b"\x09")]),
        "reference_past_count": assemble([obj(b"\xa1", ref(5)), obj(b"\x09")]),
        "offset_into_offset_table": assemble(two, patch=lambda t, body: body.__setitem__(
            slice(t["table_offset"] + 2, t["table_offset"] + 4), int_bytes(t["table_offset"], 2))),
        "offset_into_header": assemble(two, patch=lambda t, body: body.__setitem__(
            slice(t["table_offset"] + 2, t["table_offset"] + 4), int_bytes(3, 2))),
        "object_count_2_pow_60": assemble(two, patch=trailer_patch(count=2**60)),
        "object_count_overflowing": assemble(two, patch=trailer_patch(count=2**63 + 1)),
        "top_object_past_count": assemble(two, patch=trailer_patch(top=2)),
        "table_offset_in_header": assemble(two, patch=trailer_patch(table_offset=4)),
        "table_offset_past_end": assemble(two, patch=trailer_patch(table_offset=2**64 - 1)),
        "offset_size_zero": assemble(two, patch=trailer_patch(offset_size=0)),
        "offset_size_nine": assemble(two, patch=trailer_patch(offset_size=9)),
        "reference_size_zero": assemble(two, patch=trailer_patch(ref_size=0)),
        "array_count_2_pow_60": assemble([obj(b"\xaf\x13" + int_bytes(2**60, 8), ref(1)), obj(b"\x09")]),
        "string_runs_into_table": assemble([obj(b"\x5e" + b"short")]),
        "utf16_runs_into_table": assemble([obj(b"\x6f\x10\x40" + b"ab")]),
        "data_count_not_integer": assemble([obj(b"\x4f\x50" + b"ab")]),
        "count_integer_16_bytes": assemble([obj(b"\x4f\x14" + b"\x00" * 15 + b"\x02" + b"ab")]),
        "integer_32_bytes": assemble([obj(b"\x15" + b"\x00" * 32)]),
        "integer_beyond_64_bits": assemble([obj(b"\x14" + int_bytes(1, 8) + int_bytes(0, 8))]),
        "real_two_bytes": assemble([obj(b"\x21\x00\x00")]),
        "date_wrong_size": assemble([obj(b"\x32\x00\x00\x00\x00")]),
        "date_not_a_number": assemble([obj(b"\x33" + struct.pack(">d", float("nan")))]),
        "date_far_future": assemble([obj(b"\x33" + struct.pack(">d", 1e300))]),
        "uid_nine_bytes": assemble([obj(b"\x88" + b"\x01" * 9)]),
        "utf8_string_marker": assemble([obj(b"\x71a")]),
        "fill_byte": assemble([obj(b"\x0f")]),
        "unused_marker_9": assemble([obj(b"\x90")]),
        "ordered_set_marker": assemble([obj(b"\xb0")]),
        "marker_e": assemble([obj(b"\xe0")]),
        "simple_marker_1": assemble([obj(b"\x01")]),
        "dict_values_past_area": assemble([obj(b"\xd2", ref(1, 1)), obj(b"\x09")]),
    }
    for name, data in malformed.items():
        write("malformed/%s.bplist" % name, data)


if __name__ == "__main__":
    plistlib_cases()
    raw_cases()
