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


# IF97 region 2 (IAPWS R7-97(2012), tables 10 and 11): the vapour's cp
J0_2 = [0, 1, -5, -4, -3, -2, -1, 2, 3]
N0_2 = [-0.96927686500217e1, 0.10086655968018e2, -0.56087911283020e-2, 0.71452738081455e-1,
        -0.40710498223928, 0.14240819171444e1, -0.43839511319450e1, -0.28408632460772,
        0.21268463753307e-1]
I2 = [1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 5, 6, 6, 6, 7, 7, 7, 8, 8, 9, 10, 10,
      10, 16, 16, 18, 20, 20, 20, 21, 22, 23, 24, 24, 24]
J2 = [0, 1, 2, 3, 6, 1, 2, 4, 7, 36, 0, 1, 3, 6, 35, 1, 2, 3, 7, 3, 16, 35, 0, 11, 25, 8, 36, 13, 4,
      10, 14, 29, 50, 57, 20, 35, 48, 21, 53, 39, 26, 40, 58]
N2_ = [-0.17731742473213e-2, -0.17834862292358e-1, -0.45996013696365e-1, -0.57581259083432e-1,
       -0.50325278727930e-1, -0.33032641670203e-4, -0.18948987516315e-3, -0.39392777243355e-2,
       -0.43797295650573e-1, -0.26674547914087e-4, 0.20481737692309e-7, 0.43870667284435e-6,
       -0.32277677238570e-4, -0.15033924542148e-2, -0.40668253562649e-1, -0.78847309559367e-9,
       0.12790717852285e-7, 0.48225372718507e-6, 0.22922076337661e-5, -0.16714766451061e-10,
       -0.21171472321355e-2, -0.23895741934104e2, -0.59059564324270e-17, -0.12621808899101e-5,
       -0.38946842435739e-1, 0.11256211360459e-10, -0.82311340897998e1, 0.19809712802088e-7,
       0.10406965210174e-18, -0.10234747095929e-12, -0.10018179379511e-8, -0.80882908646985e-10,
       0.10693031879409, -0.33662250574171, 0.89185845355421e-24, 0.30629316876232e-12,
       -0.42002467698208e-5, -0.59056029685639e-25, 0.37826947613457e-5, -0.12768608934681e-14,
       0.73087610595061e-28, 0.55414715350778e-16, -0.94369707241210e-6]


def region2_cp(T, p):
    """cp of steam, kJ/(kg K); T in K, p in MPa."""
    tau = 540.0 / T
    g0tt = sum(n * j * (j - 1) * tau ** (j - 2) for n, j in zip(N0_2, J0_2))
    grtt = sum(n * p ** i * j * (j - 1) * (tau - 0.5) ** (j - 2) for n, i, j in zip(N2_, I2, J2))
    return -tau * tau * (g0tt + grtt) * R_W


def steam_sat(tc):
    """Saturated vapour: (rho'', cp'', mu mPa s, lambda, p bar, r kJ/kg)."""
    T = tc + 273.15
    ps = psat(T)
    rl, _, _ = region1(T, ps * 1.0000001)
    rv = rho_vap_sat(T)
    dT = 0.01
    dpdT = (psat(T + dT) - psat(T - dT)) / (2 * dT) * 1000.0  # kPa/K
    r = T * (1 / rv - 1 / rl) * dpdT  # Clapeyron, kJ/kg
    return rv, region2_cp(T, ps), visc(T, rv) * 1e3, cond(T, rv), ps * 10.0, r


def grid(t0, t1, step):
    n = int(round((t1 - t0) / step))
    return [round(t0 + k * step, 6) for k in range(n + 1)]


def r6(x):
    return float("%.6g" % x)


QUELLEN = ("dichte", "waermekapazitaet", "viskositaet", "waermeleitfaehigkeit")


