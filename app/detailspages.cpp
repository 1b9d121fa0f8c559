#include "detailspages.h"

#include "controls/colours.h"
#include "controls/focusframe.h"
#include "pagecontrol.h"
#include "cues/soundcues.h"
#include "richtext/richtextview.h"

#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

namespace tablicznik {

const std::array<const char *, DetailsPages::kPages> DetailsPages::kCaptions = {
    "Podstawowe", "Budowa atomu", "Wł. makroskopowe", "Wł. chemiczne", "Wł. fazowe", "Wł. cieplne",
    "Wł. elektryczne i magnetyczne", "Jony", "Rozpowszechnienie", "Izotopy", "Minerały",
};

namespace {

// How a value is shown: a label (left or centred), the big symbol, a
// rich-text value on one line, a centred rich-text list with a scroll bar,
// or a word of the caption that the record gives (the kind of enthalpy:
// "Molowa entalpia atomizacji [kJ/mol]:"), in the caption's style, without
// the record's colon, the next caption right after it.
enum class Kind { Label, Centred, Symbol, Rich, RichList, CaptionWord };

// One property on a page. Places are in the coordinates of the group box
// that frames the row, or of the page. The caption stands at its place, the
// value in its rectangle; the view button, 11 x 11, stands 14 pixels left of
// the caption unless a left edge is given. A caption that is a rich-text
// document is shown as one. A caption without a hint of its own has "".
struct Row {
    int page; // 1 ... 11
    const char *group;
    const char *caption;
    QPoint captionAt;
    const char *value;
    Kind kind;
    Field field; // null: symbol, atomic number or magnetic type
    QRect valueAt;
    const char *hint;      // of the caption, and of the value unless it has its own
    const char *valueHint; // nullptr: the caption's
    const char *button;
    const char *buttonHint;
    int buttonLeft = -1;
};

struct Group {
    int page;
    const char *name, *title;
    QRect place;
    const char *hint;
};

const char *const kIsotopesHint =
    "Ważniejsze izotopy pierwiastka wraz z czasem połowicznego\n"
    "rozpadu i zawartością w przyrodzie (tylko najważniejsze).\n"
    "Jądra z literą m przy masie atomowej to jądra wzbudzone\n"
    "tzw. izomery jądrowe.\n"
    "Uwaga!\n"
    "Za trwałe uznaje się izotopy o czasie połowicznego rozpadu\n"
    "większym od 1 mld lat.";

const Group kGroups[] = {
    {2, "GroupBox11", " Promienie ", {0, 22, 170, 51}, nullptr},
    {2, "GroupBox10", " Powłoki elektronowe ", {174, 22, 358, 51}, nullptr},
    {4, "GroupBox4", " Wartościowości ", {0, 0, 228, 30}, nullptr},
    {4, "GroupBox5", " Stopnie utlenienia ", {230, 0, 302, 30}, nullptr},
    {4, "GroupBox6", " Inne ", {0, 30, 532, 43}, nullptr},
    {5, "GroupBox7", " Topnienie ", {0, 0, 214, 73}, nullptr},
    {5, "GroupBox8", " Wrzenie i atomizacja ", {218, 0, 314, 73}, nullptr},
    {8, "GroupBox9", " Energie jonizacji ", {0, 0, 532, 73}, nullptr},
    {9, "GroupBox1", " Zawartość w ... ", {0, 0, 532, 73}, nullptr},
    {10, "GroupBox3", " Izotopy ", {0, 0, 100, 73}, nullptr},
    {10, "IzotopyGroupBox", " Ważniejsze izotopy ", {104, 0, 428, 73}, kIsotopesHint},
    {11, "GroupBox2", " Ważniejsze minerały występujące w przyrodzie [nazwy geologiczne] ", {0, 0, 532, 73}, nullptr},
};

const Row kRows[] = {
    {1, nullptr, "Symbol:", {2, 31}, "SymbolLab", Kind::Symbol, nullptr, {44, 10, 94, 55},
     "Symbol chemiczny pierwiastka", nullptr, nullptr, nullptr},
    {1, nullptr, "Nazwa polska:", {144, 4}, "NazPolLab", Kind::Label, &ElementRecord::Nazwa, {231, 2, 99, 16},
     "Nazwa polska pierwiastka.", nullptr, nullptr, nullptr},
    {1, nullptr, "Nazwa angielska:", {144, 22}, "NazAngLab", Kind::Label, &ElementRecord::NazAng, {231, 20, 99, 16},
     "Nazwa angielska pierwiastka.", nullptr, nullptr, nullptr},
    {1, nullptr, "Nazwa łacińska:", {144, 40}, "NazLacLab", Kind::Label, &ElementRecord::NazLac, {231, 38, 99, 16},
     "Nazwa łacińska pierwiastka", nullptr, nullptr, nullptr},
    {1, nullptr, "Liczba atomowa:", {144, 58}, "LiczAtomLab", Kind::Label, nullptr, {231, 56, 99, 16},
     "Liczba atomowa pierwiastka.\nLiczba protonów w jądrze atomowym.", nullptr, nullptr, nullptr},
    {1, nullptr, "Masa atomowa [u]:", {346, 4}, "MasaAtomLab", Kind::Label, &ElementRecord::MasaAtom, {441, 2, 89, 16},
     "Masa atomowa pierwiastka w jednostkach\nmasy atomowej (masa jednego mola pierwiastka w gramach).", nullptr, nullptr, nullptr},
    {1, nullptr, "Stan skupienia:", {346, 22}, "StanSkupLab", Kind::Label, &ElementRecord::StanSkup, {441, 20, 89, 16},
     "Stan skupienia pierwiastka w warunkach standardowych.", nullptr,
     "StanSkupButton", "Koloruje pierwiastki według:\nstanu skupienia w warunkach standardowych."},
    {1, nullptr, "Rok odkrycia:", {346, 40}, "RokOdkrycLab", Kind::Label, &ElementRecord::RokOdkryc, {441, 38, 89, 16},
     "Rok odkrycia (lub rok otrzymania,\ndla pierwiastków nie występujących\nw naturze).", nullptr,
     "RokOdkrycButton", "Koloruje pierwiastki:\n- znane w czasach starożytnych,\n- poznane w średniowieczu,\n- według roku odkrycia (otrzymania)."},
    {2, nullptr, "Konfiguracja elektronowa:", {4, 4}, "KonfElektrRichEdit", Kind::Rich, &ElementRecord::KonfElektr, {134, 1, 394, 19},
     "Konfiguracja elektronowa atomu pierwiastka.\nNajbliższy lżejszy gaz szlachetny i elektrony\nwalencyjne w orbitalach.", nullptr, nullptr, nullptr},
    {2, "GroupBox11", "Atomowy [pm]:", {20, 16}, "PromAtomLab", Kind::Label, &ElementRecord::PromAtom, {118, 14, 44, 16},
     "Promień atomu wyrażony w pikometrach.", nullptr,
     "PromAtomButton", "Koloruje pierwiastki według:\npromienia atomu."},
    {2, "GroupBox11", "Kowalencyjny [pm]:", {20, 34}, "PromKowalLab", Kind::Label, &ElementRecord::PromKowal, {118, 32, 44, 16},
     "Promień kowalencyjny atomu wyrażony w pikometrach.", nullptr,
     "PromKowalButton", "Koloruje pierwiastki według:\npromienia kowalencyjnego atomu."},
    {2, "GroupBox10", "K:", {20, 25}, "PowKLab", Kind::Centred, &ElementRecord::PowK, {33, 23, 18, 16},
     "Pokazuje zmiany liczby elektronów na powłoce K\nw funkcji rosnącej liczby atomowej.", nullptr,
     "PowKButton", "Koloruje pierwiastki według:\nzmian liczby elektronów na powłoce K\nw funkcji rosnącej liczby atomowej."},
    {2, "GroupBox10", "L:", {70, 25}, "PowLLab", Kind::Centred, &ElementRecord::PowL, {83, 23, 18, 16},
     "Pokazuje zmiany liczby elektronów na powłoce L\nw funkcji rosnącej liczby atomowej.", nullptr,
     "PowLButton", "Koloruje pierwiastki według:\nzmian liczby elektronów na powłoce L\nw funkcji rosnącej liczby atomowej."},
    {2, "GroupBox10", "M:", {120, 25}, "PowMLab", Kind::Centred, &ElementRecord::PowM, {133, 23, 18, 16},
     "Pokazuje zmiany liczby elektronów na powłoce M\nw funkcji rosnącej liczby atomowej.", nullptr,
     "PowMButton", "Koloruje pierwiastki według:\nzmian liczby elektronów na powłoce M\nw funkcji rosnącej liczby atomowej."},
    {2, "GroupBox10", "N:", {170, 25}, "PowNLab", Kind::Centred, &ElementRecord::PowN, {183, 23, 18, 16},
     "Pokazuje zmiany liczby elektronów na powłoce N\nw funkcji rosnącej liczby atomowej.", nullptr,
     "PowNButton", "Koloruje pierwiastki według:\nzmian liczby elektronów na powłoce N\nw funkcji rosnącej liczby atomowej."},
    {2, "GroupBox10", "O:", {220, 25}, "PowOLab", Kind::Centred, &ElementRecord::PowO, {233, 23, 18, 16},
     "Pokazuje zmiany liczby elektronów na powłoce O\nw funkcji rosnącej liczby atomowej.", nullptr,
     "PowOButton", "Koloruje pierwiastki według:\nzmian liczby elektronów na powłoce O\nw funkcji rosnącej liczby atomowej."},
    {2, "GroupBox10", "P:", {270, 25}, "PowPLab", Kind::Centred, &ElementRecord::PowP, {283, 23, 18, 16},
     "Pokazuje zmiany liczby elektronów na powłoce P\nw funkcji rosnącej liczby atomowej.", nullptr,
     "PowPButton", "Koloruje pierwiastki według:\nzmian liczby elektronów na powłoce P\nw funkcji rosnącej liczby atomowej."},
    {2, "GroupBox10", "Q:", {320, 25}, "PowQLab", Kind::Centred, &ElementRecord::PowQ, {333, 23, 18, 16},
     "Pokazuje zmiany liczby elektronów na powłoce Q\nw funkcji rosnącej liczby atomowej.", nullptr,
     "PowQButton", "Koloruje pierwiastki według:\nzmian liczby elektronów na powłoce Q\nw funkcji rosnącej liczby atomowej."},
    {3, nullptr, "Twardość [skala Brinella]:", {20, 14}, "TwardoscLab", Kind::Label, &ElementRecord::Twardosc, {150, 12, 60, 16},
     "Twardość pierwiastków stałych w skali Brinella.", nullptr,
     "TwardoscButton", "Koloruje pierwiastki stałe według:\ntwardości w skali Brinella."},
    {3, nullptr, "{\\rtf1\\fs16 Gęstość [g/cm{\\super 3}]:\\par }", {20, 44}, "GestoscLab", Kind::Label, &ElementRecord::Gestosc, {150, 42, 60, 16},
     "Gęstość pierwiastka w warunkach standardowych\nwyrażona w gramach na centymetr sześcienny.", nullptr,
     "GestoscButton", "Koloruje według gęstości w warunkach standardowych:\n- gazy,\n- ciała stałe i ciecze."},
    {3, nullptr, " Wytrzymałość na rozciąganie [MPa] :", {264, 14}, "WytrzRozLab", Kind::Label, &ElementRecord::WytrzRoz, {452, 12, 60, 16},
     "Wytrzymałość stałych pierwiastków na\nrozciąganie wyrażona w MPa (megapaskale).", nullptr,
     "WytrzRozButton", "Koloruje pierwiastki stałe według:\nwytrzymałości na rozciąganie."},
    {3, nullptr, " Moduł Younga [GPa] :", {264, 44}, "ModYoungLab", Kind::Label, &ElementRecord::ModYoung, {452, 42, 60, 16},
     "Moduł Younga stałych pierwiastków wyrażony w GPa (gigapaskale).", nullptr,
     "ModYoungButton", "Koloruje pierwiastki stałe według:\nmodułu Younga."},
    {4, "GroupBox4", "Typowa:", {20, 14}, "WartTypLab", Kind::Label, &ElementRecord::WartTyp, {64, 12, 16, 16},
     "Najczęściej występująca wartościowość danego\npierwiastka.", nullptr,
     "WartTypButton", "Koloruje pierwiastki według:\nnajczęściej występującej wartościowości."},
    {4, "GroupBox4", " Wszystkie:", {84, 14}, "WartInneLab", Kind::Label, &ElementRecord::WartInne, {142, 12, 82, 16},
     "Ważniejsze wartościowości danego pierwiastka.", nullptr, nullptr, nullptr},
    {4, "GroupBox5", "Typowe:", {20, 14}, "TypStopUtlLab", Kind::Label, &ElementRecord::TypStopUtl, {64, 12, 56, 16},
     "Najczęstsze stopnie utlenienia na których\nwystępuje pierwiastek.", nullptr,
     "TypStopUtlButton", "Koloruje pierwiastki według:\nnajczęściej występujacego stopnia utlenienia."},
    {4, "GroupBox5", " Ważniejsze:", {124, 14}, "StopUtlLab", Kind::Label, &ElementRecord::StopUtl, {188, 12, 108, 16},
     "Ważniejsze stopnie utlenienia pierwiastka.", nullptr, nullptr, nullptr},
    {4, "GroupBox6", "Elektrouj. [Pauling]:", {20, 11}, "ElektroujLab", Kind::Label, &ElementRecord::Elektrouj, {118, 9, 34, 15},
     "Elektroujemność pierwiastka według skali Paulinga.", nullptr,
     "ElektroujButton", "Koloruje pierwiastki według:\nelektroujemności pierwiastka."},
    {4, "GroupBox6", "Powinow.elektr.[eV]:", {176, 11}, "PowElektrLab", Kind::Label, &ElementRecord::PowElektr, {277, 9, 48, 15},
     "Powinowactwo elektronowe pierwiastka wyrażone\nw eV (elektronowolty).", nullptr,
     "PowElektrButton", "Koloruje pierwiastki według:\npowinowactwa elektronowego."},
    {4, "GroupBox6", "Tlenek:", {350, 11}, "CharTlenLab", Kind::Label, &ElementRecord::CharTlen, {389, 9, 88, 15},
     "Charakter chemiczny najważniejszego tlenku pierwiastka.", nullptr,
     "CharTlenButton", "Koloruje pierwiastki według:\ncharakteru chemicznego najważniejszego tlenku."},
    {4, "GroupBox6", "Stand. pot. elektrod. [V]:", {20, 27}, "StanPotRichEdit", Kind::Rich, &ElementRecord::StanPot, {141, 24, 386, 17},
     "Standardowe potencjały elektrodowe (25°C) względem\nnormalnej elektrody wodorowej wyrażone w woltach.", nullptr, nullptr, nullptr},
    {5, "GroupBox7", "Temperatura top. [°C]:", {20, 20}, "TempTopLab", Kind::Label, &ElementRecord::TempTop, {156, 18, 52, 16},
     "Temperatura topnienia pierwiastka w warunkach\nstandardowych wyrażona w stopniach Celsjusza.", nullptr,
     "TempTopButton", "Koloruje pierwiastki według:\ntemperatury topnienia."},
    {5, "GroupBox7", "Entalpia topnienia [kJ/mol]:", {20, 44}, "EntTopLab", Kind::Label, &ElementRecord::EntTop, {156, 42, 52, 16},
     "Entalpia topnienia pierwiastka wyrażona w [kJ/mol].", nullptr,
     "EntTopButton", "Koloruje pierwiastki według:\nentalpii topnienia."},
    {5, "GroupBox8", "Temperatura wrz. [°C]:", {20, 20}, "TempWrzLab", Kind::Label, &ElementRecord::TempWrz, {132, 18, 60, 16},
     "Temperatura wrzenia pierwiastka w warunkach\nstandardowych wyrażona w stopniach Celsjusza.", nullptr,
     "TempWrzButton", "Koloruje pierwiastki według:\ntemperatury wrzenia."},
    {5, "GroupBox8", "Molowa entalpia", {20, 44}, "RodzMolEntAtomLab", Kind::CaptionWord, &ElementRecord::RodzMolEntAtom, {102, 42, 70, 16},
     "Molowa entalpia atomizacji pierwiastka wyrażona w [kJ/mol].", nullptr, nullptr, nullptr},
    {5, "GroupBox8", "[kJ/mol]:", {176, 44}, "MolEntAtomLab", Kind::Label, &ElementRecord::MolEntAtom, {220, 42, 50, 16},
     "",
     "Molowa entalpia atomizacji pierwiastka wyrażona w [kJ/mol].",
     "MolEntAtomButton", "Koloruje pierwiastki według:\nmolowej entalpii atomizacji.", 6},
    {6, nullptr, " Współczynnik przewodzenia ciepła [W/(m•K)]:", {20, 8}, "WspPrzewCiepLab", Kind::Label, &ElementRecord::WspPrzewCiep, {250, 6, 60, 16},
     "Współczynnik przewodzenia ciepła pierwiastka wyrażony w [W/(m*K)].", nullptr,
     "WspPrzewCiepButton", "Koloruje pierwiastki według:\nwspółczynnika przewodzenia ciepła."},
    {6, nullptr, " Molowa pojemność cieplna [J/(mol•K)]:", {20, 31}, "MolPojCiepLab", Kind::Label, &ElementRecord::MolPojCiep, {250, 29, 60, 16},
     "Molowa pojemność cieplna pierwiastka wyrażona w [J/(mol*K)].", nullptr,
     "MolPojCiepButton", "Koloruje pierwiastki według:\nmolowej pojemności cieplnej."},
    {6, nullptr, " Entropia molowa [J/(mol•K)]:", {20, 54}, "EntropMolLab", Kind::Label, &ElementRecord::EntropMol, {250, 52, 60, 16},
     "Entropia molowa wyrażona w [J/(mol*K)].", nullptr,
     "EntropMolButton", "Koloruje pierwiastki według:\nentropii molowej."},
    {7, nullptr, "Opór elektryczny [ohm•m]:", {20, 4}, "OporWlasRichEdit", Kind::Rich, &ElementRecord::OporWlas, {152, 1, 118, 19},
     "Opór właściwy pierwiastka w warunkach standardowych\nwyrażony w [ohm*m] (omometry).", nullptr,
     "OporWlasButton", "Koloruje pierwiastki według:\noporu właściwego."},
    {7, nullptr, "Typ przewodzenia:", {298, 4}, "TypPrzewLab", Kind::Label, &ElementRecord::TypPrzew, {393, 2, 110, 16},
     "Typ przewodności pierwiastka.", nullptr,
     "TypPrzewButton", "Koloruje według przewodnictwa:\nmetale,\nizolatory,\npółprzewodniki."},
    {7, nullptr, "Typ magnetyczny:", {20, 22}, "TypMagnetLab", Kind::Label, nullptr, {112, 20, 110, 16},
     "Typ magnetyczny pierwiastka.", nullptr,
     "TypMagnetButton", "Koloruje pierwiastki:\ndiamagnetyczne,\nparamagnetyczne,\nferromagnetyczne."},
    {7, nullptr, "Podatność magnetyczna para i diamagnetyków [E-6 cm^3 / mol]:", {20, 40}, "PodatMagLab", Kind::Label, &ElementRecord::PodatMag, {338, 38, 60, 16},
     "Podatność magnetyczna dla pierwiastków para- i\ndiamagnetycznych.", nullptr,
     "PodatMagButton", "Koloruje pierwiastki według podatności magnetycznej:\nparamagnetyki,\ndiamagnetyki."},
    {7, nullptr, "Temperatura Curie dla ferromagnetyków [°C]:", {20, 58}, "TempCurLab", Kind::Label, &ElementRecord::TempCur, {244, 56, 40, 16},
     "Temperatura Curie dla pierwiastków ferromagnetycznych.", nullptr,
     "TempCurButton", "Koloruje ferromagnetyki według:\ntemperatury Curie."},
    {8, "GroupBox9", "Pierwszy stopień [eV]:", {24, 22}, "PotJon1Lab", Kind::Label, &ElementRecord::PotJon1, {136, 20, 60, 16},
     "Energia potrzebna do oderwania pierwszego elektronu\nod atomu danego pierwiastka.", nullptr,
     "PotJon1Button", "Koloruje pierwiastki według:\nenergii pierwszej jonizacji."},
    {8, "GroupBox9", "Drugi stopień [eV]:", {24, 46}, "PotJon2Lab", Kind::Label, &ElementRecord::PotJon2, {136, 44, 60, 16},
     "Energia potrzebna do oderwania drugiego z kolei elektronu\nod atomu danego pierwiastka.", nullptr,
     "PotJon2Button", "Koloruje pierwiastki według:\nenergii drugiej jonizacji."},
    {8, "GroupBox9", "Trzeci stopień [eV]:", {284, 22}, "PotJon3Lab", Kind::Label, &ElementRecord::PotJon3, {400, 20, 60, 16},
     "Energia potrzebna do oderwania trzeciego z kolei elektronu\nod atomu danego pierwiastka.", nullptr,
     "PotJon3Button", "Koloruje pierwiastki według:\nenergii trzeciej jonizacji."},
    {8, "GroupBox9", "Czwarty stopień [eV]:", {284, 46}, "PotJon4Lab", Kind::Label, &ElementRecord::PotJon4, {400, 44, 60, 16},
     "Energia potrzebna do oderwania czwartego z kolei elektronu\nod atomu danego pierwiastka.", nullptr,
     "PotJon4Button", "Koloruje pierwiastki według:\nenergii czwartej jonizacji."},
    {9, "GroupBox1", "Ziemia [proc. wag.]:", {20, 16}, "ZawZiemiaRichEdit", Kind::Rich, &ElementRecord::ZawZiemia, {190, 13, 70, 18},
     "Pokazuje trzynaście najbardziej rozpowszechnionych\nw kuli ziemskiej pierwiastków.", nullptr,
     "ZawZiemiaButton", "Koloruje pierwiastki według:\nrozpowszechnienia w kuli ziemskiej."},
    {9, "GroupBox1", "Skorupa ziem. [proc.wag.]:", {20, 36}, "ZawSkorZiemRichEdit", Kind::Rich, &ElementRecord::ZawSkorZiem, {190, 33, 70, 18},
     "Pokazuje dwanaście najbardziej rozpowszechnionych\nw skorupie ziemskiej pierwiastków.", nullptr,
     "ZawSkorZiemButton", "Koloruje pierwiastki według:\nrozpowszechnienia w skorupie ziemskiej."},
    {9, "GroupBox1", "Ocean [w 1000 kg wody morskiej]:", {20, 56}, "ZawOceanRichEdit", Kind::Rich, &ElementRecord::ZawOcean, {190, 53, 70, 18},
     "Pokazuje piętnaście najbardziej rozpowszechnionych\nw oceanie pierwiastków.", nullptr,
     "ZawOceanButton", "Koloruje pierwiastki według:\nrozpowszechnienia w oceanie."},
    {9, "GroupBox1", " Wszechświat [proc. wag.]:", {280, 16}, "ZawUkladRichEdit", Kind::Rich, &ElementRecord::ZawUklad, {444, 13, 82, 18},
     "Pokazuje piętnaście najbardziej rozpowszechnionych\nwe Wszechświecie pierwiastków.", nullptr,
     "ZawUkladButton", "Koloruje pierwiastki według:\nrozpowszechnienia we Wszechświecie."},
    {9, "GroupBox1", "Organizm człowieka [proc. wag.]:", {280, 36}, "ZawCzlowRichEdit", Kind::Rich, &ElementRecord::ZawCzlow, {444, 33, 82, 18},
     "Pokazuje pierwszych piętnaście pierwiastków występujących\nw największej ilości w organizmie człowieka.", nullptr,
     "ZawCzlowButton", "Koloruje pierwiastki według:\nwystępowania w organizmie człowieka."},
    {10, "GroupBox3", "Znane:", {20, 22}, "LiczIzotopLab", Kind::Label, &ElementRecord::LiczIzotop, {60, 20, 34, 16},
     "Liczba znanych (sztucznych i naturalnych) izotopów pierwiastka.", nullptr,
     "LiczIzotopButton", "Koloruje pierwiastki według:\nliczby znanych izotopów."},
    {10, "GroupBox3", "Trwałe:", {20, 46}, "LiczTrIzotopLab", Kind::Label, &ElementRecord::LiczTrIzotop, {60, 44, 34, 16},
     "Liczba trwałych izotopów pierwiastka.\nBrak oznacza, że wszystkie izotopy danego\npierwiastka są nietrwałe (promieniotwórcze).\nUwaga!\nZa trwałe uznaje się izotopy o czasie połowicznego\nrozpadu większym od 1 mld lat.", nullptr,
     "LiczTrIzotopButton", "Koloruje pierwiastki według:\nliczby trwałych izotopów."},
    {10, "IzotopyGroupBox", nullptr, {0, 0}, "IzotopyRichEdit", Kind::RichList, &ElementRecord::Izotopy, {6, 14, 416, 56},
     kIsotopesHint, nullptr, nullptr, nullptr},
    {11, "GroupBox2", nullptr, {0, 0}, "MineralyRichEdit", Kind::RichList, &ElementRecord::Mineraly, {6, 14, 520, 56},
     "", nullptr, nullptr, nullptr},
};

constexpr int kButtonSize = 11, kButtonOffset = 14;
constexpr QSize kRichCaptionSize{120, 16};

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

void setColourAndFont(QWidget *w, const QFont &font)
{
    w->setFont(font);
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, colour(SystemColour::WindowText));
    w->setPalette(palette);
}

QFont captionFont()
{
    return pixelFont(QStringLiteral("Arial"), 11);
}

QWidget *makePage(int number)
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet%1").arg(number));
    page->setAutoFillBackground(true);
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, colour(clSilver));
    page->setPalette(palette);
    setColourAndFont(page, captionFont());
    return page;
}

