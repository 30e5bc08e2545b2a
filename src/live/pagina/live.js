// The live page and the overlay: shows the evening's state as the program sends it over a
// WebSocket after every change, and fetches /stand.json whenever the connection (re)opens or
// the page becomes visible again, so a phone that slept or lost the network catches up.
// Only reads: nothing here sends anything to the program but the requests for the state.
"use strict";
(function () {
  const T = JSON.parse(document.getElementById("teksten").textContent);
  const $ = (id) => document.getElementById(id);
  const overlay = document.documentElement.classList.contains("overlay");
  const vraag = new URLSearchParams(location.search);
  let versie = -1;
  let eerste = true;
  let laatsteGezien = null; // the last number shown, by its listing time
  let ws = null;
  let wacht = 250;

  for (const el of document.querySelectorAll("[data-tekst]")) el.textContent = T[el.dataset.tekst] || "";

  if (overlay) {
    const stijl = document.documentElement.style;
    const getal = (naam, min, max) => {
      const v = parseInt(vraag.get(naam), 10);
      return Number.isFinite(v) ? Math.min(max, Math.max(min, v)) : null;
    };
    const hoogte = getal("hoogte", 16, 1000);
    if (hoogte) stijl.setProperty("--hoogte", hoogte + "px");
    const vak = getal("vak", 12, 200);
    if (vak) stijl.setProperty("--vak", vak + "px");
    const kleur = vraag.get("kleur");
    if (kleur && /^[0-9a-fA-F]{3,8}$/.test(kleur)) stijl.setProperty("--kleur", "#" + kleur);
    if (vraag.get("bord") === "0") $("bord").classList.add("uit");
  }

  const groepen = (hex) => (hex || "").replace(/(.{4})/g, "$1 ").trim();
  const tijdTekst = (iso) => (iso ? iso.substring(11, 19) : "");

  // A raffle (its state carries the prize up) shows tickets by set and number: Blauw 123 and
  // Roze 123 are two tickets.
  const isLoterij = (s) => typeof s.prijs === "string" || s.getrokken.some((g) => g.lot);

  // White or dark print, whichever stands out more on the colour "#rrggbb".
  function inkt(hex) {
    const lin = (c) => (c <= 0.04045 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4));
    const [r, g, b] = [1, 3, 5].map((i) => lin(parseInt(hex.substr(i, 2), 16) / 255));
    const l = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    return 1.05 / (l + 0.05) >= (l + 0.05) / 0.06 ? "#ffffff" : "#10131a";
  }

  // An element showing entry g: its ticket on a chip of its set's colour, or its number.
  function kleurLot(el, g) {
    el.textContent = g ? g.lot || g.nummer : "";
    el.classList.toggle("lot", !!(g && g.lot));
    const kleur = g && /^#[0-9a-f]{6}$/i.test(g.kleur || "") ? g.kleur : "";
    el.classList.toggle("gekleurd", !!kleur);
    el.style.backgroundColor = kleur;
    el.style.color = kleur ? inkt(kleur) : "";
  }

  function bord(s) {
    const el = $("bord");
    const grootte = s.hoogste - s.laagste + 1;
    const getrokken = new Set(s.getrokken.map((g) => g.nummer));
    const loterij = isLoterij(s);
    const vakken = [];
    const raster = !loterij && s.rolsoort === 0 && grootte > 0 && grootte <= 100;
    if (raster) {
      for (let n = s.laagste; n <= s.hoogste; n++) vakken.push({ nummer: n });
    } else {
      for (const g of s.getrokken.slice(-10).reverse()) vakken.push(g);
    }
    el.classList.toggle("tien", !raster);
    if ($("bordNaam")) $("bordNaam").textContent = raster ? T.bord : T.laatsteTien;
    el.replaceChildren(...vakken.map((g, i) => {
      const vakje = document.createElement("span");
      kleurLot(vakje, g);
      // A ticket without a colour is lit like a drawn number.
      const lit = loterij ? !vakje.classList.contains("gekleurd") : getrokken.has(g.nummer);
      if (lit) vakje.classList.add("getrokken");
      if (raster ? s.laatste === g.nummer : i === 0) {
        vakje.classList.remove("getrokken");
        vakje.classList.add("laatste");
      }
      return vakje;
    }));
  }

  function lijst(s) {
    const el = $("lijst");
    if (!el) return;
    el.replaceChildren(...s.getrokken.slice().reverse().map((g) => {
      const li = document.createElement("li");
      if (g.vervallen) li.className = "vervallen";
      const nr = document.createElement("span");
      kleurLot(nr, g);
      nr.classList.add("nr");
      const tijd = document.createElement("span");
      tijd.className = "tijd";
      tijd.textContent = tijdTekst(g.tijd) + (g.vervallen ? " · " + T.vervallen + ": " + g.reden : "");
      li.append(nr, tijd);
      return li;
    }));
  }

  function toon(s) {
    if (typeof s !== "object" || s === null || s.versie < versie) return;
    versie = s.versie;
    const laatste = s.getrokken.length ? s.getrokken[s.getrokken.length - 1] : null;
    kleurLot($("laatste"), laatste);
    if (!laatste && !overlay) $("laatste").textContent = "–";
    // When each number listed while the page is open reached it, for whoever checks the
    // delay (hidden).
    if (eerste) {
      eerste = false;
      laatsteGezien = laatste ? laatste.ms : null;
    } else if (laatste && laatste.ms && laatste.ms !== laatsteGezien) {
      laatsteGezien = laatste.ms;
      const li = document.createElement("li");
      li.dataset.nummer = laatste.nummer;
      li.dataset.gelijst = laatste.ms;
      li.dataset.ontvangen = Date.now();
      $("ontvangen").append(li);
    }
    bord(s);
    if (overlay) return;
    $("bezig").textContent = s.bezig ? T.bezig : (laatste ? "" : T.nogNiets);
    $("prijsVak").hidden = !s.prijs;
    $("prijs").textContent = s.prijs || "";
    $("tellerNaam").textContent = s.rolsoort === 0 ? T.teller : T.score;
    $("teller").textContent = s.teller;
    $("toezegging").textContent = groepen(s.toezegging);
    $("invoer").textContent = s.invoer || T.geenInvoer;
    $("nietVastgelegd").hidden = s.vastgelegd;
    const gescand = (vraag.get("t") || "").toLowerCase();
    if (/^[0-9a-f]{64}$/.test(gescand)) {
      $("gescandVak").hidden = false;
      $("gescand").textContent = groepen(gescand);
      $("gescandOordeel").textContent = gescand === s.toezegging ? T.gelijk : T.anders;
    }
    lijst(s);
  }

  function verbinding(open) {
    const el = $("verbinding");
    if (!el) return;
    el.textContent = open ? T.verbonden : T.verbroken;
    el.className = open ? "verbonden" : "verbroken";
  }

  function haal() {
    fetch("/stand.json", { cache: "no-store" })
      .then((r) => r.json())
      .then(toon)
      .catch(() => {});
  }

  function verbind() {
    if (ws && ws.readyState <= 1) return;
    ws = new WebSocket((location.protocol === "https:" ? "wss://" : "ws://") + location.host + "/live");
    ws.onopen = () => {
      wacht = 250;
      versie = -1; // the program may have started again: its count starts again too
      verbinding(true);
      haal();
    };
    ws.onmessage = (e) => {
      try { toon(JSON.parse(e.data)); } catch (_) { /* not a state */ }
    };
    ws.onclose = () => {
      verbinding(false);
      setTimeout(verbind, wacht);
      wacht = Math.min(wacht * 2, 5000);
    };
  }

  document.addEventListener("visibilitychange", () => {
    if (!document.hidden) { verbind(); haal(); }
  });
  window.addEventListener("online", () => { verbind(); haal(); });
  verbinding(false);
  haal();
  verbind();
})();
