#!/usr/bin/env python3
"""Times Tolvane's start-up against a bare Qt program doing the unavoidable work.

    python3 bench/startup.py BUILD_DIR [RUNS]

Each program starts, shows its window (Tolvane: with the first profile loaded) and, once its event
loop runs, leaves without tearing the window down: quitting is no part of starting. The table
gives the median wall time from process start to exit and the peak resident memory, for a home
with a few sample profiles and for one with 10,000 profiles.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
here = os.path.dirname(os.path.abspath(__file__))
programs = {name: os.path.join(build, "bench", "startup", "startup_" + name)
            for name in ("bare", "tolvane")}


def run(program, home):
    env = dict(os.environ, HOME=home, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
    times, peaks = [], []
    for _ in range(runs):
        start = time.perf_counter()
        child = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        times.append((time.perf_counter() - start) * 1000)
        peaks.append(usage.ru_maxrss / 1024)
        if status != 0:
            sys.exit(f"{program} failed: {status}")
    return statistics.median(times), max(peaks)


profiles = "Library/Application Support/Adobe/Flash Media Live Encoder 3.2"
homes = {}
demo = tempfile.mkdtemp()
subprocess.run([sys.executable, os.path.join(here, "..", "scripts", "demo-home"), demo], check=True)
samples = len(os.listdir(os.path.join(demo, profiles)))
homes[f"{samples} profiles"] = demo
many = tempfile.mkdtemp()
subprocess.run([sys.executable, os.path.join(here, "..", "scripts", "demo-home"), many], check=True)
folder = os.path.join(many, profiles)
sample = os.path.join(folder, "Studio HD.xml")
for i in range(10000 - samples):
    shutil.copyfile(sample, os.path.join(folder, f"Copy {i:05}.xml"))
homes["10,000 profiles"] = many

print(f"{'home':16} {'program':8} {'median ms':>10} {'peak MB':>8}")
results = {}
for label, home in homes.items():
    for name, program in programs.items():
        ms, mb = run(program, home)
        results[(label, name)] = (ms, mb)
        print(f"{label:16} {name:8} {ms:10.1f} {mb:8.1f}")
for label in homes:
    bare, tolvane = results[(label, "bare")], results[(label, "tolvane")]
    print(f"{label}: Tolvane/bare time {tolvane[0] / bare[0]:.2f}, "
          f"+{tolvane[0] - results[(next(iter(homes)), 'bare')][0]:.1f} ms over bare, "
          f"memory +{tolvane[1] - bare[1]:.1f} MB")
for home in homes.values():
    shutil.rmtree(home)
