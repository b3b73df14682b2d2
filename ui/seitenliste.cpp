#include "ui/seitenliste.h"

#include "ui/seiten/rentenbeginnseite.h"
#include "ui/seiten/sozialpanel.h"
#include "ui/seiten/vergleichsseite.h"

QList<Eingabeseite*> Seitenliste::anlegen(const Seitenumgebung& u)
{
    return {
        new Sozialpanel(u),
        new Rentenbeginnseite(u),
        new Vergleichsseite(u),
    };
}
