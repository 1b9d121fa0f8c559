#include "toprogramie.h"

#include "authorcontact.h"
#include "data/appinfo.h"
#include "auxiliarywindows.h"
#include "controls/picture.h"
#include "linklabel.h"
#include "cues/soundcues.h"
#include "toautorzeform.h"
#include "tzrodlaform.h"
#include "windowlook.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tablicznik {

const QString TOprogramie::kRights = QStringLiteral("© %1. Wszelkie prawa zastrzeżone.").arg(author::kName);

const QString TOprogramie::kFreeware =
    QStringLiteral("Tablicznik jest programem darmowym (freeware): wolno go kopiować i przekazywać innym, "
                   "ale wyłącznie bezpłatnie.");

const QStringList TOprogramie::kNotice = {
    QStringLiteral("UWAGA!"),
    QStringLiteral("  - Program służy rozrywce i nauce."),
    QStringLiteral("  - Dane fizyczne i chemiczne pochodzą z wielu, w większości"),
    QStringLiteral("    popularnych, źródeł i należy je traktować z rezerwą."),
    QStringLiteral("  - Autorzy nie odpowiadają za szkody wynikłe z używania"),
    QStringLiteral("    programu ani zawartych w nim informacji."),
    QString(),
    QStringLiteral("Użytkowników, którzy zauważą w programie błędy, prosimy"),
    QStringLiteral("o wiadomość, jak podano poniżej. Z góry dziękujemy!"),
    QString(),
};

namespace {

// A silver panel with a one-pixel bevel, raised or lowered; the window is a
// raised panel holding a lowered one, as the old about boxes were.
QFrame *bevelPanel(QWidget *parent, const QRect &place, QFrame::Shadow shadow, const char *name)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QLatin1StringView(name));
    panel->setGeometry(place);
    panel->setFrameStyle(QFrame::Panel | shadow);
    panel->setLineWidth(1);
    makeSilver(panel);
    return panel;
}

// The link's text is its address; without an address, the sentence that
// stands in its place, with neither a target nor the link's tooltip.
LinkLabel *centredLink(QWidget *parent, const char *name, const QUrl &target, const QString &address,
                       const QString &instead, int top, const QString &tip)
{
    auto *link = new LinkLabel(target.isEmpty() ? instead : address, target, parent);
    link->setObjectName(QLatin1StringView(name));
    link->setFont(arial(11, true));
    if (link->isLink())
        link->setToolTip(tip);
    link->adjustSize();
    link->move((parent->width() - link->width()) / 2, top);
    return link;
}

} // namespace

TOprogramie::TOprogramie(AuxiliaryWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setUpWindow(this, "Oprogramie", QStringLiteral("Tablicznik – O programie"), 9, Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint);
    setClientSizeCentred(this, kClientWidth, kClientHeight);

    QFrame *outer = bevelPanel(this, rect(), QFrame::Raised, "Panel1");
    QFrame *inner = bevelPanel(outer, outer->rect().adjusted(2, 2, -2, -2), QFrame::Sunken, "Panel2");
    createTopBand(inner);
    createBody(inner);
}

TOprogramie::~TOprogramie()
{
    // Author windows opened while this window was modal hang on it so that
    // they could be used then; they outlive it, as every author window does.
    for (auto *author : findChildren<TOautorzeForm *>(Qt::FindDirectChildrenOnly)) {
        const bool shown = author->isVisible();
        author->setParent(nullptr, author->windowFlags());
        if (shown)
            author->show();
    }
}

void TOprogramie::createTopBand(QWidget *panel)
{
    QFrame *band = bevelPanel(panel, {4, 4, panel->width() - 8, 73}, QFrame::Raised, "Panel3");

    QLabel *name = placeLabel(band, QStringLiteral("Tablicznik wersja %1").arg(kVersion), {6, 4, 170, 65}, arial(16, true),
                              Qt::AlignCenter);
    name->setObjectName(QStringLiteral("ProductName"));
    name->setWordWrap(true);

    auto *logo = new QLabel(band);
    logo->setObjectName(QStringLiteral("ProgramIcon"));
    logo->setGeometry(band->width() - 148 - 3, 3, 148, 67);
    logo->setPixmap(loadPicture(QStringLiteral(":/pictures/about_logo.png")));
}

