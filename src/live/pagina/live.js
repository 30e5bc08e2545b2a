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

  function bord(s) {
    const el = $("bord");
    const grootte = s.hoogste - s.laagste + 1;
    const getrokken = new Set(s.getrokken.map((g) => g.nummer));
    const vakken = [];
    const raster = s.rolsoort === 0 && grootte > 0 && grootte <= 100;
    if (raster) {
      for (let n = s.laagste; n <= s.hoogste; n++) vakken.push(n);
    } else {
      for (const g of s.getrokken.slice(-10).reverse()) vakken.push(g.nummer);
    }
    el.classList.toggle("tien", !raster);
    if ($("bordNaam")) $("bordNaam").textContent = raster ? T.bord : T.laatsteTien;
    el.replaceChildren(...vakken.map((n, i) => {
      const vakje = document.createElement("span");
      vakje.textContent = n;
      if (getrokken.has(n)) vakje.className = "getrokken";
      if (s.laatste === n && (raster || i === 0)) vakje.className = "laatste";
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
      nr.className = "nr";
      nr.textContent = g.nummer;
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
    $("laatste").textContent = laatste ? laatste.nummer : (overlay ? "" : "–");
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
