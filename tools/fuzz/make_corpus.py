#!/usr/bin/env python3
"""Writes the starting inputs and dictionaries of fuzz/ from the installed files:
the sample projects, the language files and the settings file, the data
files (the large ones cut to their first entries, so the seeds stay small)
and permission strings built from the data's own ids.

Run it only when the shipped files change; it rewrites its own seeds and
leaves the other files of the corpora (the inputs kept as regression tests)
alone. libFuzzer adds what it finds to a copy of these folders, never to them.

usage: make_corpus.py DIST_DIR FUZZ_DIR
"""
import json
import os
import sys

SAMPLES = ["water_water_design", "glycol_water_rating", "steam_condenser_design",
           "air_cooler_design", "user_medium_design"]
# a data file larger than this is written compact and cut to the first
# entries of its list, but for the lists the others need whole
SEED_LIMIT = 8000
KEEP_ENTRIES = 2
KEEP_WHOLE = ["spalttypen.json", "plattentypen.json"]


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def field(data, offset, text):
    raw = text.encode()
    return data[:offset] + raw + b"\0" * (20 - len(raw)) + data[offset + 20:]


def projects(dist, corpus):
    examples = os.path.join(dist, "examples")
    for name in SAMPLES:
        data = open(os.path.join(examples, name + ".kal"), "rb").read()
        write(os.path.join(corpus, "projektdatei", name + ".kal"), data)
        write(os.path.join(corpus, "berechnen", name + ".kal"), data)
        # first byte: what the window held before (0 nothing, 1.. a sample)
        write(os.path.join(corpus, "hauptdialog", "fresh_" + name), b"\0" + data)
    water = open(os.path.join(examples, "water_water_design.kal"), "rb").read()
    nbr = field(water, 1300, "1")  # warm gasket NBR, which condensing steam does not list
    write(os.path.join(corpus, "hauptdialog", "steam_then_water_nbr"),
          bytes([1 + SAMPLES.index("steam_condenser_design")]) + nbr)
    write(os.path.join(corpus, "hauptdialog", "rating_then_water"),
          bytes([1 + SAMPLES.index("glycol_water_rating")]) + water)
    # the same entries in Werksmodus (a byte after the file)
    write(os.path.join(corpus, "berechnen", "water_water_design_werksmodus"), water + b"\1")
    # offer blocks after the record: one as written, cut, of a later version
    offer = json.dumps({
        "revision": 2, "revisionDate": "09.12.2026",
        "projectData": {"customer": "Molkerei S\u00fcd", "project": "P", "item": "1",
                        "clerk": "A", "telephone": "0", "offerDate": "08.12.2026"},
        "pack": "T10", "completion": [{"field": "1176", "value": 26, "text": "DN 50"},
                                      {"field": "1181", "text": "", "checked": True}],
        "specification": [{"field": "1267", "text": "P-7"}],
        "computedFields": ["1046"]}, indent=1).encode()
    block = b"KALVORIA-OFFER 1 %d\n" % len(offer) + offer + b"\n"
    write(os.path.join(corpus, "projektdatei", "offer_block"), water + block)
    write(os.path.join(corpus, "projektdatei", "offer_block_cut"), water + block[:len(block) // 2])
    write(os.path.join(corpus, "projektdatei", "offer_block_later_version"),
          water + b"KALVORIA-OFFER 2 2\n{}\n")


def texts(dist, corpus):
    for path in [os.path.join(dist, "language", "kalvoria_uk.lng"),
                 os.path.join(dist, "language", "kalvoria_de.lng"),
                 os.path.join(dist, "kalvoria.ini")]:
        write(os.path.join(corpus, "ini", os.path.basename(path)), open(path, "rb").read())


def data_files(dist, corpus, fuzz):
    folder = os.path.join(dist, "data")
    names = sorted(n for n in os.listdir(folder) if n.endswith(".json"))
    keys = set()
    for index, name in enumerate(names):
        text = open(os.path.join(folder, name), "rb").read()
        content = json.loads(text)
        collect_keys(content, keys)
        if len(text) > SEED_LIMIT:
            if name not in KEEP_WHOLE:
                content = {k: v[:KEEP_ENTRIES] if isinstance(v, list) else v
                           for k, v in content.items()}
            text = json.dumps(content, ensure_ascii=False, separators=(",", ":")).encode()
        # first byte: the file (its position by name) and the water sample
        write(os.path.join(corpus, "daten", name), bytes([index]) + text)
        if name == "stoffe.json":
            gas = gas_seed(json.loads(open(os.path.join(folder, name), "rb").read()))
            if gas:
                write(os.path.join(corpus, "daten", "stoffe_gas.json"), bytes([index]) + gas)
    tokens = ["{", "}", "[", "]", ":", ",", "true", "false", "null", "-1", "0", "1e308",
              "1e-320", "-0"] + ['"%s"' % k for k in sorted(keys)]
    write(os.path.join(fuzz, "daten.dict"),
          "".join('"%s"\n' % t.replace("\\", "\\\\").replace('"', '\\"') for t in tokens).encode())
    return names


def gas_seed(content, temperatures=4, pressures=3):
    """The first fluid and the first gas with a dew line, cut down to four
    temperatures and three pressures; the loader's gas checks (pressure
    grid, critical point, dew line) still run on it."""
    fluids = content["stoffe"]
    gas = next((f for f in fluids if "druck" in f and "taupunkt" in f), None)
    if gas is None:
        return None
    gas = dict(gas)
    gas["temperatur"] = gas["temperatur"][:temperatures]
    gas["tMin"], gas["tMax"] = gas["temperatur"][0], gas["temperatur"][-1]
    gas["druck"] = gas["druck"][:pressures]
    for key in ("dichte", "waermekapazitaet", "viskositaet", "waermeleitfaehigkeit"):
        gas[key] = [row[:temperatures] for row in gas[key][:pressures]]
    gas["taupunkt"] = {k: v[:3] for k, v in gas["taupunkt"].items()}
    return json.dumps({"stoffe": [fluids[0], gas]}, ensure_ascii=False,
                      separators=(",", ":")).encode()


def collect_keys(value, keys):
    if isinstance(value, dict):
        for k, v in value.items():
            keys.add(k)
            collect_keys(v, keys)
    elif isinstance(value, list):
        for v in value:
            collect_keys(v, keys)


def permissions(dist, corpus):
    ids = {}
    for name in ["plattenmaterial", "plattentypen", "druckstufen"]:
        content = json.load(open(os.path.join(dist, "data", name + ".json")))
        ids[name] = [e["id"] for e in content[name]]
    m, t, d = ids["plattenmaterial"], ids["plattentypen"], ids["druckstufen"]
    seeds = {
        "empty": "",
        "one": "%i:%i:%i:4," % (m[0], t[0], d[0]),
        "every_type": "".join("%i:%i:%i:%i," % (m[0], t[0], d[0], j) for j in range(9)),
        "spread": "".join("%i:%i:%i:%i," % (m[i % len(m)], t[i % len(t)], d[i % len(d)], i % 9)
                          for i in range(12)),
        "unknown_key": "12:3:2:4,12:3:2:5,",
        "tail": "%i:%i:%i:1,%i:%i" % (m[0], t[0], d[0], m[0], t[0]),
    }
    for name, text in seeds.items():
        write(os.path.join(corpus, "zulaessig", name), text.encode())


# The offer path's actions (fuzz_angebot.cpp): kinds with the control's id
# in the next two bytes.
SELECT, CHECK, TEXT, CLICK, COMMAND = 0x80, 0x81, 0x82, 0x83, 0x84
TO_SPEC = b"\xff"


def action(kind, control, value=None):
    data = bytes([kind]) + control.to_bytes(2, "little")
    if kind == SELECT:
        data += value.to_bytes(4, "little", signed=True)
    elif kind == CHECK:
        data += bytes([1 if value else 0])
    elif kind == TEXT:
        raw = value.encode()
        assert len(raw) < 48
        data += bytes([len(raw)]) + raw
    return data


def offers(corpus):
    """First byte: sample + 5 Werksmodus + 10 German + 20 printed sheet."""
    seeds = {"open_" + name: bytes([i]) for i, name in enumerate(SAMPLES)}
    seeds["open_water_printed"] = bytes([20])
    seeds["priced_water"] = bytes([20]) + b"".join([
        action(SELECT, 1176, 26), action(TEXT, 1046, "180"), action(TEXT, 1047, "150"),
        action(CHECK, 1178, True), action(TEXT, 1048, "420"), action(CHECK, 1181, True),
        action(TEXT, 1187, "7035"), action(TEXT, 1051, "310"), action(CLICK, 1430),
        TO_SPEC, action(TEXT, 1267, "P-7"), action(TEXT, 1341, "180")])
    seeds["special_werksmodus_german"] = bytes([15]) + b"".join([
        action(TEXT, 1055, "10,5"), action(CHECK, 1418, True),
        action(TEXT, 1058, "DN 50 Sonderflansch"), action(TEXT, 1046, "100"),
        action(TEXT, 1047, "99,5"), action(CLICK, 1433), action(TEXT, 1057, "F1 => F3"),
        action(COMMAND, 40043), TO_SPEC, action(TEXT, 1369, "1,5 bar"),
        action(TEXT, 1386, "12,5")])
    seeds["forbidden_pair"] = bytes([0]) + action(SELECT, 1176, 28) + action(SELECT, 1182, 28)
    seeds["standards"] = bytes([0]) + action(CLICK, 1403) + action(CLICK, 1402) + \
        action(CLICK, 1402)
    seeds["ral_missing"] = bytes([0]) + b"".join([
        action(CHECK, 1181, True), action(COMMAND, 40031), action(TEXT, 1187, "3000"),
        action(COMMAND, 40031), action(TEXT, 1341, "250")])
    seeds["refused"] = bytes([0]) + b"".join([
        action(TEXT, 1382, "x"), action(CLICK, 1176), action(COMMAND, 1046),
        action(CLICK, 0xFFFF), action(SELECT, 1176, 99999), action(CHECK, 1205, False)])
    seeds["steam_too_hot"] = bytes([2]) + TO_SPEC + action(TEXT, 1341, "250")
    for name, data in seeds.items():
        write(os.path.join(corpus, "angebot", name), data)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    dist, fuzz = sys.argv[1], sys.argv[2]
    corpus = os.path.join(fuzz, "corpus")
    projects(dist, corpus)
    texts(dist, corpus)
    data_files(dist, corpus, fuzz)
    permissions(dist, corpus)
    offers(corpus)
    write(os.path.join(fuzz, "ini.dict"),
          b'"["\n"]"\n"="\n"\\""\n";"\n"#"\n"\\x0a"\n"\\x0d\\x0a"\n"\\xef\\xbb\\xbf"\n'
          b'"%"\n"%%"\n"%.0f"\n"\\x00"\n')
    write(os.path.join(fuzz, "zulaessig.dict"), b'":"\n","\n"-"\n"2147483648"\n')


if __name__ == "__main__":
    main()
