#!/usr/bin/env python3
"""Kills project_churn (the running program, edited as a user does) with
SIGKILL at random moments while it edits, saves and autosaves a project, then checks what it left: the last saved project
opens with every edit reported saved, and the recovery file opens with every
edit reported autosaved or is refused cleanly.
Usage: kill_project.py PROJECT_CHURN KILLS [SEED]"""
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

churn, kills = sys.argv[1], int(sys.argv[2])
random.seed(int(sys.argv[3]) if len(sys.argv) > 3 else 23)
folder = tempfile.mkdtemp(prefix="project-kill-")
opened = removed = refused = 0
for kill in range(kills):
    out, err = tempfile.TemporaryFile(), tempfile.TemporaryFile()
    program = subprocess.Popen([churn, folder], stdout=out, stderr=err)
    # Once it edits and saves (a loaded machine starts it slowly), at a random moment.
    started = time.time()
    while os.fstat(out.fileno()).st_size == 0 and time.time() - started < 30:
        time.sleep(0.01)
    time.sleep(random.uniform(0.0, 0.5))
    program.send_signal(signal.SIGKILL)
    if program.wait() != -signal.SIGKILL:
        err.seek(0)
        sys.exit("kill %d: the program stopped by itself: %s" % (kill + 1, err.read().decode().strip()))
    out.seek(0)
    saved = recovered = 0
    for line in out.read().decode().splitlines():
        word, _, number = line.partition(" ")
        if word == "saved":
            saved = int(number)
        elif word == "recovered":
            recovered = int(number)
    check = subprocess.run([churn, "--check", folder, str(saved), str(recovered)], capture_output=True, text=True)
    if check.returncode != 0:
        sys.exit("kill %d (saved %d, recovered %d): %s" % (kill + 1, saved, recovered, check.stderr.strip()))
    if "opens" in check.stdout:
        opened += 1
    elif "removed" in check.stdout:
        removed += 1
    else:
        refused += 1
        print("kill %d: %s" % (kill + 1, check.stdout.strip()))
program_folder = os.path.join(folder, "program")  # where the recovery file is written
leftovers = [name for name in os.listdir(folder) + os.listdir(program_folder) if ".saving-" in name]
# Each write clears what kills left of earlier ones: at most the last kill's
# temporary files remain, one for the project and one for the recovery file.
if len(leftovers) > 2:
    sys.exit("temporary files pile up: %s" % ", ".join(leftovers))
print("%d kills: the saved project opened every time; recovery opened %d times, removed by a save %d, refused %d; "
      "%d temporary files left by kills" % (kills, opened, removed, refused, len(leftovers)))
