#!/usr/bin/env python3
"""Checks a Quintaro draw journal (Trekkingsjournaal.jsonl).

A second checker beside `quintaro --controleer`, written from docs/verification.md alone and
using nothing but the Python standard library (journaalregels.py beside it
holds the reading half). It reads the journal line by line, follows
the hash chain, checks every record and its place in the evening, and draws every number of
a series again once the series' key is revealed.

    python3 tools/controleer.py JOURNAAL [--json] [--toezegging HEX]... [--keten HEX]...

--toezegging and --keten take what someone noted from the screen: a commitment, or a head of
the chain (the hash of the journal's latest line), as at least 16 hex digits. Each names the
first line that matches it.

Exit status: 0 everything verifies; 3 nothing is wrong, but the key of a series is not
revealed yet, so its numbers cannot be recomputed yet; 1 the journal is damaged, changed or
no journal (the line and the reason are printed), or a pin matches no line; 2 a mistake on
the command line.
"""

import argparse
import hashlib
import json
import sys

from journaalregels import (MAX_BESTAND, MAX_INVOER, MAX_REGEL, MIN_PIN, NUL_HASH, Getrokken,
                           Trommel, loterij_regel, plaats, regels, strikt_json)


class Fout(Exception):
    def __init__(self, regel, reden):
        super().__init__(reden)
        self.regel = regel
        self.reden = reden


def lot_tekst(loterij, lot):
    naam = loterij["reeksen"][lot[0]][3]
    return "%s %d" % (naam, lot[1]) if naam else "%d" % lot[1]


def trek_opnieuw(reeks, sleutel):
    """Draws the series again from its key; raises Fout at the first number that differs."""
    begin = reeks["begin"]
    invoer_hash = hashlib.sha256(reeks["invoer"].encode("utf-8")).digest()
    loterij = reeks["loterij"]
    if loterij is not None:
        trommel = loterij["trommel"]
        trommel = trommel.leeg() if trommel else Trommel([r[:3] for r in loterij["reeksen"]])
        for index, (lot, regel) in enumerate(loterij["loten"]):
            verwacht = trommel.lot_op_plaats(plaats(sleutel, invoer_hash, index, trommel.aantal()))
            if verwacht != lot:
                raise Fout(regel, "in het journaal staat %s, maar de sleutel geeft %s"
                           % (lot_tekst(loterij, lot), lot_tekst(loterij, verwacht)))
            trommel.haal_uit(verwacht)
        return
    laagste, hoogste = begin["laagste"], begin["hoogste"]
    getrokken = Getrokken(begin["overgenomen"]) if begin["rolsoort"] == 0 else None
    index = 0
    for stap in reeks["stappen"]:
        if stap[0] == "bereik":
            laagste, hoogste = stap[1], stap[2]
            continue
        onder, boven = min(laagste, hoogste), max(laagste, hoogste)
        if getrokken is None:
            verwacht = onder + plaats(sleutel, invoer_hash, index, boven - onder + 1)
        else:
            aantal = getrokken.vrij(onder, boven)
            verwacht = getrokken.vrij_op_plaats(onder, boven, plaats(sleutel, invoer_hash, index, aantal))
            getrokken.voeg_toe(verwacht)
        if verwacht != stap[1]:
            raise Fout(stap[2], "in het journaal staat %d, maar de sleutel geeft %d" % (stap[1], verwacht))
        index += 1


# The check


