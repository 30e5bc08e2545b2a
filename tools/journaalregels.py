"""The lines, records and derivation of a Quintaro draw journal, as docs/verification.md
describes them: the reading half of tools/controleer.py. Python standard library only."""

import bisect
import copy
import hashlib
import hmac
import json

MAX_REGEL = 4 << 20  # bytes in a line, without its line feed
MAX_BESTAND = 1 << 30  # bytes in the file
MAX_INVOER = 1000  # bytes (UTF-8) in the public input
MIN_PIN = 16  # hex digits in a pin, as the screen shows them
DOMEIN = b"Quintaro-1"
NUL_HASH = "0" * 64
INT32 = (-(2**31), 2**31 - 1)
INT64 = (-(2**63), 2**63 - 1)
REDENEN = ("uitgeput", "bereik", "rolsoort", "loterij")


# Lines


class Regel:
    def __init__(self, nummer):
        self.nummer = nummer
        self.tekst = b""  # None when longer than MAX_REGEL
        self.lengte = 0
        self.afgesloten = True
        self.hash = None
        self._record = None  # the record, or the ValueError, once read

    def als_record(self):
        """The record on the line (record()), read once: a line is also looked at as the
        neighbour of the line before it. Raises ValueError with the reason."""
        if self._record is None:
            try:
                self._record = record(self.tekst)
            except ValueError as e:
                self._record = e
        if isinstance(self._record, ValueError):
            raise self._record
        return self._record


def regels(bestand):
    """Yields ("regel", Regel), then ("einde", None) or ("tegroot", line number)."""
    buffer = b""
    pos = 0  # where the unread part of the buffer begins
    begin_buffer = 0  # file offset of buffer[pos]
    nummer = 0
    einde = False
    while True:
        nummer += 1
        regel = Regel(nummer)
        begin = begin_buffer
        h = hashlib.sha256()
        while True:
            lf = buffer.find(b"\n", pos)
            stuk = buffer[pos:] if lf < 0 else buffer[pos:lf]
            regel.lengte += len(stuk)
            h.update(stuk)
            if regel.tekst is not None:
                if len(regel.tekst) + len(stuk) > MAX_REGEL:
                    regel.tekst = None
                else:
                    regel.tekst += stuk
            if lf >= 0:
                begin_buffer += lf + 1 - pos
                pos = lf + 1
                break
            begin_buffer += len(buffer) - pos
            buffer, pos = b"", 0
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
            if not all(type(x) is int for x in v) or (v and not (geheel(min(v)) and geheel(max(v)))):
                return None
        elif not geheel(v):
            return None
    return obj


# The fields of each kind besides soort, tijd and vorige; a trailing "?" marks an optional one.
VELDEN = {
    "start": {"versie": "tekst", "formaat": "formaat", "gescheurd?": "positief", "vorigeHeel?": "hex"},
    "reeks": {"reeks": "positief", "laagste": "int32", "hoogste": "int32", "rolsoort": "rolsoort",
              "toezegging": "hex", "versie": "tekst", "overgenomen": "lijst32", "teller": "int32",
              "score": "int32", "lotenreeksen?": "positief", "prijzen?": "positief",
              "eerstePrijs?": "index"},
    "lotenreeks": {"reeks": "positief", "index": "index", "naam": "tekst", "laagste": "int32",
                   "hoogste": "int32", "uit": "paren32", "kleur?": "tekst"},
    "prijs": {"reeks": "positief", "index": "index", "omschrijving": "tekst", "plaatje?": "tekst"},
    "hervat": {"reeks": "positief", "index": "index", "teller": "int32", "score": "int32"},
    "invoer": {"reeks": "positief", "tekst": "tekst"},
    "trekking": {"reeks": "positief", "index": "index", "nummer": "int32", "teller": "int32",
                 "punten?": "int32", "score?": "int32", "lotenreeks?": "index", "prijs?": "index"},
    "bereik": {"reeks": "positief", "laagste": "int32", "hoogste": "int32"},
    "gewist": {"reeks": "positief", "reden": "reden"},
    "sleutel": {"reeks": "positief", "sleutel": "hex"},
    "vervallen": {"reeks": "positief", "index": "index", "nummer": "int32", "reden": "tekst"},
    "einde": {},
}


