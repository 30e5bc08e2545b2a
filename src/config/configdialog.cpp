#include "config/configdialog.h"

#include "app/mainwindow.h"
#include "app/state.h"

Config::Config(Toestand& toestand, Hoofdvenster& hoofd, QWidget* parent)
    : QDialog(parent), m_toestand(toestand), m_hoofd(hoofd) {
    setWindowTitle(QStringLiteral(" Configuratie"));
}
