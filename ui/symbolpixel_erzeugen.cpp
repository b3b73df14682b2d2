// Build step: turns the shipped PNG drawings into C++ arrays of ready pixels, packed, so that
// the program shows its pictures without looking for image plugins or decoding a format.
// Aufruf: symbolpixel_erzeugen AUSGABE.cpp NAME=BILD.png[,BILD@2x.png] ...
#include <QFile>
#include <QImage>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: symbolpixel_erzeugen AUSGABE.cpp NAME=BILD.png[,BILD@2x.png] ...\n");
        return 2;
    }
    QFile ausgabe(QString::fromLocal8Bit(argv[1]));
    if (!ausgabe.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "%s kann nicht geschrieben werden\n", argv[1]);
        return 1;
    }
    QTextStream aus(&ausgabe);
    aus << "// Erzeugt von symbolpixel_erzeugen aus ui/ressourcen; nicht von Hand ändern.\n"
        << "#include \"ui/symbolpixel.h\"\n\nnamespace\n{\n";
    QString tabelle;
    int nummer = 0;
    for (int a = 2; a < argc; ++a) {
        const QString angabe = QString::fromLocal8Bit(argv[a]);
        const QString name = angabe.section(QLatin1Char('='), 0, 0);
        const QStringList dateien = angabe.section(QLatin1Char('='), 1).split(QLatin1Char(','));
        for (int stufe = 0; stufe < dateien.size(); ++stufe) {
            const QImage bild = QImage(dateien[stufe]).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            if (bild.isNull()) {
                std::fprintf(stderr, "%s lässt sich nicht lesen\n", qPrintable(dateien[stufe]));
                return 1;
            }
            QByteArray pixel;
            for (int y = 0; y < bild.height(); ++y)
                pixel.append(reinterpret_cast<const char*>(bild.constScanLine(y)), bild.width() * 4);
            const QByteArray gepackt = qCompress(pixel, 9);
            aus << "const uchar pixel" << nummer << "[] = {";
            for (int i = 0; i < gepackt.size(); ++i)
                aus << ((i % 16) ? " " : "\n    ") << int(uchar(gepackt[i])) << ",";
            aus << "\n};\n";
            tabelle += QStringLiteral("    {\"%1\", %2, %3, %4, pixel%5, %6},\n")
                           .arg(name)
                           .arg(stufe + 1)
                           .arg(bild.width())
                           .arg(bild.height())
                           .arg(nummer)
                           .arg(gepackt.size());
            ++nummer;
        }
    }
    aus << "} // namespace\n\nconst Symbolpixel Symbolpixel::alle[] = {\n"
        << tabelle << "};\nconst int Symbolpixel::anzahl = " << nummer << ";\n";
    aus.flush();
    return ausgabe.error() == QFileDevice::NoError ? 0 : 1;
}
