#!/usr/bin/env python3
"""Builds Kelvora's starter tables data/mat.xml and data/glz.xml.

Materials with a mineral formula get their molar analysis and molecular weight
from stoichiometry with the IUPAC standard atomic weights (abridged, 2021).
Materials known by a typical published oxide analysis are converted from
weight percentages exactly as the program's "% ==> Mol" conversion does: with
the same rounded oxide molar masses, basic oxides brought to one mol, and the
molecular weight as the sum of the percentages over the basic sum.

The example glazes are calculated here with the program's own rules (mode P:
percentages to 100, mols from the molecular weights, basic oxides to one mol,
cost price including additions, firing-range estimate), so the stored results
can be checked against `kelvora-cli calc` independently.

Run from anywhere:  python3 data/tools/make_starter_data.py
"""
import math
import os
from xml.sax.saxutils import quoteattr

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.dirname(HERE)

# ---- oxide catalogue (order and groups as the program has them) ------------------
STEMS = ("li2o na2o k2o beo mgo cao sro bao feo coo cuo nio mno zno pbo "
         "b2o3 al2o3 as2o3 sb2o3 fe2o3 bi2o3 mn2o3 cr2o3 v2o5 "
         "sio2 geo2 tio2 zro2 sno2 mno2 p2o5 as2o5 sb2o5").split()
BASIC = STEMS[:15]
# The program's rounded molar masses, used for the percentage conversion.
PROGRAM_MOLAR_MASS = dict(zip(STEMS, [
    29.9, 62.0, 94.2, 25.0, 40.3, 56.1, 103.6, 153.3, 71.8, 74.9, 79.5, 74.7, 70.9, 81.4, 223.2,
    69.6, 102.0, 197.8, 291.5, 159.7, 466.0, 157.9, 152.0, 181.9,
    60.1, 104.6, 79.9, 123.2, 150.7, 86.9, 141.9, 229.8, 323.5]))

# ---- stoichiometry ----------------------------------------------------------------
ATOMIC = {"H": 1.008, "Li": 6.94, "B": 10.81, "C": 12.011, "O": 15.999, "Na": 22.990,
          "Mg": 24.305, "Al": 26.982, "Si": 28.085, "P": 30.974, "K": 39.098, "Ca": 40.078,
          "Ti": 47.867, "V": 50.942, "Cr": 51.996, "Mn": 54.938, "Fe": 55.845, "Co": 58.933,
          "Ni": 58.693, "Cu": 63.546, "Zn": 65.38, "Sr": 87.62, "Zr": 91.224, "Sn": 118.71,
          "Ba": 137.33, "Pb": 207.2}


def mass(formula):
    """Mass of a formula written as {element: count}."""
    return sum(ATOMIC[e] * n for e, n in formula.items())


H2O = {"H": 2, "O": 1}
CO2 = {"C": 1, "O": 2}
OXIDE_ATOMS = {
    "li2o": {"Li": 2, "O": 1}, "na2o": {"Na": 2, "O": 1}, "k2o": {"K": 2, "O": 1},
    "mgo": {"Mg": 1, "O": 1}, "cao": {"Ca": 1, "O": 1}, "sro": {"Sr": 1, "O": 1},
    "bao": {"Ba": 1, "O": 1}, "feo": {"Fe": 1, "O": 1}, "coo": {"Co": 1, "O": 1},
    "cuo": {"Cu": 1, "O": 1}, "nio": {"Ni": 1, "O": 1}, "mno": {"Mn": 1, "O": 1},
    "zno": {"Zn": 1, "O": 1}, "pbo": {"Pb": 1, "O": 1}, "b2o3": {"B": 2, "O": 3},
    "al2o3": {"Al": 2, "O": 3}, "fe2o3": {"Fe": 2, "O": 3}, "cr2o3": {"Cr": 2, "O": 3},
    "v2o5": {"V": 2, "O": 5}, "sio2": {"Si": 1, "O": 2}, "tio2": {"Ti": 1, "O": 2},
    "zro2": {"Zr": 1, "O": 2}, "sno2": {"Sn": 1, "O": 2}, "mno2": {"Mn": 1, "O": 2},
    "p2o5": {"P": 2, "O": 5},
}


