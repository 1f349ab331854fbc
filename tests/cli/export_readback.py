"""Reads a CSV and a JSON Lines export of the same log with Python's own
csv and json modules and prints what it found as one JSON object, for the
export command's test to check.

Usage: export_readback.py EXPORT.csv EXPORT.jsonl [LINE:SECTION:FIELD ...]
"""
import csv
import json
import sys
from decimal import Decimal


def flattened(record):
    for field in record["fields"]:
        yield field
    for section in record["sections"]:
        for field in section["fields"]:
            yield field


def main():
    csv_path, jsonl_path, wanted = sys.argv[1], sys.argv[2], sys.argv[3:]
    with open(csv_path, newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    records = []
    with open(jsonl_path, encoding="utf-8") as f:
        for text in f:
            records.append(json.loads(text, parse_float=Decimal, parse_int=Decimal))

    json_rows = []
    for record in records:
        for field in flattened(record):
            json_rows.append((record, field))

    # Every CSV row against the JSON field of the same record, section and
    # number (JSON puts a record's repeating groups after its other fields):
    # the same field, and a number that reads back to the same decimal.
    by_place = {}
    for record, field in json_rows:
        by_place[(record["line"], field["section"], field["field"])] = field
    mismatches = []
    for row in rows:
        field = by_place.get((Decimal(row["line"]), Decimal(row["section"]), Decimal(row["field"])))
        if field is None:
            mismatches.append([row, None])
            continue
        value = field["value"]
        if isinstance(value, Decimal):
            same_value = Decimal(row["value"]) == value
        else:
            same_value = row["value"] == ("" if value is None else value)
        same = (
            row["name"] == field["name"]
            and row["unit"] == field["unit"]
            and row["status"] == field["status"]
            and same_value
        )
        if not same:
            mismatches.append([row, field["name"]])

    found = {}
    for key in wanted:
        line, section, number = (int(part) for part in key.split(":"))
        for row in rows:
            if (int(row["line"]), int(row["section"]), int(row["field"])) == (line, section, number):
                found[key] = [row["message"], row["name"], row["value"], row["unit"], row["status"]]

    print(json.dumps({
        "csv_rows": len(rows),
        "records": len(records),
        "json_fields": len(json_rows),
        "mismatches": mismatches[:5],
        "statuses": sorted({row["status"] for row in rows}),
        "found": found,
    }))


main()
