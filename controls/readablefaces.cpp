#include "readablefaces.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace readablefaces {
namespace {

double linearChannel(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// Viridis (rising in lightness, apart for every common colour-vision deficiency) at nine evenly
// spaced points; the palette between them is interpolated.
constexpr std::array<QRgb, 9> kViridis = {0x440154, 0x472d7b, 0x3b528b, 0x2c728e, 0x21918c,
                                          0x28ae80, 0x5ec962, 0xaddc30, 0xfde725};

constexpr std::array<QRgb, 8> kOkabeIto = {0xe69f00, 0x56b4e9, 0x009e73, 0xf0e442,
                                           0x0072b2, 0xd55e00, 0xcc79a7, 0x000000};

// Both ends are left out: the first steps look alike to deuteranopes and the last (yellow) ones
// to protanopes.
constexpr double kDarkest = 0.08, kLightest = 0.88;

QColor viridisAt(double t)
{
    const double position = std::clamp(t, 0.0, 1.0) * (kViridis.size() - 1);
    const auto below = std::min<std::size_t>(std::size_t(position), kViridis.size() - 2);
    const double fraction = position - double(below);
    const QColor a = QColor::fromRgb(kViridis[below]), b = QColor::fromRgb(kViridis[below + 1]);
    const auto mix = [fraction](int x, int y) { return int(std::lround(x + (y - x) * fraction)); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

} // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF())
           + 0.0722 * linearChannel(rgb.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double first = relativeLuminance(a), second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor letterColour(const QColor &face)
{
    const QColor black(Qt::black), white(Qt::white);
    return contrastRatio(face, black) >= contrastRatio(face, white) ? black : white;
}

QList<QColor> sequentialPalette(int bins)
{
    QList<QColor> palette;
    for (int bin = 0; bin < bins; ++bin)
        palette.append(viridisAt(kDarkest + (kLightest - kDarkest) * (bins == 1 ? 0.5 : double(bin) / (bins - 1))));
    return palette;
}

QList<QColor> qualitativePalette(int entries)
{
    QList<QColor> palette;
    for (int entry = 0; entry < std::min<int>(entries, kOkabeIto.size()); ++entry)
        palette.append(QColor::fromRgb(kOkabeIto[entry]));
    if (entries > int(kOkabeIto.size()))
        palette.append(sequentialPalette(entries - int(kOkabeIto.size())));
    return palette;
}

QColor noDataFace()
{
    return QColor(0xc8, 0xc8, 0xc8);
}

QBrush noDataHatch()
{
    return QBrush(QColor(0x70, 0x70, 0x70), Qt::BDiagPattern);
}

} // namespace readablefaces