QGroupBox *makeGroup(const Group &g, QWidget *page)
{
    auto *box = new QGroupBox(text(g.title), page);
    box->setObjectName(QLatin1StringView(g.name));
    box->setGeometry(g.place);
    if (QStyle *classic = classicStyle())
        box->setStyle(classic);
    if (g.hint)
        box->setToolTip(text(g.hint));
    return box;
}

// The caption is named after its value: "PromAtomLabText" for "PromAtomLab"
// and "KonfElektrLabText" for "KonfElektrRichEdit".
QWidget *makeCaption(const Row &row, QWidget *parent)
{
    const QString value = text(row.value);
    const QString stem = value.left(value.size() - (value.endsWith(u"Lab") ? 3 : 8));
    const QString caption = text(row.caption);
    QWidget *shown;
    if (caption.startsWith(u"{\\rtf")) {
        auto *rich = new RichTextView(parent);
        rich->setFont(captionFont());
        rich->setContextMenuPolicy(Qt::PreventContextMenu);
        rich->load(caption);
        rich->setGeometry(QRect(row.captionAt, kRichCaptionSize));
        shown = rich;
    } else {
        auto *label = new QLabel(caption, parent);
        setColourAndFont(label, captionFont());
        label->move(row.captionAt);
        label->adjustSize();
        shown = label;
    }
    shown->setObjectName(stem + QLatin1StringView("LabText"));
    shown->setToolTip(text(row.hint));
    return shown;
}

