// The atom animation: a Bohr model of sodium (shells 2, 8, 1) on the
// window's silver, 32 frames of 60 x 60 that loop without a jump, written
// as an uncompressed AVI with 8-bit palettised frames. The lone outer
// electron goes round once per loop, so no two frames are alike.
#include "assets.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

namespace assets {
namespace {

constexpr int kSide = 60;
constexpr int kFrames = 32;
constexpr quint32 kMicroSecPerFrame = 40000; // 25 frames a second
const QRgb kSilver = qRgb(0xC0, 0xC0, 0xC0);

void ball(QPainter &p, QPointF centre, double radius, const QColor &colour)
{
    QRadialGradient shade(centre - QPointF(radius * 0.4, radius * 0.45), radius * 1.5);
    shade.setColorAt(0.0, colour.lighter(190));
    shade.setColorAt(0.45, colour);
    shade.setColorAt(1.0, colour.darker(190));
    p.setPen(QPen(colour.darker(260), 0.5));
    p.setBrush(shade);
    p.drawEllipse(centre, radius, radius);
}

QImage frame(int index)
{
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(kSilver);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(30.0, 30.0);

    // The shells: radius, electrons, whole turns in one loop of the film.
    struct Shell {
        double radius;
        int electrons;
        int turns;
        double phase;
    };
    const Shell shells[] = {{10.0, 2, 2, 0.3}, {18.5, 8, 1, 0.0}, {26.5, 1, 1, 0.8}};

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x60, 0x68, 0x90), 1.0));
    for (const Shell &shell : shells)
        p.drawEllipse(centre, shell.radius, shell.radius);

    // The nucleus: protons (red) and neutrons (grey) packed round one in the middle.
    for (int k = 0; k < 6; ++k) {
        const double angle = M_PI / 6.0 + k * M_PI / 3.0;
        ball(p, centre + QPointF(std::cos(angle), -std::sin(angle)) * 3.5, 2.7,
             k % 2 ? QColor(0x98, 0xA0, 0xB0) : QColor(0xD8, 0x28, 0x20));
    }
    ball(p, centre, 2.8, QColor(0xD8, 0x28, 0x20));

    const double t = double(index) / kFrames;
    for (const Shell &shell : shells)
        for (int e = 0; e < shell.electrons; ++e) {
            const double angle = shell.phase + 2.0 * M_PI * (double(e) / shell.electrons + shell.turns * t);
            // counter-clockwise on screen, y grows downwards
            const QPointF at = centre + QPointF(std::cos(angle), -std::sin(angle)) * shell.radius;
            ball(p, at, 2.4, QColor(0x18, 0x50, 0xE0));
        }
    p.end();
    return image;
}

// Median cut over the colours of all frames; silver keeps an entry of its
// own (index 0) so that the background stays exactly the window's colour.
std::vector<QRgb> palette(const std::vector<QImage> &frames)
{
    std::map<QRgb, int> counts;
    for (const QImage &f : frames)
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const QRgb c = f.pixel(x, y) | 0xFF000000u;
                if (c != (kSilver | 0xFF000000u))
                    ++counts[c];
            }
    struct Entry {
        std::array<int, 3> rgb;
        int count;
    };
    std::vector<Entry> colours;
    for (const auto &[c, n] : counts)
        colours.push_back({{qRed(c), qGreen(c), qBlue(c)}, n});

    std::vector<QRgb> result{kSilver};
    if (colours.size() <= 255) {
        for (const Entry &e : colours)
            result.push_back(qRgb(e.rgb[0], e.rgb[1], e.rgb[2]));
    } else {
        struct Box {
            std::size_t begin, end;
        };
        auto range = [&](const Box &b, int channel) {
            int lo = 255, hi = 0;
            for (std::size_t i = b.begin; i < b.end; ++i) {
                lo = std::min(lo, colours[i].rgb[std::size_t(channel)]);
                hi = std::max(hi, colours[i].rgb[std::size_t(channel)]);
            }
            return hi - lo;
        };
        std::vector<Box> boxes{{0, colours.size()}};
        while (boxes.size() < 255) {
            // split the box with the widest spread, weighted by its pixels
            std::size_t best = boxes.size();
            double bestScore = 0.0;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                if (boxes[i].end - boxes[i].begin < 2)
                    continue;
                long long pixels = 0;
                for (std::size_t k = boxes[i].begin; k < boxes[i].end; ++k)
                    pixels += colours[k].count;
                const int spread = std::max({range(boxes[i], 0), range(boxes[i], 1), range(boxes[i], 2)});
                const double score = spread * std::sqrt(double(pixels));
                if (score > bestScore) {
                    bestScore = score;
                    best = i;
                }
            }
            if (best == boxes.size())
                break;
            Box box = boxes[best];
            int channel = 0;
            for (int c = 1; c < 3; ++c)
                if (range(box, c) > range(box, channel))
                    channel = c;
            std::sort(colours.begin() + long(box.begin), colours.begin() + long(box.end),
                      [channel](const Entry &a, const Entry &b) { return a.rgb[std::size_t(channel)] < b.rgb[std::size_t(channel)]; });
            long long total = 0, half = 0;
            for (std::size_t k = box.begin; k < box.end; ++k)
                total += colours[k].count;
            std::size_t split = box.begin + 1;
            for (std::size_t k = box.begin; k < box.end - 1; ++k) {
                half += colours[k].count;
                split = k + 1;
                if (2 * half >= total)
                    break;
            }
            boxes[best] = {box.begin, split};
            boxes.push_back({split, box.end});
        }
        for (const Box &b : boxes) {
            double r = 0, g = 0, bl = 0, n = 0;
            for (std::size_t k = b.begin; k < b.end; ++k) {
                r += colours[k].rgb[0] * double(colours[k].count);
                g += colours[k].rgb[1] * double(colours[k].count);
                bl += colours[k].rgb[2] * double(colours[k].count);
                n += colours[k].count;
            }
            result.push_back(qRgb(int(std::lround(r / n)), int(std::lround(g / n)), int(std::lround(bl / n))));
        }
    }
    while (result.size() < 256)
        result.push_back(qRgb(0, 0, 0));
    return result;
}

