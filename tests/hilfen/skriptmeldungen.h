#pragma once

#include "core/meldungen.h"

#include <QList>
#include <QQueue>

// Answers questions from a script and records every message.
class Skriptmeldungen : public Meldungen
{
public:
    struct Eintrag {
        QString art, text, titel;
    };
    QList<Eintrag> protokoll;
    QQueue<bool> antworten;

    void hinweis(const QString& text, const QString& titel) override
    {
        protokoll.append({"hinweis", text, titel});
    }
    void fehler(const QString& text) override { protokoll.append({"fehler", text, {}}); }
    bool frage(const QString& text, const QString& titel) override
    {
        protokoll.append({"frage", text, titel});
        return antworten.isEmpty() ? false : antworten.dequeue();
    }
};
