#!/usr/bin/env python3
"""Writes the seed inputs of fuzz_kit_calls (fuzz/corpus/kit_calls), encoded the way its
FuzzedDataProvider reads them: integers from the end of the input, strings from the front.
The target makes at most eight calls an input.

  fuzz/kit_calls_seeds.py [OUT_DIR]
"""
import os
import sys

CALLS = {"circle": 0, "triangle": 1, "rectangle": 2, "oval": 3, "line": 4, "text": 5,
         "textf": 6, "print": 7, "logging": 8, "console": 9, "clear": 10}
ARGS = {"circle": 4, "triangle": 8, "rectangle": 6, "oval": 6, "line": 6, "text": 4, "textf": 4}


class Input:
    def __init__(self):
        self.front = bytearray()  # strings, in the order they are read
        self.back = bytearray()   # integer bytes, in the order they are read

    def integer(self, raw, size):
        self.back += raw.to_bytes(size, "big")  # the first byte read is the most significant

    def argument(self, v):
        if -700 <= v <= 700:
            self.integer(1, 1)        # near the canvas
            self.integer(v + 700, 2)
        else:
            self.integer(0, 1)
            self.integer(v + 2**31, 4)

    def string(self, s):
        self.front += s.replace(b"\\", b"\\\\") + b"\\E"

    def call(self, name, *args, text=b""):
        self.integer(CALLS[name], 1)
        for v in args[:ARGS.get(name, 0)]:
            self.argument(v)
        if name in ("text", "textf", "print"):
            self.string(text)
        if name == "textf":
            self.argument(args[4])
        if name in ("logging", "console"):
            self.integer(args[0], 1)

    def data(self):
        return bytes(self.front + self.back[::-1])


def seeds():
    big, small = 2**31 - 1, -2**31
    out = {}
    s = Input()  # the wide-pen ovals that once took seconds and hundreds of megabytes
    s.call("oval", 9, -32768, 1, 32767, -1, 16384)
    s.call("oval", 9, 0, 1, 65535, -1, 8192)
    s.call("oval", 5, 2, 65536, -507, 1, -1125708714)
    out["wide_pen_ovals"] = s.data()
    s = Input()  # the figures a program draws
    s.call("clear")
    s.call("circle", 11, 0, 25, 57)
    s.call("triangle", 14, 0, -175, -60, 25, 60, 25, 0)
    s.call("rectangle", 22, -280, -210, -260, -190, 3)
    s.call("oval", 1, -40, 140, 40, 110, 0)
    s.call("line", 0, -60, 25, 60, -15, 1)
    s.call("text", 0, -285, 127, 12, text=b"Change Topping")
    s.call("textf", 2, -100, 200, 20, 7, text=b"Scoops:")
    out["program_figures"] = s.data()
    s = Input()  # logging, notices and the console
    s.call("logging", 1)
    s.call("print", text=b"Hello %d %s")
    s.call("oval", 3, 10, -5, -10, 5, -4)
    s.call("console", 1)
    s.call("line", 30, 0, 0, 0, 0, -3)
    s.call("logging", 0)
    out["logging_and_console"] = s.data()
    s = Input()  # the ends of the int range everywhere
    s.call("circle", big, small, big, small)
    s.call("triangle", small, small, 0, big, 5, 0, big, big)
    s.call("rectangle", 0, small, small, big, big, big)
    s.call("oval", 0, small, small, big, big, big)
    s.call("line", 0, small, small, big, big, big)
    s.call("text", 0, small, big, small, text=b"far away")
    s.call("circle", 3, 0, 524000, 524287)
    out["int_range_ends"] = s.data()
    s = Input()  # text with line feeds, control characters and a long line, logged
    s.call("logging", 1)
    s.call("text", 4, -290, 240, 127, text=b"one\ntwo\n\nthree\t\r\x01\xe9\xff\n")
    s.call("text", 4, -290, 0, 0, text=b"x" * 1000)
    s.call("print", text=b"%s%n%%" * 50)
    out["text_and_console"] = s.data()
    return out


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "corpus", "kit_calls")
    os.makedirs(out, exist_ok=True)
    for name, data in seeds().items():
        with open(os.path.join(out, name + ".bin"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
