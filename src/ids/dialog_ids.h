// Control and command ids of every dialog, one table (namespace) per
// dialog. These tables are the only place that spells the numbers; the
// engine, the models, the views, the project file and the CLI use the names.
#pragma once

// Main dialog (CBerechnungDlg).
namespace kal::hd {

enum : int {
    // mode frame
    RahmenModus = 1172,
    Auslegen = 1169,
    Nachrechnen = 1171,

    // duty and reserve rows
    LabelLeistung = 1014,
    Leistung = 1018,
    ErgLeistung = 1177,
    EinheitLeistung = 1123,
    LabelSicherheit = 1331,
    Sicherheit = 1029,
    ErgSicherheit = 1090,
    LabelProzent = 1332,

    // side frames and the row labels both sides share
    RahmenWarm = 1001,
    RahmenKalt = 1002,
    LabelMedium = 1389,
    LabelTEin = 1289,
    LabelTAus = 1290,
    LabelDurchsatz = 1422,
    LabelDruckverlust = 1024,
    LabelFouling = 1025,
    LabelGasDruck = 1027,

    // warm side
    MediumWarm = 1364,
    TEinWarm = 1188,
    EinheitTEinWarm = 1313,
    ErgTEinWarm = 1032,
    TAusWarm = 1278,
    EinheitTAusWarm = 1314,
    ErgTAusWarm = 1034,
    DurchsatzWarm = 1035,
    EinheitDurchsatzWarm = 1423,
    ErgDurchsatzWarm = 1036,
    DruckverlustWarm = 1037,
    EinheitDruckverlustWarm = 1137,
    ErgDruckverlustWarm = 1038,
    FoulingWarm = 1039,
    EinheitFoulingWarm = 1142,
    GasDruckWarm = 1045,
    EinheitGasDruckWarm = 1143,

    // cold side
    MediumKalt = 1365,
    TEinKalt = 1277,
    EinheitTEinKalt = 1368,
    ErgTEinKalt = 1054,
    TAusKalt = 1279,
    EinheitTAusKalt = 1371,
    ErgTAusKalt = 1056,
    DurchsatzKalt = 1059,
    EinheitDurchsatzKalt = 1424,
    ErgDurchsatzKalt = 1060,
    DruckverlustKalt = 1057,
    EinheitDruckverlustKalt = 1127,
    ErgDruckverlustKalt = 1058,
    FoulingKalt = 1061,
    EinheitFoulingKalt = 1128,
    GasDruckKalt = 1062,
    EinheitGasDruckKalt = 1129,

    // unit system and dimensions
    LabelEinheitensystem = 1099,
    SystemUS = 1082,
    SystemSI = 1083,
    RahmenMasse = 1118,
    MassMm = 1117,
    MassInch = 1122,
    BildGestell = 137,
    Hoehe = 1114,
    Breite = 1115,
    LaengeTotal = 1116,
    StutzenHorizontal = 1187,
    StutzenVertikal = 1189,

    // device frame
    RahmenGeraet = 1000,
    LabelPlatte = 1012,
    MaterialPlatte = 1003,
    LabelDichtungWarm = 1406,
    DichtungWarm = 1346,
    LabelDichtungKalt = 1043,
    DichtungKalt = 1380,
    LabelGestell = 1354,
    Gestell = 1005,
    GestellVariante = 1007,
    LabelDruckstufe = 1013,
    Druckstufe = 1006,
    LabelPlattentyp = 1016,
    PlattentypModus = 1015,
    ErgPlattentyp = 1084,
    Plattentyp = 1009,
    LabelSpalten = 1409,
    SpaltenModus = 1008,
    Spalten = 1271,
    ErgSpalten = 1085,
    LabelSerien = 1026,
    SerienModus = 1040,
    Serien = 1041,
    ErgSerien = 1042,
    ErgPlatten = 1440,  // this program's own: channels per side and plates of the result
    Sicherheitsplatte = 1421,

    // channel row
    LabelSpalttyp = 1408,
    Anzahl1 = 1302,
    Spalttyp1 = 1366,
    Anzahl2 = 1335,
    Spalttyp2 = 1367,

    // buttons
    Berechnen = 1166,
    Komplettieren = 1167,
    Alternativen = 1510,    // opens the alternatives window
    Warum = 1511,           // beside the status line when there is no result
    Betriebspunkte = 1512,  // opens the operating points window

