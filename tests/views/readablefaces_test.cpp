// The readable faces: every letter contrasts at least 4.5 : 1 with its face, and neighbouring
// palette entries stay apart for normal vision and the three common colour-vision deficiencies
// (Machado, Oliveira & Fernandes 2009, severity 1), measured by CIEDE2000 - the palettes
// themselves and the faces every view takes from them.
#include "controls/readablefaces.h"
#include "views/legend.h"
#include "views/viewpasses.h"

#include <QtTest>

#include <array>
#include <cmath>

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
using Vector = std::array<double, 3>;

const Matrix kNormal = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
const Matrix kProtanopia = {{{0.152286, 1.052583, -0.204868},
                             {0.114503, 0.786281, 0.099216},
                             {-0.003882, -0.048116, 1.051998}}};
const Matrix kDeuteranopia = {{{0.367322, 0.860646, -0.227968},
                               {0.280085, 0.672501, 0.047413},
                               {-0.011820, 0.042940, 0.968881}}};
const Matrix kTritanopia = {{{1.255528, -0.076749, -0.178779},
                             {-0.078411, 0.930809, 0.147602},
                             {0.004733, 0.691367, 0.303900}}};

// The smallest CIEDE2000 distance allowed between neighbouring entries, in every kind of vision.
constexpr double kMinimumDeltaE = 2.5; // two and a half just noticeable differences (about 1 each)

