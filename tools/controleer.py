#!/usr/bin/env python3
"""Checks a Quintaro draw journal (Trekkingsjournaal.jsonl).

A second checker beside `quintaro --controleer`, written from docs/verification.md alone and
using nothing but the Python standard library. It reads the journal line by line, follows
the hash chain, checks every record and its place in the evening, and draws every number of
a series again once the series' key is revealed.

    python3 tools/controleer.py JOURNAAL [--json]

Exit status: 0 everything verifies; 3 nothing is wrong, but the key of a series is not
revealed yet, so its numbers cannot be recomputed yet; 1 the journal is damaged, changed or
no journal (the line and the reason are printed); 2 a mistake on the command line.
"""

import argparse
import bisect
import hashlib
import hmac
import json
import sys

MAX_REGEL = 4 << 20  # bytes in a line, without its line feed
MAX_BESTAND = 1 << 30  # bytes in the file
DOMEIN = b"Quintaro-1"
NUL_HASH = "0" * 64
INT32 = (-(2**31), 2**31 - 1)
INT64 = (-(2**63), 2**63 - 1)
REDENEN = ("uitgeput", "bereik", "rolsoort")


class Fout(Exception):
    def __init__(self, regel, reden):
        super().__init__(reden)
        self.regel = regel
        self.reden = reden


# ---------------------------------------------------------------------------------------
# Lines


class Regel:
    def __init__(self, nummer):
        self.nummer = nummer
        self.tekst = b""  # None when longer than MAX_REGEL
        self.lengte = 0
        self.afgesloten = True
        self.hash = None


def regels(bestand):
    """Yields ("regel", Regel), then ("einde", None) or ("tegroot", line number)."""
    buffer = b""
    begin_buffer = 0  # file offset of buffer[0]
    nummer = 0
    einde = False
    while True:
        nummer += 1
        regel = Regel(nummer)
        begin = begin_buffer
        h = hashlib.sha256()
        while True:
            lf = buffer.find(b"\n")
            stuk = buffer if lf < 0 else buffer[:lf]
            regel.lengte += len(stuk)
            h.update(stuk)
            if regel.tekst is not None:
                if len(regel.tekst) + len(stuk) > MAX_REGEL:
                    regel.tekst = None
                else:
                    regel.tekst += stuk
            if lf >= 0:
                buffer = buffer[lf + 1 :]
                begin_buffer += lf + 1
                break
            begin_buffer += len(buffer)
            buffer = b""
            if begin + regel.lengte > MAX_BESTAND:
                yield ("tegroot", nummer)
                return
            if not einde:
                buffer = bestand.read(1 << 20)
                einde = not buffer
            if not buffer:
                if regel.lengte == 0:
                    yield ("einde", None)
                    return
                regel.afgesloten = False
                break
        regel.hash = h.digest()
        if begin + regel.lengte + (1 if regel.afgesloten else 0) > MAX_BESTAND:
            yield ("tegroot", nummer)
            return
        yield ("regel", regel)


# ---------------------------------------------------------------------------------------
# Records


def strikt_json(tekst):
    """The JSON object on a line, or None: strict UTF-8, no duplicate keys, values only
    integers (64 bits), strings or arrays of integers."""
    try:
        s = tekst.decode("utf-8")
    except UnicodeDecodeError:
        return None

    def paren(lijst):
        d = {}
        for k, v in lijst:
            if k in d:
                raise ValueError("dubbele sleutel")
            d[k] = v
        return d

    def weiger(_):
        raise ValueError("geen geheel getal")

    try:
        obj = json.loads(s, object_pairs_hook=paren, parse_float=weiger, parse_constant=weiger)
    except (ValueError, RecursionError):
        return None
    if type(obj) is not dict:
        return None

    def geheel(x):
        return type(x) is int and INT64[0] <= x <= INT64[1]

    def tekst_ok(x):
        try:
            x.encode("utf-8")
            return True
        except UnicodeEncodeError:
            return False

    for k, v in obj.items():
        if not tekst_ok(k):
            return None
        if type(v) is str:
            if not tekst_ok(v):
                return None
        elif type(v) is list:
            if not all(geheel(x) for x in v):
                return None
        elif not geheel(v):
            return None
    return obj


