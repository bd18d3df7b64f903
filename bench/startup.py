#!/usr/bin/env python3
"""Start-up time: process start to main window painted, for profile tables of
several sizes, beside a bare Qt window measured the same way in the same run.

The programs print "shown <CLOCK_MONOTONIC ns>" and quit once their window is
painted when NORVANE_STARTUP_PROBE is set; the start is taken from the same
clock just before the process is spawned.

usage: startup.py BIN_DIR [--runs N] [--sizes 10,1000,10000]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import tempfile
import time

HEADER = ("ID_PROF,NOM_PROF,CARTE_RESEAU,CONNEXION,ADRESSE_IP,MASK_RESEAU,"
          "PASSRELLE_RESEAU,DNS1,DNS2,DHCP,DNS_AUTO,IMAGE,ACTIVE")


def write_profiles(directory, count):
    with open(os.path.join(directory, "profils.csv"), "w", newline="") as out:
        out.write(HEADER + "\r\n")
        for i in range(1, count + 1):
            dhcp = i % 3 == 0
            address = "" if dhcp else f"10.{i // 65536 % 256}.{i // 256 % 256}.{i % 256}"
            mask = "" if dhcp else "255.255.0.0"
            out.write(f"{i},Profil {i},eth0,1,{address},{mask},,,,"
                      f"{int(dhcp)},{int(dhcp)},{i % 18},{int(i == 1)}\r\n")


def time_once(program, directory, env):
    start = time.monotonic_ns()
    done = subprocess.run([program], cwd=directory, env=env, capture_output=True,
                          text=True, timeout=120)
    for line in done.stdout.splitlines():
        if line.startswith("shown "):
            return (int(line.split()[1]) - start) / 1e6
    raise RuntimeError(f"{program} did not report its window: {done.stderr[-500:]}")


def measure(program, directory, env, runs):
    time_once(program, directory, env)  # warm the caches
    return statistics.median(time_once(program, directory, env) for _ in range(runs))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("bin_dir")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--sizes", default="10,1000,10000")
    args = parser.parse_args()

    env = dict(os.environ, NORVANE_STARTUP_PROBE="1")
    bin_dir = os.path.abspath(args.bin_dir)
    program = os.path.join(bin_dir, "norvane")
    baseline = os.path.join(bin_dir, "startup_minimal_window")
    work = tempfile.mkdtemp(prefix="norvane-startup-")
    try:
        print(f"platform: {env.get('QT_QPA_PLATFORM') or 'xcb'}, median of {args.runs} runs")
        print(f"{'window':<28}{'profiles':>10}{'ms':>10}")
        empty = os.path.join(work, "baseline")
        os.makedirs(empty)
        print(f"{'minimal Qt window':<28}{'-':>10}{measure(baseline, empty, env, args.runs):>10.1f}")
        for size in (int(s) for s in args.sizes.split(",")):
            directory = os.path.join(work, str(size))
            os.makedirs(directory)
            write_profiles(directory, size)
            ms = measure(program, directory, env, args.runs)
            print(f"{'Norvane main window':<28}{size:>10}{ms:>10.1f}")
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
