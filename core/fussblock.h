#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>
#include <optional>

// A block appended to the end of the case file: a payload of little-endian numbers and a
// footer of 16 bytes, uint32 payload length, uint32 CRC-32 of the payload and the block's
// eight-byte mark. The seven records before it keep their places and meanings.
namespace Fussblock {

constexpr int Fußlänge = 16;

quint32 crc32(QByteArrayView daten);

// `nutzlast` with its footer.
QByteArray abschließen(const QByteArray& nutzlast, QByteArrayView kennung);

template <typename T> void anhängen(QByteArray& ziel, T wert)
{
    char puffer[sizeof(T)];
    qToLittleEndian<T>(wert, puffer);
    ziel.append(puffer, sizeof(T));
}

// Reads from a payload, remembering when it ran short.
class Leser
{
public:
    explicit Leser(QByteArrayView daten) : m_daten(daten) {}
    template <typename T> T lies()
    {
        if (m_pos + qsizetype(sizeof(T)) > m_daten.size()) {
            m_kurz = true;
            return T{};
        }
        const T wert = qFromLittleEndian<T>(m_daten.data() + m_pos);
        m_pos += sizeof(T);
        return wert;
    }
    bool ende() const { return !m_kurz && m_pos == m_daten.size(); }
    bool kurz() const { return m_kurz; }
    // The block's bytes at the end of the file, footer included.
    qsizetype blocklänge() const { return m_daten.size() + Fußlänge; }

private:
    QByteArrayView m_daten;
    qsizetype m_pos = 0;
    bool m_kurz = false;
};

// A reader of the payload of the block marked `kennung` at the very end of `abbild`, when
// the block is whole: the mark, a length that leaves the seven records before it, and the
// CRC all fit. Nothing otherwise.
std::optional<Leser> leser(QByteArrayView abbild, QByteArrayView kennung);

} // namespace Fussblock
