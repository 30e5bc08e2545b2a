#pragma once

#include "journaal/controleuitslag.h"

#include <QCoreApplication>
#include <QString>

// The printable record of an evening, as a PDF (A4): the check's verdict first, then per
// series its range (and every change of it), roller kind, commitment, public input, key, the
// last head of the chain the screen showed in it, and every draw with its time, and whether its
// numbers were recomputed. In the current language. Needs a QGuiApplication (fonts).
class Journaalrapport {
    Q_DECLARE_TR_FUNCTIONS(Journaalrapport)

public:
    // Checks the journal at `journaal` and writes the report to `pdf`. False, with the
    // reason in `fout`, when the journal cannot be read or the PDF cannot be written.
    static bool schrijf(const QString& journaal, const QString& pdf, QString* fout = nullptr,
                        Controleuitslag* uitslag = nullptr);
    // The report of a check made with Journaalcontrole::controleer(pad, true).
    static bool schrijf(const Controleuitslag& uitslag, const QString& journaalNaam,
                        const QString& pdf, QString* fout = nullptr);
};
