#!/usr/bin/env python3
"""Writes the engineering data set (dist/data/*.json). Standard library only.

Sources (see dist/data/README.md): IAPWS-IF97 regions 1 and 4, IAPWS 1992
supplementary saturation equations (vapour density), IAPWS 2008 viscosity,
IAPWS 2011 conductivity, Clapeyron for the condensation enthalpy, Martin's
chevron-plate correlation (VDI Heat Atlas) for the channel tables.
"""
import json
import math
import os
import sys

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(__file__), "..", "..", "dist", "data")

# ------------------------------------------------------------ IAPWS-IF97
R_W = 0.461526  # kJ/(kg K)
I1 = [0,0,0,0,0,0,0,0,1,1,1,1,1,1,2,2,2,2,2,3,3,3,4,4,4,5,8,8,21,23,29,30,31,32]
J1 = [-2,-1,0,1,2,3,4,5,-9,-7,-1,0,1,3,-3,0,1,3,17,-4,0,6,-5,-2,10,-8,-11,-6,-29,-31,-38,-39,-40,-41]
N1 = [0.14632971213167,-0.84548187169114,-0.37563603672040e1,0.33855169168385e1,
      -0.95791963387872,0.15772038513228,-0.16616417199501e-1,0.81214629983568e-3,
      0.28319080123804e-3,-0.60706301565874e-3,-0.18990068218419e-1,-0.32529748770505e-1,
      -0.21841717175414e-1,-0.52838357969930e-4,-0.47184321073267e-3,-0.30001780793026e-3,
      0.47661393906987e-4,-0.44141845330846e-5,-0.72694996297594e-15,-0.31679644845054e-4,
      -0.28270797985312e-5,-0.85205128120103e-9,-0.22425281908000e-5,-0.65171222895601e-6,
      -0.14341729937924e-12,-0.40516996860117e-6,-0.12734301741641e-8,-0.17424871230634e-9,
      -0.68762131295531e-18,0.14478307828521e-19,0.26335781662795e-22,-0.11947622640071e-22,
      0.18228094581404e-23,-0.93537087292458e-25]


def region1(T, p):
    """T in K, p in MPa -> (rho kg/m3, cp kJ/(kg K), h kJ/kg)."""
    pi, tau = p / 16.53, 1386.0 / T
    gp = gt = gtt = 0.0
    for i, j, n in zip(I1, J1, N1):
        a, b = 7.1 - pi, tau - 1.222
        gp += -n * i * a ** (i - 1) * b ** j
        gt += n * a ** i * j * b ** (j - 1)
        gtt += n * a ** i * j * (j - 1) * b ** (j - 2)
    v = pi * gp * R_W * T / (p * 1000.0)
    return 1.0 / v, -tau * tau * gtt * R_W, tau * gt * R_W * T


N4 = [0.11670521452767e4,-0.72421316703206e6,-0.17073846940092e2,0.12020824702470e5,
      -0.32325550322333e7,0.14915108613530e2,-0.48232657361591e4,0.40511340542057e6,
      -0.23855557567849,0.65017534844798e3]


def psat(T):
    """Saturation pressure, MPa (region 4)."""
    n = N4
    th = T + n[8] / (T - n[9])
    A = th * th + n[0] * th + n[1]
    B = n[2] * th * th + n[3] * th + n[4]
    C = n[5] * th * th + n[6] * th + n[7]
    return (2 * C / (-B + math.sqrt(B * B - 4 * A * C))) ** 4


TC, RHOC = 647.096, 322.0


def rho_vap_sat(T):
    """Saturated vapour density (IAPWS 1992 supplementary release)."""
    t = 1 - T / TC
    c = [-2.03150240, -2.68302940, -5.38626492, -17.2991605, -44.7586581, -63.9201063]
    e = [2/6, 4/6, 8/6, 18/6, 37/6, 71/6]
    return RHOC * math.exp(sum(ci * t ** ei for ci, ei in zip(c, e)))


def visc(T, rho):
    """IAPWS 2008 viscosity without critical enhancement, Pa s."""
    Tb, rb = T / TC, rho / RHOC
    H0 = [1.67752, 2.20462, 0.6366564, -0.241605]
    mu0 = 100 * math.sqrt(Tb) / sum(h / Tb ** i for i, h in enumerate(H0))
    H = {(0,0):5.20094e-1,(1,0):8.50895e-2,(2,0):-1.08374,(3,0):-2.89555e-1,
         (0,1):2.22531e-1,(1,1):9.99115e-1,(2,1):1.88797,(3,1):1.26613,(5,1):1.20573e-1,
         (0,2):-2.81378e-1,(1,2):-9.06851e-1,(2,2):-7.72479e-1,(3,2):-4.89837e-1,(4,2):-2.57040e-1,
         (0,3):1.61913e-1,(1,3):2.57399e-1,(0,4):-3.25372e-2,(3,4):6.98452e-2,
         (4,5):8.72102e-3,(3,6):-4.35673e-3,(5,6):-5.93264e-4}
    s = sum(h * (1 / Tb - 1) ** i * (rb - 1) ** j for (i, j), h in H.items())
    return mu0 * math.exp(rb * s) * 1e-6


