#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <optional>

class Instellingenhouder;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
struct Paden;

// The settings dialog " Configuratie". Each opening builds it afresh from the settings
// record; the colour bars, the pause bar, the colour reset, the roller kind and the
// background list act at once, while the range and the title wait for "Exit". Its texts are
// Dutch and go through tr() (context Config).
class Config : public QDialog {
    Q_OBJECT
public:
    Config(Instellingenhouder& instellingen, const Paden& paden, QWidget* parent = nullptr);
    ~Config() override;

    // The client area: 7500 x 4560 twips is the whole window, title bar and borders included.
    static constexpr int kBreedte = 492;
    static constexpr int kHoogte = 274;

    // The item data role under which each background entry keeps its picture's full path;
    // the entry's text is the file name alone.
    static constexpr int kPadRol = Qt::UserRole;
    // Whether a range field carries the mark of an unusable value.
    static bool isGemarkeerd(const QComboBox* veld);

    // A range field read as a number: what the text says, or why it cannot be used.
    struct Getal {
        std::optional<double> waarde; // as typed, fractions kept
        QString fout;                 // empty when the value is usable
    };
    static Getal leesGetal(const QString& tekst);

protected:
    void showEvent(QShowEvent* e) override;

private:
    // Colour bar 1 (red), 2 (green) or 3 (blue).
    QScrollBar* colorScroll(int i) const { return m_colorScroll[static_cast<std::size_t>(i - 1)]; }
    // Places the dialog so that a frame of the given outer size is centred on the screen.
    void centreer(const QSize& buiten);
    void bouwBesturing();
    void vul();
    void vulAchtergronden();
    // The text beside the pause bar, e.g. "4 Seconden".
    static QString pauzeTekst(int seconden);

    // The live handlings.
    void kleurGewijzigd(int i);
    void pauzeGewijzigd();
    void kleurReset();
    void rolSoortGekozen(int k);
    void achtergrondGekozen();
    // The closing step behind "Exit".
    void pasToe();

    void markeer(QComboBox* veld, const QString& reden);
    void wisMarkering(QComboBox* veld);

    Instellingenhouder& m_inst;
    const Paden& m_paden;

    QLabel* m_backKnoppen = nullptr;
    QPushButton* m_cancelKnop = nullptr;
    QLabel* m_label1 = nullptr;
    std::array<QScrollBar*, 3> m_colorScroll{};
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    QPushButton* m_resetKnop = nullptr;
    QListWidget* m_list1 = nullptr;
    QLabel* m_label6 = nullptr;
    QScrollBar* m_pauzeScroll = nullptr;
    QLabel* m_label7 = nullptr;
    QLabel* m_label8 = nullptr;
    QLabel* m_label9 = nullptr;
    QComboBox* m_combo1 = nullptr;
    QComboBox* m_combo2 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label10 = nullptr;
    QLabel* m_label11 = nullptr;
    std::array<QRadioButton*, 2> m_rolKeuze{};
    QButtonGroup* m_rolGroep = nullptr;
    QLineEdit* m_text1 = nullptr;
    QLabel* m_label12 = nullptr;
};
