"""The element record's stored fields, in their declared order, and helpers
shared by the catalogue scripts."""
import json, os, fcntl, contextlib

FIELDS = [
    "Numer", "Symbol", "Nazwa",
    "KonfElektr", "NazAng", "NazLac", "MasaAtom", "WartTyp", "WartInne",
    "CharTlen", "Elektrouj", "EnerJoniz", "EntropMol", "LiczIzotop",
    "LiczTrIzotop", "PromAtom", "PromKowal", "Gestosc", "TempWrz", "TempTop",
    "RokOdkryc", "OporWlas", "TypPrzew", "Twardosc", "MolPojCiep", "EntTop",
    "PodatMag", "TempCur", "WytrzRoz", "ModYoung", "WspPrzewCiep",
    "MolEntAtom", "RodzMolEntAtom", "PowElektr", "StanSkup",
    "PowK", "PowL", "PowM", "PowN", "PowO", "PowP", "PowQ",
    "StopUtl", "TypStopUtl", "PotJon1", "PotJon2", "PotJon3", "PotJon4",
    "StanPot", "ZawCzlow", "ZawZiemia", "ZawSkorZiem", "ZawPow", "ZawOcean",
    "ZawUklad", "Izotopy", "Mineraly",
]

HERE = os.path.dirname(os.path.abspath(__file__))
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
