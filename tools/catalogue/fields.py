"""The element record's stored fields, in their declared order, and helpers
shared by the catalogue scripts."""
import json, os, re, fcntl, contextlib

HERE = os.path.dirname(os.path.abspath(__file__))


def _record_fields():
    """The stored text fields as the record declares them (data/element.h)."""
    header = os.path.join(HERE, "..", "..", "data", "element.h")
    with open(header, encoding="utf-8") as f:
        text = f.read()
    block = text.split("#define TABLICZNIK_TEXT_FIELDS(X)", 1)[1].split("\n\n", 1)[0]
    return re.findall(r"X\((\w+)\)", block)


FIELDS = ["Numer"] + _record_fields()

CATALOGUE = os.path.normpath(os.path.join(HERE, "..", "..", "resources", "catalogue"))


def path_of(number):
    return os.path.join(CATALOGUE, "%03d.json" % number)


def load(number):
    with open(path_of(number), encoding="utf-8") as f:
        return json.load(f)


def save(number, record):
    ordered = {k: record[k] for k in FIELDS}
    text = json.dumps(ordered, ensure_ascii=False, indent=2) + "\n"
    tmp = path_of(number) + ".tmp"
    with open(tmp, "w", encoding="utf-8") as f:
        f.write(text)
    os.replace(tmp, path_of(number))


@contextlib.contextmanager
def locked():
    """Several people fill different fields of the same files at once."""
    with open(os.path.join(CATALOGUE, ".lock"), "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        try:
            yield
        finally:
            fcntl.flock(lock, fcntl.LOCK_UN)
