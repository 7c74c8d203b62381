#!/usr/bin/env python3
"""Writes the golden cases of tests/cli/golden: generated project files that
reach far into the main dialog's entries (modes, media, units, device
choices, refusals), and the exact `calc --json` output of each and of the
shipped samples (and the text output of the water/water sample).

Run it only to record a deliberate change of results; the CLI tests compare
every later run byte by byte with what it wrote.

usage: make_golden.py KALVORIA_CLI DIST_DIR GOLDEN_DIR
"""
import json
import os
import subprocess
import sys
import tempfile

from make_examples import Lists, permitted, project


def cases(lists):
    water = dict(warm="Water", cold="Water", tin_w="90", tout_w="60", flow_w="3.98",
                 tin_k="20", tout_k="50", dp_w="30", dp_k="30")
    oil = dict(warm="Thermal Oil", cold="Water", duty="400", tin_w="150", tout_w="90",
               tin_k="30", tout_k="60", dp_w="100", dp_k="50", reserve="10",
               gasket_w="EPDM HT", gasket_k="EPDM")
    plate = lambda name: "%i" % lists.value(1009, name)
    mat = lambda name: "%i" % lists.pos(1003, name)
    return {
        "water_passes_free": dict(water, raw={74: "0"}),
        "water_two_passes": dict(water, passes="2", dp_w="60", dp_k="60"),
        "water_plate_fixed": dict(water, raw={70: "1", 71: plate("KX 20")}),
        "water_plate_min": dict(water, raw={70: "2", 71: plate("KX 14")}),
        "water_plate_max": dict(water, raw={70: "3", 71: plate("KX 08")}),
        "water_channels_fixed": dict(water, raw={72: "1", 73: "20"}),
        "water_channels_max": dict(water, raw={72: "3", 73: "9"}),
        "water_safety_plates": dict(water, raw={2: "1"}),
        "water_us_inch": dict(water, tin_w="194", tout_w="140", tin_k="68", tout_k="122",
                              tin_w_unit="°F", tout_w_unit="°F", tin_k_unit="°F",
                              tout_k_unit="°F", dp_w="4", dp_k="4", dp_w_unit="psi",
                              dp_k_unit="psi", flow_w="31588", flow_w_unit="lb/h",
                              raw={81: "0", 82: "1"}),
        "water_units_mixed": dict(water, duty="0.5", flow_w="", flow_k="14.4",
                                  flow_k_unit="m³/h", dp_w="0.3", dp_k="300",
                                  dp_w_unit="bar", dp_k_unit="mbar", tout_k="",
                                  raw={36: "%i" % lists.pos(1123, "MW")}),
        "water_fouling_reserve": dict(water, reserve="15", foul_w="0.00002",
                                      foul_k="0.00003"),
        "water_negative_reserve": dict(water, reserve="-5"),
        "water_smo_stage25": dict(water, material="SMO 254", stage="25", gasket_w="Viton S",
                                  gasket_k="NBR"),
        "water_dp_too_low": dict(water, dp_w="0.5", dp_k="0.5"),
        "water_plate_too_small": dict(water, raw={70: "1", 71: plate("KX 04")}),
        "water_rating_too_small": dict(water, rating=True, plate="KX 04", passes="1",
                                       channels="",
                                       types=[("3", permitted_pos(lists, "KX 04", "HH"))]),
        "water_too_few_entries": dict(water, flow_w="", tout_k=""),
        "water_temperature_cross": dict(water, tin_k="70", tout_k="95"),
        "sea_water_titanium": dict(water, warm="Sea Water", tin_w="45", tout_w="30",
                                   flow_w="", duty="250", tin_k="15", tout_k="35",
                                   dp_w="50", dp_k="50", material="Titan"),
        "glycol50_water": dict(warm="Ethylene Glycol 50 %", cold="Water", duty="200",
                               tin_w="10", tout_w="4", tin_k="2", tout_k="6", dp_w="50",
                               dp_k="50"),
        "propylene30_water": dict(warm="Water", cold="Propylene Glycol 30 %", duty="120",
                                  tin_w="12", tout_w="7", tin_k="0", tout_k="5", dp_w="40",
                                  dp_k="40", raw={74: "0"}),
        "milk_water": dict(warm="Milk", cold="Water", duty="180", tin_w="72", tout_w="20",
                           tin_k="10", tout_k="40", dp_w="100", dp_k="100"),
        "oil_cooler_design": oil,
        "oil_cooler_rating": dict(oil, rating=True, plate="KX 14", passes="1", channels="",
                                  types=[("12", permitted_pos(lists, "KX 14", "HH"))]),
        "steam_subcooled": dict(warm="Steam", cold="Water", duty="300", tin_w="150",
                                tout_w="5", tin_k="60", tout_k="90", dp_w="30", dp_k="50",
                                stage="16"),
        "nitrogen_cooler": dict(warm="Nitrogen", cold="Water", tin_w="120", tout_w="40",
                                flow_w="0.3", gas_w="8", tin_k="20", tout_k="25",
                                dp_w="30", dp_k="50"),
        "co2_heater": dict(warm="Water", cold="Carbon Dioxide", tin_w="80", tout_w="70",
                           tin_k="10", tout_k="60", flow_k="0.2", gas_k="10", dp_w="50",
                           dp_k="25"),
        "user_medium_alpha": dict(
            own=dict(name="Heat Carrier X", values=[2.5, 3.0, 950.0, 3.6, 0.45, 4500.0],
                     units=[1, 1, 0, 0, 0, 0]),
            cold="Water", duty="220", tin_w="95", tout_w="65", tin_k="30", tout_k="55",
            dp_w="60", dp_k="60"),
        "rating_two_types_two_passes": dict(
            water, rating=True, plate="KX 14", passes="2", channels="", dp_w="80",
            dp_k="80", types=[("6", permitted_pos(lists, "KX 14", "HH")),
                              ("4", permitted_pos(lists, "KX 14", "HM"))]),
    }


