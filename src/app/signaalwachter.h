#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the termination signals (SIGTERM, SIGHUP when the terminal goes, SIGINT for Ctrl+C)
// into a Qt signal on the event loop, so they close the window through its normal closing
// sequence. The handler itself only writes a byte into a pipe that wakes the loop.
class SignaalWachter : public QObject {
    Q_OBJECT
public:
    explicit SignaalWachter(QObject* parent = nullptr);
    ~SignaalWachter() override;

Q_SIGNALS:
    // A termination signal arrived; `nummer` is the signal's number.
    void beeindigen(int nummer);

private:
    void lees();

    QSocketNotifier* m_melder = nullptr;
};
