#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class QMediaDevices;
class QSoundEffect;
class QWidget;
class Toestand;

// The routines the windows share for the world outside: playing a sound and opening a
// document or web address with the desktop's associated program.
class Algemeen {
public:
    explicit Algemeen(Toestand& toestand);
    ~Algemeen();
    Algemeen(const Algemeen&) = delete;
    Algemeen& operator=(const Algemeen&) = delete;

    // Plays a WAV file asynchronously when the sound is on; a new sound cuts off the one
    // still playing. A missing file or no sound device plays nothing, silently.
    void SpeelGeluid(const QString& pad);
    // Opens a file path or a web address without waiting; failures are silent.
    void OpenDocument(QWidget* eigenaar, const QString& doel);

    // What was asked to play or open, in order (for tests and diagnostics).
    const QStringList& gespeeld() const { return m_gespeeld; }
    const QStringList& geopend() const { return m_geopend; }
    // Replaces the desktop call (tests keep the desktop out of it).
    void setOpener(std::function<void(const QUrl&)> opener) { m_opener = std::move(opener); }
    void setGeluidsuitvoer(bool aan) { m_uitvoer = aan; }

private:
    // The system's audio outputs changed: play to the new default from now on.
    void uitvoerGewijzigd();

    Toestand& m_toestand;
    std::unique_ptr<QMediaDevices> m_apparaten;
    QHash<QString, QSoundEffect*> m_effecten;
    QSoundEffect* m_speelt = nullptr;
    QStringList m_gespeeld;
    QStringList m_geopend;
    std::function<void(const QUrl&)> m_opener;
    bool m_uitvoer = true;
};