QWidget *makeValue(const Row &row, QWidget *parent)
{
    QWidget *value;
    if (row.kind == Kind::Rich || row.kind == Kind::RichList) {
        auto *rich = new RichTextView(parent);
        rich->setFont(captionFont());
        rich->setContextMenuPolicy(Qt::PreventContextMenu); // a value, not an editor
        if (row.kind == Kind::RichList) {
            rich->setCentred(true);
            rich->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        }
        value = rich;
    } else {
        auto *label = new QLabel(parent);
        setColourAndFont(label, row.kind == Kind::CaptionWord
                                    ? captionFont()
                                    : pixelFont(QStringLiteral("Arial"), row.kind == Kind::Symbol ? 48 : 13, true));
        label->setAlignment((row.kind == Kind::Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        value = label;
    }
    value->setObjectName(text(row.value));
    value->setGeometry(row.valueAt);
    value->setToolTip(text(row.valueHint ? row.valueHint : row.hint));
    return value;
}

QPushButton *makeViewButton(const Row &row, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(text(row.button));
    const int left = row.buttonLeft >= 0 ? row.buttonLeft : row.captionAt.x() - kButtonOffset;
    button->setGeometry(left, row.captionAt.y() + 1, kButtonSize, kButtonSize);
    button->setCursor(Qt::PointingHandCursor);
    if (QStyle *classic = classicStyle())
        button->setStyle(classic);
    button->setFocusPolicy(Qt::TabFocus);
    button->setToolTip(text(row.buttonHint));
    return button;
}

} // namespace

QStyle *classicStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        if (QStyle *windows = QStyleFactory::create(QStringLiteral("Windows"))) {
            style = new FocusFrameStyle(windows); // takes the base style
            style->setParent(qApp);
        }
    }
    return style;
}