    // result frame
    RahmenErgebnis = 1081,
    LabelKopfWarm = 1265,
    LabelKopfKalt = 1266,
    LabelAlfa = 1405,
    AlfaWarm = 1044,
    AlfaKalt = 1066,
    EinheitAlfa = 1256,
    LabelVMin = 1028,
    VMinWarm = 1046,
    VMinKalt = 1068,
    EinheitVMin = 1257,
    LabelVMax = 1208,
    VMaxWarm = 1047,
    VMaxKalt = 1069,
    EinheitVMax = 1258,
    LabelVStutzen = 1030,
    VStutzenWarm = 1048,
    VStutzenKalt = 1070,
    EinheitVStutzen = 1259,
    LabelKRein = 1107,
    KRein = 1091,
    EinheitKRein = 1247,
    LabelKErf = 1108,
    KErf = 1092,
    EinheitKErf = 1248,
    LabelKEff = 1109,
    KEff = 1093,
    EinheitKEff = 1249,
    LabelFoulingSoll = 1105,
    FoulingSoll = 1089,
    EinheitFoulingSoll = 1250,
    LabelFoulingIst = 1104,
    FoulingIst = 1088,
    EinheitFoulingIst = 1251,
    LabelCmtd = 1112,
    Cmtd = 1096,
    EinheitCmtd = 1255,
    LabelFlaeche = 1323,
    Flaeche = 1086,
    EinheitFlaeche = 1324,
    LabelGewicht = 1336,
    Gewicht = 1087,
    EinheitGewicht = 1342,
    LabelLieferzeit = 1228,
    Lieferzeit = 1241,
    EinheitLieferzeit = 1229,
    LabelPreis = 1222,
    Preis = 1097,
    EinheitPreis = 1254,
    LabelCustomPreis = 1119,
    CustomPreis = 1098,
    EinheitCustomPreis = 1260,

    // status line and warning label
    Statuszeile = 1135,
    LabelWarnung = 1426,

    // menu popups (ids of this program) and commands
    PopupDatei = 130001,
    PopupVerwaltung = 130002,
    PopupSpez = 130003,
    PopupInfo = 130004,
    CmdNeu = 57600,
    CmdOeffnen = 57601,
    CmdSpeichern = 57603,
    CmdSpeichernUnter = 40011,
    CmdAlsRevision = 40012,
    CmdAngebot = 40013,
    CmdBeenden = 40014,
    CmdEinstellungen = 40016,
    CmdSpalttypen = 40042,
    CmdHilfe = 40021,
    CmdInfo = 40022,
    CmdPrintSpec = 40031,
    CmdPrintPlan = 40040,
    CmdKonstruktion = 40041,
    CmdZubehoer = 40043,
};

}  // namespace kal::hd

// User-defined medium dialog (DialogAddMedium).
namespace kal::am {

enum : int {
    LabelName = 1389,
    Name = 1149,
    Gas = 1412,
    LabelViskositaet = 1291,
    Viskositaet = 1153,
    EinheitViskositaet = 1163,
    LabelViskositaetWand = 1295,
    ViskositaetWand = 1154,
    EinheitViskositaetWand = 1165,
    LabelDichte = 1292,
    Dichte = 1151,
    EinheitDichte = 1210,
    LabelWaermekapazitaet = 1293,
    Waermekapazitaet = 1411,
    EinheitWaermekapazitaet = 1157,
    LabelWaermeleitfaehigkeit = 1294,
    Waermeleitfaehigkeit = 1152,
    EinheitWaermeleitfaehigkeit = 1156,
    LabelAlfa = 1405,
    Alfa = 1027,
    EinheitAlfa = 1256,
    LabelHinweis = 1419,
    Speichern = 1164,
    Leeren = 1148,
    Abbrechen = 2,
    VorlageOk = 1213,  // the template's OK button, hidden
};

}  // namespace kal::am

// Channel-type permission grid (PlattentypSpalttypDlg).
namespace kal::sg {

enum : int {
    LabelMaterial = 1012,
    Material = 1003,
    LabelDruckstufe = 1013,
    Druckstufe = 1006,
    LabelKopf = 1378,
    Gitter = 1377,
    LabelBeispiel = 1379,
    Speichern = 3,
    Ende = 1427,
};

}  // namespace kal::sg

