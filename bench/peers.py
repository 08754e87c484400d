"""What the benchmark scripts that run peer dictionary programs share:
installing Debian packages that are missing, and writing StarDict
dictionaries with stardict-tools' tabfile."""

import os
import subprocess
import sys

TABFILE = "/usr/lib/stardict-tools/tabfile"


def run(args, **kwargs):
    return subprocess.run(args, check=True, **kwargs)


def install_missing(packages, program):
    """Installs with apt-get those of `packages` that are not installed;
    `program` names the caller in the message."""
    missing = [p for p in packages
               if subprocess.run(["dpkg-query", "-W", "-f=${Status}", p], capture_output=True,
                                 text=True).stdout.find("install ok installed") < 0]
    if missing:
        sudo = [] if os.geteuid() == 0 else ["sudo"]
        print("%s: installing %s" % (program, " ".join(missing)), file=sys.stderr)
        run(sudo + ["apt-get", "update", "-q"], stdout=sys.stderr)
        run(sudo + ["apt-get", "install", "-y", "-q", "--no-install-recommends"] + missing,
            env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"), stdout=sys.stderr)


def tabfile_text(text):
    """`text` as tabfile reads it back: backslash, line break and tab escaped."""
    return text.replace("\\", "\\\\").replace("\n", "\\n").replace("\t", "\\t")


def write_stardict(articles, name, title, folder):
    """Writes the (word, text) pairs as the StarDict dictionary `name` in
    `folder` (name.ifo, name.idx, name.dict.dz), titled `title`; returns the
    three paths."""
    source = os.path.join(folder, name + ".txt")
    with open(source, "w", encoding="utf-8") as out:
        for word, text in articles:
            out.write(tabfile_text(word) + "\t" + tabfile_text(text) + "\n")
    run([TABFILE, source], capture_output=True, cwd=folder)
    os.remove(source)
    ifo = os.path.join(folder, name + ".ifo")
    with open(ifo, encoding="utf-8") as f:
        lines = [("bookname=" + title) if l.startswith("bookname=") else l for l in f.read().split("\n")]
    with open(ifo, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))
    return [os.path.join(folder, name + ext) for ext in (".ifo", ".idx", ".dict.dz")]
