"""Every translation file is complete and keeps what the program fills in: each text has a
finished translation (a count's text one per plural form of the language) with the same %1 %2
places, at most one & mnemonic, and the spaces the window puts a field beside."""
import os
import re
import sys
import xml.etree.ElementTree as ET

root = os.environ.get("ORVANTA_SOURCE_DIR", os.path.dirname(os.path.dirname(os.path.dirname(__file__))))
folder = os.path.join(root, "resources", "translations")
places = lambda text: sorted(re.findall(r"%\d", text))
edges = lambda text: (text.startswith(" "), text.endswith(" "))
faults = []
for name in sorted(n for n in os.listdir(folder) if n.endswith(".ts")):
    for message in ET.parse(os.path.join(folder, name)).getroot().iter("message"):
        source, translation = message.findtext("source") or "", message.find("translation")
        kind = translation.get("type", "")
        if kind in ("vanished", "obsolete"):
            continue
        forms = [form.text or "" for form in translation.iter("numerusform")]
        for text in forms or [translation.text or ""]:
            if kind == "unfinished" or not text or places(source) != places(text) \
                    or text.replace("&&", "").count("&") > 1 or edges(source) != edges(text):
                faults.append(f"{name}: {source!r} -> {text!r}")
print("\n".join(faults) or "translations: every file complete")
sys.exit(1 if faults else 0)
