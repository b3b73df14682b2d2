#pragma once

#include "core/dateiablage.h"
#include "core/falldatei.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

// Whether the message the user read names every one of `wörter`; says which one it misses.
inline ::testing::AssertionResult nenntAlle(const QString& meldung, const QStringList& wörter)
{
    for (const QString& wort : wörter)
        if (!meldung.contains(wort))
            return ::testing::AssertionFailure()
                   << wort.toStdString() << " fehlt in " << meldung.toStdString();
    return ::testing::AssertionSuccess();
}

// The path of `name` in `ordner`.
inline QString in(const QString& ordner, const char* name)
{
    return ordner + u'/' + QString::fromUtf8(name);
}

// A symbolic link `link` that points to `ziel`.
inline void verknüpfen(const QString& ziel, const QString& link)
{
    ASSERT_EQ(::symlink(QFile::encodeName(ziel).constData(), QFile::encodeName(link).constData()), 0);
}

// What lstat() says of the path itself (a link is not followed).
inline struct stat status(const QString& pfad)
{
    struct stat st {};
    EXPECT_EQ(::lstat(QFile::encodeName(pfad).constData(), &st), 0) << pfad.toStdString();
    return st;
}

// A file's bytes as the disk holds them; empty when it cannot be read.
inline QByteArray lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Puts the bytes into a file of that name, as a user or another program may have left it.
inline void lege(const QString& pfad, const QByteArray& bytes)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// Everything in a folder, hidden files included.
inline QStringList ordnerinhalt(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// The same bytes for the same seed, so that a failing case comes back.
inline QByteArray zufallsbytes(qsizetype n, quint32 saat)
{
    QRandomGenerator g(saat);
    QByteArray b(n, Qt::Uninitialized);
    for (char& c : b)
        c = char(g.bounded(256));
    return b;
}

// A disk that is full: every write of the file layer fails while `voll` is set.
class VolleAblage : public Dateiablage
{
public:
    explicit VolleAblage(bool anfangsVoll = true) : voll(anfangsVoll) {}
    bool voll;

protected:
    qint64 schreiben(QFileDevice& datei, const char* daten, qint64 länge) override
    {
        return voll ? -1 : Dateiablage::schreiben(datei, daten, länge);
    }
};

// The case file "atv.txt" in a folder of its own that goes with the test. A base of test
// fixtures, before any member that uses the file, so that it outlives them.
class Fallordner
{
protected:
    QTemporaryDir ordner;

    QString pfad() const { return ordner.filePath(QStringLiteral("atv.txt")); }
    // What a new start of the program finds in the file.
    Datensatz gespeichert() const
    {
        Dateiablage frisch;
        Falldatei neu(frisch);
        EXPECT_TRUE(neu.öffnen(pfad()).ok);
        return neu.lesen(1);
    }
    QByteArray dateibytes() const
    {
        QFile f(pfad());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
};