def fluid(oid, name, temps, fn, basis, quellen, **flags):
    """`quellen`: the source of each property (QUELLEN, and for a condensing
    fluid also dampfdruck and kondensationsenthalpie); `basis`: what the
    values describe (composition, concentration basis, state)."""
    rec = {"id": oid, "name": name, "gas": False, "kondensation": False,
           "warmZulaessig": True, "kaltZulaessig": True, "nurTitan": False,
           "tMin": temps[0], "tMax": temps[-1], "bezugsdruck": 1.01325,
           "codeKondensat": -1, "basis": basis, "quellen": quellen, "temperatur": temps,
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


# ------------------------------------------------------------ least squares
def loese(a, b):
    """Gauss-Jordan with partial pivoting for the small normal equations."""
    n = len(a)
    m = [row[:] + [bb] for row, bb in zip(a, b)]
    for i in range(n):
        p = max(range(i, n), key=lambda r: abs(m[r][i]))
        m[i], m[p] = m[p], m[i]
        for r in range(n):
            if r != i:
                f = m[r][i] / m[i][i]
                for c in range(i, n + 1):
                    m[r][c] -= f * m[i][c]
    return [m[i][n] / m[i][i] for i in range(n)]


def polyfit(xs, ys, grad):
    """Least-squares polynomial of degree `grad`; coefficients from x^0 up."""
    k = grad + 1
    a = [[sum(x ** (i + j) for x in xs) for j in range(k)] for i in range(k)]
    b = [sum(y * x ** i for x, y in zip(xs, ys)) for i in range(k)]
    return loese(a, b)


def poly(c, x):
    return sum(ci * x ** i for i, ci in enumerate(c))


# ------------------------------------------------------------ glycols
# Aqueous glycols by VOLUME fraction: ASHRAE Handbook Fundamentals, ch. 31
# (secondary coolants), in the form CoolProp 6.6.0 fits them
# (INCOMP::AEG[x], INCOMP::APG[x]); rows (degC, rho kg/m3, cp kJ/(kg K),
# mu mPa s, lambda W/(m K)) every 10 K and at the freezing end. Density,
# cp and conductivity are quadratics in T, ln(mu) a cubic, least squares.
ASHRAE_GLYKOL = {
    "AEG 30": [(-15, 1055.4, 3.54599, 7.86108, 0.407797), (-10, 1054.31, 3.56021, 6.25639, 0.415217),
               (0, 1051.78, 3.58862, 4.15417, 0.429166), (10, 1048.76, 3.61702, 2.91967, 0.441929),
               (20, 1045.25, 3.6454, 2.15644, 0.453506), (30, 1041.26, 3.67377, 1.66172, 0.4639),
               (40, 1036.78, 3.70212, 1.32637, 0.473112), (50, 1031.82, 3.73047, 1.08872, 0.481142),
               (60, 1026.37, 3.75881, 0.912394, 0.487993), (70, 1020.43, 3.78715, 0.775043, 0.493665),
               (80, 1014, 3.8155, 0.662539, 0.498161), (90, 1007.09, 3.84384, 0.565853, 0.501481),
               (100, 999.686, 3.87219, 0.479366, 0.503627)],
    "AEG 50": [(-30, 1089.03, 3.08757, 42.7523, 0.333272), (-20, 1086.87, 3.12618, 22.8703, 0.344201),
               (-10, 1084.22, 3.16478, 13.2674, 0.354373), (0, 1081.08, 3.20339, 8.27895, 0.363785),
               (10, 1077.46, 3.24199, 5.51211, 0.372434), (20, 1073.35, 3.2806, 3.88407, 0.380319),
               (30, 1068.75, 3.3192, 2.87315, 0.387437), (40, 1063.66, 3.35781, 2.21312, 0.393786),
               (50, 1058.09, 3.39643, 1.76078, 0.399365), (60, 1052.04, 3.43506, 1.43526, 0.40417),
               (70, 1045.49, 3.47369, 1.18893, 0.4082), (80, 1038.46, 3.51233, 0.992795, 0.411452),
               (90, 1030.95, 3.55099, 0.828922, 0.413925), (100, 1022.95, 3.58966, 0.686425, 0.415616)],
    "APG 30": [(-10, 1039.41, 3.76555, 12.2402, 0.40982), (0, 1036.24, 3.79299, 7.2323, 0.422679),
               (10, 1032.55, 3.82044, 4.57063, 0.43433), (20, 1028.35, 3.84789, 3.06942, 0.444777),
               (30, 1023.64, 3.87536, 2.17613, 0.454022), (40, 1018.42, 3.90284, 1.61819, 0.46207),
               (50, 1012.69, 3.93032, 1.25389, 0.468924), (60, 1006.45, 3.95781, 1.00587, 0.474587),
               (70, 999.692, 3.9853, 0.829929, 0.479062), (80, 992.427, 4.01279, 0.699728, 0.482353),
               (90, 984.652, 4.04028, 0.598927, 0.484464), (100, 976.365, 4.06777, 0.517061, 0.485397)],
    "APG 50": [(-30, 1063.61, 3.33895, 170.475, 0.32463), (-20, 1060.49, 3.37756, 74.32, 0.333665),
               (-10, 1056.85, 3.41616, 35.7204, 0.341928), (0, 1052.7, 3.45475, 18.7842, 0.349421),
               (10, 1048.04, 3.49334, 10.726, 0.356143), (20, 1042.87, 3.53192, 6.60018, 0.362094),
               (30, 1037.18, 3.5705, 4.34356, 0.367274), (40, 1030.98, 3.60908, 3.03398, 0.371683),
               (50, 1024.27, 3.64766, 2.23232, 0.375321), (60, 1017.04, 3.68623, 1.71704, 0.378187),
               (70, 1009.3, 3.72481, 1.37021, 0.380282), (80, 1001.05, 3.76338, 1.12584, 0.381606),
               (90, 992.282, 3.80196, 0.945267, 0.382158), (100, 983.003, 3.84054, 0.80486, 0.381939)],
}


def glykol(schluessel):
    rows = ASHRAE_GLYKOL[schluessel]
    ts = [r[0] / 100.0 for r in rows]  # scaled for well-conditioned normal equations
    rho = polyfit(ts, [r[1] for r in rows], 2)
    cp = polyfit(ts, [r[2] for r in rows], 2)
    lnmu = polyfit(ts, [math.log(r[3]) for r in rows], 3)
    lam = polyfit(ts, [r[4] for r in rows], 2)
    return lambda t: (poly(rho, t / 100), poly(cp, t / 100), math.exp(poly(lnmu, t / 100)),
                      poly(lam, t / 100))


def glykol_quellen(art, schluessel):
    q = ("ASHRAE Handbook Fundamentals ch. 31, %s glycol by volume (CoolProp 6.6.0 fit "
         "INCOMP::%s[0.%s]); least-squares polynomial" % (art, schluessel[:3], schluessel[4]))
    return {k: q for k in QUELLEN}


# ------------------------------------------------------------ thermal oil
# Mineral heat-transfer oil of ISO VG 32 class: data-sheet density, cp and
# conductivity (within Cragoe, US Bureau of Standards Misc. Publ. 97, 1929),
# dynamic viscosity 27 and 4.9 mPa s at 40 and 100 degC. Kinematic
# viscosity by ASTM D341 through these two points, log log Z = A - B log T,
# with the standard's extension below 2 mm2/s:
# Z = nu + 0.7 + exp(-1.47 - 1.84 nu - 0.51 nu^2), inverted by its
# nu = (Z - 0.7) - exp(-0.7487 - 3.295 (Z-0.7) + 0.6119 (Z-0.7)^2 - 0.3193 (Z-0.7)^3).
def oel_dichte(t):
    return 880.0 - 0.66 * t


def astm_z(nu):
    return nu + 0.7 + math.exp(-1.47 - 1.84 * nu - 0.51 * nu * nu)


def astm_nu(z):
    y = z - 0.7
    return y - math.exp(-0.7487 - 3.295 * y + 0.6119 * y * y - 0.3193 * y ** 3)


def astm_d341(punkte):
    """Kinematic viscosity nu(t) mm2/s through two (degC, mm2/s) points."""
    (t1, n1), (t2, n2) = punkte
    x1, x2 = math.log10(t1 + 273.15), math.log10(t2 + 273.15)
    y1, y2 = (math.log10(math.log10(astm_z(n))) for n in (n1, n2))
    b = (y1 - y2) / (x2 - x1)
    a = y1 + b * x1
    return lambda t: astm_nu(10 ** 10 ** (a - b * math.log10(t + 273.15)))


OEL_PUNKTE = [(40.0, 27.0), (100.0, 4.9)]  # degC, mPa s
oel_nu = astm_d341([(t, mu / (oel_dichte(t) / 1000.0)) for t, mu in OEL_PUNKTE])


def thermooel(t):
    rho = oel_dichte(t)
    return rho, 1.83 + 0.0037 * t, oel_nu(t) * rho / 1000.0, 0.135 - 0.00007 * t


# ------------------------------------------------------------ milk
# Whole milk, 3.5 % fat, 3.3 % protein, 4.7 % lactose, 0.7 % ash, 87.8 %
# water (mass). Density, cp, conductivity: Choi and Okos (1986, Food
# Engineering and Process Applications vol. 1) from that composition,
# valid -40..150 degC: cp and 1/rho by mass fraction, conductivity by
# volume fraction. Viscosity: Fernandez-Martin (J. Dairy Res. 39, 1972),
# 0..80 degC, total solids 12.2 %, and Bertsch and Cerf (J. Dairy Res. 50,
# 1983), 70..135 degC, 3.5 % fat (both as Advanced Dairy Chemistry vol. 3,
# table 15.5, gives them); they differ by 7 % where they overlap, so ln(mu)
# passes linearly from one to the other between 70 and 80 degC. 135 degC,
# the end of the high-temperature correlation, ends the range.
MILCH = {"w": 0.878, "f": 0.035, "p": 0.033, "c": 0.047, "a": 0.007}
CHOI_OKOS = {  # (rho, cp, lambda) quadratics in degC per component
    "w": ((997.18, 3.1439e-3, -3.7574e-3), (4.1762, -9.0864e-5, 5.4731e-6),
          (0.57109, 1.7625e-3, -6.7036e-6)),
    "p": ((1329.9, -0.5184, 0.0), (2.0082, 1.2089e-3, -1.3129e-6), (0.17881, 1.1958e-3, -2.7178e-6)),
    "f": ((925.59, -0.41757, 0.0), (1.9842, 1.4733e-3, -4.8008e-6),
          (0.18071, -2.7604e-4, -1.7749e-7)),
    "c": ((1599.1, -0.31046, 0.0), (1.5488, 1.9625e-3, -5.9399e-6), (0.20141, 1.3874e-3, -4.3312e-6)),
    "a": ((2423.8, -0.28063, 0.0), (1.0926, 1.8896e-3, -3.6817e-6), (0.32962, 1.4011e-3, -2.9069e-6)),
}


def milch_mu(t):
    ts = 100.0 * (1.0 - MILCH["w"])
    fm = math.log(10 ** (0.249 - 1.3e-2 * t + 5.2e-5 * t * t
                         + (2.549e-2 - 9.8e-5 * t + 4e-7 * t * t) * ts
                         + (5.43e-4 - 1.39e-5 * t + 1.117e-7 * t * t) * ts * ts))
    f = 100.0 * MILCH["f"]
    bc = (3.92e-5 * t * t - 1.951e-2 * t + 0.666 + f * (-9.53e-6 * t * t + 1.674e-3 * t - 4.37e-2)
          + f * f * (9.75e-7 * t * t - 1.739e-4 * t + 9.83e-3))
    w = min(1.0, max(0.0, (t - 70.0) / 10.0))
    return math.exp((1 - w) * fm + w * bc)


def milch(t):
    q = lambda c: c[0] + c[1] * t + c[2] * t * t
    vol = {k: x / q(CHOI_OKOS[k][0]) for k, x in MILCH.items()}
    v = sum(vol.values())
    cp = sum(x * q(CHOI_OKOS[k][1]) for k, x in MILCH.items())
    lam = sum(vol[k] / v * q(CHOI_OKOS[k][2]) for k in MILCH)
    return 1.0 / v, cp, milch_mu(t), lam


# ------------------------------------------------------------ gases
R_MOL = 8.314462618
# (Tc K, pc bar, rho_c kg/m3, acentric factor, M kg/mol, Zc) of the
# pure-fluid reference equations (Lemmon et al. 2000 for air as a
# pseudo-pure fluid, Span et al. 2000 nitrogen, Span and Wagner 1996 CO2)
KRIT = {"air": (132.5306, 37.86, 302.5883, 0.0335, 0.0289586, 0.288),
        "n2": (126.192, 33.958, 313.3, 0.0372, 0.02801348, 0.289),
        "co2": (304.1282, 73.773, 467.6, 0.22394, 0.0440098, 0.274)}


def shomate(c, T):
    """Ideal-gas cp, J/(mol K): NIST-JANAF (Chase 1998) as fitted in the NIST WebBook."""
    t = T / 1000.0
    a, b, cc, d, e = c
    return a + b * t + cc * t * t + d * t ** 3 + e / (t * t)


def cp0_n2(T):
    return shomate((28.98641, 1.853978, -9.647459, 16.63537, 0.000117) if T < 500 else
                   (19.50583, 19.88705, -8.598535, 1.369784, 0.527601), T)


def cp0_o2(T):
    return shomate((31.32234, -20.23531, 57.86644, -36.50624, -0.007374) if T < 700 else
                   (30.03235, 8.772972, -3.988133, 0.788313, -0.741599), T)


def cp0_luft(T):  # 78.12 % N2, 20.96 % O2, 0.92 % Ar (mole)
    return 0.7812 * cp0_n2(T) + 0.2096 * cp0_o2(T) + 0.0092 * 20.786


def peng_robinson(gas, cp0):
    """Peng and Robinson (1976): vapour root, (rho kg/m3, cp kJ/(kg K))."""
    Tc, pc, _, w, M, _ = KRIT[gas]
    pc *= 1e5
    kap = 0.37464 + 1.54226 * w - 0.26992 * w * w
    a0 = 0.45724 * R_MOL ** 2 * Tc * Tc / pc
    b = 0.07780 * R_MOL * Tc / pc
    s2 = math.sqrt(2.0)

    def zustand(T, p):
        sq = 1 + kap * (1 - math.sqrt(T / Tc))
        a = a0 * sq * sq
        da = -a0 * sq * kap / math.sqrt(T * Tc)
        d2a = a0 * kap * (1 + kap) * math.sqrt(Tc / T) / (2 * T * Tc)
        A, B = a * p / (R_MOL * T) ** 2, b * p / (R_MOL * T)
        z = 1.0
        for _ in range(100):  # Newton from the ideal gas: the vapour root
            f = z ** 3 - (1 - B) * z * z + (A - 3 * B * B - 2 * B) * z - (A * B - B * B - B ** 3)
            df = 3 * z * z - 2 * (1 - B) * z + (A - 3 * B * B - 2 * B)
            z -= f / df
        v = z * R_MOL * T / p
        q = v * v + 2 * b * v - b * b
        cv_res = T * d2a / (2 * s2 * b) * math.log((v + (1 + s2) * b) / (v + (1 - s2) * b))
        dpdT = R_MOL / (v - b) - da / q
        dpdv = -R_MOL * T / (v - b) ** 2 + a * (2 * v + 2 * b) / (q * q)
        cp = cp0(T) + cv_res - T * dpdT ** 2 / dpdv - R_MOL
        return M / v, cp / M / 1000.0
    return zustand


# Carbon dioxide: Span and Wagner, J. Phys. Chem. Ref. Data 25, 1509 (1996),
# table 31, without the three non-analytic terms (they act only near the
# critical point); ideal part of table 27. (n, d, t) polynomial terms,
# (n, d, t, c) exponential terms, (n, d, t, alpha, beta, gamma) Gaussian terms.
SW_R, SW_M, SW_TC, SW_RHOC = 8.31451, 0.0440098, 304.1282, 467.6
SW_POLY = [(0.38856823203161, 1, 0.0), (0.29385475942740e1, 1, 0.75), (-0.55867188534934e1, 1, 1.0),
           (-0.76753199592477, 1, 2.0), (0.31729005580416, 2, 0.75), (0.54803315897767, 2, 2.0),
           (0.12279411220335, 3, 0.75)]
SW_EXP = [(0.21658961543220e1, 1, 1.5, 1), (0.15841735109724e1, 2, 1.5, 1),
          (-0.23132705405503, 4, 2.5, 1), (0.58116916431436e-1, 5, 0.0, 1),
          (-0.55369137205382, 5, 1.5, 1), (0.48946615909422, 5, 2.0, 1),
          (-0.24275739843501e-1, 6, 0.0, 1), (0.62494790501678e-1, 6, 1.0, 1),
          (-0.12175860225246, 6, 2.0, 1), (-0.37055685270086, 1, 3.0, 2),
          (-0.16775879700426e-1, 1, 6.0, 2), (-0.11960736637987, 4, 3.0, 2),
          (-0.45619362508778e-1, 4, 6.0, 2), (0.35612789270346e-1, 4, 8.0, 2),
          (-0.74427727132052e-2, 7, 6.0, 2), (-0.17395704902432e-2, 8, 0.0, 2),
          (-0.21810121289527e-1, 2, 7.0, 3), (0.24332166559236e-1, 3, 12.0, 3),
          (-0.37440133423463e-1, 3, 16.0, 3), (0.14338715756878, 5, 22.0, 4),
          (-0.13491969083286, 5, 24.0, 4), (-0.23151225053480e-1, 6, 16.0, 4),
          (0.12363125492901e-1, 7, 24.0, 4), (0.21058321972940e-2, 8, 8.0, 4),
          (-0.33958519026368e-3, 10, 2.0, 4), (0.55993651771592e-2, 4, 28.0, 5),
          (-0.30335118055646e-3, 8, 14.0, 6)]
SW_GAUSS = [(-0.21365488688320e3, 2, 1.0, 25, 325, 1.16), (0.26641569149272e5, 2, 0.0, 25, 300, 1.19),
            (-0.24027212204557e5, 2, 1.0, 25, 300, 1.19), (-0.28341603423999e3, 3, 3.0, 15, 275, 1.25),
            (0.21247284400179e3, 3, 3.0, 20, 275, 1.22)]
SW_IDEAL = [(1.99427042, 3.15163), (0.62105248, 6.11190), (0.41195293, 6.77708),
            (1.04028922, 11.32384), (0.08327678, 27.08792)]


def sw_residual(d, t):
    """Derivatives of the residual Helmholtz energy: (a_d, a_dd, a_tt, a_dt)."""
    a_d = a_dd = a_tt = a_dt = 0.0
    for n, di, ti in SW_POLY:
        v = n * d ** di * t ** ti
        a_d += v * di / d
        a_dd += v * di * (di - 1) / d ** 2
        a_tt += v * ti * (ti - 1) / t ** 2
        a_dt += v * di * ti / (d * t)
    for n, di, ti, ci in SW_EXP:
        dc = d ** ci
        e = math.exp(-dc)
        f = d ** di * e
        f1 = e * d ** (di - 1) * (di - ci * dc)
        f2 = e * d ** (di - 2) * ((di - ci * dc) * (di - 1 - ci * dc) - ci * ci * dc)
        a_d += n * t ** ti * f1
        a_dd += n * t ** ti * f2
        a_tt += n * ti * (ti - 1) * t ** (ti - 2) * f
        a_dt += n * ti * t ** (ti - 1) * f1
    for n, di, ti, al, be, ga in SW_GAUSS:
        g = n * d ** di * t ** ti * math.exp(-al * (d - 1) ** 2 - be * (t - ga) ** 2)
        u = di / d - 2 * al * (d - 1)
        w = ti / t - 2 * be * (t - ga)
        a_d += g * u
        a_dd += g * (u * u - di / d ** 2 - 2 * al)
        a_tt += g * (w * w - ti / t ** 2 - 2 * be)
        a_dt += g * u * w
    return a_d, a_dd, a_tt, a_dt


def span_wagner(T, p):
    """CO2 vapour-like root at T K, p Pa: (rho kg/m3, cp kJ/(kg K)); below the
    dew line the metastable vapour (the tables stay smooth across it)."""
    t, rs = SW_TC / T, SW_R / SW_M
    rho = p / (rs * T)
    for _ in range(200):
        d = rho / SW_RHOC
        a_d, a_dd, _, _ = sw_residual(d, t)
        schritt = (rho * rs * T * (1 + d * a_d) - p) / (rs * T * (1 + 2 * d * a_d + d * d * a_dd))
        rho -= schritt
        if abs(schritt) < 1e-12 * rho:
            break
    d = rho / SW_RHOC
    a_d, a_dd, a_tt, a_dt = sw_residual(d, t)
    cv0 = 2.5 + sum(a * (th * t) ** 2 * math.exp(th * t) / math.expm1(th * t) ** 2
                    for a, th in SW_IDEAL)
    cv = cv0 - t * t * a_tt
    cp = cv + (1 + d * a_d - d * t * a_dt) ** 2 / (1 + 2 * d * a_d + d * d * a_dd)
    return rho, cp * rs / 1000.0


def co2_psat(T):
    """Vapour pressure, bar: Span and Wagner (1996), equation (3.13)."""
    a, e = (-7.0602087, 1.9391218, -1.6463597, -3.2995634), (1.0, 1.5, 2.0, 4.0)
    return 73.773 * math.exp(SW_TC / T * sum(ai * (1 - T / SW_TC) ** ei for ai, ei in zip(a, e)))


def co2_mu(T, rho):
    """Fenghour, Wakeham, Vesovic, J. Phys. Chem. Ref. Data 27, 31 (1998), mPa s."""
    ts = T / 251.196
    l = math.log(ts)
    a = (0.235156, -0.491266, 5.211155e-2, 5.347906e-2, -1.537102e-2)
    mu0 = 1.00697 * math.sqrt(T) / math.exp(sum(ai * l ** i for i, ai in enumerate(a)))
    dmu = (0.4071119e-2 * rho + 0.7198037e-4 * rho ** 2 + 0.2411697e-16 * rho ** 6 / ts ** 3
           + 0.2971072e-22 * rho ** 8 - 0.1627888e-22 * rho ** 8 / ts)
    return (mu0 + dmu) * 1e-3


def lj_mu(gas, sigma, eps):
    """Dilute gas: Lemmon and Jacobsen, Int. J. Thermophys. 25, 21 (2004);
    dense-gas part: Jossi, Stiel and Thodos (1962), as Reid, Prausnitz and
    Poling give it. mPa s."""
    Tc, pc, rhoc, _, M, _ = KRIT[gas]
    xi = Tc ** (1 / 6) / ((M * 1000) ** 0.5 * (pc / 1.01325) ** (2 / 3))

    def mu(T, rho):
        l = math.log(T / eps)
        b = (0.431, -0.4623, 0.08406, 0.005341, -0.00331)
        mu0 = 0.0266958 * math.sqrt(M * 1000 * T) / (
            sigma ** 2 * math.exp(sum(bi * l ** i for i, bi in enumerate(b))))
        r = rho / rhoc
        jst = 0.1023 + 0.023364 * r + 0.058533 * r * r - 0.040758 * r ** 3 + 0.0093324 * r ** 4
        return mu0 * 1e-3 + (jst ** 4 - 1e-4) / xi
    return mu


def sutherland_stiel_thodos(gas, lam_ref, s):
    """Dilute gas: Sutherland law (constants from White, Viscous Fluid Flow);
    dense-gas part: Stiel and Thodos (1964), as Reid, Prausnitz and Poling
    give it. W/(m K)."""
    Tc, pc, rhoc, _, M, zc = KRIT[gas]
    gamma = 210 * (Tc * (M * 1000) ** 3 / pc ** 4) ** (1 / 6)

    def lam(T, rho):
        r = rho / rhoc
        return (lam_ref * (T / 273.15) ** 1.5 * (273.15 + s) / (T + s)
                + 1.22e-2 * (math.exp(0.535 * r) - 1) / (gamma * zc ** 5))
    return lam


# Gas tables over temperature and absolute pressure, up to the highest
# pressure stage; the library interpolates rho/p and the rest linearly in p.
GAS_DRUECKE = [0.5, 1.01325, 2, 3, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22.5, 25]


def gasfluid(oid, name, temps, zustand, mu, lam, basis, quellen, gas):
    """Gas record: 2-D tables [pressure][temperature]; the critical point and
    (below its critical temperature) the dew line for the phase check."""
    Tc, pc, rhoc = KRIT[gas][:3]
    rec = {}
    for k, v in fluid(oid, name, temps, lambda t: (1, 1, 1, 1), basis, quellen, gas=True).items():
        rec[k] = [] if k in QUELLEN else v
        if k == "temperatur":
            rec["druck"] = GAS_DRUECKE
    for p in GAS_DRUECKE:
        zeilen = {k: [] for k in QUELLEN}
        for t in temps:
            T = t + 273.15
            rho, cp = zustand(T, p * 1e5)
            zeilen["dichte"].append(r6(rho))
            zeilen["waermekapazitaet"].append(r6(cp))
            zeilen["viskositaet"].append(r6(mu(T, rho)))
            zeilen["waermeleitfaehigkeit"].append(r6(lam(T, rho)))
        for k in QUELLEN:
            rec[k].append(zeilen[k])
    rec["kritisch"] = {"temperatur": r6(Tc - 273.15), "druck": pc, "dichte": rhoc}
    return rec


def fluids():
    out = []
    iapws = {"dichte": "IAPWS-IF97 region 1", "waermekapazitaet": "IAPWS-IF97 region 1",
             "viskositaet": "IAPWS 2008 (without critical enhancement)",
             "waermeleitfaehigkeit": "IAPWS 2011 (without critical enhancement)"}
    out.append(fluid(1, "Water", grid(1, 200, 1), water_liquid,
                     "pure water, liquid at max(1.01325 bar, saturation + 0.5 bar)", iapws))
    # Sea water 35 g/kg: ratios to pure water from Sharqawy, Lienhard, Zubair,
    # Desalination and Water Treatment 16 (2010), at 20..80 degC.
    sw = lambda t: (lambda w: (w[0] * 1.0265, w[1] * 0.958, w[2] * 1.085, w[3] * 0.99))(water_liquid(t))
    out.append(fluid(2, "Sea Water", grid(1, 100, 1), sw,
                     "sea water, salinity 35 g/kg",
                     {k: "pure water (%s) x the ratio of Sharqawy, Lienhard, Zubair, Desalination "
                         "and Water Treatment 16 (2010), 20..80 °C" % iapws[k] for k in QUELLEN},
                     nurTitan=True))
    out.append(fluid(3, "Ethylene Glycol 30 %", grid(-15, 100, 1), glykol("AEG 30"),
                     "30 % ethylene glycol in water by volume", glykol_quellen("ethylene", "AEG 30")))
    out.append(fluid(4, "Ethylene Glycol 50 %", grid(-30, 100, 1), glykol("AEG 50"),
                     "50 % ethylene glycol in water by volume", glykol_quellen("ethylene", "AEG 50")))
    out.append(fluid(5, "Propylene Glycol 30 %", grid(-10, 100, 1), glykol("APG 30"),
                     "30 % propylene glycol in water by volume", glykol_quellen("propylene", "APG 30")))
    out.append(fluid(6, "Propylene Glycol 50 %", grid(-30, 100, 1), glykol("APG 50"),
                     "50 % propylene glycol in water by volume", glykol_quellen("propylene", "APG 50")))
    oel = "data sheet of an ISO VG 32 mineral heat-transfer oil (within Cragoe 1929)"
    out.append(fluid(7, "Thermal Oil", grid(0, 300, 2), thermooel,
                     "mineral heat-transfer oil, ISO VG 32 class",
                     {"dichte": oel, "waermekapazitaet": oel, "waermeleitfaehigkeit": oel,
                      "viskositaet": "ASTM D341 through the data sheet's 27 mPa s (40 °C) "
                                     "and 4.9 mPa s (100 °C)"}))
    choi = "Choi and Okos (1986) from the composition"
    out.append(fluid(8, "Milk", grid(2, 135, 1), milch,
                     "whole milk: 3.5 % fat, 3.3 % protein, 4.7 % lactose, 0.7 % ash (mass)",
                     {"dichte": choi, "waermekapazitaet": choi, "waermeleitfaehigkeit": choi,
                      "viskositaet": "Fernandez-Martin (1972) to 70 °C, Bertsch and Cerf (1983) "
                                     "from 80 °C, blended between"}))
    out.append(fluid(9, "Steam", grid(60, 200, 1), steam_sat,
                     "saturated water vapour; the condensate is Water",
                     {"dichte": "IAPWS 1992 supplementary saturation equations",
                      "waermekapazitaet": "IAPWS-IF97 region 2 on the saturation line",
                      "viskositaet": "IAPWS 2008 at the vapour density",
                      "waermeleitfaehigkeit": "IAPWS 2011 at the vapour density",
                      "dampfdruck": "IAPWS-IF97 region 4",
                      "kondensationsenthalpie": "Clapeyron with IAPWS-IF97 region 1 and 4"},
                     gas=True, kondensation=True, kaltZulaessig=False, codeKondensat=0))
    pr = "Peng and Robinson (1976), ideal-gas cp NIST-JANAF (Shomate fits, NIST WebBook)"
    luft_quellen = {"dichte": pr, "waermekapazitaet": pr,
                    "viskositaet": "Lemmon and Jacobsen (2004) dilute gas + Jossi, Stiel, "
                                   "Thodos (1962)",
                    "waermeleitfaehigkeit": "Sutherland (White) + Stiel and Thodos (1964)"}
    out.append(gasfluid(10, "Dry Air", grid(-40, 400, 5), peng_robinson("air", cp0_luft),
                        lj_mu("air", 0.360, 103.3), sutherland_stiel_thodos("air", 0.0241, 194.0),
                        "dry air (78.12 % N2, 20.96 % O2, 0.92 % Ar by mole), real gas",
                        luft_quellen, "air"))
    out.append(gasfluid(11, "Nitrogen", grid(-40, 400, 5), peng_robinson("n2", cp0_n2),
                        lj_mu("n2", 0.3656, 98.94), sutherland_stiel_thodos("n2", 0.0242, 150.0),
                        "pure nitrogen, real gas", luft_quellen, "n2"))
    sw96 = "Span and Wagner (1996) reference equation of state"
    co2 = gasfluid(12, "Carbon Dioxide", grid(-20, 400, 5), span_wagner, co2_mu,
                   sutherland_stiel_thodos("co2", 0.0146, 1800.0),
                   "pure carbon dioxide, real gas; refused below its dew point",
                   {"dichte": sw96, "waermekapazitaet": sw96,
                    "viskositaet": "Fenghour, Wakeham, Vesovic (1998)",
                    "waermeleitfaehigkeit": "Sutherland (White) + Stiel and Thodos (1964)"}, "co2")
    # dew line from the triple point (-56.6 degC) to the critical point, 2 K steps
    tt = grid(-56, 30, 2)
    co2["taupunkt"] = {"temperatur": tt, "druck": [r6(co2_psat(t + 273.15)) for t in tt]}
    out.append(co2)
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
        x0, x1 = (1.8 * math.log10(re) - 1.5) ** -2, 39 / re ** 0.289
    c = math.cos(phi)
    s = c / math.sqrt(0.18 * math.tan(phi) + 0.36 * math.sin(phi) + x0 / c) + (1 - c) / math.sqrt(3.8 * x1)
    return 1 / (s * s)


def martin_nu(re, phi):
    """Nu / Pr^(1/3) (viscosity ratio omitted): 0.122 (xi Re^2 sin 2phi)^0.374."""
    return 0.122 * (martin_xi(re, phi) * re * re * math.sin(2 * phi)) ** 0.374


def fit(f, lo, hi, n=121):
    """Power law c Re^m of f over (lo, hi) with the least largest relative
    error (minimax of the log deviation: golden-section search on the
    exponent, the factor centred between the extremes). The ends are taken
    just inside: Martin's law jumps at Re 2000."""
    lo, hi = lo * (1 + 1e-9), hi * (1 - 1e-9)
    xs = [math.log(lo) + (math.log(hi) - math.log(lo)) * k / (n - 1) for k in range(n)]
    ys = [math.log(f(math.exp(x))) for x in xs]

    def spanne(m):
        e = [y - m * x for x, y in zip(xs, ys)]
        return max(e) - min(e), 0.5 * (max(e) + min(e))
    a, b = -3.0, 3.0
    for _ in range(200):
        m1, m2 = a + 0.382 * (b - a), a + 0.618 * (b - a)
        if spanne(m1)[0] < spanne(m2)[0]:
            b = m2
        else:
            a = m1
    m = 0.5 * (a + b)
    return math.exp(spanne(m)[1]), m


# Reynolds numbers the tables serve: 10 to 50 000 (the friction factor's
# Reynolds range in Martin's validation; the lowest range is fitted down to
# Re 1 for creeping flow of viscous media, the highest range extrapolates).
RE_GUELTIG = [10.0, 50000.0]
GRENZEN = [2000.0, 600.0, 150.0, 30.0]  # spread so that each range errs alike
BEREICHE = [(2000, 50000), (600, 2000), (150, 600), (30, 150), (1, 30)]
MARTIN = ("Martin, VDI Heat Atlas 2nd ed. (2010) B6: xi0 = (1.8 log10 Re - 1.5)^-2 above Re 2000; "
          "power laws fitted (minimax) per Reynolds range")


def herkunft(ww, basis):
    """Source, basis, Martin's angle (to the main flow) and Reynolds range of a table."""
    return {"quelle": MARTIN, "basis": basis, "stroemungswinkel": ww, "reGueltig": RE_GUELTIG}


def tabelle(ww):
    phi = math.radians(ww)
    af, ae, df, de = [], [], [], []
    for lo, hi in BEREICHE:
        c, m = fit(lambda re: martin_nu(re, phi), lo, hi)
        af.append(r6(c)); ae.append(r6(m))
        c, m = fit(lambda re: martin_xi(re, phi), lo, hi)
        df.append(r6(c)); de.append(r6(m))
    t = {"wellenwinkel": ww}
    t.update(herkunft(ww, "Darcy friction factor on dh = 2 x gap; Nu = alpha dh / lambda"))
    t.update({"alphaReGrenze": GRENZEN + [0.0, 0.0], "alphaFaktor": af + [1.0],
              "alphaExp": ae + [r6(1 / 3)],
              "druckReGrenze": GRENZEN + [0.0, 0.0], "druckFaktor": df + [0.0],
              "druckExp": de + [0.0]})
    return t


TREVAN_ALPHA = [(2000, 50000), (200, 2000), (10, 200)]
TREVAN_DRUCK = [(2000, 50000), (180, 2000), (10, 180)]


def tabelle_trevan(ww):
    """Layout for trevan plate types: three Reynolds ranges for alpha (above
    2000, 200 to 2000, below 200) and friction (bound 180 instead of 200); index 3/4 of the factor
    tables are the extra factors (water-like, other), alphaReGrenze[5] the
    viscosity-ratio exponent 1/6 (Martin), druckReGrenze[4] the friction's
    wall exponent 0 (Martin's friction has no wall term, and callers without
    a wall viscosity pass 0). druckReGrenze[0] > 0 makes friction range 0
    hold above it for every medium; below it water-like media take ranges
    1/2 like the others."""
    phi = math.radians(ww - TREVAN_OFFSET)
    nu = lambda re: martin_nu(re, phi)
    xi = lambda re: martin_xi(re, phi)
    a = [fit(nu, lo, hi) for lo, hi in TREVAN_ALPHA]
    d = [fit(xi, lo, hi) for lo, hi in TREVAN_DRUCK]
    t = {"wellenwinkel": ww}
    t.update(herkunft(ww - TREVAN_OFFSET, "Darcy friction factor on dh = 2 x gap; Nu = alpha dh "
                      "/ lambda; three Reynolds ranges, extra factor 0.97 on alpha of media "
                      "that are not water-like"))
    t.update({"alphaReGrenze": [float(x[0]) for x in TREVAN_ALPHA[:2]] + [0.0, 0.0, 0.0, r6(1 / 6)],
              "alphaFaktor": [r6(x[0]) for x in a] + [1.0, 0.97, 1.0],
              "alphaExp": [r6(x[1]) for x in a] + [0.0, 0.0, r6(1 / 3)],
              "druckReGrenze": [float(x[0]) for x in TREVAN_DRUCK[:2]] + [0.0, 0.0, 0.0, 0.0],
              "druckFaktor": [r6(x[0]) for x in d] + [1.0, 1.0, 0.0],
              "druckExp": [r6(x[1]) for x in d] + [0.0, 0.0, 0.0]})
    return t


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