class Controle:
    def __init__(self, pinnen=()):
        # Each pin: soort ("toezegging" or "keten"), waarde (hex), and once found regel,
        # reeks and the series' draws and voids at that line.
        self.pinnen = [{"soort": soort, "waarde": waarde, "regel": 0, "reeks": 0, "trekkingen": 0,
                        "vervallen": 0} for soort, waarde in pinnen]
        self.in_run = False
        self.actief = 0
        self.reeksen = []
        self.vorige_hash = None
        self.voorvorige_hash = None
        self.trekkingen = 0
        self.nagerekend = 0

    @staticmethod
    def is_gescheurd(r, volgende):
        """Whether line r is torn: the line after it is a start record that names it."""
        if volgende is None or volgende.tekst is None:
            return False
        try:
            na = volgende.als_record()
        except ValueError:
            return False
        return na["soort"] == "start" and na.get("gescheurd") == r.nummer

    def regel(self, r, volgende, daarna):
        n = r.nummer
        if r.tekst is None:
            raise Fout(n, "de regel is langer dan %d bytes" % MAX_REGEL)
        if not r.afgesloten:
            raise Fout(n, "de laatste regel is onvolledig")
        if self.is_gescheurd(r, volgende):
            self.pin(r, None)
            self.voorvorige_hash, self.vorige_hash = self.vorige_hash, r.hash
            return
        try:
            rec = r.als_record()
        except ValueError as e:
            raise Fout(n, "geen journaalrecord: %s" % e)
        self.schakel(rec["vorige"], n - 1, self.vorige_hash, r, volgende, daarna)
        if rec["soort"] == "start" and rec.get("gescheurd") == n - 1:
            self.schakel(rec["vorigeHeel"], n - 2, self.voorvorige_hash, r, volgende, daarna)
        self.record(rec, n)
        self.pin(r, rec)
        self.voorvorige_hash, self.vorige_hash = self.vorige_hash, r.hash

    def pin(self, r, rec):
        """Marks the pins that line r (its record rec, None when torn) matches first."""
        nummer = rec.get("reeks", 0) if rec is not None else 0
        s = self.reeksen[nummer - 1] if 0 < nummer <= len(self.reeksen) else None
        for p in self.pinnen:
            if p["regel"]:
                continue
            if p["soort"] == "toezegging":
                past = rec is not None and rec["soort"] == "reeks" and rec["toezegging"].startswith(p["waarde"])
            else:
                past = r.hash.hex().startswith(p["waarde"])
            if past:
                p["regel"], p["reeks"] = r.nummer, nummer if s else 0
                if s:
                    p["trekkingen"], p["vervallen"] = len(s["nummers"]), s["vervallen"]

    def pin_uitslag(self):
        """The pins with the series' draws and voids after their line."""
        uit = []
        for p in self.pinnen:
            q = dict(p)
            s = self.reeksen[p["reeks"] - 1] if p["reeks"] else None
            q["trekkingen_na"] = len(s["nummers"]) - p["trekkingen"] if s else 0
            q["vervallen_na"] = s["vervallen"] - p["vervallen"] if s else 0
            del q["vervallen"]
            uit.append(q)
        return uit

    def schakel(self, vastgelegd, p, hash_p, r, volgende, daarna):
        """Line r records `vastgelegd` as the hash of line p (0: no line before)."""
        n = r.nummer
        if vastgelegd == (NUL_HASH if p == 0 else hash_p.hex()):
            return
        if p == 0:
            raise Fout(n, "er gaat geen regel aan vooraf: de hash hoort 64 nullen te zijn")
        # The hash recorded for line r further on: the next line's "vorige", or, when the next
        # line is torn, the "vorigeHeel" of the start after it.
        overgeslagen = volgende is not None and self.is_gescheurd(volgende, daarna)
        getuige, veld = (daarna, "vorigeHeel") if overgeslagen else (volgende, "vorige")
        tegen = False
        if getuige is not None and getuige.tekst is not None:
            obj = strikt_json(getuige.tekst)
            tegen = obj is not None and type(obj.get(veld)) is str and obj[veld] != r.hash.hex()
        if tegen:
            raise Fout(n, "de hash van regel %d klopt niet" % p)
        raise Fout(p, "gewijzigd nadat regel %d is geschreven" % n)

    def record(self, r, n):
        soort = r["soort"]
        if soort == "start":
            if "gescheurd" in r and r["gescheurd"] != n - 1:
                raise Fout(n, "gescheurd noemt een andere regel dan de vorige")
            self.in_run, self.actief = True, 0
            return
        if not self.in_run:
            raise Fout(n, "geen programmastart vooraf")
        if soort == "einde":
            self.in_run, self.actief = False, 0
            return
        laatste = len(self.reeksen)
        if soort == "reeks":
            if self.actief:
                raise Fout(n, "reeks %d loopt nog" % self.actief)
            if r["reeks"] != laatste + 1:
                raise Fout(n, "reeksnummer %d volgt niet op %d" % (r["reeks"], laatste))
            loterij = None
            if "lotenreeksen" in r:
                if r["rolsoort"] != 0 or r["overgenomen"]:
                    raise Fout(n, "een reeks van een loterij heeft rolsoort 0 en niets overgenomen")
                loterij = {"aantal_reeksen": r["lotenreeksen"], "aantal_prijzen": r["prijzen"],
                           "eerste_prijs": r["eerstePrijs"], "reeksen": [], "prijzen": [],
                           "trommel": None, "loten": []}
            self.reeksen.append(
                {
                    "loterij": loterij,
                    "begin": r,
                    "laagste": r["laagste"],
                    "hoogste": r["hoogste"],
                    "getrokken": Getrokken(r["overgenomen"]) if r["rolsoort"] == 0 else None,
                    "invoer": "",
                    "invoer_gezet": False,
                    "stappen": [],
                    "nummers": [],
                    "vervallen": 0,
                    "gewist": False,
                    "onthuld": False,
                }
            )
            self.actief = r["reeks"]
            return
        if r["reeks"] > laatste:
            raise Fout(n, "reeks %d bestaat niet" % r["reeks"])
        s = self.reeksen[r["reeks"] - 1]
        aantal = len(s["nummers"])
        if soort == "sleutel":
            self.onthul(s, r, n)
            return
        if soort == "vervallen":
            if r["index"] >= aantal or s["nummers"][r["index"]] != r["nummer"]:
                raise Fout(n, "geen trekking %d met nummer %d" % (r["index"], r["nummer"]))
            s["vervallen"] += 1
            return
        if soort == "hervat":
            if self.actief or r["reeks"] != laatste or s["gewist"] or s["onthuld"]:
                raise Fout(n, "reeks %d kan hier niet worden hervat" % r["reeks"])
            if r["index"] != aantal:
                raise Fout(n, "reeks %d heeft %d trekkingen" % (r["reeks"], aantal))
            self.actief = r["reeks"]
            return
        if r["reeks"] != self.actief:
            raise Fout(n, "reeks %d loopt hier niet" % r["reeks"])
        if s["loterij"] is not None and soort != "invoer":
            self.loterij_record(s, r, n)
        elif soort in ("lotenreeks", "prijs"):
            raise Fout(n, "reeks %d is geen loterij" % r["reeks"])
        elif soort == "invoer":
            if aantal > 0 or s["invoer_gezet"]:
                raise Fout(n, "publieke invoer te laat of dubbel")
            if len(r["tekst"].encode("utf-8")) > MAX_INVOER:
                raise Fout(n, "de publieke invoer is langer dan %d bytes" % MAX_INVOER)
            s["invoer"], s["invoer_gezet"] = r["tekst"], True
        elif soort == "trekking":
            if "lotenreeks" in r:
                raise Fout(n, "een lot getrokken in een reeks zonder loterij")
            if r["index"] != aantal:
                raise Fout(n, "index %d verwacht" % aantal)
            onder, boven = min(s["laagste"], s["hoogste"]), max(s["laagste"], s["hoogste"])
            if not onder <= r["nummer"] <= boven:
                raise Fout(n, "nummer %d buiten het bereik" % r["nummer"])
            if s["getrokken"] is not None:
                if r["nummer"] in s["getrokken"].set:
                    raise Fout(n, "nummer %d al getrokken" % r["nummer"])
                s["getrokken"].voeg_toe(r["nummer"])
            s["nummers"].append(r["nummer"])
            s["stappen"].append(("trekking", r["nummer"], n))
            self.trekkingen += 1
        elif soort == "bereik":
            s["laagste"], s["hoogste"] = r["laagste"], r["hoogste"]
            s["stappen"].append(("bereik", r["laagste"], r["hoogste"]))
        elif soort == "gewist":
            if r["reden"] == "uitgeput":
                g = s["getrokken"]
                onder, boven = min(s["laagste"], s["hoogste"]), max(s["laagste"], s["hoogste"])
                if g is None or g.vrij(onder, boven) > 0:
                    raise Fout(n, "de lijst heet uitgeput, maar er zijn nog nummers vrij")
            s["gewist"], self.actief = True, 0

    def loterij_record(self, s, r, n):
        """A record of a raffle series in progress (journaalregels.loterij_regel)."""
        try:
            gewist = loterij_regel(s["loterij"], r, len(s["nummers"]), s["vervallen"])
        except ValueError as e:
            raise Fout(n, str(e))
        if r["soort"] == "trekking":
            s["loterij"]["loten"].append(((r["lotenreeks"], r["nummer"]), n))
            s["nummers"].append(r["nummer"])
            self.trekkingen += 1
        if gewist:
            s["gewist"], self.actief = True, 0

    def onthul(self, s, r, n):
        if s["onthuld"]:
            raise Fout(n, "de sleutel van reeks %d is al onthuld" % r["reeks"])
        sleutel = bytes.fromhex(r["sleutel"])
        if hashlib.sha256(sleutel).hexdigest() != s["begin"]["toezegging"]:
            raise Fout(n, "de sleutel past niet bij de toezegging van reeks %d" % r["reeks"])
        trek_opnieuw(s, sleutel)
        self.nagerekend += len(s["nummers"])
        s["onthuld"], s["stappen"], s["getrokken"] = True, [], None
        if self.actief == r["reeks"]:
            self.actief = 0


