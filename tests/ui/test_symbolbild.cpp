#include "ui/symbolbild.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage vorlage(const QString& datei)
{
    return QImage(QStringLiteral(ZUVORA_RESSOURCEN "/") + datei)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage bild(const QIcon& symbol, QSize größe, qreal pixelverhältnis)
{
    QImage b =
        symbol.pixmap(größe, pixelverhältnis).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    b.setDevicePixelRatio(1);
    return b;
}

// The drawings come out of the program pixel for pixel as they went in, and the one at twice
// the size only for a screen that shows it.
TEST(Symbole, KommenWieIhreVorlagenUndNurInDerNötigenGröße)
{
    for (const char* name :
         {"anschreiben", "atv", "berechnung", "blatt", "hilfe", "info", "schliessen", "zeiger"}) {
        SCOPED_TRACE(name);
        const QString n = QString::fromLatin1(name);
        const QImage einfach = vorlage(n + QStringLiteral(".png"));
        const QImage doppelt = vorlage(n + QStringLiteral("@2x.png"));
        ASSERT_FALSE(einfach.isNull());
        const QIcon schlicht = Symbole::symbol(n, 1);
        EXPECT_EQ(schlicht.availableSizes(), QList<QSize>{einfach.size()});
        EXPECT_EQ(bild(schlicht, einfach.size(), 1), einfach);
        const QIcon scharf = Symbole::symbol(n, 2);
        EXPECT_EQ(scharf.availableSizes().size(), 2);
        EXPECT_EQ(bild(scharf, einfach.size(), 2), doppelt);
    }
    EXPECT_EQ(Symbole::fenstersymbol().availableSizes().size(), 2);
}

} // namespace