def theoretical(oxides, volatiles=(), extra=0.0):
    """Molar analysis and molecular weight of a formula written in oxides.

    oxides: {stem: mols}; volatiles: [(formula, mols)] driven off in the
    firing (water, carbon dioxide); extra: further mass per mol (the oxygen
    that a higher oxide such as Co3O4 loses on firing)."""
    weight = sum(mass(OXIDE_ATOMS[s]) * n for s, n in oxides.items())
    weight += sum(mass(f) * n for f, n in volatiles) + extra
    return dict(oxides), round(weight, 2)


def from_percent(percent):
    """The program's percentage-to-mol conversion."""
    mols = {s: percent.get(s, 0.0) / PROGRAM_MOLAR_MASS[s] for s in STEMS}
    basic = 0.0
    for s in BASIC:
        basic += mols[s]
    factor = 1.0 / basic
    weight = 0.0
    for s in STEMS:
        mols[s] *= factor
        weight += mols[s] * PROGRAM_MOLAR_MASS[s]
    return {s: v for s, v in mols.items() if percent.get(s, 0.0) != 0.0}, weight


THEORY = "Theoretische samenstelling {f}, berekend met de IUPAC-atoomgewichten."
TYPICAL = ("Typische gepubliceerde analyse van {what} (gewichtsprocenten, {rest}); "
           "omgerekend naar Seger formule met % ==> Mol.")

# (name, price per kg, supplier, description, (molar analysis, molecular weight), percentages or None)
MATERIALS = []


def add_theory(name, price, formula_text, oxides, volatiles=(), extra=0.0, note=""):
    mols, weight = theoretical(oxides, volatiles, extra)
    text = THEORY.format(f=formula_text) + (" " + note if note else "")
    MATERIALS.append((name, price, text, mols, weight, None))


def add_typical(name, price, what, rest, percent):
    mols, weight = from_percent(percent)
    MATERIALS.append((name, price, TYPICAL.format(what=what, rest=rest), mols, weight, percent))


add_theory("Kwarts", 0.55, "SiO2", {"sio2": 1})
add_theory("Kaolien", 0.85, "Al2O3.2SiO2.2H2O", {"al2o3": 1, "sio2": 2}, [(H2O, 2)])
add_theory("Kaliveldspaat", 1.20, "K2O.Al2O3.6SiO2", {"k2o": 1, "al2o3": 1, "sio2": 6})
add_theory("Natronveldspaat", 1.15, "Na2O.Al2O3.6SiO2", {"na2o": 1, "al2o3": 1, "sio2": 6})
add_theory("Krijt", 0.60, "CaCO3", {"cao": 1}, [(CO2, 1)])
add_theory("Dolomiet", 0.80, "CaMg(CO3)2", {"cao": 1, "mgo": 1}, [(CO2, 2)])
add_theory("Talk", 1.50, "3MgO.4SiO2.H2O", {"mgo": 3, "sio2": 4}, [(H2O, 1)])
add_theory("Wollastoniet", 1.80, "CaSiO3", {"cao": 1, "sio2": 1})
add_theory("Zinkoxide", 6.50, "ZnO", {"zno": 1})
add_theory("Lithiumcarbonaat", 28.00, "Li2CO3", {"li2o": 1}, [(CO2, 1)])
add_theory("Strontiumcarbonaat", 6.00, "SrCO3", {"sro": 1}, [(CO2, 1)])
add_theory("Bariumcarbonaat", 4.50, "BaCO3", {"bao": 1}, [(CO2, 1)], note="Giftig.")
add_theory("Colemaniet", 4.50, "2CaO.3B2O3.5H2O", {"cao": 2, "b2o3": 3}, [(H2O, 5)])
add_theory("Aluminiumoxide", 3.50, "Al2O3", {"al2o3": 1})
add_theory("Aluminiumhydroxide", 2.50, "Al2O3.3H2O (2 Al(OH)3)", {"al2o3": 1}, [(H2O, 3)])
add_theory("Titaandioxide", 9.00, "TiO2", {"tio2": 1})
add_theory("Rutiel", 12.00, "TiO2", {"tio2": 1},
           note="Natuurlijk rutiel bevat daarnaast enkele procenten ijzeroxide.")
