"""Byte-for-byte comparison of what `tallyloom generate` writes, over the
choices of days, weeks and shifts.

  compare_outputs.py PROGRAM --digests FILE         the short share: compare
      with the SHA-256 digests recorded in FILE (the normal test run)
  compare_outputs.py PROGRAM --baseline OLD [--full] compare with another build
      of the program (a build of the tree before a change), file by file
  compare_outputs.py OLD --record FILE               write FILE from OLD

The short share and the default comparison cover every day set once with the
weeks, shifts and formats taken in turn; --full (or TALLYLOOM_FULL_SWEEP=1)
covers every day set x 1-4 weeks x 1-20 shifts as .xls, and every day set
once more in each other format, with the picture and the PDF. Prints the
counts; exit 1 on any difference."""

import argparse
import concurrent.futures
import hashlib
import os
import subprocess
import sys
import tempfile

DAYS = ["sun", "mon", "tue", "wed", "thu", "fri", "sat"]
OTHER_OUTPUTS = [".xlsx", ".xlsm", ".ods", ".png", ".pdf"]


def days_arg(subset):
    return ",".join(d for i, d in enumerate(DAYS) if subset >> i & 1)


def cases(full):
    """(name, output ending, arguments) of every comparison."""
    out = []
    for subset in range(1, 128):
        for weeks in range(1, 5):
            for shifts in range(1, 21):
                turn = (subset * 7 + weeks * 3 + shifts) % 80
                if full or turn == 0:
                    out.append((subset, weeks, shifts, ".xls"))
        weeks, shifts = subset % 4 + 1, (subset * 7) % 20 + 1
        endings = OTHER_OUTPUTS if full else [OTHER_OUTPUTS[subset % len(OTHER_OUTPUTS)]]
        out += [(subset, weeks, shifts, ending) for ending in endings]
    return [("d%03d-w%d-s%02d%s" % (s, w, h, e), e,
             ["--days", days_arg(s), "--weeks", str(w), "--shifts", str(h)])
            for s, w, h, e in out]


def produce(program, folder, case):
    """The bytes the program writes for one case."""
    name, ending, args = case
    workbook = os.path.join(folder, name + (".xls" if ending in (".png", ".pdf") else ending))
    extra = []
    if ending == ".png":
        extra = ["--picture", os.path.join(folder, name + ".png")]
    elif ending == ".pdf":
        extra = ["--pdf", os.path.join(folder, name + ".pdf")]
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", HOME=folder,
               XDG_CONFIG_HOME=os.path.join(folder, "config"), TEMP=folder, TMPDIR=folder)
    r = subprocess.run([program, "generate", "--output", workbook] + args + extra, env=env,
                       stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=300)
    if r.returncode != 0:
        raise RuntimeError("%s %s failed: %s" % (program, name, r.stderr.decode()))
    path = os.path.join(folder, name + ending)
    with open(path, "rb") as f:
        data = f.read()
    for leftover in {workbook, path}:
        os.remove(leftover)
    return data


def digest(data):
    return hashlib.sha256(data).hexdigest()


def main():
    p = argparse.ArgumentParser()
    p.add_argument("program")
    p.add_argument("--digests")
    p.add_argument("--baseline")
    p.add_argument("--record")
    p.add_argument("--full", action="store_true")
    p.add_argument("--share", type=int, default=0,
                   help="with --record: only this many cases of each ending, spread out")
    p.add_argument("--jobs", type=int, default=2)
    a = p.parse_args()
    full = a.full or os.environ.get("TALLYLOOM_FULL_SWEEP") == "1"
    baseline = a.baseline or os.environ.get("TALLYLOOM_BASELINE")
    todo = cases(full)
    if a.record and a.share:
        picked = []
        for ending in sorted({c[1] for c in todo}):
            group = [c for c in todo if c[1] == ending]
            picked += group[::max(1, len(group) // a.share)][:a.share]
        todo = picked
    recorded = {}
    if a.digests and not baseline:
        with open(a.digests) as f:
            recorded = dict(line.split() for line in f if line.strip())
        todo = [c for c in todo if c[0] in recorded]

    with tempfile.TemporaryDirectory(prefix="tallyloom-sweep-") as tmp:
        def one(case):
            ours = produce(a.program, tmp, case)
            if a.record:
                return case, digest(ours), True
            if baseline:
                return case, digest(ours), ours == produce(baseline, tmp, case)
            return case, digest(ours), recorded[case[0]] == digest(ours)

        with concurrent.futures.ThreadPoolExecutor(a.jobs) as pool:
            results = list(pool.map(one, todo))

    if a.record:
        with open(a.record, "w") as f:
            for case, d, _ in results:
                f.write("%s %s\n" % (case[0], d))
        print("recorded %d digests" % len(results))
        return 0
    counts = {}
    failed = []
    for case, _, same in results:
        n = counts.setdefault(case[1], [0, 0])
        n[0] += 1
        n[1] += same
        if not same:
            failed.append(case[0])
    for ending, (total, same) in sorted(counts.items()):
        print("%-5s %5d compared, %5d identical" % (ending, total, same))
    for name in failed[:20]:
        print("differs:", name)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