QString DetailsPages::wrapped(const QString &value)
{
    return QLatin1StringView("{\\rtf1\\b\\fs20 ") + value + QLatin1StringView("\\par }");
}

DetailsPages::DetailsPages(QWidget *panel) : QObject(panel), m_pages(new TPageControl(panel))
{
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(88, 2, 532, 107);
    m_pages->setFont(pixelFont(QStringLiteral("Arial"), 11, true));
    m_movementPassers.push_back(m_pages);

    std::array<QWidget *, kPages> pages{};
    for (int i = 0; i < kPages; ++i) {
        pages[i] = makePage(i + 1);
        m_pages->addPage(pages[i], text(kCaptions[i]));
        if (i < 7)
            m_movementPassers.push_back(pages[i]);
    }

    QHash<QByteArray, QGroupBox *> groups;
    for (const Group &g : kGroups) {
        QGroupBox *box = makeGroup(g, pages[g.page - 1]);
        groups.insert(g.name, box);
        if (g.page >= 8)
            m_movementPassers.push_back(box);
    }

    std::vector<BoundValue> *waiting = nullptr; // a word of a caption, last on its page, waits for the next caption
    for (const Row &row : kRows) {
        QWidget *parent = row.group ? groups.value(row.group) : pages[row.page - 1];
        Q_ASSERT(parent);
        if (row.caption) {
            QWidget *caption = makeCaption(row, parent);
            if (waiting)
                std::exchange(waiting, nullptr)->back().follower = caption;
        }
        QWidget *value = makeValue(row, parent);
        if (const Field member = row.field) {
            m_values[row.page - 1].push_back({member, qobject_cast<QLabel *>(value), qobject_cast<RichTextView *>(value)});
            if (row.kind == Kind::CaptionWord)
                waiting = &m_values[row.page - 1];
        }
        else if (value->objectName() == u"SymbolLab")
            m_symbol = qobject_cast<QLabel *>(value);
        else if (value->objectName() == u"LiczAtomLab")
            m_number = qobject_cast<QLabel *>(value);
        else
            m_magnetic = qobject_cast<QLabel *>(value);
        if (value->objectName() == u"MineralyRichEdit")
            m_movementPassers.push_back(value);
        if (row.button) {
            QPushButton *button = makeViewButton(row, parent);
            connect(button, &QPushButton::clicked, this,
                    [this, button, handler = button->objectName() + QLatin1StringView("Click")] {
                        emit viewButtonClicked(handler, button);
                    });
        }
    }
}

