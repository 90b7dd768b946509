"""Where this machine's Qt keeps its tools, headers and QML modules."""
import pathlib
import subprocess
import sys


def chemins(qmake):
    """qmake's install paths, with the tools the checks run (moc, qmllint)."""
    try:
        sortie = subprocess.run([qmake, "-query"], capture_output=True, text=True,
                                check=True).stdout
    except (OSError, subprocess.CalledProcessError) as e:
        sys.exit(f"cannot ask {qmake} where Qt is: {e}")
    r = dict(l.split(":", 1) for l in sortie.splitlines() if ":" in l)
    bins = pathlib.Path(r["QT_HOST_BINS"])
    for outil in ("moc", "qmllint"):
        r[outil] = str(bins / outil)
        if not (bins / outil).exists():
            sys.exit(f"{bins / outil} is missing: run scripts/installer")
    # QtQml's type description comes with its QML module's package.
    if not (pathlib.Path(r["QT_INSTALL_QML"]) / "QtQml" / "plugins.qmltypes").exists():
        sys.exit("QtQml's plugins.qmltypes is missing: run scripts/installer")
    return r
