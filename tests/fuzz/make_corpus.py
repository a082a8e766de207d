#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets from the end-to-end cases.

Every request of tests/cases/*.jsonl becomes a seed of its operation's
target in the format of FuzzInput.h; every input text of the cases is also a
seed of every other operation; every case, its requests one a line, is a
seed of the reader of velsira-batch. Run from the repository root:
    python3 tests/fuzz/make_corpus.py
"""
import glob
import hashlib
import json
import os
import re
import shutil

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CORPUS = os.path.join(ROOT, "tests", "fuzz", "corpus")
UNITS = {"deg": 0, "rad": 1, "grad": 2}


def operations():
    with open(os.path.join(ROOT, "tests", "fuzz", "Operations.h"), encoding="utf-8") as f:
        return re.findall(r'^ *\{"([a-z-]+)", &TForm1::', f.read(), re.M)


def engine_text(utf8):
    return utf8.replace("\n", "\r\n").encode("cp1254", errors="replace")


def seed(state):
    sel_start, sel_length = 255, 0
    length = len(state["input"].replace("\r\n", "\n"))
    if state.get("selection") and length:
        start, count = state["selection"]
        sel_start = min(255, max(0, start * 255 // length))
        sel_length = min(255, max(0, count * 255 // length))
    fields = [engine_text(state["input"]), engine_text(state["edit"])]
    for a in state["answers"]:
        fields.append(b"\x18" if a is None else engine_text(a))
    return bytes([UNITS[state["unit"]], sel_start, sel_length]) + b"\x1e".join(fields)


def write(folder, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, hashlib.sha1(data).hexdigest()), "wb") as f:
        f.write(data)


def main():
    ops = operations()
    shutil.rmtree(CORPUS, ignore_errors=True)
    by_op = {op: [] for op in ops}
    inputs = set()
    for path in sorted(glob.glob(os.path.join(ROOT, "tests", "cases", "*.jsonl"))):
        with open(path, encoding="utf-8") as f:
            for line in f:
                if not line.strip():
                    continue
                case = json.loads(line)
                requests = case.get("seq") or [case["request"]]
                write(os.path.join(CORPUS, "batch-reader"),
                      "".join(json.dumps(r, ensure_ascii=False) + "\n" for r in requests).encode("utf-8"))
                state = {"input": "[()]", "selection": None, "unit": "deg", "edit": "0", "answers": []}
                for r in requests:
                    if not isinstance(r, dict):
                        continue
                    if "input" in r:
                        state["input"], state["selection"] = r["input"], None
                    for key in ("selection", "unit", "edit"):
                        if key in r:
                            state[key] = r[key]
                    state["answers"] = r.get("answers", [])
                    inputs.add(state["input"])
                    if r.get("op") in by_op:
                        by_op[r["op"]].append(seed(state))
    for op in ops:
        for data in by_op[op]:
            write(os.path.join(CORPUS, op), data)
        for text in sorted(inputs):
            write(os.path.join(CORPUS, op), seed({"input": text, "selection": None, "unit": "deg",
                                                  "edit": "2", "answers": ["-3", "3"]}))


if __name__ == "__main__":
    main()