def controleer(pad, pinnen=()):
    """Returns a dict: oordeel ("goed", "nog-niet-controleerbaar", "fout"), regel, reden,
    regels, reeksen, trekkingen, nagerekend, niet_onthuld, pinnen. `pinnen`: pairs of
    ("toezegging" or "keten", lower-case hex)."""
    c = Controle(pinnen)
    uit = {"oordeel": "fout", "regel": 0, "reden": "", "regels": 0}
    try:
        with open(pad, "rb") as bestand:
            lezer = regels(bestand)
            # The line in hand and the two after it.
            rij = [next(lezer)]
            while len(rij) < 3:
                rij.append(next(lezer) if rij[-1][0] == "regel" else rij[-1])
            while rij[0][0] == "regel":
                uit["regels"] = rij[0][1].nummer
                na = [x[1] if x[0] == "regel" else None for x in rij[1:]]
                c.regel(rij[0][1], na[0], na[1])
                rij = rij[1:] + [next(lezer) if rij[2][0] == "regel" else rij[2]]
            stand, huidige = rij[0]
            if stand == "tegroot":
                raise Fout(huidige, "het journaal is groter dan %d bytes" % MAX_BESTAND)
            if uit["regels"] == 0:
                raise Fout(0, "het bestand is leeg: geen trekkingsjournaal")
        niet = [s["begin"]["reeks"] for s in c.reeksen if not s["onthuld"]]
        uit["oordeel"] = "nog-niet-controleerbaar" if niet else "goed"
        uit["niet_onthuld"] = niet
    except Fout as f:
        uit["regel"], uit["reden"] = f.regel, f.reden
    except OSError as e:
        uit["reden"] = "het bestand kan niet gelezen worden: %s" % e
    uit.update(reeksen=len(c.reeksen), trekkingen=c.trekkingen, nagerekend=c.nagerekend)
    uit["pinnen"] = c.pin_uitslag()
    mis = [p for p in uit["pinnen"] if not p["regel"]]
    if mis and uit["oordeel"] != "fout":
        uit["oordeel"], uit["regel"] = "fout", 0
        uit["reden"] = "%s %s staat in geen enkele regel" % (mis[0]["soort"], mis[0]["waarde"])
    return uit