VELDEN = {
    "start": {"versie": "tekst", "formaat": "formaat", "gescheurd?": "positief", "vorigeHeel?": "hex"},
    "reeks": {
        "reeks": "positief",
        "laagste": "int32",
        "hoogste": "int32",
        "rolsoort": "rolsoort",
        "toezegging": "hex",
        "versie": "tekst",
        "overgenomen": "lijst32",
        "teller": "int32",
        "score": "int32",
    },
    "hervat": {"reeks": "positief", "index": "index", "teller": "int32", "score": "int32"},
    "invoer": {"reeks": "positief", "tekst": "tekst"},
    "trekking": {
        "reeks": "positief",
        "index": "index",
        "nummer": "int32",
        "teller": "int32",
        "punten?": "int32",
        "score?": "int32",
    },
    "bereik": {"reeks": "positief", "laagste": "int32", "hoogste": "int32"},
    "gewist": {"reeks": "positief", "reden": "reden"},
    "sleutel": {"reeks": "positief", "sleutel": "hex"},
    "vervallen": {"reeks": "positief", "index": "index", "nummer": "int32", "reden": "tekst"},
    "einde": {},
}


def is_hex64(x):
    return type(x) is str and len(x) == 64 and all(c in "0123456789abcdef" for c in x)


def waarde_ok(soort, x):
    if soort == "tekst":
        return type(x) is str
    if soort == "reden":
        return x in REDENEN
    if soort == "hex":
        return is_hex64(x)
    if soort == "lijst32":
        return type(x) is list and all(INT32[0] <= n <= INT32[1] for n in x)
    if type(x) is not int:
        return False
    if soort == "int32":
        return INT32[0] <= x <= INT32[1]
    if soort == "positief":
        return 1 <= x <= INT32[1]
    if soort == "index":
        return 0 <= x <= INT32[1]
    if soort == "formaat":
        return x == 1
    if soort == "rolsoort":
        return x in (0, 1)
    return False


def record(tekst):
    """The record on a line as a dict, or raises ValueError with the reason."""
    obj = strikt_json(tekst)
    if obj is None:
        raise ValueError("geen geldig JSON-object")
    soort = obj.get("soort")
    if type(soort) is not str:
        raise ValueError("het veld soort ontbreekt of is geen tekst")
    if soort not in VELDEN:
        raise ValueError("onbekende soort %r" % soort)
    velden = {"tijd": "tekst", "vorige": "hex"}
    velden.update(VELDEN[soort])
    for naam, type_ in velden.items():
        optioneel = naam.endswith("?")
        naam = naam.rstrip("?")
        if naam not in obj:
            if not optioneel:
                raise ValueError("het veld %s ontbreekt" % naam)
            continue
        if not waarde_ok(type_, obj[naam]):
            raise ValueError("het veld %s heeft een ongeldige waarde" % naam)
    if soort == "trekking" and (("punten" in obj) != ("score" in obj)):
        raise ValueError("punten en score horen samen")
    if soort == "start" and (("gescheurd" in obj) != ("vorigeHeel" in obj)):
        raise ValueError("gescheurd en vorigeHeel horen samen")
    bekend = {"soort"} | {n.rstrip("?") for n in velden}
    for naam in obj:
        if naam not in bekend:
            raise ValueError("onbekend veld %r" % naam)
    return obj


# ---------------------------------------------------------------------------------------
# The derivation