void TOprogramie::createBody(QWidget *panel)
{
    const int left = 8, width = panel->width() - 16;

    QLabel *rights = placeLabel(panel, kRights, {left, 82, width, 12}, arial(9));
    rights->setObjectName(QStringLiteral("Copyright"));

    QLabel *comments = placeLabel(panel, kFreeware, {left, 96, width, 24}, arial(9));
    comments->setObjectName(QStringLiteral("Comments"));
    comments->setWordWrap(true);

    auto *memo = new QPlainTextEdit(panel);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setGeometry((panel->width() - 335) / 2, 122, 335, 122);
    memo->setFont(arial(9));
    memo->setFrameShape(QFrame::NoFrame);
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->document()->setDocumentMargin(1);
    memo->viewport()->setCursor(Qt::ArrowCursor);
    makeSilver(memo);
    memo->setPlainText(kNotice.join(QLatin1Char('\n')));

    LinkLabel *mail = centredLink(panel, "Label1", author::mailUrl(), author::kEmail, author::kReportErrors, 245,
                                  QStringLiteral("Wygarnij autorowi!"));
    connect(mail, &LinkLabel::clicked, this, &TOprogramie::Label1Click);

    QLabel *next = placeLabel(panel,
                              author::kWebPage.isEmpty()
                                  ? QStringLiteral("UWAGA! Kolejnych wersji programu szukaj:")
                                  : QStringLiteral("UWAGA! Kolejne wersje programu dostępne będą w Internecie na stronie:"),
                              {left, 261, width, 12}, arial(9));
    next->setObjectName(QStringLiteral("Label3"));

    LinkLabel *web = centredLink(panel, "Label4", author::webUrl(), author::kWebPage, author::kNewVersions, 274,
                                 QStringLiteral("Zajrzyj na stronę programu"));
    connect(web, &LinkLabel::clicked, this, &TOprogramie::Label4Click);

    struct ButtonPlace {
        const char *name, *caption;
        QRect place;
        void (TOprogramie::*click)();
    };
    const ButtonPlace buttons[] = {
        {"Button1", "O autorze...", {left, 294, 96, 25}, &TOprogramie::Button1Click},
        {"Button2", "Źródła informacji...", {left + 104, 294, 128, 25}, &TOprogramie::Button2Click},
        {"OK", "OK", {left + width - 89, 294, 89, 25}, &TOprogramie::OKClick},
    };
    for (const auto &b : buttons) {
        auto *button = new QPushButton(QString::fromUtf8(b.caption), panel);
        button->setObjectName(QLatin1StringView(b.name));
        button->setGeometry(b.place);
        button->setFont(arial(11));
        // Enter clicks the button that has the focus, OK when none has.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, b.click);
    }
    findChild<QPushButton *>(QStringLiteral("OK"))->setDefault(true);
}

void TOprogramie::Button1Click()
{
    m_windows.cues().PlayClick();
    // While this window is modal, another top-level window could not be
    // used; hanging the author window on it lets it take input.
    QWidget *owner = isModal() && isVisible() ? this : nullptr;
    m_windows.show(new TOautorzeForm(m_windows, owner));
}

void TOprogramie::Button2Click()
{
    m_windows.cues().PlayClick();
    TZrodlaForm sources(m_windows.cues(), this);
    sources.exec();
}

void TOprogramie::OKClick()
{
    m_windows.cues().PlayExit();
    accept();
}

void TOprogramie::Label1Click()
{
    m_windows.cues().PlayClick();
    m_windows.openUrl(findChild<LinkLabel *>(QStringLiteral("Label1"))->target());
}

void TOprogramie::Label4Click()
{
    m_windows.cues().PlayClick();
    m_windows.openUrl(findChild<LinkLabel *>(QStringLiteral("Label4"))->target());
}

} // namespace tablicznik
