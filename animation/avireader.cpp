#include "avireader.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <utility>

namespace tablicznik {
namespace {

constexpr int kLargestSide = 4096;
constexpr int kMostFrames = 100000;
constexpr int kDeepestList = 4; // RIFF > hdrl > strl is as deep as a sound file goes

struct Fault {
    QString message;
};

[[noreturn]] void fail(const QString &message) { throw Fault{message}; }

quint32 le32(const char *at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

// The fault of a file's first twelve bytes (RIFF, its length, 'AVI ') in a
// file of `fileSize` bytes; empty when they are right.
QString headerFault(QByteArrayView head, qint64 fileSize)
{
    if (head.size() < 12 || std::memcmp(head.data(), "RIFF", 4) != 0 || std::memcmp(head.data() + 8, "AVI ", 4) != 0)
        return QStringLiteral("to nie jest plik AVI (brak nagłówka RIFF 'AVI ')");
    const qint64 declared = qint64(le32(head.data() + 4)) + 8;
    if (declared > fileSize)
        return QStringLiteral("plik urwany: nagłówek RIFF zapowiada %1 bajtów, a plik ma %2").arg(declared).arg(fileSize);
    return {};
}

// A four-character code as the file spells it, or in hex when not printable.
QString fourcc(QByteArrayView code)
{
    for (char c : code)
        if (c < 0x20 || c > 0x7E)
            return QStringLiteral("0x") + QString::fromLatin1(code.toByteArray().toHex());
    return QStringLiteral("'%1'").arg(QString::fromLatin1(code));
}

class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}

    AviAnimation read()
    {
        if (const QString fault = headerFault(m_bytes, m_bytes.size()); !fault.isEmpty())
            fail(fault);
        const qint64 declared = qint64(u32(4)) + 8;
        walk(12, declared, 1, [this](QByteArrayView id, qint64 body, qint64 size, int depth) {
            if (id == "LIST")
                topList(body, size, depth);
        });
        if (!m_videoFound)
            fail(QStringLiteral("brak strumienia obrazu ('strh' typu 'vids' z opisem 'strf')"));
        if (!m_moviFound)
            fail(QStringLiteral("brak listy klatek 'movi'"));
        if (m_out.frames.isEmpty())
            fail(QStringLiteral("lista 'movi' nie zawiera żadnej klatki"));
        if (m_out.microSecondsPerFrame == 0)
            fail(QStringLiteral("nieznany czas klatki: 'avih' i 'strh' podają zero"));
        return std::move(m_out);
    }

private:
    quint32 u32(qint64 at) const { return le32(m_bytes.data() + at); }
    quint16 u16(qint64 at) const
    {
        const auto *p = reinterpret_cast<const unsigned char *>(m_bytes.data()) + at;
        return quint16(p[0] | p[1] << 8);
    }
    qint32 s32(qint64 at) const { return qint32(u32(at)); }
    bool is(qint64 at, const char (&tag)[5]) const { return std::memcmp(m_bytes.data() + at, tag, 4) == 0; }
    QByteArrayView code(qint64 at) const { return m_bytes.sliced(at, 4); }

    // Calls `visit` for each chunk in [begin, end); every chunk must fit.
    template <typename Visit>
    void walk(qint64 begin, qint64 end, int depth, Visit visit)
    {
        if (depth > kDeepestList)
            fail(QStringLiteral("listy zagnieżdżone zbyt głęboko (bajt %1)").arg(begin));
        qint64 at = begin;
        while (end - at >= 8) {
            const qint64 size = u32(at + 4), body = at + 8;
            if (size > end - body)
                fail(QStringLiteral("fragment %1 od bajtu %2 (%3 bajtów) wychodzi poza koniec listy w bajcie %4")
                         .arg(fourcc(code(at)))
                         .arg(at)
                         .arg(size)
                         .arg(end));
            visit(code(at), body, size, depth);
            at = body + size + (size & 1);
        }
    }

    QByteArrayView listType(qint64 body, qint64 size) const
    {
        if (size < 4)
            fail(QStringLiteral("lista od bajtu %1 nie ma typu").arg(body - 8));
        return code(body);
    }

