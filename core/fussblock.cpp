#include "core/fussblock.h"

#include "core/datensatz.h"

namespace Fussblock {

quint32 crc32(QByteArrayView daten)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char c : daten) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::optional<Leser> leser(QByteArrayView abbild, QByteArrayView kennung)
{
    if (abbild.size() < Fußlänge || abbild.last(kennung.size()) != kennung)
        return std::nullopt;
    const char* fuß = abbild.data() + abbild.size() - Fußlänge;
    const quint32 länge = qFromLittleEndian<quint32>(fuß);
    // The block follows the seven records; one that starts inside them is made of their bytes.
    if (länge > quint64(abbild.size() - Fußlänge) ||
        abbild.size() - Fußlänge - qsizetype(länge) < qsizetype(7) * Datensatz::Länge)
        return std::nullopt;
    const QByteArrayView daten = abbild.sliced(abbild.size() - Fußlänge - länge, länge);
    if (crc32(daten) != qFromLittleEndian<quint32>(fuß + 4))
        return std::nullopt;
    return Leser(daten);
}

QByteArray abschließen(const QByteArray& nutzlast, QByteArrayView kennung)
{
    QByteArray block = nutzlast;
    anhängen<quint32>(block, quint32(nutzlast.size()));
    anhängen<quint32>(block, crc32(nutzlast));
    block.append(kennung.data(), kennung.size());
    return block;
}

} // namespace Fussblock
