#!/usr/bin/env python3
"""Times Tolvane's start-up against a bare Qt program doing the unavoidable work.

    python3 bench/startup.py BUILD_DIR [RUNS]

Each program starts, shows its window (Tolvane: with the first profile loaded) and, once its event
loop runs, leaves without tearing the window down: quitting is no part of starting. The table
gives the median wall time from process start to exit and the peak resident memory, for a home
with a few sample profiles and for ones with 10,000 and 100,000 profiles. Beside the bare window,
"listing" is the bare window that also reads the profile folder and sorts the names: what any
program showing them in order does at least.
"""
import errno
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
            for name in ("bare", "listing", "tolvane")}


def once(program, home):
    """Wall time in ms and peak resident memory in MB of one start."""
    env = dict(os.environ, HOME=home, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
    start = time.perf_counter()
    child = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    if status != 0:
        sys.exit(f"{program} failed: {status}")
    return (time.perf_counter() - start) * 1000, usage.ru_maxrss / 1024


def run(home):
    """Median time and peak memory of each program, started in turns so that both meet the same
    load on a shared machine."""
    samples = {name: [] for name in programs}
    for _ in range(runs):
        for name, program in programs.items():
            samples[name].append(once(program, home))
    return {name: (statistics.median(t for t, _ in starts), max(m for _, m in starts))
            for name, starts in samples.items()}


profiles = "Library/Application Support/Adobe/Flash Media Live Encoder 3.2"
homes = {}
for count in (None, 10000, 100000):
    home = tempfile.mkdtemp()
    subprocess.run([sys.executable, os.path.join(here, "..", "scripts", "demo-home"), home],
                   check=True)
    folder = os.path.join(home, profiles)
    samples = len(os.listdir(folder))
    # Further names for a sample file, a copy where the file system allows no more links: listing
    # and sorting them is the same work as for copies.
    sample = os.path.join(folder, "Studio HD.xml")
    for i in range((count or samples) - samples):
        name = os.path.join(folder, f"Copy {i:06}.xml")
        try:
            os.link(sample, name)
        except OSError as error:
            if error.errno != errno.EMLINK:
                raise
            shutil.copyfile(sample, name)
            sample = name
    homes[f"{count or samples:,} profiles"] = home

print(f"load average before: {os.getloadavg()[0]:.2f}")
print(f"{'home':16} {'program':8} {'median ms':>10} {'peak MB':>8}")
results = {}
for label, home in homes.items():
    for name, (ms, mb) in run(home).items():
        results[(label, name)] = (ms, mb)
        print(f"{label:16} {name:8} {ms:10.1f} {mb:8.1f}")
for label in homes:
    bare, listing, tolvane = (results[(label, name)] for name in programs)
    print(f"{label}: Tolvane/bare time {tolvane[0] / bare[0]:.2f}, listing/bare "
          f"{listing[0] / bare[0]:.2f}, Tolvane/listing {tolvane[0] / listing[0]:.2f}; "
          f"memory +{tolvane[1] - bare[1]:.1f} MB over bare")
print(f"load average after: {os.getloadavg()[0]:.2f}")
for home in homes.values():
    shutil.rmtree(home)
