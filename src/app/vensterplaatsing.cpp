#include "app/vensterplaatsing.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

Vensterplaatsing::Vensterplaatsing(QWidget& publiek, QWidget* bediening, QObject* parent)
    : QObject(parent), m_publiek(publiek), m_bediening(bediening) {
    setObjectName(QStringLiteral("Vensterplaatsing"));
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &Vensterplaatsing::schermWeg);
}

void Vensterplaatsing::toon(QScreen* publiekScherm, QScreen* bedieningScherm) {
    // The audience's window alone (one screen): shown as it always was.
    if (!m_bediening) {
        m_publiek.showFullScreen();
        return;
    }
    plaatsPubliek(publiekScherm ? publiekScherm : QGuiApplication::primaryScreen());
    QScreen* scherm = bedieningScherm ? bedieningScherm : QGuiApplication::primaryScreen();
    // On one screen the operator's window stays above the full-screen one.
    if (scherm == m_publiek.screen()) {
        m_bediening->winId();
        m_bediening->windowHandle()->setTransientParent(m_publiek.windowHandle());
    }
    plaatsBediening(scherm);
}

void Vensterplaatsing::plaatsPubliek(QScreen* scherm) {
    if (scherm) {
        m_publiek.setScreen(scherm);
        m_publiek.setGeometry(QRect(scherm->geometry().topLeft(), m_publiek.size()));
    }
    m_publiek.showFullScreen();
}

void Vensterplaatsing::plaatsBediening(QScreen* scherm) {
    if (scherm) {
        m_bediening->setScreen(scherm);
        const QRect vrij = scherm->availableGeometry();
        const QSize grootte = (vrij.size() * 0.85).expandedTo(m_bediening->minimumSizeHint());
        QRect vlak(QPoint(), grootte.boundedTo(vrij.size()));
        vlak.moveCenter(vrij.center());
        m_bediening->setGeometry(vlak);
    }
    m_bediening->show();
    m_bediening->raise();
    m_bediening->activateWindow();
}

void Vensterplaatsing::schermWeg(QScreen* scherm) {
    // The screens that remain; Qt has already taken the one going away from its list.
    const QList<QScreen*> over = QGuiApplication::screens();
    if (over.isEmpty())
        return;
    const bool publiekWeg = m_publiek.screen() == scherm;
    const bool bedieningWeg = m_bediening && m_bediening->screen() == scherm;
    if (bedieningWeg)
        plaatsBediening(over.first());
    if (publiekWeg) {
        // Preferably a screen of its own; else the operator's.
        QScreen* doel = over.first();
        for (QScreen* s : over) {
            if (!m_bediening || s != m_bediening->screen()) {
                doel = s;
                break;
            }
        }
        plaatsPubliek(doel);
    }
}