def cond(T, rho):
    """IAPWS 2011 thermal conductivity without critical enhancement, W/(m K)."""
    Tb, rb = T / TC, rho / RHOC
    L0 = [2.443221e-3, 1.323095e-2, 6.770357e-3, -3.454586e-3, 4.096266e-4]
    l0 = math.sqrt(Tb) / sum(l / Tb ** k for k, l in enumerate(L0))
    L = [[1.60397357, -0.646013523, 0.111443906, 0.102997357, -0.0504123634, 0.00609859258],
         [2.33771842, -2.78843778, 1.53616167, -0.463045512, 0.0832827019, -0.00719201245],
         [2.19650529, -4.54580785, 3.55777244, -1.40944978, 0.275418278, -0.0205938816],
         [-1.21051378, 1.60812989, -0.621178141, 0.0716373224, 0.0, 0.0],
         [-2.7203370, 4.57586331, -3.18369245, 1.1168348, -0.19268305, 0.012913842]]
    s = sum(L[i][j] * (1 / Tb - 1) ** i * (rb - 1) ** j for i in range(5) for j in range(6))
    return l0 * math.exp(rb * s) * 1e-3


def water_liquid(tc):
    T = tc + 273.15
    p = max(0.101325, psat(T) + 0.05)  # compressed liquid just above saturation
    rho, cp, _ = region1(T, p)
    return rho, cp, visc(T, rho) * 1e3, cond(T, rho)


def steam_sat(tc):
    """Saturated vapour: (rho'', cp'' approx, mu mPa s, lambda, p bar, r kJ/kg)."""
    T = tc + 273.15
    ps = psat(T)
    rl, _, _ = region1(T, ps * 1.0000001)
    rv = rho_vap_sat(T)
    dT = 0.01
    dpdT = (psat(T + dT) - psat(T - dT)) / (2 * dT) * 1000.0  # kPa/K
    r = T * (1 / rv - 1 / rl) * dpdT  # Clapeyron, kJ/kg
    # cp of saturated vapour: linear fit through IF97 region 2 values
    # (2.08 at 100 degC, 3.0 at 180 degC, steam tables), only used for the vapour side
    cpv = 2.08 + (tc - 100.0) * 0.0115
    return rv, cpv, visc(T, rv) * 1e3, cond(T, rv), ps * 10.0, r


def grid(t0, t1, step):
    n = int(round((t1 - t0) / step))
    return [round(t0 + k * step, 6) for k in range(n + 1)]


def r6(x):
    return float("%.6g" % x)


def fluid(oid, name, temps, fn, **flags):
    rec = {"id": oid, "name": name, "gas": False, "kondensation": False,
           "warmZulaessig": True, "kaltZulaessig": True, "nurTitan": False,
           "tMin": temps[0], "tMax": temps[-1], "bezugsdruck": 1.01325,
           "codeKondensat": -1, "temperatur": temps,
           "dichte": [], "waermekapazitaet": [], "viskositaet": [], "waermeleitfaehigkeit": []}
    rec.update(flags)
    cond_ = rec["kondensation"]
    if cond_:
        rec["kondensationsenthalpie"] = []
        rec["dampfdruck"] = []
    for t in temps:
        v = fn(t)
        rec["dichte"].append(r6(v[0]))
        rec["waermekapazitaet"].append(r6(v[1]))
        rec["viskositaet"].append(r6(v[2]))
        rec["waermeleitfaehigkeit"].append(r6(v[3]))
        if cond_:
            rec["dampfdruck"].append(r6(v[4]))
            rec["kondensationsenthalpie"].append(r6(v[5]))
    return rec


def vogel(t, pts):
    """ln(mu) = A + B/(T+C) through three (degC, mPa s) points, C solved by bisection."""
    (t1, m1), (t2, m2), (t3, m3) = pts
    def ab(C):
        B = (math.log(m1) - math.log(m2)) / (1 / (t1 + C) - 1 / (t2 + C))
        return math.log(m1) - B / (t1 + C), B
    def res(C):
        A, B = ab(C)
        return A + B / (t3 + C) - math.log(m3)
    lo, hi = 100.0, 600.0
    for _ in range(200):
        mid = 0.5 * (lo + hi)
        if res(lo) * res(mid) <= 0:
            hi = mid
        else:
            lo = mid
    A, B = ab(lo)
    return math.exp(A + B / (t + lo))