// Quotation window (DialogAngebot): customer, references, terms and the
// positions of a quotation with its totals.
namespace kal::ag {

enum : int {
    Schliessen = 2,
    Kunde = 1600,
    Adresse1 = 1601,
    Adresse2 = 1602,
    Adresse3 = 1603,
    Kontakt = 1604,
    UnsereReferenz = 1605,
    AnfrageReferenz = 1606,
    AnfrageDatum = 1607,
    Gueltigkeit = 1608,
    Rabatt = 1609,
    Mwst = 1610,
    Zahlung = 1611,
    Lieferung = 1612,
    Verpackung = 1613,
    Gewaehrleistung = 1614,
    Positionen = 1620,
    Menge = 1621,
    PositionsText = 1622,
    Unterlagen = 1623,
    Hinzufuegen = 1630,
    Hoch = 1631,
    Runter = 1632,
    Duplizieren = 1633,
    Entfernen = 1634,
    ImHauptfenster = 1635,
    Zuruecknehmen = 1636,
    Neu = 1637,
    Oeffnen = 1638,
    Speichern = 1639,
    SpeichernUnter = 1640,
    AlsRevision = 1641,
    DruckenPdf = 1642,
    Summen = 1650,
    LabelKunde = 1660,
    LabelAdresse = 1661,
    LabelKontakt = 1662,
    LabelUnsereReferenz = 1663,
    LabelAnfrageReferenz = 1664,
    LabelAnfrageDatum = 1665,
    LabelGueltigkeit = 1666,
    LabelRabatt = 1667,
    LabelMwst = 1668,
    LabelZahlung = 1669,
    LabelLieferung = 1670,
    LabelVerpackung = 1671,
    LabelGewaehrleistung = 1672,
    LabelMenge = 1673,
    LabelPositionsText = 1674,
};

}  // namespace kal::ag

// Alternatives window (AlternativenDlg): the packs of a run, the limits of
// the selected one, or why the run found none.
namespace kal::alt {

enum : int {
    Schliessen = 2,
    Tabelle = 1500,
    LabelGrenzen = 1501,
    Grenzen = 1502,
    LabelGruende = 1503,
    Gruende = 1504,
    Uebernehmen = 1505,
    AchseReserve = 1506,  // the chart's price over area reserve
    AchseDruck = 1507,    // over the tightest pressure-drop margin
};

}  // namespace kal::alt

// Operating points window (BetriebspunkteDlg): a table of the points, the
// first being the main window's entries, and each point's figures of the
// common pack.
namespace kal::bp {

enum : int {
    Schliessen = 2,
    LabelPunkte = 1520,
    Punkt = 1521,        // the selected point (a list of the points)
    Hinzufuegen = 1522,  // a copy of the selected point
    Entfernen = 1523,
    Berechnen = 1524,
    LabelErgebnis = 1525,
    Status = 1526,
    Bindend = 1527,  // names the binding point and limit
    Zelle0 = 2000,   // the table's entries: see zelle()
};
constexpr int kZeilenabstand = 20;
// The entry of point `punkt` (0 the first) in column `feld`.
constexpr int zelle(int punkt, int feld) { return Zelle0 + kZeilenabstand * punkt + feld; }

}  // namespace kal::bp

// Language choice (DialogSettings).
namespace kal::sprache {

enum : int {
    Ok = 1,
    Abbrechen = 2,
    LabelSprache = 1132,
    Sprache = 1134,
};

}  // namespace kal::sprache

// About box (DialogInfo).
namespace kal::info {

enum : int {
    Ok = 1,
    Symbol = 128,
    Zeile1 = 1371,
    Zeile2 = 1372,  // program version and date
    Zeile3 = 1373,
    Zeile4 = 1374,
    Zeile5 = 1375,
    Zeile6 = 1376,
};

}  // namespace kal::info

