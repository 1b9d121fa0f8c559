#include "solubility.h"

#include <QHash>
#include <QLocale>
#include <QStringList>

#include <cmath>

namespace tablicznik::solubility {

const std::array<Ion, kAnionCount> kAnions = {{
    {"OH⁻", "OH", -1, "wodorotlenek", "wodorotlenkowy"},
    {"F⁻", "F", -1, "fluorek", "fluorkowy"},
    {"Cl⁻", "Cl", -1, "chlorek", "chlorkowy"},
    {"Br⁻", "Br", -1, "bromek", "bromkowy"},
    {"I⁻", "I", -1, "jodek", "jodkowy"},
    {"S²⁻", "S", -2, "siarczek", "siarczkowy"},
    {"SO₃²⁻", "SO3", -2, "siarczan(IV)", "siarczanowy(IV)"},
    {"SO₄²⁻", "SO4", -2, "siarczan(VI)", "siarczanowy(VI)"},
    {"NO₃⁻", "NO3", -1, "azotan(V)", "azotanowy(V)"},
    {"CO₃²⁻", "CO3", -2, "węglan", "węglanowy"},
    {"SiO₃²⁻", "SiO3", -2, "krzemian", "krzemianowy"},
    {"PO₄³⁻", "PO4", -3, "fosforan(V)", "fosforanowy(V)"},
    {"CH₃COO⁻", "CH3COO", -1, "octan", "octanowy"},
}};

const std::array<Ion, kCationCount> kCations = {{
    {"Na⁺", "Na", 1, "sodu", "sód"},
    {"K⁺", "K", 1, "potasu", "potas"},
    {"NH₄⁺", "NH4", 1, "amonu", "amon"},
    {"Mg²⁺", "Mg", 2, "magnezu", "magnez"},
    {"Ca²⁺", "Ca", 2, "wapnia", "wapń"},
    {"Sr²⁺", "Sr", 2, "strontu", "stront"},
    {"Ba²⁺", "Ba", 2, "baru", "bar"},
    {"Al³⁺", "Al", 3, "glinu", "glin"},
    {"Cr³⁺", "Cr", 3, "chromu(III)", "chrom(III)"},
    {"Mn²⁺", "Mn", 2, "manganu(II)", "mangan(II)"},
    {"Fe²⁺", "Fe", 2, "żelaza(II)", "żelazo(II)"},
    {"Fe³⁺", "Fe", 3, "żelaza(III)", "żelazo(III)"},
    {"Co²⁺", "Co", 2, "kobaltu(II)", "kobalt(II)"},
    {"Ni²⁺", "Ni", 2, "niklu(II)", "nikiel(II)"},
    {"Cu²⁺", "Cu", 2, "miedzi(II)", "miedź(II)"},
    {"Zn²⁺", "Zn", 2, "cynku", "cynk"},
    {"Ag⁺", "Ag", 1, "srebra", "srebro"},
    {"Sn²⁺", "Sn", 2, "cyny(II)", "cyna(II)"},
    {"Hg²⁺", "Hg", 2, "rtęci(II)", "rtęć(II)"},
    {"Pb²⁺", "Pb", 2, "ołowiu(II)", "ołów(II)"},
}};

namespace {

// One row per anion, in the order of kAnions; the cations in the order of
// kCations. "-" is the booklet's "—".
//                                 Na K NH4 Mg Ca Sr Ba Al Cr Mn Fe2 Fe3 Co Ni Cu Zn Ag Sn Hg Pb
const char *const kMarks[kAnionCount] = {
    "R R R N T T R N N N N N N N N N - N - N", // OH⁻
    "R R R N N N T T N T T T R R N R R R - N", // F⁻
    "R R R R R R R R R R R R R R R R N R R T", // Cl⁻
    "R R R R R R R R R R R R R R R R N R T T", // Br⁻
    "R R R R R R R R R R R - R R - R N T N N", // I⁻
    "R R R - - R R - - N N - N N N N N N N N", // S²⁻
    "R R R T N N N - - N N - N N - N N - - N", // SO₃²⁻
    "R R R R T N N R R R R R R R R R T R - N", // SO₄²⁻
    "R R R R R R R R R R R R R R R R R - R R", // NO₃⁻
    "R R R N N N N - - N N - N N - N N - - N", // CO₃²⁻
    "R R - N N N N N N N N N N N N N - - - N", // SiO₃²⁻
    "R R R N N N N N N N N N N N N N N N N N", // PO₄³⁻
    "R R R R R R R - R R R - R R R R T - R R", // CH₃COO⁻
};

// The formulas as school books write them (acetates with the anion first).
const char *const kFormulas[kAnionCount] = {
    "NaOH KOH NH4OH Mg(OH)2 Ca(OH)2 Sr(OH)2 Ba(OH)2 Al(OH)3 Cr(OH)3 Mn(OH)2 Fe(OH)2 Fe(OH)3 Co(OH)2 Ni(OH)2 "
    "Cu(OH)2 Zn(OH)2 AgOH Sn(OH)2 Hg(OH)2 Pb(OH)2",
    "NaF KF NH4F MgF2 CaF2 SrF2 BaF2 AlF3 CrF3 MnF2 FeF2 FeF3 CoF2 NiF2 CuF2 ZnF2 AgF SnF2 HgF2 PbF2",
    "NaCl KCl NH4Cl MgCl2 CaCl2 SrCl2 BaCl2 AlCl3 CrCl3 MnCl2 FeCl2 FeCl3 CoCl2 NiCl2 CuCl2 ZnCl2 AgCl SnCl2 "
    "HgCl2 PbCl2",
    "NaBr KBr NH4Br MgBr2 CaBr2 SrBr2 BaBr2 AlBr3 CrBr3 MnBr2 FeBr2 FeBr3 CoBr2 NiBr2 CuBr2 ZnBr2 AgBr SnBr2 "
    "HgBr2 PbBr2",
    "NaI KI NH4I MgI2 CaI2 SrI2 BaI2 AlI3 CrI3 MnI2 FeI2 FeI3 CoI2 NiI2 CuI2 ZnI2 AgI SnI2 HgI2 PbI2",
    "Na2S K2S (NH4)2S MgS CaS SrS BaS Al2S3 Cr2S3 MnS FeS Fe2S3 CoS NiS CuS ZnS Ag2S SnS HgS PbS",
    "Na2SO3 K2SO3 (NH4)2SO3 MgSO3 CaSO3 SrSO3 BaSO3 Al2(SO3)3 Cr2(SO3)3 MnSO3 FeSO3 Fe2(SO3)3 CoSO3 NiSO3 "
    "CuSO3 ZnSO3 Ag2SO3 SnSO3 HgSO3 PbSO3",
    "Na2SO4 K2SO4 (NH4)2SO4 MgSO4 CaSO4 SrSO4 BaSO4 Al2(SO4)3 Cr2(SO4)3 MnSO4 FeSO4 Fe2(SO4)3 CoSO4 NiSO4 "
    "CuSO4 ZnSO4 Ag2SO4 SnSO4 HgSO4 PbSO4",
    "NaNO3 KNO3 NH4NO3 Mg(NO3)2 Ca(NO3)2 Sr(NO3)2 Ba(NO3)2 Al(NO3)3 Cr(NO3)3 Mn(NO3)2 Fe(NO3)2 Fe(NO3)3 "
    "Co(NO3)2 Ni(NO3)2 Cu(NO3)2 Zn(NO3)2 AgNO3 Sn(NO3)2 Hg(NO3)2 Pb(NO3)2",
    "Na2CO3 K2CO3 (NH4)2CO3 MgCO3 CaCO3 SrCO3 BaCO3 Al2(CO3)3 Cr2(CO3)3 MnCO3 FeCO3 Fe2(CO3)3 CoCO3 NiCO3 "
    "CuCO3 ZnCO3 Ag2CO3 SnCO3 HgCO3 PbCO3",
    "Na2SiO3 K2SiO3 (NH4)2SiO3 MgSiO3 CaSiO3 SrSiO3 BaSiO3 Al2(SiO3)3 Cr2(SiO3)3 MnSiO3 FeSiO3 Fe2(SiO3)3 "
    "CoSiO3 NiSiO3 CuSiO3 ZnSiO3 Ag2SiO3 SnSiO3 HgSiO3 PbSiO3",
    "Na3PO4 K3PO4 (NH4)3PO4 Mg3(PO4)2 Ca3(PO4)2 Sr3(PO4)2 Ba3(PO4)2 AlPO4 CrPO4 Mn3(PO4)2 Fe3(PO4)2 FePO4 "
    "Co3(PO4)2 Ni3(PO4)2 Cu3(PO4)2 Zn3(PO4)2 Ag3PO4 Sn3(PO4)2 Hg3(PO4)2 Pb3(PO4)2",
    "CH3COONa CH3COOK CH3COONH4 (CH3COO)2Mg (CH3COO)2Ca (CH3COO)2Sr (CH3COO)2Ba (CH3COO)3Al (CH3COO)3Cr "
    "(CH3COO)2Mn (CH3COO)2Fe (CH3COO)3Fe (CH3COO)2Co (CH3COO)2Ni (CH3COO)2Cu (CH3COO)2Zn CH3COOAg "
    "(CH3COO)2Sn (CH3COO)2Hg (CH3COO)2Pb",
};

// Fe2+ and Fe3+ share "Fe", so the details are found by formula, which is
// unique in the table.
constexpr double kNoValue = -1;

struct Detail {
    const char *formula;
    double grams;        // in 100 g of water at 25 °C, or kNoValue
    Origin origin;
    const char *precipitate;
    const char *note;
    bool conventional = false; // the school table's mark differs from the value's class
};

constexpr Origin M = Origin::Measured;
constexpr Origin K = Origin::FromProduct;

// Measured values: the handbook's mass percent w at 25 °C turned into grams
// per 100 g of water, 100·w/(100 − w). Values from the solubility product:
// s = (Ksp / (m^m·n^n))^(1/(m+n)) mol/l for a salt of m cations and n anions,
// times the molar mass, per 100 g of water in so dilute a solution; they
// neglect hydrolysis and ion pairs, and so are orders of magnitude, not
// measurements.
const Detail kDetails[] = {
    // Hydroxides
    {"NH4OH", kNoValue, M, "",
     "W wodzie istnieje roztwór amoniaku (NH₃·H₂O), zwany wodą amoniakalną; wodorotlenku amonu jako substancji "
     "nie wydzielono."},
    {"KOH", 121, M, "", ""},
    {"Mg(OH)2", 6.5e-4, K, "biały", ""},
    {"Ca(OH)2", 0.16, M, "biały", "Roztwór to woda wapienna."},
    {"Sr(OH)2", kNoValue, M, "biały", ""},
    {"Al(OH)3", kNoValue, M, "biały, galaretowaty", ""},
    {"Cr(OH)3", kNoValue, M, "szarozielony", ""},
    {"Mn(OH)2", 3.3e-4, K, "biały, na powietrzu brunatnieje", ""},
    {"Fe(OH)2", 2.1e-5, K, "zielonkawy, na powietrzu brunatnieje", ""},
    {"Fe(OH)3", 1.1e-9, K, "czerwonobrunatny", ""},
    {"Co(OH)2", 1.1e-4, K, "różowy", ""},
    {"Ni(OH)2", 4.8e-5, K, "zielony", ""},
    {"Cu(OH)2", kNoValue, M, "niebieski", ""},
    {"Zn(OH)2", 1.9e-5, K, "biały", "Rozpuszcza się w nadmiarze zasady (wodorotlenek amfoteryczny)."},
    {"AgOH", kNoValue, M, "",
     "Nie istnieje: z roztworu soli srebra zasada wytrąca brunatny tlenek srebra(I) Ag₂O."},
    {"Sn(OH)2", 1.7e-8, K, "biały", ""},
    {"Hg(OH)2", kNoValue, M, "",
     "Nie istnieje: z roztworu soli rtęci(II) zasada wytrąca żółty tlenek rtęci(II) HgO."},
    {"Pb(OH)2", 3.7e-6, K, "biały", ""},
    // Fluorides
    {"NaF", 4.1, M, "", ""},
    {"KF", 102, M, "", ""},
    {"MgF2", kNoValue, M, "biały", ""},
    {"CaF2", 1.6e-3, K, "biały", ""},
    {"SrF2", 1.3e-2, K, "biały", ""},
    {"BaF2", kNoValue, M, "biały", ""},
    {"HgF2", kNoValue, M, "", "Hydrolizuje w wodzie."},
    {"PbF2", 5.0e-2, K, "biały", ""},
    // Chlorides, bromides, iodides
    {"NaCl", 36.0, M, "", ""},
    {"KCl", 35.5, M, "", ""},
    {"NH4Cl", 39.5, M, "", ""},
    {"CaCl2", 81, M, "", ""},
    {"BaCl2", 37.0, M, "", ""},
    {"SnCl2", kNoValue, M, "", "W wodzie częściowo hydrolizuje; roztwór zakwasza się kwasem solnym."},
    {"HgCl2", 7.3, M, "", ""},
    {"AgCl", 1.9e-4, K, "biały", "Na świetle ciemnieje."},
    {"PbCl2", 1.1, M, "biały",
     "Według tablic w 25 °C rozpuszcza się ok. 1,1 g w 100 g wody, tuż nad granicą R; tablice szkolne podają T, "
     "bo w zimnej wodzie rozpuszcza się go mniej niż 1 g.",
     true},
    {"NaBr", 95, M, "", ""},
    {"KBr", 68, M, "", ""},
    {"AgBr", 1.4e-5, K, "jasnożółty", ""},
    {"HgBr2", kNoValue, M, "biały", ""},
    {"PbBr2", kNoValue, M, "biały", ""},
    {"NaI", 184, M, "", ""},
    {"KI", 148, M, "", ""},
    {"FeI3", kNoValue, M, "", "Nie istnieje: jony Fe³⁺ utleniają jony jodkowe do jodu."},
    {"CuI2", kNoValue, M, "",
     "Nie istnieje: jony Cu²⁺ utleniają jony jodkowe; wytrąca się biały jodek miedzi(I) i wydziela się jod."},
    {"AgI", 2.2e-7, K, "żółty", ""},
    {"SnI2", kNoValue, M, "pomarańczowoczerwony", ""},
    {"HgI2", kNoValue, M, "czerwony", "Rozpuszcza się w nadmiarze jodku potasu."},
    {"PbI2", 6.2e-2, K, "żółty", ""},
    // Sulfides
    {"MgS", kNoValue, M, "", "Rozkłada się w wodzie (hydroliza) na wodorotlenek i siarkowodór."},
    {"CaS", kNoValue, M, "", "Rozkłada się w wodzie (hydroliza) na wodorotlenek i wodorosiarczek."},
    {"SrS", kNoValue, M, "", "W wodzie hydrolizuje; roztwór ma odczyn zasadowy."},
    {"BaS", kNoValue, M, "", "W wodzie hydrolizuje; roztwór ma odczyn zasadowy."},
    {"Al2S3", kNoValue, M, "",
     "Rozkłada się w wodzie: wytrąca się wodorotlenek glinu i wydziela siarkowodór."},
    {"Cr2S3", kNoValue, M, "",
     "Rozkłada się w wodzie: wytrąca się wodorotlenek chromu(III) i wydziela siarkowodór."},
    {"Fe2S3", kNoValue, M, "", "Nietrwały: w wodzie przechodzi w siarczek żelaza(II) i siarkę."},
    {"MnS", kNoValue, M, "cielisty (różowy)", ""},
    {"FeS", kNoValue, M, "czarny", ""},
    {"CoS", kNoValue, M, "czarny", ""},
    {"NiS", kNoValue, M, "czarny", ""},
    {"CuS", kNoValue, M, "czarny", ""},
    {"ZnS", kNoValue, M, "biały", ""},
    {"Ag2S", kNoValue, M, "czarny", ""},
    {"SnS", kNoValue, M, "brunatny", ""},
    {"HgS", kNoValue, M, "czarny", ""},
    {"PbS", kNoValue, M, "czarny", ""},
    // Sulfites
    {"CaSO3", 6.7e-3, K, "biały", ""},
    {"BaSO3", 4.9e-4, K, "biały", ""},
    {"SrSO3", kNoValue, M, "biały", ""},
    {"Ag2SO3", kNoValue, M, "biały", ""},
    {"PbSO3", kNoValue, M, "biały", ""},
    {"Al2(SO3)3", kNoValue, M, "",
     "Nie istnieje w wodzie: hydroliza wytrąca wodorotlenek glinu i uwalnia tlenek siarki(IV)."},
    {"Cr2(SO3)3", kNoValue, M, "", "Nie istnieje w wodzie: hydrolizuje do wodorotlenku chromu(III)."},
    {"Fe2(SO3)3", kNoValue, M, "", "Nie istnieje: jony Fe³⁺ utleniają jony siarczanowe(IV)."},
    {"CuSO3", kNoValue, M, "", "Nie istnieje: jony Cu²⁺ utleniają jony siarczanowe(IV); powstają związki miedzi(I)."},
    {"SnSO3", kNoValue, M, "", "Nie otrzymuje się go z roztworów wodnych (hydroliza)."},
    {"HgSO3", kNoValue, M, "", "Nietrwały: rozkłada się z wydzieleniem rtęci."},
    // Sulfates
    {"Na2SO4", 28, M, "", ""},
    {"K2SO4", 12.0, M, "", ""},
    {"(NH4)2SO4", 76, M, "", ""},
    {"MgSO4", 36, M, "", ""},
    {"CaSO4", 0.21, M, "biały", "Gips (CaSO₄·2H₂O) to jego hydrat."},
    {"SrSO4", 1.1e-2, K, "biały", ""},
    {"BaSO4", 2.4e-4, K, "biały", "Nierozpuszczalny także w kwasach: nim wykrywa się jony siarczanowe(VI)."},
    {"CuSO4", 22, M, "", "Hydrat CuSO₄·5H₂O jest niebieski, sól bezwodna biała."},
    {"ZnSO4", 58, M, "", ""},
    {"Ag2SO4", 0.83, M, "biały", ""},
    {"HgSO4", kNoValue, M, "",
     "W wodzie hydrolizuje: wytrąca się żółty zasadowy siarczan rtęci(II)."},
    {"PbSO4", 4.8e-3, K, "biały", ""},
    // Nitrates
    {"NaNO3", 91, M, "", ""},
    {"KNO3", 38, M, "", ""},
    {"NH4NO3", 213, M, "", ""},
    {"Ca(NO3)2", 144, M, "", ""},
    {"Ba(NO3)2", 10, M, "", ""},
    {"AgNO3", 234, M, "", ""},
    {"Pb(NO3)2", 60, M, "", ""},
    {"Sn(NO3)2", kNoValue, M, "", "Nietrwały: w wodzie hydrolizuje i rozkłada się."},
    // Carbonates
    {"Na2CO3", 31, M, "", ""},
    {"K2CO3", 111, M, "", ""},
    {"MgCO3", 2.2e-2, K, "biały", ""},
    {"CaCO3", 5.8e-4, K, "biały", "Rozpuszcza się w wodzie zawierającej CO₂ jako wodorowęglan."},
    {"SrCO3", 3.5e-4, K, "biały", ""},
    {"BaCO3", 1.0e-3, K, "biały", ""},
    {"Al2(CO3)3", kNoValue, M, "",
     "Nie istnieje w wodzie: hydroliza wytrąca wodorotlenek glinu i uwalnia tlenek węgla(IV)."},
    {"Cr2(CO3)3", kNoValue, M, "", "Nie istnieje w wodzie: hydrolizuje do wodorotlenku chromu(III)."},
    {"Fe2(CO3)3", kNoValue, M, "",
     "Nie istnieje w wodzie: hydroliza wytrąca wodorotlenek żelaza(III) i uwalnia tlenek węgla(IV)."},
    {"MnCO3", 5.4e-5, K, "biały lub jasnoróżowy", ""},
    {"FeCO3", 6.5e-5, K, "biały", ""},
    {"CoCO3", 1.2e-4, K, "różowy", ""},
    {"NiCO3", 4.5e-3, K, "jasnozielony", ""},
    {"CuCO3", kNoValue, M, "",
     "Obojętnego węglanu nie otrzymuje się z roztworów: wytrąca się zielononiebieski zasadowy węglan "
     "miedzi(II)."},
    {"ZnCO3", 1.5e-4, K, "biały", ""},
    {"Ag2CO3", 3.5e-3, K, "jasnożółty", ""},
    {"SnCO3", kNoValue, M, "", "Nie istnieje w wodzie: hydrolizuje."},
    {"HgCO3", kNoValue, M, "", "Nie otrzymuje się go z roztworów: wytrąca się zasadowy węglan rtęci(II)."},
    {"PbCO3", 7.3e-6, K, "biały", ""},
    // Silicates
    {"(NH4)2SiO3", kNoValue, M, "", "Nie istnieje: w roztworze wytrąca się kwas krzemowy."},
    {"MgSiO3", kNoValue, M, "biały", ""},
    {"CaSiO3", kNoValue, M, "biały", ""},
    {"BaSiO3", kNoValue, M, "biały", ""},
    {"Al2(SiO3)3", kNoValue, M, "biały", ""},
    {"Fe2(SiO3)3", kNoValue, M, "rdzawobrunatny", ""},
    {"CoSiO3", kNoValue, M, "fioletowy", ""},
    {"NiSiO3", kNoValue, M, "zielony", ""},
    {"CuSiO3", kNoValue, M, "niebieski", ""},
    {"ZnSiO3", kNoValue, M, "biały", ""},
    {"Ag2SiO3", kNoValue, M, "", "Nie otrzymuje się go z roztworów wodnych."},
    {"SnSiO3", kNoValue, M, "", "Nie otrzymuje się go z roztworów wodnych (hydroliza)."},
    {"HgSiO3", kNoValue, M, "", "Nie otrzymuje się go z roztworów wodnych (hydroliza)."},
    {"PbSiO3", kNoValue, M, "biały", ""},
    // Phosphates
    {"(NH4)3PO4", kNoValue, M, "", "Nietrwały: w roztworze traci amoniak."},
    {"Mg3(PO4)2", 1.6e-4, K, "biały", ""},
    {"Ca3(PO4)2", 3.5e-6, K, "biały", ""},
    {"Sr3(PO4)2", kNoValue, M, "biały", ""},
    {"Ba3(PO4)2", kNoValue, M, "biały", ""},
    {"AlPO4", 1.2e-9, K, "biały", ""},
    {"FePO4", 4.7e-7, K, "żółtawobiały", ""},
    {"Co3(PO4)2", 1.7e-6, K, "fioletoworóżowy", ""},
    {"Ni3(PO4)2", 7.8e-6, K, "zielony", ""},
    {"Cu3(PO4)2", 6.4e-7, K, "niebieski", ""},
    {"Zn3(PO4)2", kNoValue, M, "biały", ""},
    {"Ag3PO4", 1.8e-3, K, "żółty", "Żółty osad wykrywa jony fosforanowe(V)."},
    {"Pb3(PO4)2", kNoValue, M, "biały", ""},
    // Acetates
    {"(CH3COO)3Al", kNoValue, M, "", "W wodzie hydrolizuje do zasadowego octanu glinu."},
    {"(CH3COO)3Fe", kNoValue, M, "", "W wodzie hydrolizuje do zasadowego octanu żelaza(III)."},
    {"(CH3COO)2Sn", kNoValue, M, "", "W wodzie hydrolizuje."},
    {"CH3COOAg", kNoValue, M, "biały",
     "Na granicy T i R: w 20–25 °C rozpuszcza się ok. 1 g w 100 g wody; tablice szkolne podają T."},
};

Mark markOf(const QString &letter)
{
    for (Mark mark : {Mark::R, Mark::T, Mark::N})
        if (letter == markText(mark))
            return mark;
    return Mark::None;
}

using Grid = std::array<std::array<Cell, kCationCount>, kAnionCount>;

Grid buildGrid()
{
    QHash<QString, const Detail *> details;
    for (const Detail &d : kDetails)
        details.insert(QString::fromUtf8(d.formula), &d);

    Grid grid;
    for (int anion = 0; anion < kAnionCount; ++anion) {
        const QStringList marks = QString::fromLatin1(kMarks[anion]).split(QLatin1Char(' '));
        const QStringList formulas = QString::fromLatin1(kFormulas[anion]).split(QLatin1Char(' '));
        for (int cation = 0; cation < kCationCount; ++cation) {
            Cell &c = grid[anion][cation];
            c.formula = formulas.value(cation);
            c.mark = markOf(marks.value(cation));
            if (const Detail *d = details.value(c.formula)) {
                if (d->grams >= 0)
                    c.grams = d->grams;
                c.origin = d->origin;
                c.precipitate = QString::fromUtf8(d->precipitate);
                c.note = QString::fromUtf8(d->note);
                c.conventionalMark = d->conventional;
            }
        }
    }
    return grid;
}

} // namespace

Mark markFor(double grams)
{
    if (grams > kSolubleAbove)
        return Mark::R;
    if (grams >= kInsolubleBelow)
        return Mark::T;
    return Mark::N;
}

QString markText(Mark mark)
{
    switch (mark) {
    case Mark::R: return QStringLiteral("R");
    case Mark::T: return QStringLiteral("T");
    case Mark::N: return QStringLiteral("N");
    case Mark::None: break;
    }
    return QStringLiteral("—");
}

QString markMeaning(Mark mark)
{
    switch (mark) {
    case Mark::R: return QStringLiteral("dobrze rozpuszczalny (ponad 1 g w 100 g wody)");
    case Mark::T: return QStringLiteral("trudno rozpuszczalny (0,1–1 g w 100 g wody)");
    case Mark::N: return QStringLiteral("praktycznie nierozpuszczalny (poniżej 0,1 g w 100 g wody)");
    case Mark::None: break;
    }
    return QStringLiteral("nie istnieje lub rozkłada się w wodzie");
}

const Cell &cell(int anion, int cation)
{
    static const Grid grid = buildGrid();
    return grid.at(anion).at(cation);
}

QStringList detailedFormulas()
{
    QStringList formulas;
    for (const Detail &d : kDetails)
        formulas << QString::fromUtf8(d.formula);
    return formulas;
}

QString compoundName(int anion, int cation)
{
    return QString::fromUtf8(kAnions.at(anion).name) + QLatin1Char(' ') + QString::fromUtf8(kCations.at(cation).name);
}

QString subscripted(const QString &plainFormula)
{
    QString out;
    for (QChar c : plainFormula)
        out += c.isDigit() ? QChar(0x2080 + c.digitValue()) : c;
    return out;
}

QString subscriptedHtml(const QString &plainFormula)
{
    QString out;
    for (QChar c : plainFormula)
        out += c.isDigit() ? QStringLiteral("<sub>%1</sub>").arg(c) : QString(c).toHtmlEscaped();
    return out;
}

QString gramsText(double grams)
{
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    if (grams >= 0.01 || grams <= 0)
        return polish.toString(grams, 'g', 3);
    // Two significant digits times a power of ten, as school books write it.
    const int exponent = int(std::floor(std::log10(grams) + 1e-9));
    const double mantissa = grams / std::pow(10.0, exponent);
    static const char16_t superscripts[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString power;
    for (QChar digit : QString::number(-exponent))
        power += QChar(superscripts[digit.digitValue()]);
    return polish.toString(mantissa, 'f', 1) + QStringLiteral("·10⁻") + power;
}

} // namespace tablicznik::solubility