def gas(M, cp0, cp1, mu_ref, S, lam_ref, Sl):
    """Ideal gas at 1.01325 bar: density pM/(RT); Sutherland laws for mu and lambda."""
    def f(t):
        T = t + 273.15
        rho = 101325.0 * M / (8.314462618 * T)
        mu = mu_ref * (T / 273.15) ** 1.5 * (273.15 + S) / (T + S)
        lam = lam_ref * (T / 273.15) ** 1.5 * (273.15 + Sl) / (T + Sl)
        return rho, cp0 + cp1 * t, mu, lam
    return f


def fluids():
    out = []
    out.append(fluid(1, "Water", grid(1, 200, 1), water_liquid))
    # Sea water 35 g/kg: ratios to pure water from Sharqawy, Lienhard, Zubair,
    # Desalination and Water Treatment 16 (2010), at 20..80 degC.
    sw = lambda t: (lambda w: (w[0] * 1.0265, w[1] * 0.958, w[2] * 1.085, w[3] * 0.99))(water_liquid(t))
    out.append(fluid(2, "Sea Water", grid(1, 100, 1), sw, nurTitan=True))
    # Glycol/water: density, cp and conductivity linear in T through the
    # tabulated values of the ASHRAE Handbook Fundamentals (ch. 31); viscosity
    # Vogel fit through three tabulated points.
    def glycol(r20, dr, c20, dc, l20, dl, mus):
        return lambda t: (r20 + dr * (t - 20), c20 + dc * (t - 20), vogel(t, mus), l20 + dl * (t - 20))
    out.append(fluid(3, "Ethylene Glycol 30 %", grid(-15, 100, 1),
                     glycol(1043.0, -0.42, 3.67, 0.0030, 0.467, 0.0009, [(-10, 5.6), (20, 2.2), (80, 0.68)])))
    out.append(fluid(4, "Ethylene Glycol 50 %", grid(-30, 100, 1),
                     glycol(1072.0, -0.50, 3.28, 0.0037, 0.400, 0.0006, [(-20, 17.0), (20, 3.9), (80, 1.05)])))
    out.append(fluid(5, "Propylene Glycol 30 %", grid(-10, 100, 1),
                     glycol(1027.0, -0.45, 3.85, 0.0030, 0.445, 0.0009, [(-10, 10.5), (20, 3.0), (80, 0.75)])))
    out.append(fluid(6, "Propylene Glycol 50 %", grid(-30, 100, 1),
                     glycol(1041.0, -0.55, 3.55, 0.0035, 0.370, 0.0006, [(-20, 62.0), (20, 6.3), (80, 1.25)])))
    # Mineral thermal oil (ISO VG 32 type), typical supplier data sheet values.
    out.append(fluid(7, "Thermal Oil", grid(0, 300, 2),
                     lambda t: (880.0 - 0.66 * t, 1.83 + 0.0037 * t,
                                vogel(t, [(40, 27.0), (100, 4.9), (200, 1.1)]), 0.135 - 0.00007 * t)))
    # Whole milk (3.5 % fat): Fellows, Food Processing Technology; viscosity Vogel fit.
    out.append(fluid(8, "Milk", grid(2, 140, 1),
                     lambda t: (1035.0 - 0.25 * t - 0.0022 * t * t, 3.90 + 0.0010 * t,
                                vogel(t, [(5, 3.2), (20, 2.0), (80, 0.65)]), 0.53 + 0.0012 * t)))
    out.append(fluid(9, "Steam", grid(60, 200, 1), steam_sat, gas=True, kondensation=True,
                     kaltZulaessig=False, codeKondensat=0))
    # Gases: molar mass kg/mol, cp kJ/(kg K) linear, Sutherland constants (White, Viscous Fluid Flow).
    out.append(fluid(10, "Dry Air", grid(-40, 400, 2),
                     gas(0.0289647, 1.004, 0.00003, 1.716e-2, 110.4, 0.0241, 194.0), gas=True))
    out.append(fluid(11, "Nitrogen", grid(-40, 400, 2),
                     gas(0.0280134, 1.039, 0.00002, 1.663e-2, 107.0, 0.0242, 150.0), gas=True))
    out.append(fluid(12, "Carbon Dioxide", grid(-20, 400, 2),
                     gas(0.0440095, 0.82, 0.00085, 1.370e-2, 222.0, 0.0146, 1800.0), gas=True))
    return out


