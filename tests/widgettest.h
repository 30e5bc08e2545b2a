#pragma once

// Helpers for tests that run the main window headless.

#include "app/mainwindow.h"
#include "app/state.h"

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

// A main window on a fresh program directory, with pauses on a short time scale.
struct Opstelling {
    QTemporaryDir map;
    Toestand toestand;
    std::unique_ptr<Hoofdvenster> venster;

    explicit Opstelling(const QByteArray& instellingen = {}, QSize scherm = QSize(1024, 768),
                        double tijdSchaal = 0.01) {
        if (!instellingen.isEmpty()) {
            QFile f(map.filePath(QStringLiteral("Quintaro.ini")));
            if (f.open(QIODevice::WriteOnly))
                f.write(instellingen);
        }
        toestand.paden.programmaMap = map.path();
        toestand.paden.gegevensMap = map.path();
        toestand.pauze.setTijdSchaal(tijdSchaal);
        venster = std::make_unique<Hoofdvenster>(toestand, scherm);
        venster->algemeen().setOpener([](const QUrl&) {});
    }
};

// Answers every modal dialog that opens until stopped, recording title and text.
class ModaalBeantwoorder : public QObject {
public:
    explicit ModaalBeantwoorder(std::function<void(QWidget*)> actie = {})
        : m_actie(std::move(actie)) {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget* modaal = QApplication::activeModalWidget();
            if (!modaal)
                return;
            titels.append(modaal->windowTitle());
            if (auto* box = qobject_cast<QMessageBox*>(modaal))
                teksten.append(box->text());
            if (m_actie)
                m_actie(modaal);
            else if (auto* box = qobject_cast<QMessageBox*>(modaal))
                box->accept();
        });
        m_timer.start();
    }
    QStringList titels;
    QStringList teksten;

private:
    std::function<void(QWidget*)> m_actie;
    QTimer m_timer;
};
