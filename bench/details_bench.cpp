#include "app/detailspages.h"
#include "app/pagecontrol.h"
#include "app/toknoglowne.h"
#include "views/colouringpass.h"

#include <QTest>

#include <array>

using namespace tablicznik;

// Filling the details pages and colouring the table, as the user meets
// them: each Wyrzuc alternates between two elements, so that every call
// refills the page; each pass alternates between two legends, so that
// every element really changes colour. Nothing is painted in between.
class DetailsBench : public QObject {
    Q_OBJECT

    Catalogue m_catalogue = Catalogue::load();

    void fillPage(int page, int first, int second)
    {
        TOknoGlowne window{Catalogue(m_catalogue)};
        window.show();
        window.details().pageControl()->setCurrentIndex(page);
        const ElementRecord &a = window.catalogue().element(first), &b = window.catalogue().element(second);
        bool flip = false;
        QBENCHMARK {
            window.Wyrzuc((flip = !flip) ? a : b);
        }
    }

    static LegendContent legend(quint32 base)
    {
        LegendContent content;
        content.Count = 16;
        for (int k = 0; k < 15; ++k)
            content.entries[k] = {base + quint32(k) * 0x000011, QStringLiteral("- %1÷%2").arg(k).arg(k + 1)};
        content.entries[15] = {0x80000011, QStringLiteral("- nie dotyczy, brak danych")};
        content.Title = QStringLiteral(" Promień atomu [pm]: ");
        return content;
    }

private slots:
    // The abundance page holds five rich-text values, more than any other.
    void wyrzucAbundancePage() { fillPage(8, 8, 26); }
    // The longest rich-text values: the isotopes of tin and the minerals of
    // magnesium.
    void wyrzucIsotopesPage() { fillPage(9, 50, 26); }
    void wyrzucMineralsPage() { fillPage(10, 12, 26); }
    // Labels only.
    void wyrzucBasicPage() { fillPage(0, 8, 26); }

    void malujAndColouringPass()
    {
        TOknoGlowne window{Catalogue(m_catalogue)};
        window.show();
        const std::array<double, 14> bounds{68, 87, 106, 125, 144, 163, 182, 201, 220, 239, 258, 277, 296, 315};
        const LegendContent first = legend(0x100000), second = legend(0x000010);
        bool flip = false;
        QBENCHMARK {
            window.Maluj((flip = !flip) ? first : second);
            colourByNumbers(window, &ElementRecord::PromAtom, bounds, QStringLiteral("PROMIEŃ ATOMU [pm]."));
        }
    }

    void colouringPassOnly()
    {
        TOknoGlowne window{Catalogue(m_catalogue)};
        window.show();
        window.Maluj(legend(0x100000));
        const std::array<double, 14> bounds{68, 87, 106, 125, 144, 163, 182, 201, 220, 239, 258, 277, 296, 315};
        QBENCHMARK {
            colourByNumbers(window, &ElementRecord::PromAtom, bounds, QStringLiteral("PROMIEŃ ATOMU [pm]."));
        }
    }
};

QTEST_MAIN(DetailsBench)
#include "details_bench.moc"
