#pragma once

#include <QString>
#include <QStringList>

// The languages the program speaks. Its texts are written in Dutch, which needs no
// translation and is the default whatever the system's language; English comes as a
// translation compiled into the program.
namespace Taal {

// The codes --lang accepts, the default first: "nl", "en".
QStringList bekend();

// Switches the application to the language `code` ("nl" or "en"): removes a translation
// installed earlier and installs the one for `code`, together with Qt's own texts for that
// language when they are installed on the system. Texts set before the call keep their
// language. Returns false, and changes nothing, for an unknown code or a translation that
// cannot be loaded.
bool kies(const QString& code);

// The code of the language chosen last ("nl" until another is chosen).
QString huidige();

} // namespace Taal