# ------------------------------------------------------------ units
def units():
    g = []
    def grp(idx, name, items, si, us):
        units = []
        for k, (n, f, o) in enumerate(items):
            units.append({"id": (idx + 1) * 100 + k, "name": n, "faktor": f, "offset": o})
        g.append({"id": idx + 1, "name": name, "einheiten": units,
                  "anzeigeSI": (idx + 1) * 100 + si, "anzeigeUS": (idx + 1) * 100 + us})
    gal = 3.785411784e-3
    lb = 0.45359237
    grp(0, "Volumenstrom", [("m³/s", 1, 0), ("m³/h", 1 / 3600, 0), ("l/s", 1e-3, 0),
                            ("l/min", 1e-3 / 60, 0), ("US gpm", gal / 60, 0)], 1, 4)
    grp(1, "Temperatur", [("K", 1, 0), ("°C", 1, 273.15), ("°F", 5 / 9, 273.15 - 32 * 5 / 9)], 1, 2)
    grp(2, "Druck", [("Pa", 1, 0), ("kPa", 1e3, 0), ("mbar", 100, 0), ("MPa", 1e6, 0),
                     ("bar", 1e5, 0), ("psi", 6894.757293168, 0)], 1, 5)
    grp(3, "Leistung", [("W", 1, 0), ("kW", 1e3, 0), ("MW", 1e6, 0), ("BTU/h", 0.29307107017, 0)], 1, 3)
    grp(4, "Fläche", [("m²", 1, 0), ("ft²", 0.09290304, 0)], 0, 1)
    grp(5, "Wärmedurchgang", [("W/(m²·K)", 1, 0), ("BTU/(h·ft²·°F)", 5.678263341, 0)], 0, 1)
    grp(6, "Gewicht", [("kg", 1, 0), ("lb", lb, 0), ("t", 1000, 0)], 0, 1)
    grp(7, "Volumen", [("m³", 1, 0), ("dm³", 1e-3, 0), ("l", 1e-3, 0), ("US gal", gal, 0)], 2, 3)
    grp(8, "Länge", [("m", 1, 0), ("mm", 1e-3, 0), ("in", 0.0254, 0), ("ft", 0.3048, 0)], 1, 2)
    grp(9, "Viskosität", [("Pa·s", 1, 0), ("mPa·s", 1e-3, 0), ("cP", 1e-3, 0)], 1, 2)
    grp(10, "Dichte", [("kg/m³", 1, 0), ("lb/ft³", 16.01846337, 0)], 0, 1)
    grp(11, "Wärmekapazität", [("kJ/(kg·K)", 1, 0), ("BTU/(lb·°F)", 4.1868, 0)], 0, 1)
    grp(12, "Wärmeleitfähigkeit", [("W/(m·K)", 1, 0), ("BTU/(h·ft·°F)", 1.730734666, 0)], 0, 1)
    grp(13, "Massenstrom", [("kg/s", 1, 0), ("kg/h", 1 / 3600, 0), ("t/h", 1 / 3.6, 0),
                            ("lb/h", lb / 3600, 0)], 1, 3)
    grp(14, "Verschmutzung", [("m²·K/W", 1, 0), ("h·ft²·°F/BTU", 1 / 5.678263341, 0)], 0, 1)
    grp(15, "Geschwindigkeit", [("m/s", 1, 0), ("ft/s", 0.3048, 0)], 0, 1)
    grp(16, "Kondensationsenthalpie", [("kJ/kg", 1, 0), ("BTU/lb", 2.326, 0)], 0, 1)
    return g


# ------------------------------------------------------------ channel types
# Plate patterns and their corrugation angle to the flow direction (Martin's phi).
MUSTER = [("H", 65), ("M", 45), ("L", 25)]
WINKEL = [25, 35, 45, 55, 65]
TREVAN_OFFSET = 1  # trevan plate types use the angles 26..66 with their own table layout


def martin_xi(re, phi):
    """Martin (VDI Heat Atlas 2010, chapter B6): Darcy friction factor of a
    chevron channel, phi measured from the main flow direction."""
    if re < 2000:
        x0, x1 = 64 / re, 597 / re + 3.85
    else:
        x0, x1 = (1.8 * math.log(re) - 1.5) ** -2, 39 / re ** 0.289
    c = math.cos(phi)
    s = c / math.sqrt(0.18 * math.tan(phi) + 0.36 * math.sin(phi) + x0 / c) + (1 - c) / math.sqrt(3.8 * x1)
    return 1 / (s * s)


def martin_nu(re, phi):
    """Nu / Pr^(1/3) (viscosity ratio omitted): 0.122 (xi Re^2 sin 2phi)^0.374."""
    return 0.122 * (martin_xi(re, phi) * re * re * math.sin(2 * phi)) ** 0.374


