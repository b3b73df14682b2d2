// Any bytes as "atvi.txt": the editor gets 33 lines of 95 characters holding them, and
// saving those lines unchanged writes the same bytes back, an odd file copied first.
#include "core/dateiablage.h"
#include "fuzzhilfe.h"
#include "print/brieftext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

namespace {

QTemporaryDir* ordner = nullptr;

QByteArray lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    ordner = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t größe)
{
    const QString pfad = ordner->filePath(QStringLiteral("atvi.txt"));
    const QByteArray alt(reinterpret_cast<const char*>(daten), qsizetype(größe));
    {
        QFile f(pfad);
        PRÜFEN(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        PRÜFEN(f.write(alt) == alt.size());
    }
    Dateiablage ablage;
    Brieftext brief(ablage, pfad);
    PRÜFEN(brief.checken().ok);
    const QByteArray bild = alt.isEmpty() ? Brieftext::abbild(Brieftext::standardtext()) : alt;
    PRÜFEN(lies(pfad) == bild);

    QStringList zeilen;
    PRÜFEN(brief.lesen(zeilen).ok);
    PRÜFEN(zeilen.size() == Brieftext::Zeilen);
    const QByteArray erwartet = bild.left(Brieftext::Solllänge).leftJustified(Brieftext::Solllänge, ' ');
    PRÜFEN(Brieftext::abbild(zeilen) == erwartet);
    PRÜFEN(brief.speichern(zeilen).ok);
    PRÜFEN(lies(pfad) == erwartet);
    if (bild.size() != Brieftext::Solllänge)
        PRÜFEN(lies(pfad + QStringLiteral(".bak")) == bild);

    for (const QString& name : QDir(ordner->path()).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(ordner->filePath(name));
    return 0;
}