int nearest(const std::vector<QRgb> &colours, QRgb c)
{
    int best = 0, bestDistance = 1 << 30;
    for (int i = 0; i < int(colours.size()); ++i) {
        const int dr = qRed(c) - qRed(colours[std::size_t(i)]), dg = qGreen(c) - qGreen(colours[std::size_t(i)]),
                  db = qBlue(c) - qBlue(colours[std::size_t(i)]);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// --- RIFF writing --------------------------------------------------------------

void put16(QByteArray &out, quint32 v)
{
    out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}
void put32(QByteArray &out, quint32 v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}
void fourcc(QByteArray &out, const char *code)
{
    out.append(code, 4);
}
QByteArray chunk(const char *id, const QByteArray &data)
{
    QByteArray out;
    fourcc(out, id);
    put32(out, quint32(data.size()));
    out.append(data);
    if (data.size() % 2)
        out.append('\0');
    return out;
}
QByteArray list(const char *type, const QByteArray &content)
{
    QByteArray data;
    fourcc(data, type);
    data.append(content);
    return chunk("LIST", data);
}

} // namespace

bool writeAtomAnimation(const QString &pictures)
{
    std::vector<QImage> frames;
    for (int i = 0; i < kFrames; ++i)
        frames.push_back(frame(i));
    const std::vector<QRgb> colours = palette(frames);

    const quint32 frameBytes = kSide * kSide; // 60 is a multiple of 4: rows need no padding

    QByteArray avih;
    put32(avih, kMicroSecPerFrame);
    put32(avih, frameBytes * 1000000 / kMicroSecPerFrame); // dwMaxBytesPerSec
    put32(avih, 0);                                        // dwPaddingGranularity
    put32(avih, 0x10);                                     // dwFlags: AVIF_HASINDEX
    put32(avih, kFrames);                                  // dwTotalFrames
    put32(avih, 0);                                        // dwInitialFrames
    put32(avih, 1);                                        // dwStreams
    put32(avih, frameBytes);                               // dwSuggestedBufferSize
    put32(avih, kSide);                                    // dwWidth
    put32(avih, kSide);                                    // dwHeight
    for (int i = 0; i < 4; ++i)
        put32(avih, 0); // dwReserved

    QByteArray strh;
    fourcc(strh, "vids");
    fourcc(strh, "DIB ");
    put32(strh, 0);           // dwFlags
    put16(strh, 0);           // wPriority
    put16(strh, 0);           // wLanguage
    put32(strh, 0);           // dwInitialFrames
    put32(strh, 1);           // dwScale
    put32(strh, 1000000 / kMicroSecPerFrame); // dwRate: 25 frames per second
    put32(strh, 0);           // dwStart
    put32(strh, kFrames);     // dwLength
    put32(strh, frameBytes);  // dwSuggestedBufferSize
    put32(strh, 0xFFFFFFFF);  // dwQuality: default
    put32(strh, 0);           // dwSampleSize: frames vary in principle
    put16(strh, 0);           // rcFrame
    put16(strh, 0);
    put16(strh, kSide);
    put16(strh, kSide);

    QByteArray strf; // BITMAPINFOHEADER and the palette
    put32(strf, 40);
    put32(strf, kSide);
    put32(strf, kSide); // positive: rows bottom-up
    put16(strf, 1);     // biPlanes
    put16(strf, 8);     // biBitCount
    put32(strf, 0);     // biCompression: BI_RGB
    put32(strf, frameBytes);
    put32(strf, 0);
    put32(strf, 0);
    put32(strf, 256); // biClrUsed
    put32(strf, 256); // biClrImportant
    for (QRgb c : colours) {
        strf.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    }

    const QByteArray hdrl = list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)));

    QByteArray movi, idx1;
    quint32 offset = 4; // from the 'movi' type code to each chunk
    for (const QImage &f : frames) {
        QByteArray pixels(int(frameBytes), '\0');
        std::map<QRgb, int> cache;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const QRgb c = f.pixel(x, y) | 0xFF000000u;
                auto it = cache.find(c);
                if (it == cache.end())
                    it = cache.emplace(c, nearest(colours, c)).first;
                pixels[(kSide - 1 - y) * kSide + x] = char(it->second);
            }
        fourcc(idx1, "00db");
        put32(idx1, 0x10); // AVIIF_KEYFRAME
        put32(idx1, offset);
        put32(idx1, frameBytes);
        const QByteArray c = chunk("00db", pixels);
        movi.append(c);
        offset += quint32(c.size());
    }

    QByteArray riff;
    fourcc(riff, "AVI ");
    riff.append(hdrl);
    riff.append(list("movi", movi));
    riff.append(chunk("idx1", idx1));
    const QByteArray file = chunk("RIFF", riff);

    const QString path = pictures + QStringLiteral("/atom.avi");
    QDir().mkpath(pictures);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace assets