def fit(f, lo, hi):
    """Least-squares power law c Re^m of f over [lo, hi], log-spaced points."""
    xs, ys = [], []
    for k in range(41):
        re = lo * (hi / lo) ** (k / 40)
        xs.append(math.log(re))
        ys.append(math.log(f(re)))
    n = len(xs)
    mx, my = sum(xs) / n, sum(ys) / n
    m = sum((x - mx) * (y - my) for x, y in zip(xs, ys)) / sum((x - mx) ** 2 for x in xs)
    return math.exp(my - m * mx), m


GRENZEN = [2000.0, 500.0, 100.0, 20.0]
BEREICHE = [(2000, 20000), (500, 2000), (100, 500), (20, 100), (1, 20)]


def tabelle(ww):
    phi = math.radians(ww)
    af, ae, df, de = [], [], [], []
    for lo, hi in BEREICHE:
        c, m = fit(lambda re: martin_nu(re, phi), lo, hi)
        af.append(r6(c)); ae.append(r6(m))
        c, m = fit(lambda re: martin_xi(re, phi), lo, hi)
        df.append(r6(c)); de.append(r6(m))
    return {"wellenwinkel": ww,
            "alphaReGrenze": GRENZEN + [0.0, 0.0], "alphaFaktor": af + [1.0],
            "alphaExp": ae + [r6(1 / 3)],
            "druckReGrenze": GRENZEN + [0.0, 0.0], "druckFaktor": df + [0.0],
            "druckExp": de + [0.0]}


def tabelle_trevan(ww):
    """Layout for trevan plate types: alpha ranges 0..2 only (bound 2 is 0),
    index 3/4 of the factor table are the extra factors (water-like, other),
    index 5 of the bound table the viscosity-ratio exponent 1/6 (Martin);
    friction range 0 water-like (one law 400..20000), 1/2 above/below Re 500,
    druckReGrenze[4] viscosity-ratio exponent 0 (Martin's friction has no wall
    term, and callers without a wall viscosity pass 0), factor 3/4 extra factors."""
    phi = math.radians(ww - TREVAN_OFFSET)
    nu = lambda re: martin_nu(re, phi)
    xi = lambda re: martin_xi(re, phi)
    a0, a1, a2 = fit(nu, 2000, 20000), fit(nu, 200, 2000), fit(nu, 1, 200)
    d0, d1, d2 = fit(xi, 400, 20000), fit(xi, 500, 20000), fit(xi, 1, 500)
    return {"wellenwinkel": ww,
            "alphaReGrenze": [2000.0, 200.0, 0.0, 0.0, 0.0, r6(1 / 6)],
            "alphaFaktor": [r6(a0[0]), r6(a1[0]), r6(a2[0]), 1.0, 0.97, 1.0],
            "alphaExp": [r6(a0[1]), r6(a1[1]), r6(a2[1]), 0.0, 0.0, r6(1 / 3)],
            "druckReGrenze": [0.0, 500.0, 0.0, 0.0, 0.0, 0.0],
            "druckFaktor": [r6(d0[0]), r6(d1[0]), r6(d2[0]), 1.0, 1.0, 0.0],
            "druckExp": [r6(d0[1]), r6(d1[1]), r6(d2[1]), 0.0, 0.0, 0.0]}


# List order of the nine channel types (first plate, second plate). The
# engine reads roles from positions: the quick screening tries position 1 alone
# as a bound, so it holds the thermally strongest type (HH); the lower bound of
# the channel count takes position 8's pressure drop, so it holds the one with
# the least friction (LL); the pairs at positions (1, 6), (3, 7), (4, 8) are
# never mixed, so each is a pair whose mixing adds nothing: HH/MH and ML/LL
# behave on the warm side like HH/HM and LM/LL, which are mixed, and HL/LH are
# one channel seen from either plate. The rest falls by angle (55, 45, 35).
REIHENFOLGE = ["HM", "HH", "MM", "HL", "ML", "LM", "MH", "LH", "LL"]
NIE_GEMISCHT = [(1, 6), (3, 7), (4, 8)]
SICHERHEIT_SPALTTYPEN = ("HH", "MM", "LL")  # symmetric channels of double-wall plates


def typ_platten(i):
    """Pattern indices (first, second plate) of the channel type at list position i."""
    name = REIHENFOLGE[i]
    return tuple(next(k for k, (m, _) in enumerate(MUSTER) if m == c) for c in name)


def typ_winkel(i):
    a, b = typ_platten(i)
    return (MUSTER[a][1] + MUSTER[b][1]) // 2


def position(a, b):
    return REIHENFOLGE.index(MUSTER[a][0] + MUSTER[b][0])


