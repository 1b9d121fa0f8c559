#include "tpomocform.h"

#include "cues/soundcues.h"
#include "windowlook.h"

#include <QTextEdit>

namespace tablicznik {

// Commands are written as their buttons and menu items read, in capitals;
// "OPCJE → X" is item X of the options menu.
const QList<TPomocForm::Section> TPomocForm::kSections = {
    {QStringLiteral("Uzyskiwanie informacji o wielu pierwiastkach:"),
     {QStringLiteral("wybierz stronę notesu z potrzebnymi informacjami,"),
      QStringLiteral("wskaż pierwiastek myszą, a jego dane pojawią się na wybranej stronie.")}},
    {QStringLiteral("Uzyskiwanie wielu informacji o pojedynczym pierwiastku:"),
     {QStringLiteral("zablokuj pierwiastek, klikając go PRAWYM przyciskiem,"),
      QStringLiteral("przeglądaj kolejne strony notesu,"),
      QStringLiteral("blokadę przeniesiesz, klikając PRAWYM przyciskiem inny pierwiastek,"),
      QStringLiteral("blokadę zdejmiesz przyciskiem CZYŚĆ.")}},
    {QStringLiteral("Uzyskiwanie opisu pierwiastka:"),
     {QStringLiteral("kliknij pierwiastek LEWYM przyciskiem myszy; opis można przeglądać i wydrukować "
                     "(bez drukarki powstaje plik PDF nazwany jak pierwiastek).")}},
    {QStringLiteral("Kolorowanie tablicy:"),
     {QStringLiteral("mały przycisk obok właściwości na stronie notesu koloruje pierwiastki według tej "
                     "właściwości, a legenda objaśnia kolory,"),
      QStringLiteral("OPCJE → WYKRES (Ctrl+W) rysuje pokazaną właściwość liczbową w zależności od liczby "
                     "atomowej, z okresami, gazami szlachetnymi i litowcami; wskazanie słupka wskazuje "
                     "pierwiastek, a kliknięcie go blokuje,"),
      QStringLiteral("OPCJE → WYRAŹNE KOLORY wypełnia kolorem całe pola pierwiastków, rozróżnialnym także "
                     "przy daltonizmie, z czarnym lub białym symbolem; pierwiastki bez danych są szare i "
                     "kreskowane, a zablokowany ma grubą ramkę; program pamięta ten wybór,"),
      QStringLiteral("przycisk CZYŚĆ przywraca zwykły wygląd tablicy.")}},
    {QStringLiteral("Tablica w pliku i na papierze:"),
     {QStringLiteral("OPCJE → ZAPISZ OBRAZ TABLICY zapisuje samą tablicę z numerami grup i okresów, legendą "
                     "i tytułem, zawsze w wyraźnych kolorach, jako obraz PNG o podwójnej rozdzielczości, np. na "
                     "kartę pracy,"),
      QStringLiteral("OPCJE → DRUKUJ TABLICĘ drukuje ją na jednej stronie; bez drukarki powstaje plik PDF.")}},
    {QStringLiteral("Powiększenie:"),
     {QStringLiteral("OPCJE → POWIĘKSZENIE powiększa wszystkie okna programu od 100 % do 300 %, np. do pokazu "
                     "na rzutniku; do wyboru są tylko stopnie, przy których okno mieści się na ekranie,"),
      QStringLiteral("program pamięta wybrany stopień; na mniejszym ekranie zaczyna od największego, który się "
                     "mieści.")}},
    {QStringLiteral("Nazwy pierwiastków 104–112:"),
     {QStringLiteral("OPCJE → NAZWY WSPÓŁCZESNE (IUPAC) pokazuje dzisiejsze nazwy i symbole pierwiastków "
                     "104–112, od rutherfordu (Rf) do kopernika (Cn), zamiast nazw systematycznych (Unq … Uub), "
                     "a tablica zyskuje pierwiastki 113–118, od nihonu (Nh) do oganesonu (Og); program pamięta ten wybór.")}},
    {QStringLiteral("Klawiatura:"),
     {QStringLiteral("strzałki, Home i End przesuwają wskazanie po tablicy, a litery wskazują pierwiastek "
                     "po symbolu lub nazwie (np. „fe”, „miedź”),"),
      QStringLiteral("Enter otwiera opis, spacja blokuje pierwiastek, Esc działa jak CZYŚĆ, a w opisie, "
                     "pomocy i tabelach zamyka okno,"),
      QStringLiteral("Tab przechodzi do przycisków; F1 – pomoc, Ctrl+S – stałe fizyczne, Ctrl+P – przedrostki, "
                     "Ctrl+R – tabela rozpuszczalności, Ctrl+E – szereg metali, "
                     "Ctrl+M – masa molowa, Ctrl+W – wykres.")}},
    {QStringLiteral("Dodatkowo:"),
     {QStringLiteral("przycisk OPCJE daje też POMOC, KALKULATOR, MASĘ MOLOWĄ, NOTATNIK, STAŁE FIZYCZNE, "
                     "PRZEDROSTKI, TABELA ROZPUSZCZALNOŚCI, SZEREG METALI, informacje O PROGRAMIE i O AUTORZE "
                     "oraz włączanie i wyłączanie animacji, dźwięków, dymków i zegara.")}},
};

QString TPomocForm::plainText()
{
    QStringList lines;
    for (const Section &section : kSections) {
        lines << section.heading;
        for (const QString &point : section.points)
            lines << QStringLiteral("– ") + point;
        lines << QString();
    }
    return lines.join(u'\n');
}

TPomocForm::TPomocForm(SoundCues &cues, QWidget *parent) : QDialog(parent), m_cues(cues)
{
    setUpWindow(this, "PomocForm", QStringLiteral("Tablicznik – Pomoc"), kTextPixels, Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint);
    setClientSizeCentred(this, kClientWidth, kClientHeight);

    // Headings in bold, the points as a list with hanging lines, wrapped
    // to the window, a margin all round.
    QString html;
    for (const Section &section : kSections) {
        html += QStringLiteral("<p style=\"margin-top:6px; margin-bottom:2px\"><b>%1</b></p><ul style=\"margin-top:0; "
                               "margin-left:0; -qt-list-indent:1\">")
                    .arg(section.heading.toHtmlEscaped());
        for (const QString &point : section.points)
            html += QStringLiteral("<li>%1</li>").arg(point.toHtmlEscaped());
        html += QStringLiteral("</ul>");
    }

    auto *memo = new QTextEdit(this);
    memo->setObjectName(QStringLiteral("PomocMemo"));
    memo->setGeometry(rect());
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QTextEdit::WidgetWidth);
    memo->document()->setDefaultFont(arial(kTextPixels));
    memo->document()->setDocumentMargin(kMargin);
    memo->viewport()->setCursor(Qt::ArrowCursor);
    makeSilver(memo);
    memo->setHtml(html);
}

// Every way of closing (the close box, Esc, a modal loop ending) comes here.
void TPomocForm::done(int result)
{
    if (isVisible())
        m_cues.PlayExit();
    QDialog::done(result);
}

} // namespace tablicznik
