#!/usr/bin/env python3
"""Write field values into the catalogue files.

usage: set_fields.py VALUES.json
VALUES.json maps atomic numbers ("1" .. "118") to objects {field: text}.
Only the named fields change; every other field of every file is kept.
Unknown field names and numbers outside 1..118 are refused."""
import json, sys
from fields import FIELDS, load, save, locked

def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        values = json.load(f)
    for key, fields in values.items():
        n = int(key)
        if not 1 <= n <= 118:
            sys.exit("number out of range: %s" % key)
        for name, text in fields.items():
            if name not in FIELDS or name in ("Numer",):
                sys.exit("not a settable field: %s (element %s)" % (name, key))
            if not isinstance(text, str):
                sys.exit("value of %s for element %s is not a string" % (name, key))
    with locked():
        for key, fields in values.items():
            n = int(key)
            record = load(n)
            record.update(fields)
            save(n, record)
    print("updated %d elements" % len(values))

if __name__ == "__main__":
    main()
