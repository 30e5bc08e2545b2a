#pragma once

#include <QListView>

// The drawn list on the bottom panel: white numbers on (20, 20, 40), no frame, no selection,
// a scroll bar only when needed; it never takes the keyboard focus.
class LijstVak : public QListView {
    Q_OBJECT
public:
    explicit LijstVak(QWidget* parent = nullptr);
};
