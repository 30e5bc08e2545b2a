#pragma once

// Which screen shows the audience's full-screen window and which the operator's window.
// Screens are counted from 0 in the window system's order, the primary screen first.
struct Schermkeuze {
    int publiek = 0;    // the audience's window
    int bediening = -1; // the operator's window; -1: there is none
    // The screen asked for (--scherm, counted from 1) does not exist; the default was taken.
    bool gevraagdOnbekend = false;

    // With two or more screens, or when the operator's window is asked for (--operator), the
    // audience's window goes to the second screen (or to screen `gevraagd`, counted from 1;
    // 0: none asked for) and the operator's window to the first screen that the audience's
    // does not take, or to the same screen when there is only one. With one screen and
    // nothing asked for, the audience's window alone, as always.
    static Schermkeuze kies(int aantalSchermen, bool bedieningGevraagd, int gevraagd);
};
