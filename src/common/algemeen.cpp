#include "common/algemeen.h"

#include <QAudioDevice>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>

Algemeen::Algemeen(QObject* parent)
    : QObject(parent), m_opener([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    // Without a sound device there is nothing to play to; that is not an error. A device
    // that comes (or goes) later is followed: the sounds are made anew for the new default.
    m_uitvoer = !QMediaDevices::audioOutputs().isEmpty();
    m_apparaten = new QMediaDevices(this);
    connect(m_apparaten, &QMediaDevices::audioOutputsChanged, this, &Algemeen::uitvoerGewijzigd);
}

Algemeen::~Algemeen() {
    qDeleteAll(m_effecten);
}

void Algemeen::zetGeluidAan(bool aan) {
    if (aan == m_geluidAan)
        return;
    m_geluidAan = aan;
    Q_EMIT geluidAanGewijzigd(aan);
}

void Algemeen::uitvoerGewijzigd() {
    m_uitvoer = !QMediaDevices::audioOutputs().isEmpty();
    m_speelt = nullptr;
    qDeleteAll(m_effecten);
    m_effecten.clear();
}

void Algemeen::SpeelGeluid(const QString& pad) {
    if (!m_geluidAan)
        return;
    m_gespeeld.append(pad);
    if (m_gespeeld.size() > 1000)
        m_gespeeld.removeFirst();
    if (!m_uitvoer || !QFileInfo::exists(pad))
        return;
    QSoundEffect*& effect = m_effecten[pad];
    if (!effect) {
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(pad));
    }
    if (m_speelt && m_speelt != effect)
        m_speelt->stop();
    effect->stop();
    effect->play();
    m_speelt = effect;
}

void Algemeen::OpenDocument(QWidget*, const QString& doel) {
    m_geopend.append(doel);
    const QUrl url = doel.contains(QLatin1String("://")) ? QUrl(doel) : QUrl::fromLocalFile(doel);
    if (m_opener)
        m_opener(url);
}