def spalttypen():
    out = []
    verboten = set(NIE_GEMISCHT) | {(b, a) for a, b in NIE_GEMISCHT}
    for i in range(9):
        a, b = typ_platten(i)
        # between a channel `o` and one of this type lies the channel formed by
        # the second plate of `o` and the first plate of this type
        zweite = [position(typ_platten(o)[1], a) for o in range(9)]
        # mixing with a partner of the same channel angle gives nothing new
        # 0 tells the search to stop mixing a pair once the warm side alone misses the duty
        wm = [0 if (typ_winkel(o) == typ_winkel(i) or (i, o) in verboten) else 1 for o in range(9)]
        tabs = [tabelle(w) for w in WINKEL] + [tabelle_trevan(w + TREVAN_OFFSET) for w in WINKEL]
        # the id stays with the type whatever its list position
        out.append({"id": 3 * a + b + 1, "name": REIHENFOLGE[i],
                    "zweiteSeite": zweite, "weitermischenNichtOk": wm, "tabellen": tabs})
    return out


# ------------------------------------------------------------ materials
PLATTENMAT = [(1, "AISI 316", "316", 16.3, 8000.0), (2, "AISI 304", "304", 16.2, 7930.0),
              (3, "SMO 254", "254", 13.4, 8000.0), (4, "Titan", "TI", 21.9, 4510.0)]
DRUCK = [(1, 6), (2, 10), (3, 16), (4, 25)]
DICHTUNGEN = [(1, "NBR", "NBR", 110.0), (2, "EPDM", "EPDM", 150.0),
              (3, "EPDM HT", "EPDMHT", 180.0), (4, "Viton S", "FKM", 180.0)]
GESTELL = [(1, "C-Steel"), (2, "Stainless AISI 304")]

# id, name, plate area m2, gap mm, port mm, length port-port m, max channels, max stage id,
# safety, trevan
TYPEN = [
    (1, "KX 04", 0.04, 2.0, 32, 0.30, 40, 4, False, False),
    (2, "KX 08", 0.08, 2.2, 50, 0.45, 60, 4, False, False),
    (3, "KX 14", 0.14, 2.5, 65, 0.60, 100, 4, False, False),
    (4, "KX 20", 0.20, 2.5, 80, 0.70, 125, 4, False, False),
    (5, "KX 32", 0.32, 3.0, 100, 0.90, 175, 3, False, False),
    (6, "KX 50", 0.50, 3.0, 150, 1.05, 250, 3, False, False),
    (7, "KX 75", 0.75, 3.5, 200, 1.40, 300, 3, False, False),
    (8, "KX 100", 1.00, 3.5, 250, 1.60, 350, 2, False, False),
    (9, "KXDW 08", 0.08, 2.2, 50, 0.45, 50, 3, True, False),
    (10, "KXDW 20", 0.20, 2.5, 80, 0.70, 100, 3, True, False),
    (11, "KXT 32", 0.32, 3.0, 100, 0.90, 175, 3, False, True),
]
ENLARGEMENT = 1.17  # developed / projected area of a chevron plate (Martin)


def dicke(area, stufe):
    base = 0.0005 if area <= 0.2 else 0.0006
    return round(base + 0.0001 * max(0, stufe - 2), 6)


def plattentypA():
    out = []
    for i, (oid, name, A, b, port, L, maxs, maxst, sich, trev) in enumerate(TYPEN):
        b *= 1e-3
        W = A / (ENLARGEMENT * L)
        quer = b * W
        inhalt = quer * L * 1000.0
        ww = [typ_winkel(t) + (TREVAN_OFFSET if trev else 0) for t in range(9)]
        platten = []
        for mid, mname, _, _, rho in PLATTENMAT:
            for sid, bar in DRUCK:
                if sid > maxst:
                    continue
                s = dicke(A, sid)
                # pressed plate sheet = 1.35 x developed area (ports, gasket groove, border)
                gew = round(A * 1.35 * s * rho, 3)
                zul = [1] * 9
                if sich:
                    zul = [1 if REIHENFOLGE[t] in SICHERHEIT_SPALTTYPEN else 0 for t in range(9)]
                platten.append({"material": mid, "druckstufe": sid, "dicke": s, "gewicht": gew,
                                "spalttypZulaessig": zul})
        out.append({"id": oid, "name": name, "reihenfolge": i, "maxSpalte": maxs,
                    "sicherheitsplatte": sich, "wellenwinkel": ww,
                    "flaeche": [r6(2 * A)] * 9, "querSpalt": [r6(quer)] * 9,
                    "inhalt": [r6(inhalt)] * 9, "dhSpalt": r6(2 * b), "dhKanal": port / 1000.0,
                    "querKanal": r6(math.pi / 4 * (port / 1000.0) ** 2), "laengeSpalt": L,
                    "trevanberechnung": trev, "alfaOptimierung": not sich and not trev,
                    "entleerungEntlueftung": A >= 0.32, "endplatte": 1 if A >= 0.5 else 0,
                    "platten": platten})
    return out


