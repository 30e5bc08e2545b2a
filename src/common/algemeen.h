#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class QMediaDevices;
class QSoundEffect;
class QWidget;

// The routines the windows share for the world outside: playing a sound and opening a
// document or web address with the desktop's associated program. It holds the sound
// switch, which is on at every start and is not stored.
class Algemeen : public QObject {
    Q_OBJECT
public:
    explicit Algemeen(QObject* parent = nullptr);
    ~Algemeen() override;

    bool geluidAan() const { return m_geluidAan; }
    void zetGeluidAan(bool aan);

    // Plays a WAV file asynchronously when the sound is on; a new sound cuts off the one
    // still playing. A missing file or no sound device plays nothing, silently.
    void SpeelGeluid(const QString& pad);
    // Opens a file path or a web address without waiting; failures are silent.
    void OpenDocument(QWidget* eigenaar, const QString& doel);

    // What was asked to play or open, in order (for diagnostics and tests).
    const QStringList& gespeeld() const { return m_gespeeld; }
    const QStringList& geopend() const { return m_geopend; }
    // Replaces the desktop call (tests keep the desktop out of it).
    void zetOpener(std::function<void(const QUrl&)> opener) { m_opener = std::move(opener); }
    // Keeps the sounds from reaching a device (tests).
    void zetGeluidsuitvoer(bool aan) { m_uitvoer = aan; }
    // Whether there is a device to play to; follows the system's audio outputs as they change.
    bool geluidsuitvoer() const { return m_uitvoer; }

Q_SIGNALS:
    void geluidAanGewijzigd(bool aan);

private:
    // The system's audio outputs changed: play to the new default from now on.
    void uitvoerGewijzigd();

    bool m_geluidAan = true;
    QMediaDevices* m_apparaten = nullptr;
    QHash<QString, QSoundEffect*> m_effecten;
    QSoundEffect* m_speelt = nullptr;
    QStringList m_gespeeld;
    QStringList m_geopend;
    std::function<void(const QUrl&)> m_opener;
    bool m_uitvoer = true;
};