def is_hex64(x):
    return type(x) is str and len(x) == 64 and not x.strip("0123456789abcdef")


GRENZEN = {"int32": INT32, "positief": (1, INT32[1]), "index": (0, INT32[1]), "formaat": (1, 1),
           "rolsoort": (0, 1)}


def waarde_ok(soort, x):
    if soort == "tekst":
        return type(x) is str
    if soort == "hex":
        return is_hex64(x)
    if soort == "reden":
        return x in REDENEN
    if soort == "lijst32":
        return type(x) is list and (not x or (INT32[0] <= min(x) and max(x) <= INT32[1]))
    if soort == "paren32":
        return waarde_ok("lijst32", x) and len(x) % 2 == 0
    laag, hoog = GRENZEN[soort]
    return type(x) is int and laag <= x <= hoog


# Per kind, read once: its fields in order as (name, type, optional), and every name it may have.
SOORTEN = {
    soort: ([(naam.rstrip("?"), type_, naam.endswith("?"))
             for naam, type_ in dict({"tijd": "tekst", "vorige": "hex"}, **velden).items()],
            {"soort", "tijd", "vorige"} | {naam.rstrip("?") for naam in velden})
    for soort, velden in VELDEN.items()
}


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
    velden, bekend = SOORTEN[soort]
    for naam, type_, optioneel in velden:
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
    if soort == "trekking" and (("lotenreeks" in obj) != ("prijs" in obj)):
        raise ValueError("lotenreeks en prijs horen samen")
    if soort == "reeks" and len({n in obj for n in ("lotenreeksen", "prijzen", "eerstePrijs")}) > 1:
        raise ValueError("lotenreeksen, prijzen en eerstePrijs horen samen")
    for naam in obj:
        if naam not in bekend:
            raise ValueError("onbekend veld %r" % naam)
    return obj


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


class Trommel:
    """The tickets of a raffle still in play, in the fixed order of docs/verification.md: the
    sets in the order of their records, within a set by number, leaving out the numbers out
    of play and the tickets drawn. A ticket is a pair (set, number)."""

    def __init__(self, reeksen):
        """reeksen: per set (lowest, highest, [(from, to), ...] out of play, ascending)."""
        self.lopen = []  # runs of consecutive tickets: (first place, first number, length, set)
        totaal = 0
        for i, (laag, hoog, uit) in enumerate(reeksen):
            volgend = laag
            for van, tot in list(uit) + [(hoog + 1, hoog + 1)]:
                if van > volgend:
                    self.lopen.append((totaal, volgend, van - volgend, i))
                    totaal += van - volgend
                volgend = tot + 1
        self.begins = [loop[0] for loop in self.lopen]
        # The runs stand by set, then by first number: searchable for a ticket by one integer.
        self.sleutels = [self.sleutel(loop[3], loop[1]) for loop in self.lopen]
        self.totaal = totaal
        self.getrokken = []  # the places (before any draw) of the tickets drawn, ascending

    def leeg(self):
        """The same drum with no ticket drawn (the runs are shared: they never change)."""
        kopie = copy.copy(self)
        kopie.getrokken = []
        return kopie

    @staticmethod
    def sleutel(reeks, nummer):
        """(set, number) as one integer in the same order; a number is an int32."""
        return (reeks << 32) + nummer - INT32[0]

    def aantal(self):
        return self.totaal - len(self.getrokken)

    def lot_op_plaats(self, k):
        """The k-th ticket still in play, counted from 0."""
        # p = k plus the drawn places at or below p, each counted once: the j-th drawn place
        # d[j] is at or below k + j exactly while d[j] - j <= k, which rises with j (the
        # places differ), so the count is the first j where d[j] - j > k.
        d = self.getrokken
        laag, hoog = 0, len(d)
        while laag < hoog:
            j = (laag + hoog) // 2
            if d[j] - j > k:
                hoog = j
            else:
                laag = j + 1
        p = k + laag
        begin, eerste, _, reeks = self.lopen[bisect.bisect_right(self.begins, p) - 1]
        return (reeks, eerste + p - begin)

    def haal_uit(self, lot):
        """Takes the ticket out of play; False when it is not in play."""
        reeks, nummer = lot
        i = bisect.bisect_right(self.sleutels, self.sleutel(reeks, nummer)) - 1
        if i < 0:
            return False
        begin, eerste, lengte, r = self.lopen[i]
        if r != reeks or not eerste <= nummer < eerste + lengte:
            return False
        p = begin + nummer - eerste
        i = bisect.bisect_left(self.getrokken, p)
        if i < len(self.getrokken) and self.getrokken[i] == p:
            return False
        self.getrokken.insert(i, p)
        return True