def pin(tekst):
    """A pin as typed: hex digits, spaces ignored, at least MIN_PIN of them."""
    hex_ = tekst.replace(" ", "").lower()
    if not MIN_PIN <= len(hex_) <= 64 or any(c not in "0123456789abcdef" for c in hex_):
        raise argparse.ArgumentTypeError("%r: %d tot 64 hexadecimale cijfers verwacht" % (tekst, MIN_PIN))
    return hex_


def pin_tekst(p):
    naam = "%s %s" % ("Toezegging" if p["soort"] == "toezegging" else "Keten", p["waarde"])
    if not p["regel"]:
        return "%s: in geen van de gelezen regels" % naam
    if not p["reeks"]:
        return "%s: regel %d, buiten een reeks" % (naam, p["regel"])
    return "%s: regel %d, reeks %d na %d trekkingen; daarna in die reeks nog %d trekkingen en %d vervallen" % (
        naam, p["regel"], p["reeks"], p["trekkingen"], p["trekkingen_na"], p["vervallen_na"])


def main():
    parser = argparse.ArgumentParser(description="Controleert een Quintaro-trekkingsjournaal.")
    parser.add_argument("journaal")
    parser.add_argument("--json", action="store_true", help="de uitkomst als JSON")
    parser.add_argument("--toezegging", type=pin, action="append", default=[], metavar="HEX",
                        help="een toezegging van het scherm; een regel moet haar hebben")
    parser.add_argument("--keten", type=pin, action="append", default=[], metavar="HEX",
                        help="een kop van de keten van het scherm; een regel moet die hash hebben")
    args = parser.parse_args()
    pinnen = [("toezegging", h) for h in args.toezegging] + [("keten", h) for h in args.keten]
    uit = controleer(args.journaal, pinnen)
    if args.json:
        print(json.dumps(uit, ensure_ascii=False))
    else:
        print("Regels: %(regels)d, reeksen: %(reeksen)d, trekkingen: %(trekkingen)d, nagerekend: %(nagerekend)d" % uit)
        for p in uit["pinnen"]:
            print(pin_tekst(p))
        if uit["oordeel"] == "goed":
            print("Alles klopt: elke sleutel past bij zijn toezegging en elk nummer is nagerekend.")
        elif uit["oordeel"] == "nog-niet-controleerbaar":
            print("Klopt tot nu toe, maar nog niet te controleren: de sleutel van reeks %s is nog niet onthuld."
                  % ", ".join(str(n) for n in uit["niet_onthuld"]))
        elif uit["regel"]:
            print("FOUT op regel %d: %s" % (uit["regel"], uit["reden"]))
        else:
            print("FOUT: %s" % uit["reden"])
    return {"goed": 0, "nog-niet-controleerbaar": 3}.get(uit["oordeel"], 1)


if __name__ == "__main__":
    sys.exit(main())
