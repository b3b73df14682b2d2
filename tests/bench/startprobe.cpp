// Starts like the program (or as a blank Qt window) and, once the window has been painted
// for the first time, writes the moment (CLOCK_MONOTONIC, ns) to stdout and ends at once:
// the launcher measures from process start to the first shown window, not the teardown.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#ifdef ZUVORA_PROBE_PROGRAMM
#include "ui/zvk.h"
#endif

namespace {

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
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    bool m_gesehen = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
#ifdef ZUVORA_PROBE_PROGRAMM
    ZVK fenster;
    if (!fenster.Form_Load())
        return 1;
#else
    QWidget fenster;
    fenster.resize(946, 576);
#endif
    ErsterAnblick beobachter;
    fenster.installEventFilter(&beobachter);
    fenster.show();
    return app.exec();
}
