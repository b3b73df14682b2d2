#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

// The program's own help: German HTML pages compiled into the program (hilfe.qrc), one file
// per chapter, each section with an anchor that stays. A place in the help is named by a
// target "file.html#anchor" ("spalten.html#spalte-3"), or just the file for its start.
//
// Adding a section: a new <h2 id="..."> in its chapter's file. Adding a chapter: a new file
// in inhalt/, listed in hilfe.qrc and linked from index.html. The test of the help walks
// every link and checks that its target exists.
namespace Hilfe {

inline const QString Start = QStringLiteral("index.html");

// "qrc:/hilfe/spalten.html#spalte-3" for "spalten.html#spalte-3".
QUrl adresse(const QString& ziel);
// The chapter files, by name.
QStringList seiten();

// F1: a control names the help section it belongs to; a control without one takes that of
// the nearest parent that has one, and the window as a whole falls back to the start.
void setzeZiel(QWidget* steuerelement, const QString& ziel);
QString ziel(const QWidget* steuerelement);

// The section of a column of the calculation table, 0..23.
QString spalte(int spalte);

// The full text of the licence, GPL version 3.
QString lizenztext();

} // namespace Hilfe