MAT_PREIS = {1: 1.0, 2: 0.85, 3: 2.4, 4: 3.2}  # price ratios to AISI 316 (alloy surcharge level)


def laengen():
    out, lid = [], 1
    for oid, name, A, b, port, L, maxs, *_ in TYPEN:
        for k, frac in enumerate((0.33, 0.66, 1.0)):
            out.append({"id": lid, "name": "%s L%d" % (name, k + 1), "plattentyp": oid,
                        "maxPlatten": int(round((2 * maxs + 1) * frac))})
            lid += 1
    return out


def preise(kunde):
    out = []
    ls = laengen()
    for oid, name, A, b, port, L, maxs, maxst, sich, trev in TYPEN:
        plate = []
        faktor_s = 1.8 if sich else 1.0
        for mid, *_ in PLATTENMAT:
            for sid, bar in DRUCK:
                if sid > maxst:
                    continue
                # EUR: 25 + 260 EUR/m2 for 0.5 mm AISI 316, thicker plates by weight
                p = (25 + 260 * A) * MAT_PREIS[mid] * faktor_s * (1 + 0.15 * (sid - 1))
                if kunde:
                    p *= 0.88
                plate.append({"material": mid, "druckstufe": sid, "preis": round(p, 2)})
        dicht = [{"dichtung": d, "preis": round((6 + 40 * A) * f * (0.88 if kunde else 1), 2)}
                 for d, f in ((1, 1.0), (2, 1.1), (3, 1.4), (4, 3.0))]
        gest = []
        for gid, _ in GESTELL:
            for sid, bar in DRUCK:
                if sid > maxst:
                    continue
                for var in (0, 1):
                    H = round(1000 * (L + 2 * port / 1000 + 0.35), 0)
                    B = round(1000 * (A / (ENLARGEMENT * L) + 0.25), 0)
                    base = (900 + 5200 * A) * (1 + 0.2 * (sid - 1)) * (1.9 if gid == 2 else 1) * (1.1 if var else 1)
                    gewicht = (60 + 900 * A) * (1 + 0.25 * (sid - 1))
                    zus = [l for l in ls if l["plattentyp"] == oid]
                    d = {"gestell": gid, "druckstufe": sid, "variante": var,
                         "grundpreis": round(base * (0.88 if kunde else 1), 2),
                         "wegeAufschlag": round(0.12 * base, 2), "grundgewicht": round(gewicht, 1),
                         "lieferzeit": 4 + (2 if gid == 2 else 0) + (1 if var else 0),
                         "hoehe": H, "breite": B,
                         "stutzenabstandHorizontal": round(B - 2 * port - 100, 0),
                         "stutzenabstandVertikal": round(1000 * L, 0),
                         "zuschlaege": []}
                    for k, l in enumerate(zus):
                        pitch = (2 * b + 2 * dicke(A, sid) * 1000) / 1000.0  # m per plate pair
                        laenge = l["maxPlatten"] * pitch / 2 * 1000 + 400
                        d["zuschlaege"].append({"laengenzuschlag": l["id"],
                                                "preis": round(base * 0.18 * k, 2),
                                                "gewicht": round(gewicht * 0.15 * k, 1),
                                                "lieferzeit": k, "laengeTotal": round(laenge, 0)})
                    gest.append(d)
        rec = {"id": oid, "plattenPreis": plate, "dichtungPreis": dicht, "gestelle": gest}
        if not kunde:
            rec.update({"zulaessig": True,
                        "dichtungen": [1, 2, 3, 4] if not trev else [2, 3, 4],
                        "plattenLieferzeit": [{"material": x["material"], "druckstufe": x["druckstufe"],
                                               "lieferzeit": 3 + (3 if x["material"] in (3, 4) else 0)} for x in plate],
                        "dichtungLieferzeit": [{"dichtung": d, "lieferzeit": w} for d, w in ((1, 2), (2, 2), (3, 3), (4, 5))],
                        "zubehoer": [{"laengenzuschlag": l["id"],
                                      "waermeisolierungPreis": round(400 + 1500 * A * (k + 1), 2),
                                      "spritzschutzPreis": round(150 + 600 * A * (k + 1), 2),
                                      "waermeisolierungLieferzeit": 3, "spritzschutzLieferzeit": 2}
                                     for k, l in enumerate(x for x in ls if x["plattentyp"] == oid)],
                        "sonderlackierungPreis": round(250 + 400 * A, 2), "sonderlackierungLieferzeit": 2})
        out.append(rec)
    return out


