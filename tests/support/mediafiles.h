#pragma once

// Small WAV and AVI files built in memory, so that the readers' tests say
// exactly which bytes they feed in.

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QtEndian>

namespace tablicznik::testing {

inline QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
inline QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A chunk with its size and the pad byte of an odd body.
inline QByteArray chunk(const QByteArray &id, const QByteArray &body)
{
    QByteArray c = id + le32(quint32(body.size())) + body;
    if (body.size() % 2)
        c += '\0';
    return c;
}
inline QByteArray list(const QByteArray &type, const QByteArray &children) { return chunk("LIST", type + children); }
inline QByteArray riff(const QByteArray &form, const QByteArray &children) { return chunk("RIFF", form + children); }

// --- WAV ---------------------------------------------------------------

inline QByteArray waveFormat(quint16 format, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 align = quint16(channels * bits / 8);
    return chunk("fmt ", le16(format) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits));
}

// A short mono 16-bit tone.
inline QByteArray waveFile(int samples = 2205, const QByteArray &extraChunks = {})
{
    QByteArray data;
    for (int i = 0; i < samples; ++i)
        data += le16(quint16(qint16((i % 50 - 25) * 400)));
    return riff("WAVE", waveFormat(1, 1, 22050, 16) + extraChunks + chunk("data", data));
}

// --- AVI ---------------------------------------------------------------

struct AviRecipe {
    int width = 5;
    int height = 3; // negative: rows stored top first
    quint16 bits = 8;
    quint32 compression = 0;
    QList<QRgb> palette = {qRgb(192, 192, 192), qRgb(255, 0, 0), qRgb(0, 128, 255), qRgb(1, 2, 3)};
    quint32 coloursUsed = 4;
    quint32 microSecondsPerFrame = 40000;
    quint32 scale = 1, rate = 25;
    QList<QByteArray> frames; // width × |height| colour indexes each, top row first; empty = a dropped frame
    bool recLists = false;    // each frame inside a 'rec ' list
    bool audioFirst = false;  // an audio stream before the video, so video is stream 01
    QByteArray junk;          // a JUNK chunk in the header list and before the frames
};

inline QByteArray bitmapInfo(const AviRecipe &s)
{
    QByteArray header = le32(40) + le32(quint32(s.width)) + le32(quint32(s.height)) + le16(1) + le16(s.bits) +
                        le32(s.compression) + le32(0) + le32(0) + le32(0) + le32(s.coloursUsed) + le32(0);
    for (QRgb c : s.palette)
        header += char(qBlue(c)) + QByteArray(1, char(qGreen(c))) + char(qRed(c)) + '\0';
    return header;
}

inline QByteArray frameBytes(const AviRecipe &s, const QByteArray &picture)
{
    if (picture.isEmpty())
        return {};
    const int rows = qAbs(s.height), stride = (s.width + 3) / 4 * 4;
    QByteArray stored;
    for (int i = 0; i < rows; ++i) {
        const int row = s.height > 0 ? rows - 1 - i : i; // bottom-up unless the height is negative
        stored += picture.mid(row * s.width, s.width) + QByteArray(stride - s.width, '\x7f');
    }
    return stored;
}

inline QByteArray aviFile(const AviRecipe &s)
{
    const QByteArray avih = le32(s.microSecondsPerFrame) + le32(0) + le32(0) + le32(0x10) +
                            le32(quint32(s.frames.size())) + le32(0) + le32(s.audioFirst ? 2 : 1) + le32(0) +
                            le32(quint32(s.width)) + le32(quint32(qAbs(s.height))) + QByteArray(16, '\0');
    const auto streamHeader = [&](const char *type) {
        return chunk("strh", QByteArray(type) + QByteArray(4, '\0') + le32(0) + le32(0) + le32(0) + le32(s.scale) +
                                 le32(s.rate) + le32(0) + le32(quint32(s.frames.size())) + le32(0) + le32(0) +
                                 le32(0) + QByteArray(8, '\0'));
    };
    QByteArray streams;
    if (s.audioFirst)
        streams += list("strl", streamHeader("auds") + chunk("strf", le16(1) + le16(1) + le32(8000) + le32(8000) +
                                                                        le16(1) + le16(8)));
    streams += list("strl", streamHeader("vids") + chunk("strf", bitmapInfo(s)) + chunk("strn", "atom"));
    QByteArray header = chunk("avih", avih) + streams;
    if (!s.junk.isNull())
        header += chunk("JUNK", s.junk);

    const QByteArray id = s.audioFirst ? "01dc" : "00db";
    QByteArray movi;
    if (!s.junk.isNull())
        movi += chunk("JUNK", s.junk);
    for (const QByteArray &f : s.frames) {
        if (s.audioFirst)
            movi += chunk("00wb", QByteArray(3, '\x80'));
        const QByteArray c = chunk(id, frameBytes(s, f));
        movi += s.recLists ? list("rec ", c) : c;
    }
    return riff("AVI ", list("hdrl", header) + list("INFO", chunk("ISFT", "test")) + list("movi", movi) +
                            chunk("idx1", QByteArray(16, '\0')));
}

} // namespace tablicznik::testing
