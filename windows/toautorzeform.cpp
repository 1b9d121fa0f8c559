#include "toautorzeform.h"

#include "authorcontact.h"
#include "auxiliarywindows.h"
#include "controls/picture.h"
#include "linklabel.h"
#include "cues/soundcues.h"
#include "windowlook.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace tablicznik {

const QStringList TOautorzeForm::kThanks = {
    QStringLiteral("Nauczycielom chemii, którzy sprawdzili opisy pierwiastków i nie szczędzili cennych uwag."),
    QStringLiteral("Korektorom tekstów, dzięki którym w programie jest mniej błędów i literówek."),
};

TOautorzeForm::TOautorzeForm(AuxiliaryWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setUpWindow(this, "Oautorze", QStringLiteral("Tablicznik – O autorze"), 11, Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint);
    setClientSizeCentred(this, kClientWidth, kClientHeight);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Panel1"));
    frame->setGeometry(6, 6, 184, 244);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(2);
    auto *picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(2, 2, 180, 240);
    picture->setPixmap(loadPicture(QStringLiteral(":/pictures/author.jpg")));

    // The address has a line of its own, so that a long one still fits.
    const int left = 198, right = kClientWidth - 6, width = right - left;
    placeLabel(this, QStringLiteral("Autor:"), {left, 8, 40, 16}, font())->setObjectName(QStringLiteral("Label1"));
    placeLabel(this, author::kName, {left + 40, 8, width - 40, 16}, arial(11, true))
        ->setObjectName(QStringLiteral("Label2"));
    // Without an address: where errors are reported instead.
    const QUrl address = author::mailUrl();
    placeLabel(this, address.isEmpty() ? QStringLiteral("Błędy zgłaszaj:") : QStringLiteral("e-mail:"),
               {left, 26, width, 16}, font())
        ->setObjectName(QStringLiteral("Label7"));

    auto *mail = new LinkLabel(address.isEmpty() ? author::kReportErrorsShort : author::kEmail, address, this);
    mail->setObjectName(QStringLiteral("Label8"));
    mail->setFont(arial(11, true));
    mail->setGeometry(left + 8, 42, width - 8, 16);
    connect(mail, &LinkLabel::clicked, this, &TOautorzeForm::Label8Click);

    placeLabel(this, QStringLiteral("Podziękowania:"), {left, 68, width, 18}, arial(13))
        ->setObjectName(QStringLiteral("Label3"));
    int top = 90;
    int index = 4;
    for (const QString &paragraph : kThanks) {
        QLabel *thanks = placeLabel(this, paragraph, {left + 8, top, width - 8, 52}, font());
        thanks->setObjectName(QStringLiteral("Label%1").arg(index++));
        thanks->setWordWrap(true);
        top += 54;
    }
    placeLabel(this, QStringLiteral("Serdecznie dziękujemy ;-)"), {left, top, width, 16}, font())
        ->setObjectName(QStringLiteral("Label6"));

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(right - 75, kClientHeight - 6 - 25, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TOautorzeForm::Button1Click);
}

void TOautorzeForm::Button1Click()
{
    m_windows.cues().PlayExit();
    accept();
}

void TOautorzeForm::Label8Click()
{
    m_windows.openUrl(findChild<LinkLabel *>(QStringLiteral("Label8"))->target());
}

} // namespace tablicznik