DIST = None


def permitted_pos(lists, plate, name):
    """Position in the rating channel-type list (the permitted types) of the type `name`."""
    allowed = permitted(DIST, lists.value(1009, plate), lists.value(1003, "AISI 316"),
                        lists.value(1006, "10"))
    with open(os.path.join(DIST, "data", "spalttypen.json"), encoding="utf-8") as fh:
        names = [t["name"] for t in json.load(fh)["spalttypen"]]
    return allowed.index(names.index(name))


def calc(cli, dist, env, path):
    return subprocess.run([cli, "--appdir", dist, "calc", path, "--json"],
                          capture_output=True, env=env).stdout


def main():
    global DIST
    cli, dist, golden = (os.path.abspath(a) for a in sys.argv[1:4])
    DIST = dist
    env = dict(os.environ)
    env["XDG_CONFIG_HOME"] = tempfile.mkdtemp()  # never the user's stored settings
    env.pop("KALVORIA_WERKSMODUS", None)
    lists = Lists(cli, dist, env)
    out = os.path.join(golden, "cases")
    os.makedirs(out, exist_ok=True)
    for name, p in cases(lists).items():
        path = os.path.join(out, name + ".kal")
        with open(path, "wb") as fh:
            fh.write(project(lists, p))
        with open(path[:-4] + ".json", "wb") as fh:
            fh.write(calc(cli, dist, env, path))
    samples = os.path.join(golden, "examples")
    os.makedirs(samples, exist_ok=True)
    for name in sorted(os.listdir(os.path.join(dist, "examples"))):
        if name.endswith(".kal"):
            with open(os.path.join(samples, name[:-4] + ".json"), "wb") as fh:
                fh.write(calc(cli, dist, env, os.path.join(dist, "examples", name)))
    with open(os.path.join(golden, "water_water_design.txt"), "wb") as fh:
        fh.write(subprocess.run([cli, "calc", "examples/water_water_design.kal"],
                                capture_output=True, env=env, cwd=dist).stdout)


if __name__ == "__main__":
    main()
