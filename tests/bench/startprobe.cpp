// Starts like the program, or as one of its two baselines, and, once the window has been
// painted for the first time, writes the moment (CLOCK_MONOTONIC, ns) to stdout and ends at
// once: the launcher measures from process start to the first shown window, not the teardown.
//   ZUVORA_PROBE_PROGRAMM    the program's main window with case 1
//   ZUVORA_PROBE_GEWOEHNLICH the same content in stock widgets (gewoehnlich.cpp)
//   neither: the floor, a window of the program's size with one line of text in the
//   program's font, so that it starts the font system and draws glyphs, and nothing else
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#if defined(ZUVORA_PROBE_PROGRAMM)
#include "core/sperre.h"
#include "ui/zvk.h"

#include <QFile>
#elif defined(ZUVORA_PROBE_GEWOEHNLICH)
#include "gewoehnlich.h"
#endif

namespace {

// What a normal end leaves behind, done without the teardown: the program's lock file goes,
// or the next measured start would find it stale and spend its time clearing it.
void aufräumen()
{
#if defined(ZUVORA_PROBE_PROGRAMM)
    QFile::remove(Sperre::sperrpfad(QStringLiteral("atv.txt")));
#endif
}

class ErsterAnblick : public QObject
{
public:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Paint && !m_gesehen) {
            m_gesehen = true;
            // After this paint has been handled the window is on screen.
            QTimer::singleShot(0, [] {
                timespec jetzt{};
                clock_gettime(CLOCK_MONOTONIC, &jetzt);
                std::printf("%lld\n", static_cast<long long>(jetzt.tv_sec) * 1000000000LL + jetzt.tv_nsec);
                std::fflush(stdout);
                // Where the memory lies, for a look by hand: ZUVORA_PROBE_SPEICHER=1 copies
                // the memory map with each mapping's resident size to stderr.
                if (std::getenv("ZUVORA_PROBE_SPEICHER"))
                    if (std::FILE* karte = std::fopen("/proc/self/smaps", "r")) {
                        char zeile[512];
                        while (std::fgets(zeile, sizeof zeile, karte))
                            std::fputs(zeile, stderr);
                        std::fclose(karte);
                    }
                aufräumen();
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    bool m_gesehen = false;
};

class Textzeile : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter maler(this);
        maler.drawText(rect(), Qt::AlignCenter, QStringLiteral("Voraussichtliche Zuvora: 1234,56 €"));
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
#if defined(ZUVORA_PROBE_PROGRAMM)
    ZVK fenster;
    if (!fenster.Form_Load())
        return 1;
#elif defined(ZUVORA_PROBE_GEWOEHNLICH)
    const std::unique_ptr<QWidget> gewöhnlich = gewöhnlichesFenster();
    if (!gewöhnlich)
        return 1;
    QWidget& fenster = *gewöhnlich;
#else
    Textzeile fenster;
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSizeF(14.25);
    fenster.setFont(schrift);
    fenster.setFixedSize(946, 576);
#endif
    ErsterAnblick beobachter;
    fenster.installEventFilter(&beobachter);
    fenster.show();
    return app.exec();
}
