"""What the companion's end-to-end checks share: a tally of checks and failures, and the
companion run on a data folder, its status checked and its output returned."""
import subprocess

failures = []
checks = [0]


def check(condition, message):
    checks[0] += 1
    if not condition:
        failures.append(message)
    return condition


def run(program, data, *args, timeout=300):
    result = subprocess.run([program, "--data", str(data), *args], capture_output=True,
                            timeout=timeout)
    check(result.returncode == 0, f"{args}: status {result.returncode}: {result.stderr!r}")
    return result.stdout


def summary(prefix=""):
    """Prints the failures (the first 40) and the tally; the exit status of the check."""
    for failure in failures[:40]:
        print(prefix + failure)
    print(f"{checks[0]} checks, {len(failures)} failed")
    return 1 if failures else 0
