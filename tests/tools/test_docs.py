#!/usr/bin/env python3
"""The README and the manual page say what the command line does.

test_docs.py README MANPAGE VORNISH_CLI

- The subcommands listed by `vornish-cli --help`, by the manual page's
  SUBCOMMANDS section and by the README's list under "Command line" are the
  same.
- Every example in the README's command-line section (a line "$ command" in
  a sh block, followed by what it prints) prints exactly that when run with
  this vornish-cli; a line "..." stands for any number of lines.
"""
import os
import re
import subprocess
import sys
import tempfile


def cli_subcommands(cli):
    text = subprocess.run([cli, "--help"], capture_output=True, text=True, check=True).stdout
    listed = text.split("Subcommands:", 1)[1].split("\n\n", 1)[0]
    return [line.split()[0] for line in listed.splitlines() if line.strip()]


def man_subcommands(man):
    text = open(man, encoding="utf-8").read()
    section = text.split(".SH SUBCOMMANDS", 1)[1].split("\n.SH ", 1)[0]
    return [name.replace("\\-", "-") for name in re.findall(r"^\.TP\n\.BI? (\S+)", section, re.M)]


def readme_command_section(readme):
    text = open(readme, encoding="utf-8").read()
    return text.split("## Command line", 1)[1].split("\n## ", 1)[0]


def readme_subcommands(section):
    return re.findall(r"^- `([a-z-]+)`", section, re.M)


def readme_examples(section):
    """(command, expected lines) for each "$ " line of the sh blocks."""
    examples = []
    for block in re.findall(r"```sh\n(.*?)```", section, re.S):
        lines = block.splitlines()
        i = 0
        while i < len(lines):
            if not lines[i].startswith("$ "):
                i += 1
                continue
            command = lines[i][2:]
            i += 1
            while command.endswith("\\"):
                command = command[:-1] + " " + lines[i].strip()
                i += 1
            expected = []
            while i < len(lines) and not lines[i].startswith("$ "):
                expected.append(lines[i])
                i += 1
            while expected and not expected[-1].strip():
                expected.pop()
            examples.append((command, expected))
    return examples


def matches(expected, actual):
    """Whether actual lines match expected ones, "..." standing for any run of lines."""
    if not expected:
        return not actual
    if expected[0] == "...":
        return any(matches(expected[1:], actual[k:]) for k in range(len(actual) + 1))
    return bool(actual) and expected[0].rstrip() == actual[0].rstrip() and matches(expected[1:], actual[1:])


def main(readme, man, cli):
    failures = []
    section = readme_command_section(readme)
    listed = {"vornish-cli --help": cli_subcommands(cli), "the manual page": man_subcommands(man),
              "the README": readme_subcommands(section)}
    reference = sorted(listed["vornish-cli --help"])
    for where, names in listed.items():
        if sorted(names) != reference:
            failures.append(f"{where} lists {sorted(names)}, vornish-cli --help {reference}")

    examples = readme_examples(section)
    if not examples:
        failures.append("the README shows no command-line example")
    env = dict(os.environ, PATH=os.path.dirname(os.path.abspath(cli)) + os.pathsep + os.environ["PATH"])
    with tempfile.TemporaryDirectory() as folder:
        for command, expected in examples:
            run = subprocess.run(["sh", "-c", command], cwd=folder, env=env, capture_output=True, text=True)
            actual = run.stdout.splitlines()
            if run.returncode != 0 or not matches(expected, actual):
                failures.append(f"$ {command}\nexpected:\n" + "\n".join(expected) + "\nprinted:\n" + run.stdout + run.stderr)

    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
