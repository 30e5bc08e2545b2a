#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

// The QR code of the live page on the audience's window, in its top right corner: the page's
// address with the series' commitment in it, so that a phone that scans it keeps both, with
// the address written below. Q (released in `toetsBron`) shows and hides it; it only shows
// while there is an address, that is while the live view is on.
class QrVak : public QWidget {
    Q_OBJECT
public:
    QrVak(QWidget* venster, QWidget* toetsBron);

    void zetAdres(const QString& adres);
    const QString& adres() const { return m_adres; }
    void zetGewenst(bool gewenst);
    bool gewenst() const { return m_gewenst; }

Q_SIGNALS:
    void gewenstGewijzigd(bool gewenst);

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void plaats();

    QString m_adres;
    QImage m_code; // one pixel per module, quiet zone included
    bool m_gewenst = false;
};
