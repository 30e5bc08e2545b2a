#pragma once

#include "common/instellingen.h"

#include <QObject>

// The one owner of the settings record and of the roller kind. Every change goes through a
// setter, and every setter announces what it set, so the windows, the draw and the counter
// follow without reaching into each other. The announcements are made at once, while the
// setter runs.
class Instellingenhouder : public QObject {
    Q_OBJECT
public:
    explicit Instellingenhouder(QObject* parent = nullptr);

    const Instellingen& record() const { return m_inst; }
    // 0 = digit rollers, 1 = picture rollers; not stored, digits at every start.
    int rolSoort() const { return m_rolSoort; }

    // Reads the settings file (the defaults, then whatever the file holds; a file that cannot
    // be read in full is rewritten). Announces nothing: start-up applies what it needs.
    // Returns whether the file was read in full.
    bool laad(const QString& pad, const QString& programmaMap);

    // The range, as typed and applied; announced even when unchanged.
    void zetBereik(qint32 laagste, qint32 hoogste);
    // The title; announced even when unchanged, so the labels are centred again.
    void zetTitel(const QString& titel);
    // The colour of the title and of the printed result; announced at every call, as the
    // colour bars repaint the title whenever they report.
    void zetKleur(double rood, double groen, quint8 blauw);
    void zetRood(double rood) { zetKleur(rood, m_inst.KleurGroen, m_inst.KleurBlauw); }
    void zetGroen(double groen) { zetKleur(m_inst.KleurRood, groen, m_inst.KleurBlauw); }
    void zetBlauw(quint8 blauw) { zetKleur(m_inst.KleurRood, m_inst.KleurGroen, blauw); }
    // The background picture's full path, stored even when the picture cannot be read.
    void zetAchtergrond(const QString& pad);
    void zetPauze(quint8 seconden);
    // Choosing a roller kind sets its preset range (digits 1 to 9999, pictures 100 to 900)
    // and begins afresh with that kind, also when it is the kind already in use.
    void kiesRolSoort(int soort);
    // The drawn list must be cleared: the range that goes with it changes.
    void beginNieuweReeks();

Q_SIGNALS:
    void bereikGewijzigd(qint32 laagste, qint32 hoogste);
    void titelGewijzigd(const QString& titel);
    void titelKleurGewijzigd(const QColor& kleur);
    void achtergrondGewijzigd(const QString& pad);
    void pauzeGewijzigd(int seconden);
    void rolSoortGekozen(int soort);
    void nieuweReeksGevraagd();

private:
    Instellingen m_inst;
    int m_rolSoort = 0;
};
