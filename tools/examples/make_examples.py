#!/usr/bin/env python3
"""Writes the sample project files of dist/examples.

List positions and object ids are taken from the shipped data through
`kalvoria-cli lists --json`, so the files follow the data when it changes.
The rating sample rates the plate type and passes that the design of the
same duty selects, its channels split over two channel types.

usage: make_examples.py KALVORIA_CLI DIST_DIR
"""
import json
import os
import subprocess
import sys
import tempfile

FIELDS = 82


def width(nr):
    return 30 if nr in (27, 28) else 20


def encode(fields):
    out = bytearray()
    for nr in range(1, FIELDS + 1):
        text = fields.get(nr, "").encode("utf-8")
        w = width(nr)
        if len(text) > w:
            raise ValueError("field %d too long: %r" % (nr, text))
        out += text + bytes(w - len(text))
    assert len(out) == 1660
    return bytes(out)


class Lists:
    def __init__(self, cli, dist, env):
        out = subprocess.run([cli, "--appdir", dist, "lists", "--json"], check=True,
                             capture_output=True, env=env).stdout
        self.lists = json.loads(out)

    def pos(self, cid, text):
        for i, e in enumerate(self.lists[str(cid)]):
            if e["text"] == text or e["text"].startswith(text + "  -"):
                return i
        raise KeyError("%s not in list %d" % (text, cid))

    def value(self, cid, text):
        return self.lists[str(cid)][self.pos(cid, text)]["value"]


# edit text / unit list pairs of fields 40..63
PAIRS = [("tin_w", 1313), ("tin_k", 1368), ("tout_w", 1314), ("tout_k", 1371),
         ("flow_w", 1423), ("flow_k", 1424), ("dp_w", 1137), ("dp_k", 1127),
         ("foul_w", 1142), ("foul_k", 1128), ("gas_w", 1143), ("gas_k", 1129)]


def project(lists, p):
    f = {1: "3.3", 2: "0"}
    own = p.get("own")  # user-defined medium of the warm side
    for g in range(6):
        base = 3 + 4 * g
        f[base] = "%f" % (own["values"][g] if own else 0.0)
        f[base + 1] = "%f" % 0.0
        f[base + 2] = "%i" % (own["units"][g] if own else 0)
        f[base + 3] = "0"
    f[27] = own["name"] if own else ""
    f[28] = ""
    f[29] = "1" if own and own.get("gas") else "0"
    f[30] = "0"
    f[31] = f[33] = "1" if own else "0"
    f[32] = f[34] = "0"
    f[35] = p.get("duty", "")
    f[36] = "%i" % lists.pos(1123, "kW")
    f[37] = p.get("reserve", "")
    f[38] = "%i" % (len(lists.lists["1364"]) - 1 if own else lists.pos(1364, p["warm"]))
    f[39] = "%i" % lists.pos(1365, p["cold"])
    for i, (key, unit_list) in enumerate(PAIRS):
        f[40 + 2 * i] = p.get(key, "")
        unit = p.get(key + "_unit")
        if unit is None:
            unit = lists.lists[str(unit_list)][0]["text"] if key.startswith(("flow", "foul")) else None
        default = {1313: "°C", 1368: "°C", 1314: "°C", 1371: "°C", 1137: "kPa", 1127: "kPa",
                   1143: "bar", 1129: "bar"}.get(unit_list)
        f[41 + 2 * i] = "%i" % lists.pos(unit_list, unit or default)
    f[64] = "%i" % lists.pos(1003, p.get("material", "AISI 316"))
    f[65] = "%i" % lists.value(1346, p.get("gasket_w", "EPDM HT"))
    f[66] = "%i" % lists.value(1380, p.get("gasket_k", "EPDM HT"))
    f[67] = "%i" % lists.lists["1005"][0]["value"]
    f[68] = "0"
    f[69] = "%i" % lists.value(1006, p.get("stage", "10"))
    rating = p.get("rating", False)
    f[70] = "1" if rating else "0"
    f[71] = "%i" % (lists.value(1009, p["plate"]) if rating else lists.lists["1009"][0]["value"])
    f[72] = "1" if rating else "0"
    f[73] = p.get("channels", "")
    f[74] = "1"
    f[75] = p.get("passes", "1")
    pairs = p.get("types", [])
    for i in range(2):
        cnt, pos = (pairs[i] if i < len(pairs) else ("", -1))
        f[76 + 2 * i] = cnt
        f[77 + 2 * i] = "%i" % pos
    f[80] = "1" if rating else "0"
    f[81] = "1"
    f[82] = "0"
    for nr, text in p.get("raw", {}).items():  # fields set as they are
        f[nr] = text
    return encode(f)