def plaats(sleutel, invoer_hash, index, aantal):
    """The uniform place k in [0, aantal) for draw `index`."""
    grens = (2**64 // aantal) * aantal
    blok = 0
    while True:
        bericht = DOMEIN + b"\x00" + invoer_hash + index.to_bytes(8, "big") + blok.to_bytes(4, "big")
        uit = hmac.new(sleutel, bericht, hashlib.sha256).digest()
        for w in range(4):
            woord = int.from_bytes(uit[8 * w : 8 * w + 8], "big")
            if woord < grens:
                return woord % aantal
        blok += 1


class Getrokken:
    """The numbers drawn in a digit-mode series: the k-th free number of a range."""

    def __init__(self, nummers):
        self.set = set(nummers)
        self.gesorteerd = sorted(self.set)

    def voeg_toe(self, n):
        if n not in self.set:
            self.set.add(n)
            bisect.insort(self.gesorteerd, n)

    def vrij(self, onder, boven):
        binnen = bisect.bisect_right(self.gesorteerd, boven) - bisect.bisect_left(self.gesorteerd, onder)
        return boven - onder + 1 - binnen

    def vrij_op_plaats(self, onder, boven, k):
        d = self.gesorteerd
        basis = bisect.bisect_left(d, onder)
        laag, hoog = 0, bisect.bisect_right(d, boven) - basis
        # The smallest j whose drawn number has more than k free numbers before it.
        while laag < hoog:
            j = (laag + hoog) // 2
            if d[basis + j] - onder - j > k:
                hoog = j
            else:
                laag = j + 1
        return onder + k + laag


def trek_opnieuw(reeks, sleutel):
    """Draws the series again from its key; raises Fout at the first number that differs."""
    begin = reeks["begin"]
    invoer_hash = hashlib.sha256(reeks["invoer"].encode("utf-8")).digest()
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


# ---------------------------------------------------------------------------------------
# The check


class Controle:
    def __init__(self):
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
            na = record(volgende.tekst)
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
            self.voorvorige_hash, self.vorige_hash = self.vorige_hash, r.hash
            return
        try:
            rec = record(r.tekst)
        except ValueError as e:
            raise Fout(n, "geen journaalrecord: %s" % e)
        self.schakel(rec["vorige"], n - 1, self.vorige_hash, r, volgende, daarna)
        if rec["soort"] == "start" and rec.get("gescheurd") == n - 1:
            self.schakel(rec["vorigeHeel"], n - 2, self.voorvorige_hash, r, volgende, daarna)
        self.record(rec, n)
        self.voorvorige_hash, self.vorige_hash = self.vorige_hash, r.hash

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
            self.reeksen.append(
                {
                    "begin": r,
                    "laagste": r["laagste"],
                    "hoogste": r["hoogste"],
                    "getrokken": Getrokken(r["overgenomen"]) if r["rolsoort"] == 0 else None,
                    "invoer": "",
                    "invoer_gezet": False,
                    "stappen": [],
                    "nummers": [],
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
        if soort == "invoer":
            if aantal > 0 or s["invoer_gezet"]:
                raise Fout(n, "publieke invoer te laat of dubbel")
            s["invoer"], s["invoer_gezet"] = r["tekst"], True
        elif soort == "trekking":
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


def controleer(pad):
    """Returns a dict: oordeel ("goed", "nog-niet-controleerbaar", "fout"), regel, reden,
    regels, reeksen, trekkingen, nagerekend, niet_onthuld."""
    c = Controle()
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
    return uit


def main():
    parser = argparse.ArgumentParser(description="Controleert een Quintaro-trekkingsjournaal.")
    parser.add_argument("journaal")
    parser.add_argument("--json", action="store_true", help="de uitkomst als JSON")
    args = parser.parse_args()
    uit = controleer(args.journaal)
    if args.json:
        print(json.dumps(uit, ensure_ascii=False))
    else:
        print("Regels: %(regels)d, reeksen: %(reeksen)d, trekkingen: %(trekkingen)d, nagerekend: %(nagerekend)d" % uit)
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