    void topList(qint64 body, qint64 size, int depth)
    {
        const QByteArrayView type = listType(body, size);
        if (type == "hdrl") {
            walk(body + 4, body + size, depth + 1, [this](QByteArrayView id, qint64 b, qint64 s, int d) {
                if (id == "avih")
                    mainHeader(b, s);
                else if (id == "LIST" && listType(b, s) == "strl")
                    streamList(b + 4, b + s, d + 1);
            });
        } else if (type == "movi") {
            if (!m_videoFound)
                fail(QStringLiteral("lista klatek 'movi' w bajcie %1 przed opisem obrazu").arg(body - 8));
            m_moviFound = true;
            frames(body + 4, body + size, depth + 1);
        }
    }

    void mainHeader(qint64 body, qint64 size)
    {
        if (size < 40)
            fail(QStringLiteral("nagłówek 'avih' od bajtu %1 ma %2 bajtów, potrzeba co najmniej 40")
                     .arg(body - 8)
                     .arg(size));
        if (quint32 perFrame = u32(body))
            m_out.microSecondsPerFrame = perFrame;
    }

    // One stream: the first video stream is the one shown.
    void streamList(qint64 begin, qint64 end, int depth)
    {
        const int number = m_streamCount++;
        bool video = false;
        walk(begin, end, depth, [&](QByteArrayView id, qint64 body, qint64 size, int) {
            if (id == "strh") {
                if (size < 48)
                    fail(QStringLiteral("nagłówek strumienia 'strh' od bajtu %1 ma %2 bajtów, potrzeba co najmniej 48")
                             .arg(body - 8)
                             .arg(size));
                video = is(body, "vids") && !m_videoFound;
                if (video) {
                    const quint32 scale = u32(body + 20), rate = u32(body + 24);
                    if (m_out.microSecondsPerFrame == 0 && rate != 0) {
                        const quint64 perFrame = quint64(scale) * 1000000u / rate;
                        m_out.microSecondsPerFrame = quint32(qMin<quint64>(perFrame, 0xFFFFFFFFu));
                    }
                }
            } else if (id == "strf" && video) {
                pictureFormat(body, size);
                m_videoFound = true;
                m_videoStream = number;
            }
        });
    }

    void pictureFormat(qint64 body, qint64 size)
    {
        if (size < 40 || u32(body) < 40 || u32(body) > size)
            fail(QStringLiteral("opis obrazu 'strf' od bajtu %1 jest za krótki na nagłówek BITMAPINFOHEADER")
                     .arg(body - 8));
        const qint64 headerSize = u32(body);
        const qint32 width = s32(body + 4), height = s32(body + 8);
        const quint16 bits = u16(body + 14);
        const quint32 compression = u32(body + 16), coloursUsed = u32(body + 32);
        if (width < 1 || width > kLargestSide || height == 0 || height < -kLargestSide || height > kLargestSide)
            fail(QStringLiteral("obraz %1 × %2 poza zakresem (bok od 1 do %3)").arg(width).arg(height).arg(kLargestSide));
        if (bits != 8)
            fail(QStringLiteral("obraz ma %1 bitów na piksel; czytane są tylko obrazy 8-bitowe z paletą").arg(bits));
        if (compression != 0)
            fail(QStringLiteral("obraz skompresowany (%1); czytane są tylko obrazy nieskompresowane")
                     .arg(fourcc(code(body + 16))));
        if (coloursUsed > 256)
            fail(QStringLiteral("paleta ma %1 kolorów, najwyżej 256").arg(coloursUsed));
        const qint64 room = (size - headerSize) / 4;
        const qint64 colours = coloursUsed ? qint64(coloursUsed) : qMin<qint64>(room, 256);
        if (colours == 0 || colours > room)
            fail(QStringLiteral("paleta obrazu w 'strf' od bajtu %1 jest pusta albo wychodzi poza opis").arg(body - 8));

        QList<QRgb> palette(256, qRgb(0, 0, 0)); // indexes past the palette show black
        for (qint64 i = 0; i < colours; ++i) {
            const auto *quad = reinterpret_cast<const unsigned char *>(m_bytes.data()) + body + headerSize + 4 * i;
            palette[i] = qRgb(quad[2], quad[1], quad[0]);
        }
        m_palette = palette;
        m_bottomUp = height > 0;
        m_out.frameSize = QSize(width, height > 0 ? height : -height);
        m_stride = (qint64(width) + 3) / 4 * 4;
    }

