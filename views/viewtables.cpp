#include "viewtables.h"

namespace tablicznik {
namespace {

// The colour ramps of the numeric scales, 0x00BBGGRR, entry 1 first.
const std::vector<quint32> kDarkBlueWhiteDarkRed = {0x5F0000, 0x9F0000, 0xDF0000, 0xFF1F1F, 0xFF5F5F, 0xFF9F9F, 0xFFDFDF, 0xFFFFFF, 0xDFDFFF, 0x9F9FFF, 0x5F5FFF, 0x1F1FFF, 0x0000DF, 0x00009F, 0x00005F};
const std::vector<quint32> kPaleBlueBlueBlack = {0xFFDADA, 0xFFB6B6, 0xFF9191, 0xFF6D6D, 0xFF4848, 0xFF2424, 0xFF0000, 0xFF0000, 0xDA0000, 0xB60000, 0x910000, 0x6D0000, 0x480000, 0x240000, 0x000000};
const std::vector<quint32> kYellowWhiteRed = {0x24FFFF, 0x47FFFF, 0x6CFFFF, 0x90FFFF, 0xB5FFFF, 0xD9FFFF, 0xFEFFFF, 0xFFFFFF, 0xDADAFF, 0xB6B6FF, 0x9191FF, 0x6D6DFF, 0x4848FF, 0x2424FF, 0x0000FF};
const std::vector<quint32> kGreenWhiteBlue = {0x24FF24, 0x47FF48, 0x6CFF6D, 0x90FF91, 0xB5FFB6, 0xD9FFDA, 0xFEFFFF, 0xFFFFFF, 0xFFDADA, 0xFFB6B6, 0xFF9191, 0xFF6D6D, 0xFF4848, 0xFF2424, 0xFF0000};
const std::vector<quint32> kNearBlackRedYellow = {0x000024, 0x000048, 0x00006D, 0x000091, 0x0000B6, 0x0000DA, 0x0000FF, 0x0000FF, 0x0024FF, 0x0048FF, 0x006DFF, 0x0091FF, 0x00B6FF, 0x00DAFF, 0x00FFFF};
const std::vector<quint32> kDarkOliveYellowRed = {0x022626, 0x024A4A, 0x026E6E, 0x029292, 0x02B6B6, 0x02DADA, 0x02FFFF, 0x02FFFF, 0x02DAFF, 0x02B6FF, 0x0292FF, 0x026EFF, 0x024AFF, 0x0226FF, 0x0201FF};
const std::vector<quint32> kNearBlackRedWhite = {0x000024, 0x000048, 0x00006D, 0x000091, 0x0000B6, 0x0000DA, 0x0000FF, 0x0000FF, 0x2424FF, 0x4848FF, 0x6D6DFF, 0x9191FF, 0xB6B6FF, 0xDADAFF, 0xFFFFFF};
const std::vector<quint32> kBlueYellowGreen = {0xDA2424, 0xB64848, 0x916D6D, 0x6D9191, 0x48B6B6, 0x24DADA, 0x00FFFF, 0x00FFFF, 0x00FFDA, 0x00FFB6, 0x00FF92, 0x00FF6E, 0x00FF4A, 0x00FF26, 0x00FF01};
const std::vector<quint32> kBlueYellowRed = {0xDA2424, 0xB64848, 0x916D6D, 0x6D9191, 0x48B6B6, 0x24DADA, 0x00FFFF, 0x00FFFF, 0x00DAFF, 0x00B6FF, 0x0092FF, 0x006EFF, 0x004AFF, 0x0026FF, 0x0001FF};
const std::vector<quint32> kBlueOliveYellowRed = {0xDA1E1E, 0xB63A3A, 0x925656, 0x6E7373, 0x4A8F8F, 0x26ABAB, 0x01C8C8, 0x02C8C8, 0x02ABCF, 0x028FD7, 0x0273DF, 0x0256E7, 0x023AEF, 0x021EF7, 0x0202FF};
const std::vector<quint32> kBlueWhiteRed = {0xC32424, 0xCD4848, 0xD76D6D, 0xE19191, 0xEBB6B6, 0xF5DADA, 0xFFFFFF, 0xFFFFFF, 0xDADAF5, 0xB6B6EB, 0x9191E1, 0x6D6DD7, 0x4848CD, 0x2424C3, 0x0000B9};
const std::vector<quint32> kPaleOrangeOrangeDarkBlue = {0xDAF0FF, 0xB6E2FF, 0x92D4FF, 0x6EC5FF, 0x4AB7FF, 0x26A9FF, 0x019BFF, 0x029BFF, 0x1785DA, 0x2D6FB6, 0x435992, 0x59436E, 0x6F2D4A, 0x851726, 0x9B0101};
const std::vector<quint32> kLightRedDarkBlueBlueWhite = {0x3F3FFF, 0x4A0202, 0x920202, 0xDA0202, 0xFF0202, 0xFF0202, 0xFF2626, 0xFF6E6E, 0xFF9292, 0xFFDADA, 0xFFFFFF};

// Paramagnetic and diamagnetic susceptibility: blue, white, magenta.
const std::vector<quint32> kBlueWhiteMagenta = {0xFF2424, 0xFF4848, 0xFF6D6D, 0xFF9191, 0xFFB6B6, 0xFFDADA, 0xFFFFFF, 0xFFFFFF, 0xFFDAFF, 0xFFB6FF, 0xFF92FF, 0xFF6EFF, 0xFF4AFF, 0xFF26FF, 0xFF01FF};

// Abundance ranks: green for the most abundant, through white, to red.
const std::vector<quint32> kRanks15 = {0x25FF25, 0x49FF49, 0x6DFF6D, 0x92FF92, 0xB6FFB6, 0xDAFFDA, 0xFFFFFF, 0xFFFFFF, 0xDADAFF, 0xB6B6FF, 0x9191FF, 0x6D6DFF, 0x4848FF, 0x2424FF, 0x0000FF};
const std::vector<quint32> kRanks13 = {0x49FF49, 0x6DFF6D, 0x92FF92, 0xB6FFB6, 0xDAFFDA, 0xFFFFFF, 0xFFFFFF, 0xDADAFF, 0xB6B6FF, 0x9191FF, 0x6D6DFF, 0x4848FF, 0x2424FF};
const std::vector<quint32> kRanks12 = {0x49FF49, 0x6DFF6D, 0x92FF92, 0xB6FFB6, 0xDAFFDA, 0xFFFFFF, 0xDADAFF, 0xB6B6FF, 0x9191FF, 0x6D6DFF, 0x4848FF, 0x2424FF};

constexpr quint32 kLightGreen = 0x5FFF5F, kLightRed = 0x5F5FFF, kLightBlue = 0xFF5F5F, kLightYellow = 0x5FFFFF;

const char *const kEraTitle = " Rok odkrycia (wytworzenia): ";

} // namespace

const std::vector<NumericScaleView> kNumericScaleViews = {
    {
        .trigger = "PromAtomButton",
        .field = &ElementRecord::PromAtom,
        .Title = " Promień atomu [pm]: ",
        .caption = "PROMIEŃ ATOMU [pm].",
        .bounds = {"68", "87", "106", "125", "144", "163", "182", "201", "220", "239", "258", "277", "296", "315"},
        .colours = kDarkBlueWhiteDarkRed,
    },
    {
        .trigger = "PromKowalButton",
        .field = &ElementRecord::PromKowal,
        .Title = " Promień kowalencyjny atomu [pm]: ",
        .caption = "PROMIEŃ KOWALENCYJNY ATOMU [pm].",
        .bounds = {"45", "59", "73", "81", "100", "113", "128", "140", "154", "167", "181", "194", "208", "221"},
        .colours = kDarkBlueWhiteDarkRed,
    },
    {
        .trigger = "TwardoscButton",
        .field = &ElementRecord::Twardosc,
        .Title = " Twardość pierwiastka (skala Brinella): ",
        .caption = "TWARDOŚĆ.",
        .bounds = {"1", "10", "50", "100", "200", "400", "500", "600", "700", "800", "1000", "1500", "2000", "3000"},
        .colours = kPaleBlueBlueBlack,
    },
    {
        .trigger = "WytrzRozButton",
        .field = &ElementRecord::WytrzRoz,
        .Title = " Wytrzymałość na rozciąganie [MPa]: ",
        .caption = "WYTRZYMAŁOŚĆ NA ROZCIĄGANIE PIERWIASTKA [MPa].",
        .bounds = {"10", "12", "14", "17", "21", "29", "41", "61", "94", "147", "235", "379", "615", "1000"},
        .colours = kYellowWhiteRed,
    },
    {
        .trigger = "ModYoungButton",
        .field = &ElementRecord::ModYoung,
        .Title = " Moduł Younga [GPa]: ",
        .caption = "MODUŁ YOUNGA PIERWIASTKA [GPa].",
        .bounds = {"40", "80", "120", "160", "200", "240", "280", "320", "360", "400", "440", "480", "520", "560"},
        .colours = kGreenWhiteBlue,
    },
    {
        .trigger = "ElektroujButton",
        .field = &ElementRecord::Elektrouj,
        .Title = " Elektroujemność wg. Paulinga: ",
        .caption = "ELEKTROUJEMNOŚĆ PIERWIASTKA.",
        .bounds = {"0,50", "0,75", "1,00", "1,25", "1,50", "1,75", "2,00", "2,25", "2,50", "2,75", "3,00", "3,25", "3,50", "3,75"},
        .colours = kDarkBlueWhiteDarkRed,
    },
    {
        .trigger = "PowElektrButton",
        .field = &ElementRecord::PowElektr,
        .Title = " Powinowactwo elektronowe [eV]: ",
        .caption = "POWINOWACTWO ELEKTRONOWE PIERWIASTKA [eV].",
        .bounds = {"-2,1", "-1,7", "-1,3", "-0,9", "-0,5", "0,0", "0,3", "0,7", "1,2", "1,6", "2,0", "2,4", "2,8", "3,2"},
        .colours = kDarkBlueWhiteDarkRed,
        .reading = Reading::BelowZeroAsZero,
    },
    {
        .trigger = "TempTopButton",
        .field = &ElementRecord::TempTop,
        .Title = " Temperatura topnienia [°C]: ",
        .caption = "TEMPERATURA TOPNIENIA TYPOWEJ FORMY PIERWIASTKA [°C].",
        .bounds = {"-200", "-100", "0", "500", "1000", "1300", "1600", "1900", "2200", "2500", "2800", "3100", "3400", "3700"},
        .colours = kNearBlackRedYellow,
        .reading = Reading::BelowZeroAsZero,
    },
    {
        .trigger = "EntTopButton",
        .field = &ElementRecord::EntTop,
        .Title = " Entalpia topnienia [kJ/mol]: ",
        .caption = "ENTALPIA TOPNIENIA [kJ/mol].",
        .bounds = {"4", "8", "12", "16", "20", "24", "28", "32", "36", "40", "44", "48", "52", "56"},
        .colours = kDarkOliveYellowRed,
    },
    {
        .trigger = "TempWrzButton",
        .field = &ElementRecord::TempWrz,
        .Title = " Temperatura wrzenia [°C]: ",
        .caption = "TEMPERATURA WRZENIA TYPOWEJ FORMY PIERWIASTKA [°C].",
        .bounds = {"-200", "-100", "0", "500", "1000", "1500", "2000", "2500", "3000", "3500", "4000", "4500", "5000", "5500"},
        .colours = kNearBlackRedYellow,
        .reading = Reading::BelowZeroAsZero,
    },
    {
        .trigger = "MolEntAtomButton",
        .field = &ElementRecord::MolEntAtom,
        .Title = " Molowa entalpia atomizacji [kJ/mol]: ",
        .caption = "MOLOWA ENTALPIA ATOMIZACJI [kJ/mol].",
        .bounds = {"50", "100", "150", "200", "250", "300", "350", "400", "450", "500", "550", "600", "650", "700"},
        .colours = kNearBlackRedWhite,
        .reading = Reading::BoilingDisabled,
    },
    {
        .trigger = "WspPrzewCiepButton",
        .field = &ElementRecord::WspPrzewCiep,
        .Title = " Współczynnik przewodnictwa ciepła [W/(m•K)]: ",
        .caption = "WSPÓŁCZYNNIK PRZEWODZENIA CIEPŁA [W/(m•K)].",
        .bounds = {"25", "50", "75", "100", "125", "150", "175", "200", "225", "250", "275", "300", "325", "350"},
        .colours = kBlueYellowGreen,
    },
    {
        .trigger = "MolPojCiepButton",
        .field = &ElementRecord::MolPojCiep,
        .Title = " Molowa pojemność cieplna [J/(mol•K)]: ",
        .caption = "MOLOWA POJEMNOŚĆ CIEPLNA [J/(mol•K)].",
        .bounds = {"10", "15", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "40"},
        .colours = kBlueYellowRed,
    },
    {
        .trigger = "EntropMolButton",
        .field = &ElementRecord::EntropMol,
        .Title = " Entropia molowa [J/(mol•K)]: ",
        .caption = "ENTROPIA MOLOWA [J/(mol•K)].",
        .bounds = {"13", "20", "25", "30", "35", "40", "45", "60", "80", "100", "120", "140", "160", "180"},
        .colours = kBlueOliveYellowRed,
    },
    {
        .trigger = "PotJon1Button",
        .field = &ElementRecord::PotJon1,
        .Title = " Energia jonizacji pierwszego stopnia [eV]: ",
        .caption = "ENERGIA PIERWSZEJ JONIZACJI [eV].",
        .bounds = {"4,0", "5,0", "6,0", "7,0", "8,0", "9,0", "10,0", "11,0", "12,0", "13,0", "14,0", "15,0", "16,0", "17,0"},
        .colours = kBlueWhiteRed,
    },
    {
        .trigger = "PotJon2Button",
        .field = &ElementRecord::PotJon2,
        .Title = " Energia jonizacji drugiego stopnia [eV]: ",
        .caption = "ENERGIA DRUGIEJ JONIZACJI [eV].",
        .bounds = {"11,0", "12,0", "12,5", "13,0", "14,0", "15,0", "17,0", "19,0", "22,0", "26,0", "32,0", "39,0", "48,0", "60,0"},
        .colours = kBlueWhiteRed,
        .ends = {"- 10,0÷%1", "- powyżej %1"},
    },
    {
        .trigger = "PotJon3Button",
        .field = &ElementRecord::PotJon3,
        .Title = " Energia jonizacji trzeciego stopnia [eV]: ",
        .caption = "ENERGIA TRZECIEJ JONIZACJI [eV].",
        .bounds = {"19,8", "20,7", "22,0", "24,1", "27,3", "32,3", "40,1", "52,2", "70,9", "100,0", "112,0", "124,0", "136,0", "148,0"},
        .colours = kBlueWhiteRed,
    },
    {
        .trigger = "PotJon4Button",
        .field = &ElementRecord::PotJon4,
        .Title = " Energia jonizacji czwartego stopnia [eV]: ",
        .caption = "ENERGIA CZWARTEJ JONIZACJI [eV].",
        .bounds = {"30,2", "30,8", "31,9", "33,4", "35,7", "39,0", "43,9", "51,1", "61,7", "77,4", "100,6", "134,7", "185,1", "259,0"},
        .colours = kBlueWhiteRed,
    },
    {
        .trigger = "LiczIzotopButton",
        .field = &ElementRecord::LiczIzotop,
        .Title = " Liczba znanych izotopów pierwiastka: ",
        .caption = "LICZBA OTRZYMANYCH I ZNANYCH IZOTOPÓW.",
        .bounds = {"2", "5", "7", "10", "12", "15", "17", "20", "22", "25", "27", "30", "32", "35"},
        .colours = kPaleOrangeOrangeDarkBlue,
    },
    {
        .trigger = "LiczTrIzotopButton",
        .field = &ElementRecord::LiczTrIzotop,
        .Title = " Liczba trwałych izotopów: ",
        .caption = "LICZBA TRWAŁYCH IZOTOPÓW.",
        .Count = 11,
        .bounds = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
        .colours = kLightRedDarkBlueBlueWhite,
        .reading = Reading::ExactCounts,
        .texts = {" - brak", " - 1", " - 2", " - 3", " - 4", " - 5", " - 6", " - 7", " - 8", " - 9", " - 10 i więcej"},
        .noData = "",
        .unusedColour = 0xFFFFFF,
    },
};

const std::vector<FilteredScaleView> kFilteredScaleViews = {
    {
        .trigger = "CiaaStae1",
        .field = &ElementRecord::Gestosc,
        .Title = " Gęstość ciał stałych i cieczy [g/cm^3]: ",
        .caption = "GĘSTOŚĆ CIAŁ STAŁYCH I CIECZY [g/cm^3].",
        .Count = 16,
        .filter = {&ElementRecord::StanSkup, "gazowy", false},
        .bounds = {"1,4", "2,9", "4,3", "5,7", "7,2", "8,6", "10,1", "11,5", "12,9", "14,4", "15,8", "17,3", "18,7", "20,1"},
        .colours = {0xDAFFDA, 0xB6FFB6, 0x91FF91, 0x6DFF6D, 0x48FF48, 0x24FF24, 0x00FF00, 0x00FF00, 0x00DA00, 0x00B600,
                    0x009100, 0x006D00, 0x004800, 0x002400, 0x000000},
    },
    {
        .trigger = "Gazy1",
        .field = &ElementRecord::Gestosc,
        .Title = " Gęstość gazów [g/cm^3]: ",
        .caption = "GĘSTOŚĆ GAZÓW [g/cm^3].",
        .Count = 8,
        .filter = {&ElementRecord::StanSkup, "gazowy", true},
        .ranges = {{nullptr, "0,4"}, {"0,6", "0,9"}, {"0,9", "1,25"}, {"1,25", "1,5"}, {"1,5", "1,8"}, {"2,1", "2,4"},
                   {"2,95", "3,3"}, {"4,1", nullptr}},
        .texts = {" - 0,05÷0,4", " - 0,6÷0,9", " - 0,9÷1,25", " - 1,25÷1,5", " - 1,5÷1,8", " - 2,1÷2,4", " - 2,95÷3,3",
                  " - 4,1÷4,5"},
        .colours = {0xDAFFDA, 0x91FF91, 0x48FF48, 0x00FF00, 0x00DA00, 0x009100, 0x004800, 0x000000},
        .noData = " - nie dotyczy, brak danych",
    },
    {
        .trigger = "OporWlasButton",
        .field = &ElementRecord::OporWlas,
        .Title = " Opór właściwy metali [10^(-8) ohm•m]: ",
        .caption = "OPÓR WŁAŚCIWY METALI [10^(-8) ohm•m].",
        .Count = 16,
        .filter = {&ElementRecord::TypPrzew, "metal", true},
        // The bound between entries 13 and 14 is 100, as their texts say.
        .bounds = {"1,4", "2,0", "2,9", "4,2", "6,0", "8,6", "12", "17", "25", "35", "50", "75", "100", "125"},
        .colours = {0x26FF26, 0x4AFF4A, 0x6EFF6E, 0x92FF92, 0xB6FFB6, 0xDAFFDA, 0xFFFFFF, 0xFFFFFF, 0xDADAFF, 0xB6B6FF,
                    0x9292FF, 0x6E6EFF, 0x4A4AFF, 0x2626FF, 0x0101FF},
        // Tellurium's value is a bare power of ten, far above the scale.
        .fixed = {{52, 15}},
        .mantissaOnly = true,
    },
    {
        .trigger = "TempCurButton",
        .field = nullptr,
        .Title = " Temperatura Curie ferromagnetyków [°C]: ",
        .caption = "TEMPERATURA CURIE FERROMAGNETYKÓW [°C].",
        .Count = 7,
        .filter = {&ElementRecord::TempCur, "-", false},
        .texts = {"- -253", "- -186", "- -50", "- +20,2", "- +357", "- +770", "- +1121"},
        .colours = {0xFF4848, 0xFF9191, 0xFFDADA, 0xFFFFFF, 0xFFB6FF, 0xFF6EFF, 0xFF26FF},
        .fixed = {{67, 1}, {66, 2}, {65, 3}, {64, 4}, {28, 5}, {26, 6}, {27, 7}},
    },
};

const std::vector<CategoryView> kCategoryViews = {
    {
        .trigger = "StanSkupButton",
        .field = &ElementRecord::StanSkup,
        .Title = " Stan skupienia: ",
        .caption = "STAN SKUPIENIA.",
        .Count = 3,
        .entries = {{"- gazowy", kLightGreen, "gazowy"},
                    {"- ciekły", kLightBlue, "ciekły"},
                    {"- ciało stałe", kLightYellow, "ciało stałe"}},
        .noData = "",
    },
    {
        .trigger = "CharTlenButton",
        .field = &ElementRecord::CharTlen,
        .Title = " Charakter tlenku: ",
        .caption = "CHARAKTER TLENKU.",
        .Count = 4,
        .entries = {{"- zasadowy", 0xFF3F3F, "zasadowy"},
                    {"- kwasowy", 0x3F3FFF, "kwasowy"},
                    {"- amfoteryczny", 0x008080, "amfoteryczny"},
                    {"- brak tlenków", 0xFFFFFF, "brak tlenków"}},
        .noData = "- brak danych",
    },
    {
        .trigger = "WartTypButton",
        .field = &ElementRecord::WartTyp,
        .Title = " Najczęściej występująca wartościowość: ",
        .caption = "TYPOWA WARTOŚCIOWOŚĆ PIERWIASTKA.",
        .Count = 7,
        .entries = {{"- 1", 0x49FFFF, "1"},
                    {"- 2", 0x92FFFF, "2"},
                    {"- 3", 0xDAFFFF, "3"},
                    {"- 4", 0xFFFFFF, "4"},
                    {"- 5", 0xFFB6B6, "5"},
                    {"- 6", 0xFF6D6D, "6"},
                    {"- 7", 0xFF2424, "7"}},
        .comparison = Comparison::Number,
    },
    {
        .trigger = "TypStopUtlButton",
        .field = &ElementRecord::TypStopUtl,
        .Title = " Najczęściej występujący stopień utlenienia: ",
        .caption = "NAJCZĘSTSZY STOPIEŃ UTLENIENIA PIERWIASTKA.",
        .Count = 12,
        .entries = {{"- -3", 0x024AFF, "-3"},
                    {"- -2", 0x026EFF, "-2"},
                    {"- -1", 0x0292FF, "-1"},
                    {"- 0", 0x02B6FF, "0"},
                    {"- +1", 0x02DAFF, "+1"},
                    {"- +2", 0x02FFFF, "+2"},
                    {"- +3", 0x26DADA, "+3"},
                    {"- +4", 0x4AB6B6, "+4"},
                    {"- +5", 0x6E9292, "+5"},
                    {"- +6", 0x926E6E, "+6"},
                    {"- +7", 0xB64A4A, "+7"},
                    {"- +8", 0xDA2626, "+8"}},
        .comparison = Comparison::FirstListedNumber,
    },
};

const std::array<ShellEntry, 4> kShellEntries = {{
    {"- wzrost na powłoce %1", kLightGreen},
    {"- spadek na powłoce %1", kLightRed},
    {"- bez zmian na powłoce %1", kLightYellow},
    {"- brak elektronów na powłoce %1", 0x000000},
}};

// Element 1 has no predecessor: shell K shows it pure green, the others black.
const std::vector<ShellView> kShellViews = {
    {"PowKButton", &ElementRecord::PowK, "K", " Zmiany w konfiguracji elektronowej na powłoce K: ",
     "ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE K.", 3, 0x00FF00, false},
    {"PowLButton", &ElementRecord::PowL, "L", " Zmiany w konfiguracji elektronowej na powłoce L: ",
     "ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE L.", 4, 0x000000, true},
    {"PowMButton", &ElementRecord::PowM, "M", " Zmiany w konfiguracji elektronowej na powłoce M: ",
     "ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE M.", 4, 0x000000, true},
    {"PowNButton", &ElementRecord::PowN, "N", " Zmiany w konfiguracji elektronowej na powłoce N: ",
     "ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE N.", 4, 0x000000, true},
    // Palladium's O shell is empty after rhodium's one electron: a decrease, not black.
    {"PowOButton", &ElementRecord::PowO, "O", " Zmiany w konfiguracji elektronowej na powłoce O: ",
     "ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE O.", 4, 0x000000, true, FixedEntry{46, 2}},
    {"PowPButton", &ElementRecord::PowP, "P", " Zmiany w konfiguracji elektronowej na powłoce P: ",
     "ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE P.", 4, 0x000000, true},
    {"PowQButton", &ElementRecord::PowQ, "Q", " Zmiany w konfiguracji elektronowej na powłoce Q: ",
     "ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE Q.", 4, 0x000000, true},
};

const std::vector<EraView> kEraViews = {
    {
        .trigger = "Star1",
        .field = &ElementRecord::RokOdkryc,
        .Title = kEraTitle,
        .caption = "PIERWIASTKI ZNANE JUŻ W STAROŻYTNOŚCI.",
        .Count = 1,
        .eraWords = {"starożytność"},
        .texts = {"- znany już w starożytności"},
        .colours = {kLightGreen},
        .firstElementColour = 0x000000,
        .noData = kOtherElements,
    },
    {
        .trigger = "redniowiecze1",
        .field = &ElementRecord::RokOdkryc,
        .Title = kEraTitle,
        .caption = "PIERWIASTKI ODKRYTE W ŚREDNIOWIECZU.",
        .Count = 1,
        .eraWords = {"średniowiecze"},
        .texts = {"- poznany w średniowieczu"},
        .colours = {kLightGreen},
        .firstElementColour = 0x000000,
        .noData = kOtherElements,
    },
    {
        .trigger = "Pozostae1",
        .field = &ElementRecord::RokOdkryc,
        .Title = kEraTitle,
        .caption = "DATY ODKRYCIA PIERWIASTKÓW.",
        .Count = 13,
        .eraWords = {"średniowiecze", "starożytność"},
        .bounds = {"1700", "1725", "1750", "1775", "1800", "1825", "1850", "1875", "1900", "1925", "1950", "1975"},
        .ends = {"- przed %1", "- %1÷dziś"},
        // The older the discovery, the darker.
        .colours = {0x1C0000, 0x390000, 0x550000, 0x720000, 0x8E0000, 0xAB0000, 0xC80000, 0xD7480E, 0xDF6D15, 0xE7911C,
                    0xEFB623, 0xF7DA2A, 0xFEFF32},
    },
};

const std::vector<TypeFilterView> kTypeFilterViews = {
    {"Pokametale1", TypeKey::Conduction, " Metale: ", "PIERWIASTKI METALICZNE.", 1,
     {{"- metal", kLightBlue, "metal"}}},
    {"Pokaizolatory1", TypeKey::Conduction, " Izolatory: ", "IZOLATORY.", 1,
     {{"- izolator", kLightYellow, "izolator"}}},
    {"Pokapprzewodniki1", TypeKey::Conduction, " Półprzewodniki: ", "NATURALNE PÓŁPRZEWODNIKI.",
     1, {{"- półprzewodnik", kLightGreen, "półprzewodnik"}}},
    {"Pokawszystkie1", TypeKey::Conduction, " Typ przewodnictwa: ", "TYP PRZEWODNICTWA.", 3,
     {{"- metal", kLightBlue, "metal"},
      {"- półprzewodnik", kLightGreen, "półprzewodnik"},
      {"- izolator", kLightYellow, "izolator"}}},
    {"Pokadiamagnetyki1", TypeKey::Magnetic, " Diamagnetyki: ", "PIERWIASTKI DIAMAGNETYCZNE.",
     1, {{"- diamagnetyk", kLightYellow, "diamagnetyk"}}},
    {"Pokaparamagnetyki1", TypeKey::Magnetic, " Paramagnetyki: ",
     "PIERWIASTKI PARAMAGNETYCZNE.", 1, {{"- paramagnetyk", kLightGreen, "paramagnetyk"}}},
    {"Pokaferromagnetyki1", TypeKey::Magnetic, " Ferromagnetyki: ", "FERROMAGNETYKI.", 1,
     {{"- ferromagnetyk", kLightBlue, "ferromagnetyk"}}},
    // This title alone has no leading blank.
    {"Pokawszystkie2", TypeKey::Magnetic, "Typ magnetyczny: ", "TYP MAGNETYCZNY PIERWIASTKA.", 3,
     {{"- diamagnetyk", kLightYellow, "diamagnetyk"},
      {"- paramagnetyk", kLightGreen, "paramagnetyk"},
      {"- ferromagnetyk", kLightBlue, "ferromagnetyk"}}},
};

const std::vector<SusceptibilityView> kSusceptibilityViews = {
    {
        .trigger = "Pokaparamagnetyki2",
        .field = &ElementRecord::PodatMag,
        .Title = " Podatność magnetyczna paramagnetyków [10^(-6) cm^3/mol]: ",
        .caption = "PODATNOŚĆ MAGNETYCZNA PARAMAGNETYKÓW [10^(-6) cm^3/mol].",
        .Count = 16,
        .side = Side::NotNegative,
        .bounds = {"5", "15", "20", "25", "35", "45", "70", "130", "240", "450", "800", "1500", "2700", "5000"},
        .ends = {"- poniżej %1", "- powyżej %1"},
        .colours = kBlueWhiteMagenta,
    },
    {
        .trigger = "Pokadiamagnetyki2",
        .field = &ElementRecord::PodatMag,
        .Title = " Podatność magnetyczna diamagnetyków [10^(-6) cm^3/mol]: ",
        .caption = "PODATNOŚĆ MAGNETYCZNA DIAMAGNETYKÓW [10^(-6) cm^3/mol].",
        .Count = 16,
        .side = Side::Negative,
        .bounds = {"-8", "-16", "-24", "-32", "-40", "-48", "-56", "-64", "-72", "-80", "-88", "-96", "-104", "-122"},
        .ends = {"- powyżej %1", "- poniżej %1"},
        .colours = kBlueWhiteMagenta,
    },
};

const std::vector<AbundanceView> kAbundanceViews = {
    {
        .trigger = "ZawZiemiaButton",
        .Title = " Zawartość w Ziemi [pierwszych 13 pierwiastków]: ",
        .caption = "ZAWARTOŚĆ W ZIEMI [% WAGI].",
        .Count = 13,
        .AbundanceRanking = {{26, "- żelazo"}, {8, "- tlen"}, {14, "- krzem"}, {12, "- magnez"}, {16, "- siarka"},
                             {28, "- nikiel"}, {20, "- wapń"}, {13, "- glin"}, {24, "- chrom"}, {15, "- fosfor"},
                             {11, "- sód"}, {22, "- tytan"}, {27, "- kobalt"}},
        .colours = kRanks13,
    },
    {
        .trigger = "ZawSkorZiemButton",
        .Title = " Zawartość w skorupie ziem. [pierwszych 12 pierwiastków]: ",
        .caption = "ZAWARTOŚĆ W SKORUPIE ZIEMSKIEJ [% WAGI].",
        .Count = 12,
        .AbundanceRanking = {{8, "- tlen"}, {14, "- krzem"}, {13, "- glin"}, {26, "- żelazo"}, {20, "- wapń"},
                             {12, "- magnez"}, {11, "- sód"}, {19, "- potas"}, {22, "- tytan"}, {1, "- wodór"},
                             {15, "- fosfor"}, {25, "- mangan"}},
        .colours = kRanks12,
    },
    {
        .trigger = "ZawOceanButton",
        .Title = " Zawartość w oceanie [pierwszych 15 pierwiastków]: ",
        .caption = "ZAWARTOŚĆ W WODACH OCEANU [W 1000 kg WODY MORSKIEJ].",
        .Count = 15,
        // Ranks 12 to 15 follow the sea-water amounts of the catalogue, and
        // the legend names the elements it colours.
        .AbundanceRanking = {{8, "- tlen"}, {1, "- wodór"}, {17, "- chlor"}, {11, "- sód"}, {12, "- magnez"},
                             {16, "- siarka"}, {20, "- wapń"}, {19, "- potas"}, {35, "- brom"}, {6, "- węgiel"},
                             {38, "- stront"}, {5, "- bor"}, {14, "- krzem"}, {9, "- fluor"}, {18, "- argon"}},
        .colours = kRanks15,
    },
    {
        .trigger = "ZawUkladButton",
        .Title = " Zawartość we Wszechświecie [pierwszych 15 pierwiastków]: ",
        .caption = "ZAWARTOŚĆ WE WSZECHŚWIECIE [% WAGI].",
        .Count = 15,
        .AbundanceRanking = {{1, "- wodór"}, {2, "- hel"}, {8, "- tlen"}, {6, "- węgiel"}, {10, "- neon"},
                             {26, "- żelazo"}, {7, "- azot"}, {14, "- krzem"}, {12, "- magnez"}, {16, "- siarka"},
                             {18, "- argon"}, {28, "- nikiel"}, {20, "- wapń"}, {13, "- glin"}, {11, "- sód"}},
        .colours = kRanks15,
    },
    {
        .trigger = "ZawCzlowButton",
        .Title = " Zawartość w org. człowieka [pierwszych 15 pierwiastków]: ",
        .caption = "ZAWARTOŚĆ W ORGANIZMIE CZŁOWIEKA [% WAGI].",
        .Count = 15,
        .AbundanceRanking = {{8, "- tlen"}, {6, "- węgiel"}, {1, "- wodór"}, {7, "- azot"}, {20, "- wapń"},
                             {16, "- siarka"}, {15, "- fosfor"}, {11, "- sód"}, {19, "- potas"}, {17, "- chlor"},
                             {12, "- magnez"}, {26, "- żelazo"}, {14, "- krzem"}, {30, "- cynk"}, {37, "- rubid"}},
        .colours = kRanks15,
    },
};

// The items' object names are their captions with the Polish letters left
// out, as they have always been stored: "CiaaStae1" is "Ciała stałe",
// "redniowiecze1" "Średniowiecze", "Pozostae1" "Pozostałe" (the older
// caption of "Wszystkie"), "Poka…" "Pokaż …", "Star1" "Starożytność".
const std::vector<ViewMenu> kViewMenus = {
    {"GestoscPopupMenu",
     "GestoscButtonClick",
     {{"Gazy1", "Gazy"}, {"CiaaStae1", "Ciała Stałe i Ciecze"}}},
    {"RokOdkrycPopupMenu",
     "RokOdkrycButtonClick",
     {{"Star1", "Starożytność"},
      {"redniowiecze1", "Średniowiecze"},
      {"Pozostae1", "Wszystkie"}}},
    {"TypPrzewPopupMenu",
     "TypPrzewButtonClick",
     {{"Pokametale1", "Pokaż metale"},
      {"Pokaizolatory1", "Pokaż izolatory"},
      {"Pokapprzewodniki1", "Pokaż półprzewodniki"},
      {nullptr},
      {"Pokawszystkie1", "Pokaż wszystkie"}}},
    {"TypMagnetPopupMenu",
     "TypMagnetButtonClick",
     {{"Pokadiamagnetyki1", "Pokaż diamagnetyki"},
      {"Pokaparamagnetyki1", "Pokaż paramagnetyki"},
      {"Pokaferromagnetyki1", "Pokaż ferromagnetyki"},
      {nullptr},
      {"Pokawszystkie2", "Pokaż wszystkie"}}},
    {"PodatMagPopupMenu",
     "PodatMagButtonClick",
     {{"Pokaparamagnetyki2", "Pokaż paramagnetyki"},
      {"Pokadiamagnetyki2", "Pokaż diamagnetyki"}}},
};

} // namespace tablicznik