add_theory("Tinoxide", 45.00, "SnO2", {"sno2": 1})
add_theory("Zirkoon", 3.50, "ZrSiO4 (ZrO2.SiO2)", {"zro2": 1, "sio2": 1})
add_theory("Beenderas", 6.00, "Ca3(PO4)2 (3CaO.P2O5)", {"cao": 3, "p2o5": 1})
add_theory("Magnesiumcarbonaat", 5.00, "MgCO3", {"mgo": 1}, [(CO2, 1)])
add_theory("Magnesiumoxide", 4.50, "MgO", {"mgo": 1})
add_theory("Rood ijzeroxide", 4.00, "Fe2O3", {"fe2o3": 1})
add_theory("Zwart ijzeroxide", 5.00, "Fe3O4 (FeO.Fe2O3)", {"feo": 1, "fe2o3": 1})
add_theory("Kobaltoxide zwart", 90.00, "Co3O4 (3CoO + O)", {"coo": 3}, extra=ATOMIC["O"],
           note="Geeft bij het stoken zuurstof af.")
add_theory("Kobaltcarbonaat", 75.00, "CoCO3", {"coo": 1}, [(CO2, 1)])
add_theory("Koperoxide zwart", 18.00, "CuO", {"cuo": 1})
add_theory("Kopercarbonaat", 16.00, "CuCO3.Cu(OH)2 (2CuO.CO2.H2O)", {"cuo": 2}, [(CO2, 1), (H2O, 1)])
add_theory("Mangaandioxide", 6.00, "MnO2", {"mno2": 1})
add_theory("Mangaancarbonaat", 9.00, "MnCO3", {"mno": 1}, [(CO2, 1)])
add_theory("Chroomoxide", 25.00, "Cr2O3", {"cr2o3": 1})
add_theory("Nikkeloxide groen", 40.00, "NiO", {"nio": 1})
add_theory("Vanadiumpentoxide", 60.00, "V2O5", {"v2o5": 1}, note="Giftig.")
add_theory("Loodoxide", 8.00, "PbO", {"pbo": 1}, note="Giftig; alleen als fritte verwerken.")
add_theory("Borax", 3.00, "Na2O.2B2O3.10H2O", {"na2o": 1, "b2o3": 2}, [(H2O, 10)])
add_theory("Petaliet", 3.50, "Li2O.Al2O3.8SiO2 (2 LiAlSi4O10)", {"li2o": 1, "al2o3": 1, "sio2": 8})
add_theory("Spodumeen", 4.00, "Li2O.Al2O3.4SiO2 (2 LiAlSi2O6)", {"li2o": 1, "al2o3": 1, "sio2": 4})

add_typical("Nefelien syeniet", 1.40, "een handelskwaliteit nefelien syeniet", "gloeiverlies 0,7 %",
            {"sio2": 60.2, "al2o3": 23.3, "fe2o3": 0.07, "cao": 0.7, "mgo": 0.1, "na2o": 10.6, "k2o": 4.8})
add_typical("Cornish stone", 1.50, "Cornish stone (Engelse veldspaatsteen)", "gloeiverlies 1,9 %",
            {"sio2": 72.4, "al2o3": 15.6, "fe2o3": 0.15, "tio2": 0.05, "cao": 1.6, "mgo": 0.1,
             "k2o": 4.3, "na2o": 3.9})