    void frames(qint64 begin, qint64 end, int depth)
    {
        walk(begin, end, depth, [this](QByteArrayView id, qint64 body, qint64 size, int d) {
            if (id == "LIST" && listType(body, size) == "rec ")
                frames(body + 4, body + size, d + 1);
            else if (isVideoFrame(id))
                frame(body, size);
        });
    }

    bool isVideoFrame(QByteArrayView id) const
    {
        const auto digit = [](char c) { return c >= '0' && c <= '9'; };
        return digit(id[0]) && digit(id[1]) && (id[0] - '0') * 10 + (id[1] - '0') == m_videoStream &&
               (id.sliced(2) == "db" || id.sliced(2) == "dc");
    }

    void frame(qint64 body, qint64 size)
    {
        const int number = int(m_out.frames.size()) + 1;
        if (number > kMostFrames)
            fail(QStringLiteral("ponad %1 klatek").arg(kMostFrames));
        if (size == 0) { // a dropped frame: the one before stays
            if (m_out.frames.isEmpty())
                fail(QStringLiteral("pierwsza klatka (bajt %1) jest pusta").arg(body - 8));
            const QImage previous = m_out.frames.last();
            m_out.frames.append(previous);
            return;
        }
        const QSize picture = m_out.frameSize;
        const qint64 needed = m_stride * picture.height();
        if (size < needed)
            fail(QStringLiteral("klatka %1 od bajtu %2 ma %3 bajtów, a obraz %4 × %5 potrzebuje %6")
                     .arg(number)
                     .arg(body - 8)
                     .arg(size)
                     .arg(picture.width())
                     .arg(picture.height())
                     .arg(needed));
        QImage image(picture, QImage::Format_Indexed8);
        if (image.isNull())
            fail(QStringLiteral("brak pamięci na klatkę %1").arg(number));
        image.setColorTable(m_palette);
        for (int row = 0; row < picture.height(); ++row) {
            const int y = m_bottomUp ? picture.height() - 1 - row : row;
            std::memcpy(image.scanLine(y), m_bytes.data() + body + row * m_stride, size_t(picture.width()));
        }
        m_out.frames.append(image);
    }

    QByteArrayView m_bytes;
    AviAnimation m_out;
    QList<QRgb> m_palette;
    qint64 m_stride = 0;
    bool m_bottomUp = true;
    int m_streamCount = 0;
    int m_videoStream = -1;
    bool m_videoFound = false;
    bool m_moviFound = false;
};

} // namespace

AviAnimation readAvi(QByteArrayView bytes)
{
    try {
        return Reader(bytes).read();
    } catch (const Fault &fault) {
        AviAnimation failed;
        failed.error = fault.message;
        return failed;
    }
}

AviAnimation readAviFile(const QString &fileName)
{
    const auto failed = [](const QString &message) {
        AviAnimation animation;
        animation.error = message;
        return animation;
    };
    const QFileInfo info(fileName);
    if (!info.exists())
        return failed(QStringLiteral("nie ma takiego pliku"));
    if (!info.isFile()) // a folder, a device or a pipe, which could block the reading for good
        return failed(QStringLiteral("to nie jest zwykły plik"));
    if (info.size() > kLargestAviFile)
        return failed(QStringLiteral("plik ma %1 bajtów, a animacja najwyżej %2").arg(info.size()).arg(kLargestAviFile));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("nie można otworzyć pliku (%1)").arg(file.errorString()));
    const QByteArray head = file.read(12);
    if (const QString fault = headerFault(head, file.size()); !fault.isEmpty())
        return failed(fault);
    // Only the bytes the RIFF header counts belong to the animation.
    const qint64 declared = qint64(le32(head.data() + 4)) + 8;
    const QByteArray bytes = head + file.read(declared - head.size());
    if (bytes.size() != declared)
        return failed(QStringLiteral("nie można przeczytać pliku (%1)").arg(file.errorString()));
    return readAvi(bytes);
}

} // namespace tablicznik
