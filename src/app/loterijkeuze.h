#pragma once

#include <QString>
#include <QWidget>

class Hoofdvenster;
class QLabel;
class QPushButton;

// The operator's choice of raffle between two series: "Loterij openen..." asks for a raffle
// file and opens it (Trekking::openLoterij: the list is cleared and a new series of the raffle
// begins), "Loterij sluiten" goes back to the numbers of the range. Both wait while a draw
// runs. A file with a fault is not opened: a message over the operator's window and the line
// below the buttons name the file, the line and the reason, and the evening goes on as it was.
class Loterijkeuze : public QWidget {
    Q_OBJECT
public:
    explicit Loterijkeuze(Hoofdvenster& publiek, QWidget* parent = nullptr);

    // Reads the raffle file at `pad` and opens it; returns whether it was opened.
    bool open(const QString& pad);

protected:
    void changeEvent(QEvent* e) override;

private:
    void kies();
    void werkBij();
    void vertaal();

    Hoofdvenster& m_publiek;
    QPushButton* m_openKnop = nullptr;
    QPushButton* m_sluitKnop = nullptr;
    QLabel* m_staat = nullptr;
    QString m_bestand; // the raffle file opened here
    QString m_fout;    // why the last file chosen was not opened
};
