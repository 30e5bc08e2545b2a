#include "live/qrvak.h"

#include "live/qrbeeld.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int kRand = 10; // white around the code and the text, pixels
constexpr int kTekstHoogte = 18;

} // namespace

QrVak::QrVak(QWidget* venster, QWidget* toetsBron) : QWidget(venster) {
    setObjectName(QStringLiteral("QrVak"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    venster->installEventFilter(this);
    if (toetsBron && toetsBron != venster)
        toetsBron->installEventFilter(this);
}

void QrVak::zetAdres(const QString& adres) {
    m_adres = adres;
    m_code = adres.isEmpty() ? QImage() : qrBeeld(adres, 1);
    setAccessibleName(tr("QR-code van de live-weergave: %1").arg(adres));
    plaats();
    update();
}

void QrVak::zetGewenst(bool gewenst) {
    if (gewenst == m_gewenst)
        return;
    m_gewenst = gewenst;
    plaats();
    Q_EMIT gewenstGewijzigd(gewenst);
}

void QrVak::plaats() {
    QWidget* venster = parentWidget();
    if (!venster || m_code.isNull() || !m_gewenst) {
        hide();
        return;
    }
    // A whole number of pixels per module keeps the code sharp for a phone's camera; the
    // code takes about a sixth of the window's height, above the rollers.
    const int modules = m_code.width();
    const int perModule = std::max(2, venster->height() / 6 / modules);
    const int zijde = modules * perModule;
    resize(zijde + 2 * kRand, zijde + 2 * kRand + kTekstHoogte);
    move(venster->width() - width() - 8, 8);
    show();
    raise();
}

void QrVak::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const int zijde = width() - 2 * kRand;
    p.drawImage(QRect(kRand, kRand, zijde, zijde), m_code);
    QFont letter(QStringLiteral("Liberation Sans"));
    letter.setPixelSize(13);
    p.setFont(letter);
    p.setPen(Qt::black);
    const QUrl url(m_adres);
    const QString kort = url.host() + u':' + QString::number(url.port());
    p.drawText(QRect(0, kRand + zijde, width(), kTekstHoogte + kRand / 2), Qt::AlignCenter, kort);
}

bool QrVak::eventFilter(QObject* o, QEvent* e) {
    if (o == parentWidget() && e->type() == QEvent::Resize) {
        plaats();
    } else if (e->type() == QEvent::KeyRelease) {
        const auto* toets = static_cast<QKeyEvent*>(e);
        if (toets->key() == Qt::Key_Q && !toets->isAutoRepeat() &&
            toets->modifiers() == Qt::NoModifier)
            zetGewenst(!m_gewenst);
    }
    return QWidget::eventFilter(o, e);
}