def permitted(dist, plate_id, material_id, stage_id):
    with open(os.path.join(dist, "data", "plattentypen.json"), encoding="utf-8") as fh:
        for t in json.load(fh)["plattentypen"]:
            if t["id"] != plate_id:
                continue
            for pl in t["platten"]:
                if pl["material"] == material_id and pl["druckstufe"] == stage_id:
                    return [i for i, z in enumerate(pl["spalttypZulaessig"]) if z]
    return []


def main():
    cli, dist = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    env = dict(os.environ)
    env["XDG_CONFIG_HOME"] = tempfile.mkdtemp()  # never the user's stored settings
    env.pop("KALVORIA_WERKSMODUS", None)
    lists = Lists(cli, dist, env)
    out = os.path.join(dist, "examples")
    os.makedirs(out, exist_ok=True)

    samples = {
        "water_water_design.kal": dict(
            warm="Water", cold="Water", tin_w="90", tout_w="60", flow_w="3.98",
            tin_k="20", tout_k="50", dp_w="30", dp_k="30"),
        "steam_condenser_design.kal": dict(
            warm="Steam", cold="Water", duty="400", tin_w="180", tout_w="",
            tin_k="90", tout_k="120", dp_w="30", dp_k="50", gasket_w="EPDM HT", stage="16",
            tout_w_unit="K"),  # a condensing side's subcooling, in the unit the window fixes
        "air_cooler_design.kal": dict(
            warm="Dry Air", cold="Water", tin_w="150", tout_w="60", flow_w="0.5",
            gas_w="6", tin_k="30", tout_k="35", dp_w="20", dp_k="50"),
        # a process oil not in the library: viscosity, at the wall, density,
        # heat capacity, conductivity, no alpha of its own
        "user_medium_design.kal": dict(
            own=dict(name="Process Oil 46", values=[12.0, 18.0, 860.0, 2.05, 0.135, 0.0],
                     units=[1, 1, 0, 0, 0, 0]),
            cold="Water", duty="150", tin_w="80", tout_w="50", tin_k="25", tout_k="40",
            dp_w="80", dp_k="50"),
    }
    glycol = dict(warm="Ethylene Glycol 30 %", cold="Water", duty="300", tin_w="40",
                  tout_w="25", tin_k="15", tout_k="30", dp_w="60", dp_k="60")
    for name, p in samples.items():
        with open(os.path.join(out, name), "wb") as fh:
            fh.write(project(lists, p))

    # rate the pack the design selects, its channels split over two channel
    # types: the design's own and the next permitted one; the split is weaker
    # than the design's choice, so channels are added per pass until the
    # rated pack meets the duty again (a sample shows a pack that works)
    res = calc_json(cli, dist, env, project(lists, glycol))
    e = res["ergebnis"]
    if not res["ergebnisVorhanden"]:
        sys.exit("glycol/water design gave no result: %s" % res["status"])
    mat = lists.value(1003, "AISI 316")
    stage = lists.value(1006, "10")
    allowed = permitted(dist, e["plattentyp"], mat, stage)
    paare = e["spalttypenWarm"]
    zusatz = 0
    while True:
        if len(paare) == 1:
            typ, n = paare[0]
            n += zusatz
            andere = [t for t in allowed if t != typ][0]
            gesplittet = [[typ, n - n // 2], [andere, n // 2]]
        else:
            gesplittet = [[paare[0][0], paare[0][1] + zusatz], paare[1]]
        types = [(str(n), allowed.index(t)) for t, n in gesplittet]
        # the channels per side as the window computes them in rating
        kanaele = e["serien"] * sum(int(n) for n, _ in types)
        rating = dict(glycol, rating=True, plate=e["plattentypName"], passes=str(e["serien"]),
                      channels=str(kanaele), types=types)
        bewertet = calc_json(cli, dist, env, project(lists, rating))
        if bewertet["ergebnisVorhanden"] and bewertet["ergebnis"]["flaechenreserve"] >= 0:
            break
        zusatz += 1
        if zusatz > 10:
            sys.exit("glycol/water rating misses the duty: %s" % bewertet["status"])
    with open(os.path.join(out, "glycol_water_rating.kal"), "wb") as fh:
        fh.write(project(lists, rating))


def calc_json(cli, dist, env, inhalt):
    """`calc --json` of a project file with the given bytes."""
    with tempfile.NamedTemporaryFile(suffix=".kal", delete=False) as fh:
        fh.write(inhalt)
        pfad = fh.name
    try:
        return json.loads(subprocess.run([cli, "--appdir", dist, "calc", pfad, "--json"],
                                         capture_output=True, env=env).stdout)
    finally:
        os.unlink(pfad)

if __name__ == "__main__":
    main()
