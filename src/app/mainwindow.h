#pragma once

#include "app/layout.h"
#include "common/algemeen.h"

#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>

class QLabel;
class QListView;
class NummerVak;
class PlaatjesKnop;
class RolVak;
class Toestand;

// The bottom bar: its own drawing (dot texture, the frame behind the list) stays on it.
class KnopPaneel : public QWidget {
    Q_OBJECT
public:
    explicit KnopPaneel(QWidget* parent = nullptr);
    void setTekening(const QImage& tekening);
    const QImage& tekening() const { return m_tekening; }
Q_SIGNALS:
    void geklikt();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    QImage m_tekening;
};

// The full-screen main window: title, four rollers, the result panel between two start
// arrows, and the bottom bar with toolbar, drawn list, counter, clock and exit button.
class Hoofdvenster : public QWidget {
    Q_OBJECT
public:
    Hoofdvenster(Toestand& toestand, const QSize& schermPixels, QWidget* parent = nullptr);
    ~Hoofdvenster() override;

    Toestand& toestand() { return m_toestand; }
    Algemeen& algemeen() { return m_algemeen; }
    bool instellingenGelezen() const { return m_gelezen; }

    // The result panel's two looks.
    void MaakNummerSchoon();
    void MaakFruitScherm();
    // Each roller gets the strip of the current roller kind as its standing picture.
    void geefRollersStrook();
    // The roller-kind switch: the range preset, the panel look, the counter, the list
    // cleared and the draw counter reset.
    void kiesRolSoort(int soort);

    void zetTitelKleur(const QColor& kleur);
    void zetTitel(const QString& titel);
    void zetTeller(const QString& tekst);
    // Loads a background picture; false (and the old picture kept) when it cannot be read.
    bool laadAchtergrond(const QString& pad);
    bool heeftAchtergrond() const { return !m_achtergrond.isNull(); }

    // The draw.
    void StartRollers();
    void StopRollers();
    void PlaatsScore();
    bool trekkingBezig() const;

    // The pieces, for the dialog and the tests.
    const Indeling& indeling() const { return m_indeling; }
    RolVak* rol(int n) const { return m_rol[static_cast<std::size_t>(n)]; }
    NummerVak* nummerVak() const { return m_nummerVak; }
    PlaatjesKnop* pijlLinks() const { return m_pijlLinks; }
    PlaatjesKnop* pijlRechts() const { return m_pijlRechts; }
    PlaatjesKnop* knop(int i) const { return m_knop[static_cast<std::size_t>(i)]; }
    PlaatjesKnop* exitKnop() const { return m_exitKnop; }
    KnopPaneel* knopPaneel() const { return m_knopPaneel; }
    QListView* lijstView() const { return m_lijst; }
    QLabel* teller() const { return m_label1; }
    QLabel* klok() const { return m_klokLabel; }
    QLabel* logo1() const { return m_logo1; }
    QLabel* logo2() const { return m_logo2; }
    const QImage& strook(int soort) const { return m_strook[static_cast<std::size_t>(soort)]; }
    QTimer& rolTimer(int n) { return m_timer[static_cast<std::size_t>(n)]; }
    QTimer& klokTimer() { return m_klokTimer; }

    // The press animation and start sequence of a start path.
    void pijlGeklikt(PlaatjesKnop* pijl);
    void spatieStart();
    void knopGeklikt(int index);
    void exitGeklikt();
    // Opens the settings dialog modally.
    void openConfig();

Q_SIGNALS:
    // The closing sequence has written both files; the program ends now.
    void afgesloten();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void closeEvent(QCloseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void laadVolgorde();
    void rolTik(int n);
    void toonRollers();
    void klokTik();
    void zetStartKnoppen(bool aan, bool rechtsEerst);
    // Moves a picture to its pressed place, pauses, and puts it back; false when closing.
    bool drukAnimatie(QWidget* w, QPoint verschuiving);
    void focusNaarNummer();
    void bewaarLijst();
    // Whether a point of the window shows the background picture and nothing on it.
    bool opAchtergrond(const QPoint& p) const;

    Toestand& m_toestand;
    Algemeen m_algemeen;
    QSize m_scherm;
    Indeling m_indeling;
    bool m_gelezen = false;
    bool m_sluitGestart = false;
    bool m_sluitKlaar = false;

    std::array<QImage, 2> m_strook; // BackPic(0), BackPic(1)
    QImage m_prijsTabel;            // Image1
    QPixmap m_geluidAan, m_geluidUit;
    QImage m_achtergrond;
    QPixmap m_achtergrondGeschaald;

    QLabel* m_logo1 = nullptr;
    QLabel* m_logo2 = nullptr;
    std::array<RolVak*, 4> m_rol{};
    std::array<QTimer, 4> m_timer;
    QTimer m_klokTimer;
    QTimer m_beeldTimer; // repaints the spinning rollers together
    NummerVak* m_nummerVak = nullptr;
    PlaatjesKnop* m_pijlLinks = nullptr;
    PlaatjesKnop* m_pijlRechts = nullptr;
    KnopPaneel* m_knopPaneel = nullptr;
    std::array<PlaatjesKnop*, 4> m_knop{};
    PlaatjesKnop* m_exitKnop = nullptr;
    QLabel* m_klokLabel = nullptr;
    QLabel* m_label1 = nullptr;
    QListView* m_lijst = nullptr;
};
