#include "testmain.h"
#include "viewtestsupport.h"

using namespace tablicznik;
using namespace tablicznik::testing;

// Every view's legend, title and caption as the user sees them after
// starting it from its button or menu item, with the cue it plays.
class ViewLegendsTest : public QObject {
    Q_OBJECT

private slots:
    void everyView_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<quint32>>("colours");
        QTest::addColumn<QString>("noData");

        // Numeric scales: the texts of entries 1 ... 15 follow from the bounds.
        QTest::newRow("PromAtom") << QStringLiteral("PromAtomButton") << QStringLiteral(" Promień atomu [pm]: ") << QStringLiteral("PROMIEŃ ATOMU [pm].")
            << QStringList{QStringLiteral("- poniżej 68"), QStringLiteral("- 68÷87"), QStringLiteral("- 87÷106"), QStringLiteral("- 106÷125"), QStringLiteral("- 125÷144"), QStringLiteral("- 144÷163"), QStringLiteral("- 163÷182"), QStringLiteral("- 182÷201"), QStringLiteral("- 201÷220"), QStringLiteral("- 220÷239"), QStringLiteral("- 239÷258"), QStringLiteral("- 258÷277"), QStringLiteral("- 277÷296"), QStringLiteral("- 296÷315"), QStringLiteral("- powyżej 315")}
            << QList<quint32>{0x5F0000, 0x9F0000, 0xDF0000, 0xFF1F1F, 0xFF5F5F, 0xFF9F9F, 0xFFDFDF, 0xFFFFFF, 0xDFDFFF, 0x9F9FFF, 0x5F5FFF, 0x1F1FFF, 0x0000DF, 0x00009F, 0x00005F}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("PromKowal") << QStringLiteral("PromKowalButton") << QStringLiteral(" Promień kowalencyjny atomu [pm]: ") << QStringLiteral("PROMIEŃ KOWALENCYJNY ATOMU [pm].")
            << QStringList{QStringLiteral("- poniżej 45"), QStringLiteral("- 45÷59"), QStringLiteral("- 59÷73"), QStringLiteral("- 73÷81"), QStringLiteral("- 81÷100"), QStringLiteral("- 100÷113"), QStringLiteral("- 113÷128"), QStringLiteral("- 128÷140"), QStringLiteral("- 140÷154"), QStringLiteral("- 154÷167"), QStringLiteral("- 167÷181"), QStringLiteral("- 181÷194"), QStringLiteral("- 194÷208"), QStringLiteral("- 208÷221"), QStringLiteral("- powyżej 221")}
            << QList<quint32>{0x5F0000, 0x9F0000, 0xDF0000, 0xFF1F1F, 0xFF5F5F, 0xFF9F9F, 0xFFDFDF, 0xFFFFFF, 0xDFDFFF, 0x9F9FFF, 0x5F5FFF, 0x1F1FFF, 0x0000DF, 0x00009F, 0x00005F}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("Twardosc") << QStringLiteral("TwardoscButton") << QStringLiteral(" Twardość pierwiastka (skala Brinella): ") << QStringLiteral("TWARDOŚĆ.")
            << QStringList{QStringLiteral("- poniżej 1"), QStringLiteral("- 1÷10"), QStringLiteral("- 10÷50"), QStringLiteral("- 50÷100"), QStringLiteral("- 100÷200"), QStringLiteral("- 200÷400"), QStringLiteral("- 400÷500"), QStringLiteral("- 500÷600"), QStringLiteral("- 600÷700"), QStringLiteral("- 700÷800"), QStringLiteral("- 800÷1000"), QStringLiteral("- 1000÷1500"), QStringLiteral("- 1500÷2000"), QStringLiteral("- 2000÷3000"), QStringLiteral("- powyżej 3000")}
            << QList<quint32>{0xFFDADA, 0xFFB6B6, 0xFF9191, 0xFF6D6D, 0xFF4848, 0xFF2424, 0xFF0000, 0xFF0000, 0xDA0000, 0xB60000, 0x910000, 0x6D0000, 0x480000, 0x240000, 0x000000}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("WytrzRoz") << QStringLiteral("WytrzRozButton") << QStringLiteral(" Wytrzymałość na rozciąganie [MPa]: ") << QStringLiteral("WYTRZYMAŁOŚĆ NA ROZCIĄGANIE PIERWIASTKA [MPa].")
            << QStringList{QStringLiteral("- poniżej 10"), QStringLiteral("- 10÷12"), QStringLiteral("- 12÷14"), QStringLiteral("- 14÷17"), QStringLiteral("- 17÷21"), QStringLiteral("- 21÷29"), QStringLiteral("- 29÷41"), QStringLiteral("- 41÷61"), QStringLiteral("- 61÷94"), QStringLiteral("- 94÷147"), QStringLiteral("- 147÷235"), QStringLiteral("- 235÷379"), QStringLiteral("- 379÷615"), QStringLiteral("- 615÷1000"), QStringLiteral("- powyżej 1000")}
            << QList<quint32>{0x24FFFF, 0x47FFFF, 0x6CFFFF, 0x90FFFF, 0xB5FFFF, 0xD9FFFF, 0xFEFFFF, 0xFFFFFF, 0xDADAFF, 0xB6B6FF, 0x9191FF, 0x6D6DFF, 0x4848FF, 0x2424FF, 0x0000FF}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("ModYoung") << QStringLiteral("ModYoungButton") << QStringLiteral(" Moduł Younga [GPa]: ") << QStringLiteral("MODUŁ YOUNGA PIERWIASTKA [GPa].")
            << QStringList{QStringLiteral("- poniżej 40"), QStringLiteral("- 40÷80"), QStringLiteral("- 80÷120"), QStringLiteral("- 120÷160"), QStringLiteral("- 160÷200"), QStringLiteral("- 200÷240"), QStringLiteral("- 240÷280"), QStringLiteral("- 280÷320"), QStringLiteral("- 320÷360"), QStringLiteral("- 360÷400"), QStringLiteral("- 400÷440"), QStringLiteral("- 440÷480"), QStringLiteral("- 480÷520"), QStringLiteral("- 520÷560"), QStringLiteral("- powyżej 560")}
            << QList<quint32>{0x24FF24, 0x47FF48, 0x6CFF6D, 0x90FF91, 0xB5FFB6, 0xD9FFDA, 0xFEFFFF, 0xFFFFFF, 0xFFDADA, 0xFFB6B6, 0xFF9191, 0xFF6D6D, 0xFF4848, 0xFF2424, 0xFF0000}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("Elektrouj") << QStringLiteral("ElektroujButton") << QStringLiteral(" Elektroujemność wg. Paulinga: ") << QStringLiteral("ELEKTROUJEMNOŚĆ PIERWIASTKA.")
            << QStringList{QStringLiteral("- poniżej 0,50"), QStringLiteral("- 0,50÷0,75"), QStringLiteral("- 0,75÷1,00"), QStringLiteral("- 1,00÷1,25"), QStringLiteral("- 1,25÷1,50"), QStringLiteral("- 1,50÷1,75"), QStringLiteral("- 1,75÷2,00"), QStringLiteral("- 2,00÷2,25"), QStringLiteral("- 2,25÷2,50"), QStringLiteral("- 2,50÷2,75"), QStringLiteral("- 2,75÷3,00"), QStringLiteral("- 3,00÷3,25"), QStringLiteral("- 3,25÷3,50"), QStringLiteral("- 3,50÷3,75"), QStringLiteral("- powyżej 3,75")}
            << QList<quint32>{0x5F0000, 0x9F0000, 0xDF0000, 0xFF1F1F, 0xFF5F5F, 0xFF9F9F, 0xFFDFDF, 0xFFFFFF, 0xDFDFFF, 0x9F9FFF, 0x5F5FFF, 0x1F1FFF, 0x0000DF, 0x00009F, 0x00005F}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("PowElektr") << QStringLiteral("PowElektrButton") << QStringLiteral(" Powinowactwo elektronowe [eV]: ") << QStringLiteral("POWINOWACTWO ELEKTRONOWE PIERWIASTKA [eV].")
            << QStringList{QStringLiteral("- poniżej -2,1"), QStringLiteral("- -2,1÷-1,7"), QStringLiteral("- -1,7÷-1,3"), QStringLiteral("- -1,3÷-0,9"), QStringLiteral("- -0,9÷-0,5"), QStringLiteral("- -0,5÷0,0"), QStringLiteral("- 0,0÷0,3"), QStringLiteral("- 0,3÷0,7"), QStringLiteral("- 0,7÷1,2"), QStringLiteral("- 1,2÷1,6"), QStringLiteral("- 1,6÷2,0"), QStringLiteral("- 2,0÷2,4"), QStringLiteral("- 2,4÷2,8"), QStringLiteral("- 2,8÷3,2"), QStringLiteral("- powyżej 3,2")}
            << QList<quint32>{0x5F0000, 0x9F0000, 0xDF0000, 0xFF1F1F, 0xFF5F5F, 0xFF9F9F, 0xFFDFDF, 0xFFFFFF, 0xDFDFFF, 0x9F9FFF, 0x5F5FFF, 0x1F1FFF, 0x0000DF, 0x00009F, 0x00005F}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("TempTop") << QStringLiteral("TempTopButton") << QStringLiteral(" Temperatura topnienia [°C]: ") << QStringLiteral("TEMPERATURA TOPNIENIA TYPOWEJ FORMY PIERWIASTKA [°C].")
            << QStringList{QStringLiteral("- poniżej -200"), QStringLiteral("- -200÷-100"), QStringLiteral("- -100÷0"), QStringLiteral("- 0÷500"), QStringLiteral("- 500÷1000"), QStringLiteral("- 1000÷1300"), QStringLiteral("- 1300÷1600"), QStringLiteral("- 1600÷1900"), QStringLiteral("- 1900÷2200"), QStringLiteral("- 2200÷2500"), QStringLiteral("- 2500÷2800"), QStringLiteral("- 2800÷3100"), QStringLiteral("- 3100÷3400"), QStringLiteral("- 3400÷3700"), QStringLiteral("- powyżej 3700")}
            << QList<quint32>{0x000024, 0x000048, 0x00006D, 0x000091, 0x0000B6, 0x0000DA, 0x0000FF, 0x0000FF, 0x0024FF, 0x0048FF, 0x006DFF, 0x0091FF, 0x00B6FF, 0x00DAFF, 0x00FFFF}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("EntTop") << QStringLiteral("EntTopButton") << QStringLiteral(" Entalpia topnienia [kJ/mol]: ") << QStringLiteral("ENTALPIA TOPNIENIA [kJ/mol].")
            << QStringList{QStringLiteral("- poniżej 4"), QStringLiteral("- 4÷8"), QStringLiteral("- 8÷12"), QStringLiteral("- 12÷16"), QStringLiteral("- 16÷20"), QStringLiteral("- 20÷24"), QStringLiteral("- 24÷28"), QStringLiteral("- 28÷32"), QStringLiteral("- 32÷36"), QStringLiteral("- 36÷40"), QStringLiteral("- 40÷44"), QStringLiteral("- 44÷48"), QStringLiteral("- 48÷52"), QStringLiteral("- 52÷56"), QStringLiteral("- powyżej 56")}
            << QList<quint32>{0x022626, 0x024A4A, 0x026E6E, 0x029292, 0x02B6B6, 0x02DADA, 0x02FFFF, 0x02FFFF, 0x02DAFF, 0x02B6FF, 0x0292FF, 0x026EFF, 0x024AFF, 0x0226FF, 0x0201FF}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("TempWrz") << QStringLiteral("TempWrzButton") << QStringLiteral(" Temperatura wrzenia [°C]: ") << QStringLiteral("TEMPERATURA WRZENIA TYPOWEJ FORMY PIERWIASTKA [°C].")
            << QStringList{QStringLiteral("- poniżej -200"), QStringLiteral("- -200÷-100"), QStringLiteral("- -100÷0"), QStringLiteral("- 0÷500"), QStringLiteral("- 500÷1000"), QStringLiteral("- 1000÷1500"), QStringLiteral("- 1500÷2000"), QStringLiteral("- 2000÷2500"), QStringLiteral("- 2500÷3000"), QStringLiteral("- 3000÷3500"), QStringLiteral("- 3500÷4000"), QStringLiteral("- 4000÷4500"), QStringLiteral("- 4500÷5000"), QStringLiteral("- 5000÷5500"), QStringLiteral("- powyżej 5500")}
            << QList<quint32>{0x000024, 0x000048, 0x00006D, 0x000091, 0x0000B6, 0x0000DA, 0x0000FF, 0x0000FF, 0x0024FF, 0x0048FF, 0x006DFF, 0x0091FF, 0x00B6FF, 0x00DAFF, 0x00FFFF}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("MolEntAtom") << QStringLiteral("MolEntAtomButton") << QStringLiteral(" Molowa entalpia atomizacji [kJ/mol]: ") << QStringLiteral("MOLOWA ENTALPIA ATOMIZACJI [kJ/mol].")
            << QStringList{QStringLiteral("- poniżej 50"), QStringLiteral("- 50÷100"), QStringLiteral("- 100÷150"), QStringLiteral("- 150÷200"), QStringLiteral("- 200÷250"), QStringLiteral("- 250÷300"), QStringLiteral("- 300÷350"), QStringLiteral("- 350÷400"), QStringLiteral("- 400÷450"), QStringLiteral("- 450÷500"), QStringLiteral("- 500÷550"), QStringLiteral("- 550÷600"), QStringLiteral("- 600÷650"), QStringLiteral("- 650÷700"), QStringLiteral("- powyżej 700")}
            << QList<quint32>{0x000024, 0x000048, 0x00006D, 0x000091, 0x0000B6, 0x0000DA, 0x0000FF, 0x0000FF, 0x2424FF, 0x4848FF, 0x6D6DFF, 0x9191FF, 0xB6B6FF, 0xDADAFF, 0xFFFFFF}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("WspPrzewCiep") << QStringLiteral("WspPrzewCiepButton") << QStringLiteral(" Współczynnik przewodnictwa ciepła [W/(m•K)]: ") << QStringLiteral("WSPÓŁCZYNNIK PRZEWODZENIA CIEPŁA [W/(m•K)].")
            << QStringList{QStringLiteral("- poniżej 25"), QStringLiteral("- 25÷50"), QStringLiteral("- 50÷75"), QStringLiteral("- 75÷100"), QStringLiteral("- 100÷125"), QStringLiteral("- 125÷150"), QStringLiteral("- 150÷175"), QStringLiteral("- 175÷200"), QStringLiteral("- 200÷225"), QStringLiteral("- 225÷250"), QStringLiteral("- 250÷275"), QStringLiteral("- 275÷300"), QStringLiteral("- 300÷325"), QStringLiteral("- 325÷350"), QStringLiteral("- powyżej 350")}
            << QList<quint32>{0xDA2424, 0xB64848, 0x916D6D, 0x6D9191, 0x48B6B6, 0x24DADA, 0x00FFFF, 0x00FFFF, 0x00FFDA, 0x00FFB6, 0x00FF92, 0x00FF6E, 0x00FF4A, 0x00FF26, 0x00FF01}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("MolPojCiep") << QStringLiteral("MolPojCiepButton") << QStringLiteral(" Molowa pojemność cieplna [J/(mol•K)]: ") << QStringLiteral("MOLOWA POJEMNOŚĆ CIEPLNA [J/(mol•K)].")
            << QStringList{QStringLiteral("- poniżej 10"), QStringLiteral("- 10÷15"), QStringLiteral("- 15÷20"), QStringLiteral("- 20÷21"), QStringLiteral("- 21÷22"), QStringLiteral("- 22÷23"), QStringLiteral("- 23÷24"), QStringLiteral("- 24÷25"), QStringLiteral("- 25÷26"), QStringLiteral("- 26÷27"), QStringLiteral("- 27÷28"), QStringLiteral("- 28÷29"), QStringLiteral("- 29÷30"), QStringLiteral("- 30÷40"), QStringLiteral("- powyżej 40")}
            << QList<quint32>{0xDA2424, 0xB64848, 0x916D6D, 0x6D9191, 0x48B6B6, 0x24DADA, 0x00FFFF, 0x00FFFF, 0x00DAFF, 0x00B6FF, 0x0092FF, 0x006EFF, 0x004AFF, 0x0026FF, 0x0001FF}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("EntropMol") << QStringLiteral("EntropMolButton") << QStringLiteral(" Entropia molowa [J/(mol•K)]: ") << QStringLiteral("ENTROPIA MOLOWA [J/(mol•K)].")
            << QStringList{QStringLiteral("- poniżej 13"), QStringLiteral("- 13÷20"), QStringLiteral("- 20÷25"), QStringLiteral("- 25÷30"), QStringLiteral("- 30÷35"), QStringLiteral("- 35÷40"), QStringLiteral("- 40÷45"), QStringLiteral("- 45÷60"), QStringLiteral("- 60÷80"), QStringLiteral("- 80÷100"), QStringLiteral("- 100÷120"), QStringLiteral("- 120÷140"), QStringLiteral("- 140÷160"), QStringLiteral("- 160÷180"), QStringLiteral("- powyżej 180")}
            << QList<quint32>{0xDA1E1E, 0xB63A3A, 0x925656, 0x6E7373, 0x4A8F8F, 0x26ABAB, 0x01C8C8, 0x02C8C8, 0x02ABCF, 0x028FD7, 0x0273DF, 0x0256E7, 0x023AEF, 0x021EF7, 0x0202FF}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("PotJon1") << QStringLiteral("PotJon1Button") << QStringLiteral(" Energia jonizacji pierwszego stopnia [eV]: ") << QStringLiteral("ENERGIA PIERWSZEJ JONIZACJI [eV].")
            << QStringList{QStringLiteral("- poniżej 4,0"), QStringLiteral("- 4,0÷5,0"), QStringLiteral("- 5,0÷6,0"), QStringLiteral("- 6,0÷7,0"), QStringLiteral("- 7,0÷8,0"), QStringLiteral("- 8,0÷9,0"), QStringLiteral("- 9,0÷10,0"), QStringLiteral("- 10,0÷11,0"), QStringLiteral("- 11,0÷12,0"), QStringLiteral("- 12,0÷13,0"), QStringLiteral("- 13,0÷14,0"), QStringLiteral("- 14,0÷15,0"), QStringLiteral("- 15,0÷16,0"), QStringLiteral("- 16,0÷17,0"), QStringLiteral("- powyżej 17,0")}
            << QList<quint32>{0xC32424, 0xCD4848, 0xD76D6D, 0xE19191, 0xEBB6B6, 0xF5DADA, 0xFFFFFF, 0xFFFFFF, 0xDADAF5, 0xB6B6EB, 0x9191E1, 0x6D6DD7, 0x4848CD, 0x2424C3, 0x0000B9}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("PotJon2") << QStringLiteral("PotJon2Button") << QStringLiteral(" Energia jonizacji drugiego stopnia [eV]: ") << QStringLiteral("ENERGIA DRUGIEJ JONIZACJI [eV].")
            << QStringList{QStringLiteral("- 10,0÷11,0"), QStringLiteral("- 11,0÷12,0"), QStringLiteral("- 12,0÷12,5"), QStringLiteral("- 12,5÷13,0"), QStringLiteral("- 13,0÷14,0"), QStringLiteral("- 14,0÷15,0"), QStringLiteral("- 15,0÷17,0"), QStringLiteral("- 17,0÷19,0"), QStringLiteral("- 19,0÷22,0"), QStringLiteral("- 22,0÷26,0"), QStringLiteral("- 26,0÷32,0"), QStringLiteral("- 32,0÷39,0"), QStringLiteral("- 39,0÷48,0"), QStringLiteral("- 48,0÷60,0"), QStringLiteral("- powyżej 60,0")}
            << QList<quint32>{0xC32424, 0xCD4848, 0xD76D6D, 0xE19191, 0xEBB6B6, 0xF5DADA, 0xFFFFFF, 0xFFFFFF, 0xDADAF5, 0xB6B6EB, 0x9191E1, 0x6D6DD7, 0x4848CD, 0x2424C3, 0x0000B9}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("PotJon3") << QStringLiteral("PotJon3Button") << QStringLiteral(" Energia jonizacji trzeciego stopnia [eV]: ") << QStringLiteral("ENERGIA TRZECIEJ JONIZACJI [eV].")
            << QStringList{QStringLiteral("- poniżej 19,8"), QStringLiteral("- 19,8÷20,7"), QStringLiteral("- 20,7÷22,0"), QStringLiteral("- 22,0÷24,1"), QStringLiteral("- 24,1÷27,3"), QStringLiteral("- 27,3÷32,3"), QStringLiteral("- 32,3÷40,1"), QStringLiteral("- 40,1÷52,2"), QStringLiteral("- 52,2÷70,9"), QStringLiteral("- 70,9÷100,0"), QStringLiteral("- 100,0÷112,0"), QStringLiteral("- 112,0÷124,0"), QStringLiteral("- 124,0÷136,0"), QStringLiteral("- 136,0÷148,0"), QStringLiteral("- powyżej 148,0")}
            << QList<quint32>{0xC32424, 0xCD4848, 0xD76D6D, 0xE19191, 0xEBB6B6, 0xF5DADA, 0xFFFFFF, 0xFFFFFF, 0xDADAF5, 0xB6B6EB, 0x9191E1, 0x6D6DD7, 0x4848CD, 0x2424C3, 0x0000B9}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("PotJon4") << QStringLiteral("PotJon4Button") << QStringLiteral(" Energia jonizacji czwartego stopnia [eV]: ") << QStringLiteral("ENERGIA CZWARTEJ JONIZACJI [eV].")
            << QStringList{QStringLiteral("- poniżej 30,2"), QStringLiteral("- 30,2÷30,8"), QStringLiteral("- 30,8÷31,9"), QStringLiteral("- 31,9÷33,4"), QStringLiteral("- 33,4÷35,7"), QStringLiteral("- 35,7÷39,0"), QStringLiteral("- 39,0÷43,9"), QStringLiteral("- 43,9÷51,1"), QStringLiteral("- 51,1÷61,7"), QStringLiteral("- 61,7÷77,4"), QStringLiteral("- 77,4÷100,6"), QStringLiteral("- 100,6÷134,7"), QStringLiteral("- 134,7÷185,1"), QStringLiteral("- 185,1÷259,0"), QStringLiteral("- powyżej 259,0")}
            << QList<quint32>{0xC32424, 0xCD4848, 0xD76D6D, 0xE19191, 0xEBB6B6, 0xF5DADA, 0xFFFFFF, 0xFFFFFF, 0xDADAF5, 0xB6B6EB, 0x9191E1, 0x6D6DD7, 0x4848CD, 0x2424C3, 0x0000B9}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("LiczIzotop") << QStringLiteral("LiczIzotopButton") << QStringLiteral(" Liczba znanych izotopów pierwiastka: ") << QStringLiteral("LICZBA OTRZYMANYCH I ZNANYCH IZOTOPÓW.")
            << QStringList{QStringLiteral("- poniżej 2"), QStringLiteral("- 2÷5"), QStringLiteral("- 5÷7"), QStringLiteral("- 7÷10"), QStringLiteral("- 10÷12"), QStringLiteral("- 12÷15"), QStringLiteral("- 15÷17"), QStringLiteral("- 17÷20"), QStringLiteral("- 20÷22"), QStringLiteral("- 22÷25"), QStringLiteral("- 25÷27"), QStringLiteral("- 27÷30"), QStringLiteral("- 30÷32"), QStringLiteral("- 32÷35"), QStringLiteral("- powyżej 35")}
            << QList<quint32>{0xDAF0FF, 0xB6E2FF, 0x92D4FF, 0x6EC5FF, 0x4AB7FF, 0x26A9FF, 0x019BFF, 0x029BFF, 0x1785DA, 0x2D6FB6, 0x435992, 0x59436E, 0x6F2D4A, 0x851726, 0x9B0101}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("LiczTrIzotop") << QStringLiteral("LiczTrIzotopButton") << QStringLiteral(" Liczba trwałych izotopów: ") << QStringLiteral("LICZBA TRWAŁYCH IZOTOPÓW.")
            << QStringList{QStringLiteral(" - brak"), QStringLiteral(" - 1"), QStringLiteral(" - 2"), QStringLiteral(" - 3"), QStringLiteral(" - 4"), QStringLiteral(" - 5"), QStringLiteral(" - 6"), QStringLiteral(" - 7"), QStringLiteral(" - 8"), QStringLiteral(" - 9"), QStringLiteral(" - 10 i więcej")}
            << QList<quint32>{0x3F3FFF, 0x4A0202, 0x920202, 0xDA0202, 0xFF0202, 0xFF0202, 0xFF2626, 0xFF6E6E, 0xFF9292, 0xFFDADA, 0xFFFFFF}
            << QStringLiteral("");

