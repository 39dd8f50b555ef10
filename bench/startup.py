"""Times process start to first paint of the welcome window and of a bare window, alternately,
and prints the medians, their ratio and the peak resident sizes."""
import statistics
import subprocess
import sys
import time

RUNS = 15


def first_paint(probe, mode):
    start = time.monotonic_ns()
    out = subprocess.run([probe] + ([mode] if mode else []), capture_output=True, text=True,
                         check=True, cwd=probe.rsplit("/", 1)[0]).stdout.split()
    return (int(out[0]) - start) / 1e6, int(out[1]) / 1024


def main():
    probe = sys.argv[1]
    results = {"game": [], "bare": []}
    for _ in range(RUNS):
        results["game"].append(first_paint(probe, None))
        results["bare"].append(first_paint(probe, "bare"))
    medians = {}
    for name, samples in results.items():
        ms = statistics.median(s[0] for s in samples)
        mib = statistics.median(s[1] for s in samples)
        medians[name] = (ms, mib)
        print(f"start-up to first paint, {name}: {ms:.1f} ms median, peak {mib:.1f} MiB")
    ratio = medians["game"][0] / medians["bare"][0]
    extra = medians["game"][1] - medians["bare"][1]
    print(f"start-up ratio game/bare: {ratio:.2f} (goal <= 1.5); extra peak memory {extra:.1f} MiB (goal <= 10)")


if __name__ == "__main__":
    main()