add_typical("Ball clay", 0.90, "een plastische ball clay", "gloeiverlies 11,8 %",
            {"sio2": 52.0, "al2o3": 30.5, "fe2o3": 1.1, "tio2": 1.2, "cao": 0.3, "mgo": 0.4,
             "k2o": 2.3, "na2o": 0.4})
add_typical("Standaard borax fritte", 4.00, "een standaard calcium-borax fritte", "som 100 %",
            {"na2o": 9.8, "k2o": 0.6, "cao": 11.4, "b2o3": 21.9, "al2o3": 9.4, "sio2": 46.9})
add_typical("Loodbisilicaat", 7.00, "een loodbisilicaat fritte (giftig)", "som 100 %",
            {"pbo": 64.5, "al2o3": 2.5, "sio2": 33.0})
add_typical("Hoog alkalische fritte", 4.50, "een hoog alkalische fritte", "som 100 %",
            {"na2o": 16.5, "k2o": 1.0, "cao": 5.5, "b2o3": 2.0, "al2o3": 6.0, "sio2": 69.0})

# ---- glazes --------------------------------------------------------------------------
# (name, category, cone from, cone to, atmosphere, recipe [(material, %)], additions [(material, parts)], description)
GLAZES = [
    ("Kegel 6 glans basis", "Transparant", "5a - 1180", "7 - 1230", "Oxidatie",
     [("Nefelien syeniet", 20), ("Standaard borax fritte", 20), ("Wollastoniet", 15), ("Kaolien", 20),
      ("Kwarts", 25)], [],
     "Glanzende transparante basis voor kegel 6; goed te kleuren met oxides."),
    ("Seladon", "Seladon", "8 - 1250", "10 - 1300", "Reductie",
     [("Kaliveldspaat", 30), ("Kwarts", 30), ("Krijt", 20), ("Kaolien", 20)], [("Rood ijzeroxide", 1.5)],
     "Klassiek seladon: kalk-veldspaatglazuur met 1,5 % ijzeroxide, stoken in reductie."),
    ("Tenmoku", "Tenmoku", "8 - 1250", "10 - 1300", "Reductie",
     [("Kaliveldspaat", 38), ("Kwarts", 27), ("Krijt", 17), ("Kaolien", 8), ("Rood ijzeroxide", 10)], [],
     "Zwartbruin ijzerglazuur dat op randen roestbruin breekt."),
    ("Zink mat", "Mat", "5a - 1180", "7 - 1230", "Oxidatie",
     [("Kaliveldspaat", 50), ("Zinkoxide", 20), ("Krijt", 15), ("Kwarts", 10), ("Kaolien", 5)], [],
     "Zinkmat glazuur; zink kristalliseert bij langzaam afkoelen uit tot een zachte mat."),
    ("Boor transparant", "Transparant", "05a - 1000", "03a - 1040", "Oxidatie",
     [("Standaard borax fritte", 70), ("Kaolien", 15), ("Kwarts", 15)], [],
     "Loodvrij transparant glazuur voor aardewerk."),
    ("Lood aardewerk", "Aardewerk", "06a - 980", "04a - 1020", "Oxidatie",
     [("Loodbisilicaat", 75), ("Kaolien", 10), ("Kwarts", 10), ("Krijt", 5)], [],
     "Traditioneel loodglazuur; niet voor gebruiksgoed dat met voedsel in aanraking komt."),
    ("Satijn mat", "Mat", "5a - 1180", "7 - 1230", "Oxidatie",
     [("Kaliveldspaat", 35), ("Dolomiet", 20), ("Krijt", 5), ("Kaolien", 20), ("Kwarts", 15), ("Talk", 5)], [],
     "Magnesiummat met een zijdeglans."),
    ("Kristal basis", "Kristal", "8 - 1250", "10 - 1300", "Oxidatie",
     [("Hoog alkalische fritte", 50), ("Zinkoxide", 25), ("Kwarts", 20), ("Titaandioxide", 5)],
     [("Kobaltcarbonaat", 1)],
     "Aluminiumarme zinksilicaatbasis voor kristalglazuur; langzaam afkoelen rond 1100 gr. C."),
]


