#include "app/schermkeuze.h"

Schermkeuze Schermkeuze::kies(int aantalSchermen, bool bedieningGevraagd, int gevraagd) {
    Schermkeuze keuze;
    const int aantal = aantalSchermen < 1 ? 1 : aantalSchermen;
    if (gevraagd >= 1 && gevraagd <= aantal)
        keuze.publiek = gevraagd - 1;
    else
        keuze.publiek = aantal >= 2 ? 1 : 0;
    keuze.gevraagdOnbekend = gevraagd != 0 && (gevraagd < 1 || gevraagd > aantal);
    if (aantal >= 2 || bedieningGevraagd) {
        keuze.bediening = 0;
        while (keuze.bediening == keuze.publiek && keuze.bediening + 1 < aantal)
            ++keuze.bediening;
    }
    return keuze;
}
