#!/usr/bin/env python3
"""Fills unfinished entries of a .ts file from a tab-separated list: English<TAB>Russian."""
import sys
import xml.etree.ElementTree as ET

ts_path, table_path = sys.argv[1], sys.argv[2]
table = {}
with open(table_path, encoding="utf-8") as f:
    for line in f:
        line = line.rstrip("\n")
        if "\t" in line:
            english, russian = line.split("\t", 1)
            table[english.replace("\\n", "\n")] = russian.replace("\\n", "\n")

tree = ET.parse(ts_path)
filled = 0
for message in tree.iter("message"):
    source = message.findtext("source")
    translation = message.find("translation")
    if translation is not None and translation.get("type") == "unfinished" and source in table:
        translation.text = table[source]
        del translation.attrib["type"]
        filled += 1
tree.write(ts_path, encoding="utf-8", xml_declaration=True)
print(f"filled {filled}")