def calc_glaze(recipe, additions, materials):
    """Mode P with both flags clear, as the program calculates it."""
    mol_weight = [materials[m]["molg"] for m, _ in recipe]
    price = [materials[m]["prys"] for m, _ in recipe]
    total = sum(p for _, p in recipe)
    mtp = [p * 100 / total for _, p in recipe] if total != 100 else [p for _, p in recipe]
    mtm = [p / w for p, w in zip(mtp, mol_weight)]

    def totals(mols):
        t = {s: 0.0 for s in STEMS}
        for (m, _), n in zip(recipe, mols):
            for s, v in materials[m]["mols"].items():
                t[s] += v * n
        return t

    t = totals(mtm)
    basic = sum(t[s] for s in BASIC)
    if basic != 1:
        mtm = [n * (1 / basic) for n in mtm]
        t = totals(mtm)
    mtp = [n * w for n, w in zip(mtm, mol_weight)]
    total = sum(mtp)
    if total != 100:
        mtp = [p * 100 / total for p in mtp]
    cost = sum(p * c for p, c in zip(mtp, price))
    batch = 100.0
    for m, parts in additions:
        cost += parts * materials[m]["prys"]
        batch += parts
    return t, mtp, mtm, cost / batch, estimate(t)


def estimate(o):
    pbo, b2o3 = o["pbo"], o["b2o3"]
    if pbo >= 0.2:
        kind, t = "lead", 1070.0
    elif b2o3 >= 0.1:
        kind, t = "boron", 1100.0
    elif pbo < 0.01:
        kind, t = "leadless", 1180.0
    else:
        return 0, 0
    h = 20.0
    unleaded = kind != "lead"
    if o["al2o3"] > 0:
        t += 50 * o["al2o3"]
        h += 10 * o["al2o3"]
    if o["sio2"] > 0:
        t += 17 * o["sio2"]
    if o["mgo"] > 0:
        t += -20 if o["mgo"] < 0.1 else 30 * (o["mgo"] - 0.1)
    if o["cao"] > 0:
        t -= {"boron": 5, "leadless": 6}.get(kind, 0) * o["cao"]
    if o["zno"] > 0 and unleaded:
        t -= 80 * o["zno"]
    if o["bao"] > 0 and unleaded:
        t -= 25 * o["bao"]
        if h > 5:
            h -= 5
    if o["sro"] > 0 and unleaded:
        t -= 80 * o["sro"]
    if o["pbo"] > 0:
        t -= 25 * pbo
    if o["b2o3"] > 0:
        t -= 20 * b2o3
        h += 10 * b2o3
    for s, f in (("na2o", 130), ("k2o", 135), ("li2o", 140)):
        if o[s] > 0:
            t -= f * o[s]
    t = 10 * round(t / 10)  # Python rounds halves to even, as the program does
    h = 10 * round(h / 10)
    return int(t - h), int(t + h)


# ---- XML ------------------------------------------------------------------------------
def material_fields():
    f = [("naam", "string", 40), ("omsc", "memo", 0), ("prys", "r8", 0), ("molg", "r8", 0),
         ("levr", "string", 40), ("besc", "string", 1)]
    f += [(s, "r8", 0) for s in STEMS]
    f += [("molproc", "string", 1)]
    f += [(s + "proc", "r8", 0) for s in STEMS]
    return f


def glaze_fields():
    f = [("naam", "string", 40), ("omsc", "memo", 0), ("prys", "r8", 0), ("datm", "string", 10),
         ("tmpv", "i4", 0), ("skva", "string", 12), ("tmpt", "i4", 0), ("sktt", "string", 12),
         ("catg", "string", 70), ("brtm", "string", 40), ("oxrd", "string", 30), ("tstd", "string", 1),
         ("levm", "string", 1), ("imgf", "string", 100), ("molp", "string", 1)]
    for n in range(1, 13):
        f += [(f"mat{n}", "string", 40), (f"mtp{n}", "r8", 0), (f"mtm{n}", "r8", 0)]
    for n in range(1, 6):
        f += [(f"tvs{n}", "string", 40), (f"tvp{n}", "r8", 0)]
    f += [(s, "r8", 0) for s in STEMS]
    return f


