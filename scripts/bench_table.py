#!/usr/bin/env python3
"""Runs every benchmark program in BENCH_DIR and prints one table of the results, with the
frame-time and latency targets marked.

Usage: bench_table.py BENCH_DIR [MIN_TIME_SECONDS]
"""
import json
import os
import subprocess
import sys

bench_dir = sys.argv[1]
min_time = sys.argv[2] if len(sys.argv) > 2 else "0.2"

# Targets on the reference machine (2 cores, shared), in milliseconds.
TARGETS = {
    "BM_SceneFrame/blobs:200/width:240": 0.5,
    "BM_SceneFrame/blobs:200/width:480": 1.5,
    "BM_SceneFrame/blobs:1000/width:240": 3.0,
    "BM_PictureBetweenFrames/blobs:200/width:480": 0.25,
    "BM_EventHandlerCall": 0.005,
    "BM_StartUpToTheFirstFrame": 200.0,
}
TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}

rows = []
for program in sorted(os.listdir(bench_dir)):
    path = os.path.join(bench_dir, program)
    if not program.startswith("bench_") or not os.access(path, os.X_OK) or os.path.isdir(path):
        continue
    out = subprocess.run([path, "--benchmark_min_time=" + min_time, "--benchmark_format=json"],
                         capture_output=True, text=True)
    if out.returncode != 0:
        print("%s failed: %s" % (program, out.stderr.strip()))
        sys.exit(1)
    for b in json.loads(out.stdout)["benchmarks"]:
        if "real_time" not in b and "error_message" not in b:
            continue  # complexity fits (BigO, RMS) have no time of their own
        if "error_message" in b:
            rows.append((program, b["name"], None, b["error_message"], ""))
            continue
        ms = b["real_time"] * TO_MS[b["time_unit"]]
        target = TARGETS.get(b["name"])
        mark = "" if target is None else ("ok (< %g ms)" % target if ms < target
                                          else "MISSED (< %g ms)" % target)
        rows.append((program, b["name"], ms, b.get("label", ""), mark))

width = max(len(r[1]) for r in rows)
print("%-14s %-*s %12s  %-28s %s" % ("program", width, "benchmark", "time (ms)", "detail", "target"))
for program, name, ms, label, mark in rows:
    time = "skipped" if ms is None else ("%.4f" % ms if ms < 1 else "%.2f" % ms)
    print("%-14s %-*s %12s  %-28s %s" % (program, width, name, time, label[:28], mark))
