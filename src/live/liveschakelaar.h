#pragma once

#include <QWidget>

class Liveweergave;
class QCheckBox;
class QLabel;

// The operator's switch of the live view: on and off, and below it the page's address while
// it is on, or why it could not start.
class LiveSchakelaar : public QWidget {
    Q_OBJECT
public:
    LiveSchakelaar(Liveweergave& live, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* e) override;

private:
    void vertaal();
    void toonAdres(const QString& adres);

    Liveweergave& m_live;
    QCheckBox* m_aan = nullptr;
    QLabel* m_uitleg = nullptr;
    QString m_fout;
};