def packet(fields, rows):
    out = ['<?xml version="1.0" encoding="UTF-8" standalone="yes"?>', '<DATAPACKET Version="2.0">',
           "<METADATA>", "<FIELDS>"]
    for name, kind, width in fields:
        if kind == "string":
            out.append(f'<FIELD attrname="{name}" fieldtype="string" WIDTH="{width}"/>')
        elif kind == "memo":
            out.append(f'<FIELD attrname="{name}" fieldtype="bin.hex" SUBTYPE="Text"/>')
        else:
            out.append(f'<FIELD attrname="{name}" fieldtype="{kind}"/>')
    out += ["</FIELDS>", "<PARAMS/>", "</METADATA>", "<ROWDATA>"]
    order = [name for name, _, _ in fields]
    for row in rows:
        attrs = []
        for name in order:
            if name not in row or row[name] is None or row[name] == "":
                continue
            value = row[name]
            if isinstance(value, float):
                assert math.isfinite(value)
                value = repr(value)
            attrs.append(f"{name}={quoteattr(str(value))}")
        out.append("<ROW " + " ".join(attrs) + "/>")
    out += ["</ROWDATA>", "</DATAPACKET>", ""]
    return "\n".join(out)


def main():
    materials = {}
    rows = []
    for name, price, text, mols, weight, percent in sorted(MATERIALS, key=lambda m: m[0].encode()):
        assert len(name) <= 40 and name not in materials
        materials[name] = {"mols": mols, "molg": weight, "prys": price}
        row = {"naam": name, "omsc": text, "prys": float(price), "molg": float(weight),
               "levr": "Keramiekgroothandel", "besc": "J", "molproc": "P" if percent else "M"}
        for s in STEMS:
            row[s] = float(mols.get(s, 0.0))
        if percent:
            for s, v in percent.items():
                row[s + "proc"] = float(v)
        rows.append(row)
    with open(os.path.join(DATA, "mat.xml"), "w", encoding="utf-8", newline="\n") as f:
        f.write(packet(material_fields(), rows))

    grows = []
    for name, category, cone_from, cone_to, atmosphere, recipe, additions, text in GLAZES:
        formula, mtp, mtm, price, (low, high) = calc_glaze(recipe, additions, materials)
        row = {"naam": name, "omsc": text, "prys": price, "tmpv": low, "skva": cone_from, "tmpt": high,
               "sktt": cone_to, "catg": category, "oxrd": atmosphere, "molp": "P"}
        for n in range(1, 13):
            slot = n - 1
            row[f"mat{n}"] = recipe[slot][0] if slot < len(recipe) else ""
            row[f"mtp{n}"] = float(mtp[slot]) if slot < len(recipe) else 0.0
            row[f"mtm{n}"] = float(mtm[slot]) if slot < len(recipe) else 0.0
        for n, (m, parts) in enumerate(additions, start=1):
            row[f"tvs{n}"] = m
            row[f"tvp{n}"] = float(parts)
        for s in STEMS:
            row[s] = float(formula[s])
        grows.append(row)
        print(f"{name:24s} prys {price:6.3f}  {low}-{high} C  " +
              " ".join(f"{s} {formula[s]:.3f}" for s in STEMS if formula[s] != 0))
    grows.sort(key=lambda r: r["naam"].encode())
    with open(os.path.join(DATA, "glz.xml"), "w", encoding="utf-8", newline="\n") as f:
        f.write(packet(glaze_fields(), grows))
    print(f"{len(rows)} materials, {len(grows)} glazes written")


if __name__ == "__main__":
    main()
