#!/usr/bin/env python3
"""Golden data for the cipher and settings tests, computed independently of our C++ code.

The block function is OpenSSL's Blowfish (libcrypto, through ctypes); the key set-up path and
the chaining of whole buffers are applied here by hand. Usage: chain_reference.py > ../GoldenData.h
"""
import ctypes
import ctypes.util
import struct

_crypto = ctypes.CDLL(ctypes.util.find_library("crypto"))
BF_KEY_SIZE = 4 * (18 + 4 * 256)
BLOCK = 8


class Blowfish:
    def __init__(self, key: bytes):
        self._key = ctypes.create_string_buffer(BF_KEY_SIZE)
        _crypto.BF_set_key(self._key, len(key), key)

    def encrypt(self, block: bytes) -> bytes:
        out = ctypes.create_string_buffer(BLOCK)
        _crypto.BF_ecb_encrypt(block, out, self._key, 1)
        return out.raw

    def decrypt(self, block: bytes) -> bytes:
        out = ctypes.create_string_buffer(BLOCK)
        _crypto.BF_ecb_encrypt(block, out, self._key, 0)
        return out.raw


def xor(a: bytes, b: bytes) -> bytes:
    return bytes(x ^ y for x, y in zip(a, b))


class KeyedCipher:
    """Key text extended with spaces to 32 bytes and cut to 56; start vector E(8 x 0xFF)."""

    def __init__(self, key_text: bytes):
        key = key_text.ljust(32, b" ")[:56]
        self.bf = Blowfish(key)
        self.start = self.bf.encrypt(b"\xff" * BLOCK)

    def encode(self, data: bytes) -> bytes:
        f, out = self.start, bytearray()
        whole = len(data) - len(data) % BLOCK
        for i in range(0, whole, BLOCK):
            c = self.bf.encrypt(xor(data[i:i + BLOCK], f))
            out += c
            f = xor(f, c)
        if whole < len(data):
            out += xor(data[whole:], self.bf.encrypt(f))
        return bytes(out)

    def decode(self, data: bytes) -> bytes:
        f, out = self.start, bytearray()
        whole = len(data) - len(data) % BLOCK
        for i in range(0, whole, BLOCK):
            c = data[i:i + BLOCK]
            out += xor(self.bf.decrypt(c), f)
            f = xor(c, f)
        if whole < len(data):
            out += xor(data[whole:], self.bf.encrypt(f))
        return bytes(out)


def text_field(s: bytes) -> bytes:
    return struct.pack("<i", len(s)) + s


def list_field(items) -> bytes:
    return struct.pack("<i", len(items)) + b"".join(text_field(i) for i in items)


def settings_blob(time_limit, prohibited, allowed, checks_before, password, checks_after):
    return (text_field(b"Build #39-13") + struct.pack("<i", time_limit) + list_field(prohibited)
            + list_field(allowed) + bytes(checks_before) + text_field(password)
            + bytes(checks_after))


def cpp_bytes(name: str, data: bytes) -> str:
    rows = [", ".join(f"0x{b:02X}" for b in data[i:i + 12]) for i in range(0, len(data), 12)]
    return f"// {len(data)} bytes\ninline const std::vector<std::uint8_t> {name} = {{\n    " + \
        ",\n    ".join(rows) + ",\n};"


def emit(name: str, cipher: KeyedCipher, plain: bytes):
    stored = cipher.encode(plain)
    assert cipher.decode(stored) == plain
    print(cpp_bytes(name, stored))


HEADER = """#pragma once
// Produced by tools/chain_reference.py (OpenSSL's Blowfish, chaining applied by hand).
#include <cstdint>
#include <string_view>
#include <vector>

namespace golden {
"""


def main():
    print(HEADER)
    counting = bytes(range(44))
    print(cpp_bytes("kStartVectorEmptyKey", KeyedCipher(b"").start))
    print("// The bytes 0, 1, ... 43 under the empty key text and under kLongKey.")
    emit("kCountingEmptyKey", KeyedCipher(b""), counting)
    long_key = b"Corvanta keeps its settings under a key text longer than fifty-six bytes"
    print(f'inline constexpr std::string_view kLongKey =\n    "{long_key.decode()}";')
    emit("kCountingLongKey", KeyedCipher(long_key), counting)

    print("// Stored settings: the designed defaults.")
    default = settings_blob(0, [], [], [1, 1, 1, 1, 0], b"", [0, 0, 1, 1, 1, 0, 0])
    assert len(default) == 44
    emit("kStoredDefaults", KeyedCipher(b""), default)
    print('// Stored settings: time limit -15, lists {"8-900*", "", "*0"} and {"8-900-555"},')
    print('// checks 1 0 2 255 1, password "p\\xE4ss\\xFF", checks 0 1 0 1 0 1 0.')
    busy = settings_blob(-15, [b"8-900*", b"", b"*0"], [b"8-900-555"], [1, 0, 2, 255, 1],
                         b"p\xe4ss\xff", [0, 1, 0, 1, 0, 1, 0])
    emit("kStoredBusy", KeyedCipher(b""), busy)
    print("\n} // namespace golden")


if __name__ == "__main__":
    main()