double toLinear(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

Vector linearRgb(const QColor &colour)
{
    return {toLinear(colour.redF()), toLinear(colour.greenF()), toLinear(colour.blueF())};
}

Vector simulate(const Matrix &m, const Vector &rgb)
{
    Vector out{};
    for (int row = 0; row < 3; ++row)
        out[row] = std::clamp(m[row][0] * rgb[0] + m[row][1] * rgb[1] + m[row][2] * rgb[2], 0.0, 1.0);
    return out;
}

Vector lab(const Vector &rgb) // linear sRGB to CIELAB, D65
{
    const double x = (0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047;
    const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    const double z = (0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883;
    const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double ciede2000(const Vector &p, const Vector &q)
{
    const double pi = M_PI, deg = pi / 180;
    const double c1 = std::hypot(p[1], p[2]), c2 = std::hypot(q[1], q[2]);
    const double cMean7 = std::pow((c1 + c2) / 2, 7);
    const double g = 0.5 * (1 - std::sqrt(cMean7 / (cMean7 + std::pow(25.0, 7))));
    const double a1 = (1 + g) * p[1], a2 = (1 + g) * q[1];
    const double cp1 = std::hypot(a1, p[2]), cp2 = std::hypot(a2, q[2]);
    const auto hue = [&](double b, double a) { double h = std::atan2(b, a); return h < 0 ? h + 2 * pi : h; };
    const double h1 = hue(p[2], a1), h2 = hue(q[2], a2);
    const double dL = q[0] - p[0], dC = cp2 - cp1;
    double dh = 0;
    if (cp1 * cp2 != 0) {
        dh = h2 - h1;
        if (dh > pi) dh -= 2 * pi;
        if (dh < -pi) dh += 2 * pi;
    }
    const double dH = 2 * std::sqrt(cp1 * cp2) * std::sin(dh / 2);
    const double lMean = (p[0] + q[0]) / 2, cMean = (cp1 + cp2) / 2;
    double hMean = h1 + h2;
    if (cp1 * cp2 != 0) {
        if (std::abs(h1 - h2) > pi) hMean += hMean < 2 * pi ? 2 * pi : -2 * pi;
        hMean /= 2;
    }
    const double t = 1 - 0.17 * std::cos(hMean - 30 * deg) + 0.24 * std::cos(2 * hMean)
                     + 0.32 * std::cos(3 * hMean + 6 * deg) - 0.20 * std::cos(4 * hMean - 63 * deg);
    const double sl = 1 + 0.015 * std::pow(lMean - 50, 2) / std::sqrt(20 + std::pow(lMean - 50, 2));
    const double sc = 1 + 0.045 * cMean, sh = 1 + 0.015 * cMean * t;
    const double c7 = std::pow(cMean, 7);
    const double rt = -2 * std::sqrt(c7 / (c7 + std::pow(25.0, 7)))
                      * std::sin(60 * deg * std::exp(-std::pow((hMean / deg - 275) / 25, 2)));
    return std::sqrt(std::pow(dL / sl, 2) + std::pow(dC / sc, 2) + std::pow(dH / sh, 2)
                     + rt * (dC / sc) * (dH / sh));
}

double wcagContrast(const QColor &a, const QColor &b)
{
    const auto y = [](const QColor &c) { const Vector v = linearRgb(c); return 0.2126 * v[0] + 0.7152 * v[1] + 0.0722 * v[2]; };
    const double ya = y(a), yb = y(b);
    return (std::max(ya, yb) + 0.05) / (std::min(ya, yb) + 0.05);
}

// The faces of the entries a view shows, in order.
template <typename Rows>
void addViewRows(const Rows &rows)
{
    for (const auto &view : rows) {
        const tablicznik::LegendContent legend = tablicznik::legendOf(view);
        const std::array<QColor, 16> faces = tablicznik::readableFaces(legend);
        QList<QColor> shown;
        for (int entry = 1; entry <= std::min(legend.Count, 15); ++entry)
            shown << faces[std::size_t(entry) - 1];
        QTest::addRow("view %s", view.trigger) << shown;
    }
}

} // namespace

class ReadableFacesTest : public QObject
{
    Q_OBJECT
private slots:
    void palettes_data()
    {
        QTest::addColumn<QList<QColor>>("palette");
        for (int bins : {2, 5, 8, 10, 12, 15})
            QTest::addRow("sequential %d", bins) << readablefaces::sequentialPalette(bins);
        for (int entries : {3, 8, 12})
            QTest::addRow("qualitative %d", entries) << readablefaces::qualitativePalette(entries);
        using namespace tablicznik;
        addViewRows(kNumericScaleViews);
        addViewRows(kFilteredScaleViews);
        addViewRows(kCategoryViews);
        addViewRows(kShellViews);
        addViewRows(kEraViews);
        addViewRows(kTypeFilterViews);
        addViewRows(kSusceptibilityViews);
        addViewRows(kAbundanceViews);
    }

    void palettes()
    {
        QFETCH(QList<QColor>, palette);
        const int size = palette.size();
        QVERIFY(size > 0);
        // Every entry a face of its own, not only neighbours: the table shows them side by side.
        for (int entry = 0; entry < size; ++entry)
            QVERIFY(palette.indexOf(palette[entry]) == entry);
        for (const QColor &face : palette) {
            const QColor letter = readablefaces::letterColour(face);
            QVERIFY2(wcagContrast(face, letter) >= 4.5, qPrintable(face.name() + " / " + letter.name()));
        }
        const std::array<std::pair<const char *, const Matrix *>, 4> visions = {
            {{"normal", &kNormal}, {"protanopia", &kProtanopia},
             {"deuteranopia", &kDeuteranopia}, {"tritanopia", &kTritanopia}}};
        for (const auto &[name, matrix] : visions)
            for (int entry = 1; entry < size; ++entry) {
                const double distance = ciede2000(lab(simulate(*matrix, linearRgb(palette[entry - 1]))),
                                                  lab(simulate(*matrix, linearRgb(palette[entry]))));
                QVERIFY2(distance >= kMinimumDeltaE,
                         qPrintable(QStringLiteral("%1: %2 and %3, ΔE %4").arg(QLatin1String(name),
                             palette[entry - 1].name(), palette[entry].name()).arg(distance)));
            }
    }

    void sequentialIsOrderedInLightness()
    {
        const QList<QColor> palette = readablefaces::sequentialPalette(15);
        for (int bin = 1; bin < palette.size(); ++bin)
            QVERIFY(lab(linearRgb(palette[bin]))[0] > lab(linearRgb(palette[bin - 1]))[0]);
    }

    void ciede2000MatchesPublishedPairs()
    {
        // Sharma, Wu & Dalal (2005), test pairs 1 and 17.
        QCOMPARE(std::round(ciede2000({50, 2.6772, -79.7751}, {50, 0, -82.7485}) * 1e4) / 1e4, 2.0425);
        QCOMPARE(std::round(ciede2000({50, 2.5, 0}, {73, 25, -18}) * 1e4) / 1e4, 27.1492);
    }

    void noDataFaceIsHatchedAndReadable()
    {
        QVERIFY(readablefaces::noDataHatch().style() != Qt::SolidPattern);
        QVERIFY(readablefaces::noDataHatch().style() != Qt::NoBrush);
        const QColor face = readablefaces::noDataFace();
        QCOMPARE(face.red(), face.green());
        QCOMPARE(face.green(), face.blue());
        QVERIFY(wcagContrast(face, readablefaces::letterColour(face)) >= 4.5);
    }
};

QTEST_MAIN(ReadableFacesTest)
#include "readablefaces_test.moc"