def loterij_regel(l, r, aantal, vervallen):
    """Applies a record to the raffle `l` of the series in progress (docs/verification.md,
    sections 5a and 7), with its `aantal` draws and `vervallen` voids so far; raises
    ValueError with the reason when it breaks a rule. Returns whether the series is cleared."""
    soort = r["soort"]
    if soort == "lotenreeks":
        if aantal or r["index"] != len(l["reeksen"]) or r["index"] >= l["aantal_reeksen"]:
            raise ValueError("lotenreeks %d hoort hier niet" % r["index"])
        if r["laagste"] > r["hoogste"]:
            raise ValueError("lotenreeks %d: laagste boven hoogste" % r["index"])
        paren, vorige_tot = [], r["laagste"] - 1
        for i in range(0, len(r["uit"]), 2):
            van, tot = r["uit"][i], r["uit"][i + 1]
            if van > tot or van <= vorige_tot or van < r["laagste"] or tot > r["hoogste"]:
                raise ValueError("lotenreeks %d: uit is geen oplopende rij binnen de reeks" % r["index"])
            paren.append((van, tot))
            vorige_tot = tot
        l["reeksen"].append((r["laagste"], r["hoogste"], paren, r["naam"]))
    elif soort == "prijs":
        if aantal or r["index"] != len(l["prijzen"]) or r["index"] >= l["aantal_prijzen"]:
            raise ValueError("prijs %d hoort hier niet" % r["index"])
        l["prijzen"].append(r["omschrijving"])
    elif soort == "trekking":
        if r["index"] != aantal:
            raise ValueError("index %d verwacht" % aantal)
        if len(l["reeksen"]) < l["aantal_reeksen"] or len(l["prijzen"]) < l["aantal_prijzen"]:
            raise ValueError("trekking voordat de loterij volledig is gegeven")
        if "lotenreeks" not in r or "punten" in r:
            raise ValueError("een trekking van de loterij zonder lotenreeks en prijs")
        prijs_nu = l["eerste_prijs"] + aantal - vervallen
        if r["prijs"] != prijs_nu or prijs_nu >= l["aantal_prijzen"]:
            raise ValueError("prijs %d genoemd, prijs %d is aan de beurt" % (r["prijs"], prijs_nu))
        if l["trommel"] is None:
            l["trommel"] = Trommel([x[:3] for x in l["reeksen"]])
        if r["lotenreeks"] >= l["aantal_reeksen"] or not l["trommel"].haal_uit((r["lotenreeks"], r["nummer"])):
            raise ValueError("lot %d van lotenreeks %d doet niet (meer) mee" % (r["nummer"], r["lotenreeks"]))
    elif soort == "bereik":
        raise ValueError("een loterij heeft geen bereik")
    elif soort == "gewist":
        if r["reden"] == "uitgeput" and (l["trommel"] is None or l["trommel"].aantal() > 0):
            raise ValueError("de lijst heet uitgeput, maar er doen nog loten mee")
        return True
    return False