// Completion dialog (CAssembly).
namespace kal::kp {
enum : int {
    // prices and discounts
    LabelRabatt = 1243,
    LabelWaehrung = 1242,
    LabelPreisPaket = 1224,
    RabattPaket = 1055,
    NettoPaket = 1052,
    LabelPreisGestell = 1225,
    RabattGestell = 1056,
    NettoGestell = 1054,
    LabelGrundpreis = 1222,
    PreisCode = 1379,
    Grundpreis = 1045,
    // connections
    Sonderanschluesse = 1418,
    Ansi = 1403,
    Din = 1402,
    LabelAnschlussWarm = 1382,
    AnschlussWarm = 1176,
    SonderAnschlussWarm = 1058,
    PreisAnschlussWarm = 1046,
    LabelAnschlussKalt = 1383,
    AnschlussKalt = 1182,
    SonderAnschlussKalt = 1060,
    PreisAnschlussKalt = 1047,
    // options
    Lackierung = 1181,
    LabelRalNr = 1186,
    RalNr = 1187,
    LabelRalStandard = 1223,
    PreisLackierung = 1051,
    Isolierung = 1178,
    PreisIsolierung = 1048,
    Spritzschutz = 1179,
    PreisSpritzschutz = 1049,
    // totals
    LabelKennung = 1385,
    Kennung = 1175,
    LabelEinzelpreis = 1435,
    Einzelpreis = 1053,
    LabelLieferzeit = 1228,
    Lieferzeit = 1380,
    EinheitLieferzeit = 1229,  // this program's own: the delivery time's unit
    // documentation
    RahmenDoku = 1226,
    DokuAnzahl = 1194,
    LabelDokuAnzahl = 1227,
    DokuSprache = 1261,
    Massblatt = 1205,
    DokuPlan = 1196,
    DokuZeugnisse = 1197,
    DokuAbnahmezeichnung = 1198,
    DokuAblaufplan = 1199,
    DokuStueckliste = 1200,
    DokuZertifikat = 1201,
    DokuFestigkeit = 1202,
    DokuQcPlan = 1203,
    Zusatztext12 = 1381,
    Zusatztext3 = 1389,
    ZusatztextFda = 1390,
    // nozzle arrangement
    RahmenBelegung = 1431,
    EintrittOben = 1429,
    EintrittUnten = 1430,
    EintrittSonder = 1433,
    LabelMedium = 1233,
    LabelEntleerung = 1234,
    LabelEntlueftung = 1235,
    LabelWarmKurz = 1434,
    LabelKaltKurz = 1232,
    BelegungMediumWarm = 1057,
    BelegungMediumKalt = 1059,
    BelegungEntleerungWarm = 1061,
    BelegungEntleerungKalt = 1062,
    // pass pictures: one pass, even and odd pass counts
    BildEineSerie = 1388,
    BildGerade = 1386,
    BildUngerade = 1387,
    Zurueck = 2,
    // menu (the popup id is this program's own)
    PopupSpez = 130005,
    CmdPrintSpec = 40031,
    CmdPrintPlan = 40040,
    CmdKonstruktion = 40041,
    CmdZubehoer = 40043,
};
}  // namespace kal::kp

// Project-data dialog (CDialogProjektDaten), this program's own ids.
namespace kal::pd {

enum : int {
    LabelKunde = 2301,
    Kunde = 2302,
    LabelProjekt = 2303,
    Projekt = 2304,
    LabelPosition = 2305,
    Position = 2306,
    LabelSachbearbeiter = 2307,
    Sachbearbeiter = 2308,
    LabelTelefon = 2309,
    Telefon = 2310,
    LabelDatum = 2311,
    Datum = 2312,
    Drucken = 1,
    Vorschau = 2313,
    AlsPdf = 2314,
    Abbrechen = 2,
};

}  // namespace kal::pd