int DetailsPages::currentPage() const
{
    return m_pages->currentIndex();
}

void DetailsPages::fillPage(int page, const ElementRecord &element)
{
    m_filledFrom.at(page) = &element;
    for (const BoundValue &value : m_values.at(page)) {
        const QString &shown = element.*value.member;
        if (value.follower) {
            // A word of the caption: one colon, at the caption's end.
            value.label->setText(shown.endsWith(u':') ? shown.chopped(1) : shown);
            value.label->resize(value.label->sizeHint().width(), value.label->height());
            const int space = value.label->fontMetrics().horizontalAdvance(u' ');
            value.follower->move(value.label->geometry().right() + 1 + space, value.follower->y());
        } else if (value.label)
            value.label->setText(shown);
        else
            value.rich->load(wrapped(shown));
    }
}

void DetailsPages::refill()
{
    for (int page = 0; page < kPages; ++page)
        if (const ElementRecord *element = m_filledFrom[page])
            fillPage(page, *element);
}

void DetailsPages::setIdentity(const QString &symbol, const QString &number, const QString &magneticType)
{
    m_symbol->setText(symbol);
    m_number->setText(number);
    m_magnetic->setText(magneticType);
}

std::vector<QWidget *> DetailsPages::movementPassers() const
{
    return m_movementPassers;
}

// The main window's handlers of the details panel.

} // namespace tablicznik
