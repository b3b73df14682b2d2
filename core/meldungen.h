#pragma once

#include <QString>

// Questions and messages to the user. The window answers them with message boxes; tests
// answer them in advance.
class Meldungen
{
public:
    virtual ~Meldungen() = default;
    // A message with one OK button.
    virtual void hinweis(const QString& text, const QString& titel) = 0;
    // A warning about a failure the user must know of (a file not saved, a printer failing).
    virtual void fehler(const QString& text) = 0;
    // A question with Yes ("Ja") and No ("Nein"); true for Yes. Esc does not answer it: the
    // user picks one of the two.
    virtual bool frage(const QString& text, const QString& titel) = 0;
};