// Specification dialog (DialogSpec). Labels 1601 and up are this program's
// own: the captions of the value rows.
namespace kal::sp {
enum : int {
    // project data and device
    Projekt = 1267,
    Position = 1268,
    Sachbearbeiter = 1395,
    Durchwahl = 1396,
    Geraet = 1379,
    LabelKennung = 1385,
    Kennung = 1399,
    // the two sides
    KopfWarm = 1390,
    KopfKalt = 1224,
    MediumWarm = 1364,
    MediumKalt = 1365,
    LabelBemerkungSeite = 1417,
    BemerkungWarm = 1397,
    BemerkungKalt = 1400,
    MassenstromWarm = 1386,
    MassenstromKalt = 1384,
    VolumenstromWarm = 1187,
    VolumenstromKalt = 1189,
    TEinWarm = 1188,
    TEinKalt = 1277,
    TAusWarm = 1278,
    TAusKalt = 1279,
    ViskositaetWarm = 1194,
    ViskositaetKalt = 1280,
    DichteWarm = 1204,
    DichteKalt = 1281,
    CpWarm = 1282,
    CpKalt = 1283,
    LambdaWarm = 1284,
    LambdaKalt = 1285,
    Kondensationsenthalpie = 1287,
    DruckverlustWarm = 1295,
    DruckverlustKalt = 1299,
    SerienWarm = 1296,
    SerienKalt = 1300,
    InhaltWarm = 1297,
    InhaltKalt = 1301,
    // pack and device
    SpaltenGesamt = 1271,
    Anzahl1 = 1302,
    Spalttyp1 = 1366,
    Anzahl2 = 1335,
    Spalttyp2 = 1367,
    Plattenmaterial = 1345,
    Plattendicke = 1378,
    DichtungWarm = 1346,
    DichtungKalt = 1380,
    Gestell = 1347,
    LabelAnschlussWarm = 1382,
    LabelAnschlussKalt = 1383,
    BelegungWarm = 1057,
    AnschlussWarm = 1348,
    BelegungKalt = 1059,
    AnschlussKalt = 1349,
    // performance
    Leistung = 1306,
    Flaeche = 1307,
    Lmtd = 1308,
    Cmtd = 1360,
    KErf = 1309,
    KEff = 1361,
    Fouling = 1310,
    Sicherheit = 1029,
    Gewicht = 1339,
    Druck = 1340,
    MaxTemperatur = 1341,
    LabelBemerkung = 1370,
    Bemerkung = 1369,
    // hidden values the outputs use
    ViskositaetWandWarm = 1429,
    ViskositaetWandKalt = 1428,
    KondensatViskositaet = 1195,
    KondensatDichte = 1205,
    KondensatCp = 1298,
    KondensatLambda = 1351,
    Dampfdruck = 1356,
    GasDruckWarm = 1362,
    GasDruckKalt = 1387,
    EinheitViskositaetWandWarm = 1402,
    EinheitViskositaetWandKalt = 1403,
    EinheitGasDruckWarm = 1401,
    EinheitGasDruckKalt = 1388,
    // unit labels
    EinheitMassenstromWarm = 1312,
    EinheitMassenstromKalt = 1359,
    EinheitVolumenstromWarm = 1357,
    EinheitVolumenstromKalt = 1358,
    EinheitTEinWarm = 1313,
    EinheitTEinKalt = 1368,
    EinheitTAusWarm = 1314,
    EinheitTAusKalt = 1371,
    EinheitViskositaetWarm = 1315,
    EinheitViskositaetKalt = 1372,
    EinheitDichteWarm = 1316,
    EinheitDichteKalt = 1373,
    EinheitCpWarm = 1317,
    EinheitCpKalt = 1374,
    EinheitLambdaWarm = 1318,
    EinheitLambdaKalt = 1375,
    EinheitKondensationsenthalpie = 1381,
    EinheitDruckverlustWarm = 1319,
    EinheitDruckverlustKalt = 1376,
    EinheitInhaltWarm = 1320,
    EinheitInhaltKalt = 1377,
    EinheitLeistung = 1322,
    EinheitFlaeche = 1324,
    EinheitTemperaturdifferenz = 1326,
    EinheitK = 1328,
    EinheitFouling = 1330,
    EinheitSicherheit = 1332,
    EinheitGewicht = 1342,
    EinheitDruck = 1343,
    EinheitMaxTemperatur = 1344,
    // buttons
    Drucken = 1398,
    Excel = 4,
    Ausschreibung = 3,
    Zurueck = 2,
    // captions of the rows
    LabelProjekt = 1601,
    LabelPosition = 1602,
    LabelSachbearbeiter = 1603,
    LabelDurchwahl = 1604,
    LabelGeraet = 1605,
    LabelMedien = 1606,
    LabelMassenstrom = 1607,
    LabelVolumenstrom = 1608,
    LabelEintritt = 1609,
    LabelAustritt = 1610,
    LabelViskositaet = 1611,
    LabelDichte = 1612,
    LabelCp = 1613,
    LabelLambda = 1614,
    LabelKondensationsenthalpie = 1615,
    LabelDruckverlust = 1616,
    LabelSerien = 1617,
    LabelInhalt = 1618,
    LabelSpaltenGesamt = 1619,
    LabelSpalten = 1620,
    LabelPlatten = 1621,
    LabelDichtungen = 1622,
    LabelGestell = 1623,
    LabelLeistung = 1624,
    LabelFlaeche = 1625,
    LabelTemperaturdifferenz = 1626,
    LabelK = 1627,
    LabelFouling = 1628,
    LabelSicherheit = 1629,
    LabelGewicht = 1630,
    LabelDruck = 1631,
    LabelMaxTemperatur = 1632,
    EinheitPlattendicke = 1633,
};
}  // namespace kal::sp