        QTest::newRow("solids") << QStringLiteral("CiaaStae1") << QStringLiteral(" Gęstość ciał stałych i cieczy [g/cm^3]: ") << QStringLiteral("GĘSTOŚĆ CIAŁ STAŁYCH I CIECZY [g/cm^3].")
            << QStringList{QStringLiteral("- poniżej 1,4"), QStringLiteral("- 1,4÷2,9"), QStringLiteral("- 2,9÷4,3"), QStringLiteral("- 4,3÷5,7"), QStringLiteral("- 5,7÷7,2"), QStringLiteral("- 7,2÷8,6"), QStringLiteral("- 8,6÷10,1"), QStringLiteral("- 10,1÷11,5"), QStringLiteral("- 11,5÷12,9"), QStringLiteral("- 12,9÷14,4"), QStringLiteral("- 14,4÷15,8"), QStringLiteral("- 15,8÷17,3"), QStringLiteral("- 17,3÷18,7"), QStringLiteral("- 18,7÷20,1"), QStringLiteral("- powyżej 20,1")}
            << QList<quint32>{0xDAFFDA, 0xB6FFB6, 0x91FF91, 0x6DFF6D, 0x48FF48, 0x24FF24, 0x00FF00, 0x00FF00, 0x00DA00, 0x00B600, 0x009100, 0x006D00, 0x004800, 0x002400, 0x000000}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("gases") << QStringLiteral("Gazy1") << QStringLiteral(" Gęstość gazów [g/cm^3]: ") << QStringLiteral("GĘSTOŚĆ GAZÓW [g/cm^3].")
            << QStringList{QStringLiteral(" - 0,05÷0,4"), QStringLiteral(" - 0,6÷0,9"), QStringLiteral(" - 0,9÷1,25"), QStringLiteral(" - 1,25÷1,5"), QStringLiteral(" - 1,5÷1,8"), QStringLiteral(" - 2,1÷2,4"), QStringLiteral(" - 2,95÷3,3"), QStringLiteral(" - 4,1÷4,5")}
            << QList<quint32>{0xDAFFDA, 0x91FF91, 0x48FF48, 0x00FF00, 0x00DA00, 0x009100, 0x004800, 0x000000}
            << QStringLiteral(" - nie dotyczy, brak danych");
        QTest::newRow("resistivity") << QStringLiteral("OporWlasButton") << QStringLiteral(" Opór właściwy metali [10^(-8) ohm•m]: ") << QStringLiteral("OPÓR WŁAŚCIWY METALI [10^(-8) ohm•m].")
            << QStringList{QStringLiteral("- poniżej 1,4"), QStringLiteral("- 1,4÷2,0"), QStringLiteral("- 2,0÷2,9"), QStringLiteral("- 2,9÷4,2"), QStringLiteral("- 4,2÷6,0"), QStringLiteral("- 6,0÷8,6"), QStringLiteral("- 8,6÷12"), QStringLiteral("- 12÷17"), QStringLiteral("- 17÷25"), QStringLiteral("- 25÷35"), QStringLiteral("- 35÷50"), QStringLiteral("- 50÷75"), QStringLiteral("- 75÷100"), QStringLiteral("- 100÷125"), QStringLiteral("- powyżej 125")}
            << QList<quint32>{0x26FF26, 0x4AFF4A, 0x6EFF6E, 0x92FF92, 0xB6FFB6, 0xDAFFDA, 0xFFFFFF, 0xFFFFFF, 0xDADAFF, 0xB6B6FF, 0x9292FF, 0x6E6EFF, 0x4A4AFF, 0x2626FF, 0x0101FF}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("Curie") << QStringLiteral("TempCurButton") << QStringLiteral(" Temperatura Curie ferromagnetyków [°C]: ") << QStringLiteral("TEMPERATURA CURIE FERROMAGNETYKÓW [°C].")
            << QStringList{QStringLiteral("- -253"), QStringLiteral("- -186"), QStringLiteral("- -50"), QStringLiteral("- +20,2"), QStringLiteral("- +357"), QStringLiteral("- +770"), QStringLiteral("- +1121")}
            << QList<quint32>{0xFF4848, 0xFF9191, 0xFFDADA, 0xFFFFFF, 0xFFB6FF, 0xFF6EFF, 0xFF26FF}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("state") << QStringLiteral("StanSkupButton") << QStringLiteral(" Stan skupienia: ") << QStringLiteral("STAN SKUPIENIA.")
            << QStringList{QStringLiteral("- gazowy"), QStringLiteral("- ciekły"), QStringLiteral("- ciało stałe")}
            << QList<quint32>{0x5FFF5F, 0xFF5F5F, 0x5FFFFF}
            << QStringLiteral("");
        QTest::newRow("oxide") << QStringLiteral("CharTlenButton") << QStringLiteral(" Charakter tlenku: ") << QStringLiteral("CHARAKTER TLENKU.")
            << QStringList{QStringLiteral("- zasadowy"), QStringLiteral("- kwasowy"), QStringLiteral("- amfoteryczny"), QStringLiteral("- brak tlenków")}
            << QList<quint32>{0xFF3F3F, 0x3F3FFF, 0x008080, 0xFFFFFF}
            << QStringLiteral("- brak danych");
        QTest::newRow("valence") << QStringLiteral("WartTypButton") << QStringLiteral(" Najczęściej występująca wartościowość: ") << QStringLiteral("TYPOWA WARTOŚCIOWOŚĆ PIERWIASTKA.")
            << QStringList{QStringLiteral("- 1"), QStringLiteral("- 2"), QStringLiteral("- 3"), QStringLiteral("- 4"), QStringLiteral("- 5"), QStringLiteral("- 6"), QStringLiteral("- 7")}
            << QList<quint32>{0x49FFFF, 0x92FFFF, 0xDAFFFF, 0xFFFFFF, 0xFFB6B6, 0xFF6D6D, 0xFF2424}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("oxidation state") << QStringLiteral("TypStopUtlButton") << QStringLiteral(" Najczęściej występujący stopień utlenienia: ") << QStringLiteral("NAJCZĘSTSZY STOPIEŃ UTLENIENIA PIERWIASTKA.")
            << QStringList{QStringLiteral("- -3"), QStringLiteral("- -2"), QStringLiteral("- -1"), QStringLiteral("- 0"), QStringLiteral("- +1"), QStringLiteral("- +2"), QStringLiteral("- +3"), QStringLiteral("- +4"), QStringLiteral("- +5"), QStringLiteral("- +6"), QStringLiteral("- +7"), QStringLiteral("- +8")}
            << QList<quint32>{0x024AFF, 0x026EFF, 0x0292FF, 0x02B6FF, 0x02DAFF, 0x02FFFF, 0x26DADA, 0x4AB6B6, 0x6E9292, 0x926E6E, 0xB64A4A, 0xDA2626}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("shell K") << QStringLiteral("PowKButton") << QStringLiteral(" Zmiany w konfiguracji elektronowej na powłoce K: ") << QStringLiteral("ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE K.")
            << QStringList{QStringLiteral("- wzrost na powłoce K"), QStringLiteral("- spadek na powłoce K"), QStringLiteral("- bez zmian na powłoce K")}
            << QList<quint32>{0x5FFF5F, 0x5F5FFF, 0x5FFFFF}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("shell L") << QStringLiteral("PowLButton") << QStringLiteral(" Zmiany w konfiguracji elektronowej na powłoce L: ") << QStringLiteral("ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE L.")
            << QStringList{QStringLiteral("- wzrost na powłoce L"), QStringLiteral("- spadek na powłoce L"), QStringLiteral("- bez zmian na powłoce L"), QStringLiteral("- brak elektronów na powłoce L")}
            << QList<quint32>{0x5FFF5F, 0x5F5FFF, 0x5FFFFF, 0x000000}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("shell M") << QStringLiteral("PowMButton") << QStringLiteral(" Zmiany w konfiguracji elektronowej na powłoce M: ") << QStringLiteral("ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE M.")
            << QStringList{QStringLiteral("- wzrost na powłoce M"), QStringLiteral("- spadek na powłoce M"), QStringLiteral("- bez zmian na powłoce M"), QStringLiteral("- brak elektronów na powłoce M")}
            << QList<quint32>{0x5FFF5F, 0x5F5FFF, 0x5FFFFF, 0x000000}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("shell N") << QStringLiteral("PowNButton") << QStringLiteral(" Zmiany w konfiguracji elektronowej na powłoce N: ") << QStringLiteral("ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE N.")
            << QStringList{QStringLiteral("- wzrost na powłoce N"), QStringLiteral("- spadek na powłoce N"), QStringLiteral("- bez zmian na powłoce N"), QStringLiteral("- brak elektronów na powłoce N")}
            << QList<quint32>{0x5FFF5F, 0x5F5FFF, 0x5FFFFF, 0x000000}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("shell O") << QStringLiteral("PowOButton") << QStringLiteral(" Zmiany w konfiguracji elektronowej na powłoce O: ") << QStringLiteral("ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE O.")
            << QStringList{QStringLiteral("- wzrost na powłoce O"), QStringLiteral("- spadek na powłoce O"), QStringLiteral("- bez zmian na powłoce O"), QStringLiteral("- brak elektronów na powłoce O")}
            << QList<quint32>{0x5FFF5F, 0x5F5FFF, 0x5FFFFF, 0x000000}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("shell P") << QStringLiteral("PowPButton") << QStringLiteral(" Zmiany w konfiguracji elektronowej na powłoce P: ") << QStringLiteral("ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE P.")
            << QStringList{QStringLiteral("- wzrost na powłoce P"), QStringLiteral("- spadek na powłoce P"), QStringLiteral("- bez zmian na powłoce P"), QStringLiteral("- brak elektronów na powłoce P")}
            << QList<quint32>{0x5FFF5F, 0x5F5FFF, 0x5FFFFF, 0x000000}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("shell Q") << QStringLiteral("PowQButton") << QStringLiteral(" Zmiany w konfiguracji elektronowej na powłoce Q: ") << QStringLiteral("ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE Q.")
            << QStringList{QStringLiteral("- wzrost na powłoce Q"), QStringLiteral("- spadek na powłoce Q"), QStringLiteral("- bez zmian na powłoce Q"), QStringLiteral("- brak elektronów na powłoce Q")}
            << QList<quint32>{0x5FFF5F, 0x5F5FFF, 0x5FFFFF, 0x000000}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("antiquity") << QStringLiteral("Star1") << QStringLiteral(" Rok odkrycia (wytworzenia): ") << QStringLiteral("PIERWIASTKI ZNANE JUŻ W STAROŻYTNOŚCI.")
            << QStringList{QStringLiteral("- znany już w starożytności")}
            << QList<quint32>{0x5FFF5F}
            << QStringLiteral("- pozostałe pierwiastki");
        QTest::newRow("middle ages") << QStringLiteral("redniowiecze1") << QStringLiteral(" Rok odkrycia (wytworzenia): ") << QStringLiteral("PIERWIASTKI ODKRYTE W ŚREDNIOWIECZU.")
            << QStringList{QStringLiteral("- poznany w średniowieczu")}
            << QList<quint32>{0x5FFF5F}
            << QStringLiteral("- pozostałe pierwiastki");
        QTest::newRow("all years") << QStringLiteral("Pozostae1") << QStringLiteral(" Rok odkrycia (wytworzenia): ") << QStringLiteral("DATY ODKRYCIA PIERWIASTKÓW.")
            << QStringList{QStringLiteral("- przed 1700"), QStringLiteral("- 1700÷1725"), QStringLiteral("- 1725÷1750"), QStringLiteral("- 1750÷1775"), QStringLiteral("- 1775÷1800"), QStringLiteral("- 1800÷1825"), QStringLiteral("- 1825÷1850"), QStringLiteral("- 1850÷1875"), QStringLiteral("- 1875÷1900"), QStringLiteral("- 1900÷1925"), QStringLiteral("- 1925÷1950"), QStringLiteral("- 1950÷1975"), QStringLiteral("- 1975÷dziś")}
            << QList<quint32>{0x1C0000, 0x390000, 0x550000, 0x720000, 0x8E0000, 0xAB0000, 0xC80000, 0xD7480E, 0xDF6D15, 0xE7911C, 0xEFB623, 0xF7DA2A, 0xFEFF32}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("metals") << QStringLiteral("Pokametale1") << QStringLiteral(" Metale: ") << QStringLiteral("PIERWIASTKI METALICZNE.")
            << QStringList{QStringLiteral("- metal")}
            << QList<quint32>{0xFF5F5F}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("insulators") << QStringLiteral("Pokaizolatory1") << QStringLiteral(" Izolatory: ") << QStringLiteral("IZOLATORY.")
            << QStringList{QStringLiteral("- izolator")}
            << QList<quint32>{0x5FFFFF}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("semiconductors") << QStringLiteral("Pokapprzewodniki1") << QStringLiteral(" Półprzewodniki: ") << QStringLiteral("NATURALNE PÓŁPRZEWODNIKI.")
            << QStringList{QStringLiteral("- półprzewodnik")}
            << QList<quint32>{0x5FFF5F}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("diamagnetics") << QStringLiteral("Pokadiamagnetyki1") << QStringLiteral(" Diamagnetyki: ") << QStringLiteral("PIERWIASTKI DIAMAGNETYCZNE.")
            << QStringList{QStringLiteral("- diamagnetyk")}
            << QList<quint32>{0x5FFFFF}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("paramagnetics") << QStringLiteral("Pokaparamagnetyki1") << QStringLiteral(" Paramagnetyki: ") << QStringLiteral("PIERWIASTKI PARAMAGNETYCZNE.")
            << QStringList{QStringLiteral("- paramagnetyk")}
            << QList<quint32>{0x5FFF5F}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("ferromagnetics") << QStringLiteral("Pokaferromagnetyki1") << QStringLiteral(" Ferromagnetyki: ") << QStringLiteral("FERROMAGNETYKI.")
            << QStringList{QStringLiteral("- ferromagnetyk")}
            << QList<quint32>{0xFF5F5F}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("all conduction types") << QStringLiteral("Pokawszystkie1") << QStringLiteral(" Typ przewodnictwa: ") << QStringLiteral("TYP PRZEWODNICTWA.")
            << QStringList{QStringLiteral("- metal"), QStringLiteral("- półprzewodnik"), QStringLiteral("- izolator")}
            << QList<quint32>{0xFF5F5F, 0x5FFF5F, 0x5FFFFF}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("all magnetic types") << QStringLiteral("Pokawszystkie2") << QStringLiteral("Typ magnetyczny: ") << QStringLiteral("TYP MAGNETYCZNY PIERWIASTKA.")
            << QStringList{QStringLiteral("- diamagnetyk"), QStringLiteral("- paramagnetyk"), QStringLiteral("- ferromagnetyk")}
            << QList<quint32>{0x5FFFFF, 0x5FFF5F, 0xFF5F5F}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("paramagnetic scale") << QStringLiteral("Pokaparamagnetyki2") << QStringLiteral(" Podatność magnetyczna paramagnetyków [10^(-6) cm^3/mol]: ") << QStringLiteral("PODATNOŚĆ MAGNETYCZNA PARAMAGNETYKÓW [10^(-6) cm^3/mol].")
            << QStringList{QStringLiteral("- poniżej 5"), QStringLiteral("- 5÷15"), QStringLiteral("- 15÷20"), QStringLiteral("- 20÷25"), QStringLiteral("- 25÷35"), QStringLiteral("- 35÷45"), QStringLiteral("- 45÷70"), QStringLiteral("- 70÷130"), QStringLiteral("- 130÷240"), QStringLiteral("- 240÷450"), QStringLiteral("- 450÷800"), QStringLiteral("- 800÷1500"), QStringLiteral("- 1500÷2700"), QStringLiteral("- 2700÷5000"), QStringLiteral("- powyżej 5000")}
            << QList<quint32>{0xFF2424, 0xFF4848, 0xFF6D6D, 0xFF9191, 0xFFB6B6, 0xFFDADA, 0xFFFFFF, 0xFFFFFF, 0xFFDAFF, 0xFFB6FF, 0xFF92FF, 0xFF6EFF, 0xFF4AFF, 0xFF26FF, 0xFF01FF}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("diamagnetic scale") << QStringLiteral("Pokadiamagnetyki2") << QStringLiteral(" Podatność magnetyczna diamagnetyków [10^(-6) cm^3/mol]: ") << QStringLiteral("PODATNOŚĆ MAGNETYCZNA DIAMAGNETYKÓW [10^(-6) cm^3/mol].")
            << QStringList{QStringLiteral("- powyżej -8"), QStringLiteral("- -8÷-16"), QStringLiteral("- -16÷-24"), QStringLiteral("- -24÷-32"), QStringLiteral("- -32÷-40"), QStringLiteral("- -40÷-48"), QStringLiteral("- -48÷-56"), QStringLiteral("- -56÷-64"), QStringLiteral("- -64÷-72"), QStringLiteral("- -72÷-80"), QStringLiteral("- -80÷-88"), QStringLiteral("- -88÷-96"), QStringLiteral("- -96÷-104"), QStringLiteral("- -104÷-122"), QStringLiteral("- poniżej -122")}
            << QList<quint32>{0xFF2424, 0xFF4848, 0xFF6D6D, 0xFF9191, 0xFFB6B6, 0xFFDADA, 0xFFFFFF, 0xFFFFFF, 0xFFDAFF, 0xFFB6FF, 0xFF92FF, 0xFF6EFF, 0xFF4AFF, 0xFF26FF, 0xFF01FF}
            << QStringLiteral("- nie dotyczy, brak danych");
        QTest::newRow("Earth") << QStringLiteral("ZawZiemiaButton") << QStringLiteral(" Zawartość w Ziemi [pierwszych 13 pierwiastków]: ") << QStringLiteral("ZAWARTOŚĆ W ZIEMI [% WAGI].")
            << QStringList{QStringLiteral("- żelazo"), QStringLiteral("- tlen"), QStringLiteral("- krzem"), QStringLiteral("- magnez"), QStringLiteral("- siarka"), QStringLiteral("- nikiel"), QStringLiteral("- wapń"), QStringLiteral("- glin"), QStringLiteral("- chrom"), QStringLiteral("- fosfor"), QStringLiteral("- sód"), QStringLiteral("- tytan"), QStringLiteral("- kobalt")}
            << QList<quint32>{0x49FF49, 0x6DFF6D, 0x92FF92, 0xB6FFB6, 0xDAFFDA, 0xFFFFFF, 0xFFFFFF, 0xDADAFF, 0xB6B6FF, 0x9191FF, 0x6D6DFF, 0x4848FF, 0x2424FF}
            << QStringLiteral("- pozostałe pierwiastki");
        QTest::newRow("crust") << QStringLiteral("ZawSkorZiemButton") << QStringLiteral(" Zawartość w skorupie ziem. [pierwszych 12 pierwiastków]: ") << QStringLiteral("ZAWARTOŚĆ W SKORUPIE ZIEMSKIEJ [% WAGI].")
            << QStringList{QStringLiteral("- tlen"), QStringLiteral("- krzem"), QStringLiteral("- glin"), QStringLiteral("- żelazo"), QStringLiteral("- wapń"), QStringLiteral("- magnez"), QStringLiteral("- sód"), QStringLiteral("- potas"), QStringLiteral("- tytan"), QStringLiteral("- wodór"), QStringLiteral("- fosfor"), QStringLiteral("- mangan")}
            << QList<quint32>{0x49FF49, 0x6DFF6D, 0x92FF92, 0xB6FFB6, 0xDAFFDA, 0xFFFFFF, 0xDADAFF, 0xB6B6FF, 0x9191FF, 0x6D6DFF, 0x4848FF, 0x2424FF}
            << QStringLiteral("- pozostałe pierwiastki");
        QTest::newRow("ocean") << QStringLiteral("ZawOceanButton") << QStringLiteral(" Zawartość w oceanie [pierwszych 15 pierwiastków]: ") << QStringLiteral("ZAWARTOŚĆ W WODACH OCEANU [W 1000 kg WODY MORSKIEJ].")
            << QStringList{QStringLiteral("- tlen"), QStringLiteral("- wodór"), QStringLiteral("- chlor"), QStringLiteral("- sód"), QStringLiteral("- magnez"), QStringLiteral("- siarka"), QStringLiteral("- wapń"), QStringLiteral("- potas"), QStringLiteral("- brom"), QStringLiteral("- węgiel"), QStringLiteral("- stront"), QStringLiteral("- bor"), QStringLiteral("- krzem"), QStringLiteral("- fluor"), QStringLiteral("- argon")}
            << QList<quint32>{0x25FF25, 0x49FF49, 0x6DFF6D, 0x92FF92, 0xB6FFB6, 0xDAFFDA, 0xFFFFFF, 0xFFFFFF, 0xDADAFF, 0xB6B6FF, 0x9191FF, 0x6D6DFF, 0x4848FF, 0x2424FF, 0x0000FF}
            << QStringLiteral("- pozostałe pierwiastki");
        QTest::newRow("universe") << QStringLiteral("ZawUkladButton") << QStringLiteral(" Zawartość we Wszechświecie [pierwszych 15 pierwiastków]: ") << QStringLiteral("ZAWARTOŚĆ WE WSZECHŚWIECIE [% WAGI].")
            << QStringList{QStringLiteral("- wodór"), QStringLiteral("- hel"), QStringLiteral("- tlen"), QStringLiteral("- węgiel"), QStringLiteral("- neon"), QStringLiteral("- żelazo"), QStringLiteral("- azot"), QStringLiteral("- krzem"), QStringLiteral("- magnez"), QStringLiteral("- siarka"), QStringLiteral("- argon"), QStringLiteral("- nikiel"), QStringLiteral("- wapń"), QStringLiteral("- glin"), QStringLiteral("- sód")}
            << QList<quint32>{0x25FF25, 0x49FF49, 0x6DFF6D, 0x92FF92, 0xB6FFB6, 0xDAFFDA, 0xFFFFFF, 0xFFFFFF, 0xDADAFF, 0xB6B6FF, 0x9191FF, 0x6D6DFF, 0x4848FF, 0x2424FF, 0x0000FF}
            << QStringLiteral("- pozostałe pierwiastki");
        QTest::newRow("human body") << QStringLiteral("ZawCzlowButton") << QStringLiteral(" Zawartość w org. człowieka [pierwszych 15 pierwiastków]: ") << QStringLiteral("ZAWARTOŚĆ W ORGANIZMIE CZŁOWIEKA [% WAGI].")
            << QStringList{QStringLiteral("- tlen"), QStringLiteral("- węgiel"), QStringLiteral("- wodór"), QStringLiteral("- azot"), QStringLiteral("- wapń"), QStringLiteral("- siarka"), QStringLiteral("- fosfor"), QStringLiteral("- sód"), QStringLiteral("- potas"), QStringLiteral("- chlor"), QStringLiteral("- magnez"), QStringLiteral("- żelazo"), QStringLiteral("- krzem"), QStringLiteral("- cynk"), QStringLiteral("- rubid")}
            << QList<quint32>{0x25FF25, 0x49FF49, 0x6DFF6D, 0x92FF92, 0xB6FFB6, 0xDAFFDA, 0xFFFFFF, 0xFFFFFF, 0xDADAFF, 0xB6B6FF, 0x9191FF, 0x6D6DFF, 0x4848FF, 0x2424FF, 0x0000FF}
            << QStringLiteral("- pozostałe pierwiastki");

    }

    void everyView()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, title);
        QFETCH(QString, caption);
        QFETCH(QStringList, texts);
        QFETCH(QList<quint32>, colours);
        QFETCH(QString, noData);

        ViewTable table;
        QVERIFY(table.start(trigger));

        QCOMPARE(table.messages.texts, QStringList()); // every value is a number or no data
        QCOMPARE(table.title(), title);
        QCOMPARE(table.caption(), caption);
        QCOMPARE(table.shownTexts(), texts);
        QList<QColor> expected;
        for (quint32 c : colours)
            expected << bgr(c);
        QCOMPARE(table.shownColours(), expected);
        QList<int> firstEntries;
        for (int k = 1; k <= texts.size(); ++k)
            firstEntries << k;
        QCOMPARE(table.shownEntries(), firstEntries);

        const LegendLine last = table.legend(16);
        QCOMPARE(last.shown, !noData.isEmpty());
        if (last.shown) {
            QCOMPARE(last.text, noData);
            QCOMPARE(last.colour, greyText());
        }

        // The legend takes the place of the date and the clock.
        QVERIFY(table.legendShown());
        QVERIFY(table.find<QWidget>(QStringLiteral("WitamyLab1"))->isHidden());
        QVERIFY(table.find<QWidget>(QStringLiteral("WitamyLab2"))->isHidden());

        // A view button clicks, a menu item sounds like a menu command; one cue a view.
        const bool menuItem = table.find<QAction>(trigger) != nullptr;
        QCOMPARE(table.log.played,
                 QStringList{menuItem ? QStringLiteral("KTXOverButton.wav") : QStringLiteral("KTXbutton.wav")});

        // Legend and table agree: an enabled element shows a colour of the
        // legend, or the black it had before the view (hydrogen, which has
        // no predecessor, aside in the shell views).
        for (int n = 2; n <= Catalogue::kCount; ++n)
            if (table.enabled(n))
                QVERIFY2(expected.contains(table.colourOf(n)) || table.colourOf(n) == buttonText(),
                         qPrintable(QStringLiteral("element %1 in %2").arg(n).arg(table.colourOf(n).name())));
    }
};

TABLICZNIK_REGISTER_TEST(ViewLegendsTest)
#include "legends_test.moc"
