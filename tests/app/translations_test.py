"""Every translation file is complete and keeps what the program fills in: each text has a
finished translation, the same %1 %2 places, at most one & mnemonic, and the same leading and
trailing spaces where the window puts a field beside the text."""
import os
import re
import sys
import xml.etree.ElementTree as ET

root = os.environ.get("ORVANTA_SOURCE_DIR", os.path.dirname(os.path.dirname(os.path.dirname(__file__))))
folder = os.path.join(root, "resources", "translations")
places = re.compile(r"%\d")
faults = []
files = sorted(name for name in os.listdir(folder) if name.endswith(".ts"))
if len(files) != 8:
    faults.append(f"{folder}: {len(files)} translation files, expected 8")
for name in files:
    for context in ET.parse(os.path.join(folder, name)).getroot().iter("context"):
        where = f"{name} {context.findtext('name')}"
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type", "")
            text = translation.text or ""
            if kind in ("vanished", "obsolete"):
                continue
            if kind == "unfinished" or not text:
                faults.append(f"{where}: no translation of {source!r}")
            elif sorted(places.findall(source)) != sorted(places.findall(text)):
                faults.append(f"{where}: {text!r} does not keep the places of {source!r}")
            elif text.replace("&&", "").count("&") > 1:
                faults.append(f"{where}: {text!r} has more than one mnemonic")
            elif source.endswith(" ") != text.endswith(" ") or source.startswith(" ") != text.startswith(" "):
                faults.append(f"{where}: {text!r} drops the spaces around {source!r}")
print("\n".join(faults) or f"translations: {len(files)} files complete")
sys.exit(1 if faults else 0)
