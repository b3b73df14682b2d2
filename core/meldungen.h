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
    // A question with Yes and No; true for Yes.
    virtual bool frage(const QString& text, const QString& titel) = 0;
};