DN = {32: "DN 32", 50: "DN 50", 65: "DN 65", 80: "DN 80", 100: "DN 100", 150: "DN 150",
      200: "DN 200", 250: "DN 250"}
ANSI = {32: "1 1/4\"", 50: "2\"", 65: "2 1/2\"", 80: "3\"", 100: "4\"", 150: "6\"", 200: "8\"", 250: "10\""}


def anschluesse():
    out, aid = [], 1
    for port in sorted(DN):
        typen = [t[0] for t in TYPEN if t[4] == port]
        quer = round(math.pi / 4 * (port / 1000.0) ** 2, 6)
        for din in (True, False):
            nom = DN[port] if din else ANSI[port]
            arten = [("bohrbild", "aisi 316", "stud bolts"), ("flansch am rohr", "aisi 316", "welding neck"),
                     ("flansch am rohr", "titan", "welding neck"),
                     ("flansch am rohrbogen", "aisi 316", "90 deg bend"),
                     ("auskleidung", "aisi 316", "lined port"), ("auskleidung", "titan", "lined port"),
                     ("gummiformteil", "epdm", "moulded lining"), ("gummiformteil", "nbr", "moulded lining"),
                     ("gummiformteil", "viton s", "moulded lining"),
                     ("flansch am rohr", "polypropylen", "pp flange")]
            if port <= 50:
                arten += [("außengewinde", "aisi 316", "thread"), ("innengewinde", "aisi 316", "thread")]
            for art, mat, bem in arten:
                # free section: the port less the lining wall (3 mm) for linings and mouldings
                inner = port - (6 if art in ("auskleidung", "gummiformteil") else 0)
                q = round(math.pi / 4 * (inner / 1000.0) ** 2, 6) if inner != port else quer
                preis = (40 + 2.2 * port) * (3.0 if mat == "titan" else 1.0) * (0.6 if mat == "polypropylen" else 1.0)
                out.append({"id": aid, "art": art, "material": mat, "bemerkung": bem,
                            # titanium-lined ANSI ports are no longer supplied
                            "nomDurchmesser": nom,
                            "zulaessig": not (art == "auskleidung" and mat == "titan" and not din),
                            "din": din,
                            "einweg": True, "mehrweg": art != "außengewinde",
                            "druckstufen": [1, 2] if mat == "polypropylen" else [1, 2, 3, 4],
                            "plattentypen": typen, "freierQuerschnitt": q,
                            "lieferzeit": 6 if mat == "titan" else 2, "preis": round(preis, 2)})
                aid += 1
    return out


def schreibe(name, obj):
    with open(os.path.join(OUT, name), "w", encoding="utf-8") as f:
        json.dump(obj, f, ensure_ascii=False, indent=1)
        f.write("\n")


def main():
    os.makedirs(OUT, exist_ok=True)
    schreibe("einheiten.json", {"einheitengruppen": units()})
    schreibe("stoffe.json", {"stoffe": fluids()})
    schreibe("spalttypen.json", {"spalttypen": spalttypen()})
    schreibe("plattenmaterial.json", {"plattenmaterial": [
        {"id": m, "name": n, "code": c, "zulaessig": True, "lambda": l} for m, n, c, l, _ in PLATTENMAT]})
    schreibe("dichtungen.json", {"dichtungen": [
        {"id": d, "name": n, "code": c, "maxTemp": t, "aktiv": True} for d, n, c, t in DICHTUNGEN]})
    schreibe("gestellmaterial.json", {"gestellmaterial": [{"id": g, "name": n} for g, n in GESTELL]})
    schreibe("druckstufen.json", {"druckstufen": [{"id": s, "druck": b} for s, b in DRUCK]})
    schreibe("plattentypen.json", {"plattentypen": plattentypA()})
    schreibe("plattentyppreise.json", {"plattentyppreise": preise(False)})
    schreibe("kundenpreise.json", {"kundenpreise": preise(True)})
    schreibe("anschluesse.json", {"anschluesse": anschluesse()})
    schreibe("laengenzuschlaege.json", {"laengenzuschlaege": laengen()})
    # velocities: channels 0.1..3 m/s liquid (fouling / erosion), gas 1..40 m/s;
    # port entry 6 m/s liquid, 60 m/s gas; air gap of double-wall plates 2 um
    # equivalent (the two sheets touch: about a third less k than one sheet)
    schreibe("global.json", {"global": {"maxSpalt": 3.0, "minSpalt": 0.1, "maxSpaltGas": 40.0,
                                        "minSpaltGas": 1.0, "maxEintritt": 6.0,
                                        "maxEintrittGas": 60.0, "luftspalt": 0.000002}})


if __name__ == "__main__":
    main()
