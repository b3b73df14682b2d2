// The folder a start from the desktop menu works in.
#include "core/startordner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StartordnerTest : public ::testing::Test
{
protected:
    void TearDown() override { QDir::setCurrent(m_vorher); }
    QTemporaryDir heim;
    const QString m_vorher = QDir::currentPath();
};

TEST_F(StartordnerTest, LegtDenOrdnerBeimErstenStartAnUndFindetIhnDanach)
{
    const QString ordner = QDir(heim.path()).filePath(QStringLiteral("Zuvora"));
    for (int start = 1; start <= 2; ++start) {
        SCOPED_TRACE(start);
        QDir::setCurrent(m_vorher);
        const Ergebnis e = Startordner::menüordnerBetreten(heim.path());
        ASSERT_TRUE(e.ok) << e.meldung.toStdString();
        EXPECT_EQ(QDir::current().canonicalPath(), QDir(ordner).canonicalPath());
        // What the first start left there stays.
        if (start == 1)
            QFile(QStringLiteral("atv.txt")).open(QIODevice::WriteOnly);
        else
            EXPECT_TRUE(QFile::exists(QStringLiteral("atv.txt")));
    }
}

TEST_F(StartordnerTest, EineDateiDiesesNamensHältDenStartAufOhneDenOrdnerZuWechseln)
{
    QFile datei(QDir(heim.path()).filePath(QStringLiteral("Zuvora")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    const Ergebnis e = Startordner::menüordnerBetreten(heim.path());
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.meldung.contains(QStringLiteral("kann nicht angelegt werden"))) << e.meldung.toStdString();
    EXPECT_EQ(QDir::currentPath(), m_vorher);
    EXPECT_TRUE(QFileInfo(datei.fileName()).isFile());
}

} // namespace
