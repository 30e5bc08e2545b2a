#pragma once

// The one window fixture and the one modal-dialog helper of the widget suites: a real main
// window on a fresh program directory, its parts found by object name as a user finds them
// by sight.

#include "app/hoofdvenster.h"
#include "common/algemeen.h"
#include "common/instellingen.h"
#include "draw/trekking.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

inline QByteArray leesAlles(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool schrijfAlles(const QString& pad, const QByteArray& inhoud) {
    QFile f(pad);
    return f.open(QIODevice::WriteOnly) && f.write(inhoud) == inhoud.size();
}

// A settings file with the given range and otherwise the defaults.
inline QByteArray instellingenMetBereik(qint32 laagste, qint32 hoogste) {
    Instellingen inst;
    inst.LaagsteNummer = laagste;
    inst.HoogsteNummer = hoogste;
    return instellingenBestandInhoud(inst);
}

// A main window on a fresh program directory (`map`, used for reading and writing), with an
// optional settings file, pauses on a short time scale, and nothing leaving the process: no
// sound device, opened documents recorded instead of launched.
struct Venster {
    QTemporaryDir map;
    std::unique_ptr<Hoofdvenster> w;
    QList<QUrl> geopend;

    explicit Venster(const QByteArray& instellingen = {}, QSize scherm = QSize(1024, 768),
                     double tijdSchaal = 0.01, const Loterij* loterij = nullptr) {
        if (!instellingen.isEmpty())
            schrijfAlles(map.filePath(QStringLiteral("Quintaro.ini")), instellingen);
        Paden paden;
        paden.programmaMap = paden.gegevensMap = map.path();
        w = std::make_unique<Hoofdvenster>(paden, scherm, false, loterij);
        w->pauze().setTijdSchaal(tijdSchaal);
        w->algemeen().zetGeluidsuitvoer(false);
        w->algemeen().zetOpener([this](const QUrl& url) { geopend.append(url); });
    }

    template <typename T = QWidget> T* kind(const QString& naam) const {
        return w->findChild<T*>(naam);
    }
    Trekking& trekking() const { return w->trekking(); }
    Instellingenhouder& instellingen() const { return w->instellingen(); }
    const Instellingen& inst() const { return w->instellingen().record(); }
    Algemeen& algemeen() const { return w->algemeen(); }
    QString bestand(const char* naam) const { return map.filePath(QLatin1String(naam)); }
};

// Acts on every modal window that comes up while it lives (the settings dialog, a message
// box), and records the title and, for a message box, the text. Without an action a message
// box is answered with OK and anything else is left alone.
class Modaal : public QObject {
public:
    explicit Modaal(std::function<void(QWidget*)> actie = {}) : m_actie(std::move(actie)) {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget* modaal = QApplication::activeModalWidget();
            if (!modaal || modaal == m_laatste)
                return;
            m_laatste = modaal;
            titels.append(modaal->windowTitle());
            auto* box = qobject_cast<QMessageBox*>(modaal);
            if (box)
                teksten.append(box->text());
            if (m_actie)
                m_actie(modaal);
            else if (box)
                box->done(QMessageBox::Ok);
            m_laatste = nullptr;
        });
        m_timer.start();
    }
    QStringList titels;
    QStringList teksten;

private:
    std::function<void(QWidget*)> m_actie;
    QTimer m_timer;
    QWidget* m_laatste = nullptr;
};
