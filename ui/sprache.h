#pragma once

class QCoreApplication;

// The program speaks German whatever the system says: German numbers and dates in every
// widget, and Qt's own texts (dialog buttons, the file dialog) in German where Qt's German
// translation is installed. Message boxes name their buttons themselves when it is not.
namespace Sprache {

// Sets the German locale as the default and installs Qt's German translation from Qt's
// translation folder. False when that file is missing or unreadable.
bool deutschEinrichten(QCoreApplication& anwendung);

} // namespace Sprache
