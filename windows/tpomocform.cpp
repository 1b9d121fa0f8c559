#include "tpomocform.h"

#include "cues/soundcues.h"
#include "windowlook.h"

#include <QPlainTextEdit>

namespace tablicznik {

// A point starts with five spaces and "- ", its further lines with eight spaces.
const QStringList TPomocForm::kLines = {
    QStringLiteral("Uzyskiwanie informacji o wielu pierwiastkach:"),
    QStringLiteral("     - wybierz stronę notesu z potrzebnymi informacjami,"),
    QStringLiteral("     - wskaż pierwiastek myszą, a jego dane pojawią się"),
    QStringLiteral("        na wybranej stronie."),
    QString(),
    QStringLiteral("Uzyskiwanie wielu informacji o pojedynczym pierwiastku:"),
    QStringLiteral("     - zablokuj pierwiastek, klikając go PRAWYM przyciskiem,"),
    QStringLiteral("     - przeglądaj kolejne strony notesu,"),
    QStringLiteral("     - blokadę przeniesiesz, klikając PRAWYM przyciskiem"),
    QStringLiteral("        inny pierwiastek,"),
    QStringLiteral("     - blokadę zdejmiesz przyciskiem CZYŚĆ."),
    QString(),
    QStringLiteral("Uzyskiwanie opisu pierwiastka:"),
    QStringLiteral("     - kliknij pierwiastek LEWYM przyciskiem myszy; opis"),
    QStringLiteral("        można przeglądać i wydrukować."),
    QString(),
    QStringLiteral("Dodatkowo:"),
    QStringLiteral("     - mały przycisk obok właściwości na stronie notesu koloruje"),
    QStringLiteral("        według niej pierwiastki; WYKRES (Ctrl+W) - jej okresowość,"),
    QStringLiteral("     - przycisk OPCJE daje POMOC, KALKULATOR, NOTATNIK,"),
    QStringLiteral("        STAŁE FIZYCZNE, PRZEDROSTKI, informacje O PROGRAMIE"),
    QStringLiteral("        i O AUTORZE oraz NAZWY WSPÓŁCZESNE pierwiastków 104–112,"),
    QStringLiteral("     - klawisze: strzałki, Home, End i litery wskazują"),
    QStringLiteral("        pierwiastek, Enter - opis, spacja - blokada, Esc - CZYŚĆ,"),
    QStringLiteral("        Tab - przyciski; F1 pomoc, Ctrl+S stałe, Ctrl+P przedrostki."),
    QString(),
};

TPomocForm::TPomocForm(SoundCues &cues, QWidget *parent) : QDialog(parent), m_cues(cues)
{
    setObjectName(QStringLiteral("PomocForm"));
    setWindowTitle(QStringLiteral("KTX - Pomoc"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(arial(11));
    makeSilver(this);
    setClientSizeCentred(this, kClientWidth, kClientHeight);

    auto *memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("PomocMemo"));
    memo->setGeometry(rect());
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->document()->setDocumentMargin(2);
    makeSilver(memo);
    memo->setPlainText(kLines.join(QLatin1Char('\n')));
}

// Every way of closing (the close box, Esc, a modal loop ending) comes here.
void TPomocForm::done(int result)
{
    if (isVisible())
        m_cues.PlayExit();
    QDialog::done(result);
}

} // namespace tablicznik
