#pragma once

#include <QLocale>
#include <QString>

// Something that reads texts aloud. The program speaks through a speech engine; tests put
// one in its place that notes what would be said.
class Spreker {
public:
    virtual ~Spreker() = default;
    // Says `tekst` in the language of `taal` without waiting for it, cutting off what is still
    // being said. Without an engine or a voice for that language it says nothing.
    virtual void zeg(const QString& tekst, const QLocale& taal) = 0;
    // Stops what is being said.
    virtual void zwijg() {}
    // Gets the engine ready in the background, so that the first text is not late.
    virtual void voorbereiden() {}
};
