#include "common/lijstvak.h"

#include "common/eenheden.h"

LijstVak::LijstVak(QWidget* parent) : QListView(parent) {
    setObjectName(QStringLiteral("List1"));
    setAccessibleName(tr("Getrokken nummers"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setUniformItemSizes(true);
    setFont(arial(9.75));
    setSelectionMode(QAbstractItemView::NoSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, QColor(20, 20, 40));
    pal.setColor(QPalette::Text, QColor(250, 250, 250));
    setPalette(pal);
    viewport()->setMouseTracking(true);
}
