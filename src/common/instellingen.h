#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QtGlobal>
#include <optional>

// The settings record, kept in "Quintaro.ini": twelve fields on nine lines (the two
// header fields, then the ten settings).
struct Instellingen {
    qint32 LaagsteNummer = 1;
    qint32 HoogsteNummer = 9999;
    double KleurRood = 255; // a plain number: a hand-edited file may hold a fraction
    double KleurGroen = 255;
    quint8 KleurBlauw = 190;
    QString AchtergrondBestand;
    quint8 PauzeSeconden = 4;
    QString TitelTekst = QStringLiteral("Quintaro");
    bool ReserveVlag = false;
    QString ReserveTekst = QStringLiteral("Quintaro settings");
    // The encoding the file was read in, and is written back in: UTF-8 for a new file, or
    // the 8-bit Windows code page of a file carried over from such a system.
    enum Codering : quint8 { Utf8, Windows1252 };
    Codering Tekenset = Utf8;

    bool operator==(const Instellingen&) const = default;
};

inline constexpr const char* kInstellingenBestand = "Quintaro.ini";
inline constexpr const char* kStandaardAchtergrond = "Backgrounds/Wallpaper-01.jpg";

// The file holds at most this much that is read; fields beyond it count as missing.
inline constexpr qint64 kMaxInstellingenGrootte = 4 * 1024 * 1024;

// Parses the settings text into `inst`, field by field. Fields read before a failure keep
// their values; returns false when a field is missing or does not fit its variable.
bool leesInstellingenTekst(const QString& tekst, Instellingen& inst);

// The exact file content: CR LF line ends, text in the encoding the file was read in.
QByteArray instellingenBestandInhoud(const Instellingen& inst);

// Writes the settings file atomically (temporary file and rename). Silent on failure;
// returns whether it was written.
bool BewaarInstellingen(const QString& pad, const Instellingen& inst);

// Reads the settings file at `pad` into `inst` (which starts from the defaults). On failure
// the fields read so far are kept, the file is rewritten, and `inst.AchtergrondBestand` is set to
// the default background in `programmaMap`. Returns whether the read succeeded.
bool LeesInstellingen(const QString& pad, const QString& programmaMap, Instellingen& inst);

// The title and result colour; red and green are rounded half to even, every component
// is clamped to 0..255.
QColor titelKleur(double rood, double groen, double blauw);
inline QColor titelKleur(const Instellingen& inst) {
    return titelKleur(inst.KleurRood, inst.KleurGroen, inst.KleurBlauw);
}

// A number as the settings file and the labels show it: plain decimal digits, a point
// only when not whole.
QString nummerTekst(double waarde);

// The file's bytes as text: UTF-8 when they are valid UTF-8, otherwise Windows-1252;
// `codering` tells which, for writing the file back the same way.
QString decodeerInstellingen(const QByteArray& ruw, Instellingen::Codering& codering);

// Windows-1252 both ways; every byte reads and writes back unchanged. Encoding gives nothing
// when the text holds a character the code page lacks.
QString vanWindows1252(const QByteArray& bytes);
std::optional<QByteArray> naarWindows1252(const QString& tekst);

// Rounds half to even, the rule for every text read into an integer.
double rondAfBankiers(double waarde);
