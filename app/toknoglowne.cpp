#include "toknoglowne.h"

#include "controls/colours.h"
#include "controls/tmyspeedbutton.h"
#include "data/tablelayout.h"
#include "furniture.h"
#include "prefs/soundcues.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>

namespace tablicznik {
namespace {

const char *const kPageCaptions[] = {
    "Podstawowe", "Budowa atomu", "Wł. makroskopowe", "Wł. chemiczne", "Wł. fazowe", "Wł. cieplne",
    "Wł. elektryczne i magnetyczne", "Jony", "Rozpowszechnienie", "Izotopy", "Minerały",
};

// The flat command buttons along the window's edges.
struct CommandButton {
    const char *name, *caption, *picture;
    QRect place;
};
const CommandButton kCommandButtons[] = {
    {"SpeedButton1", "", ":/pictures/help.png", {589, 119, 30, 57}},
    {"SpeedButton2", "Opcje", ":/pictures/opcje.png", {419, 397, 57, 25}},
    {"SpeedButton3", "Czyść", ":/pictures/czysc.png", {490, 397, 57, 25}},
    {"SpeedButton4", " Wyjdź", ":/pictures/wyjdz.png", {560, 397, 57, 25}},
};

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &place, const QFont &font,
                  quint32 textColour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1StringView(name));
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour(textColour));
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

} // namespace

TOknoGlowne::TOknoGlowne(Catalogue catalogue, CuePlayerFactory players, QWidget *parent)
    : QWidget(parent), m_catalogue(std::move(catalogue)), m_cues(new SoundCues(std::move(players), this))
{
    setupWindow();
    createDetailsPanel();
    createFurniture();
    createElementButtons();
    createLegend();
    createCommandButtons();
    paintBackground();
}

TOknoGlowne::~TOknoGlowne() = default;

void TOknoGlowne::setupWindow()
{
    setObjectName(QStringLiteral("OknoGlowne"));
    setWindowTitle(QStringLiteral("Tablicznik"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    setFont(pixelFont(QStringLiteral("Arial"), 11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour(clSilver));
    palette.setColor(QPalette::WindowText, colour(SystemColour::WindowText));
    palette.setColor(QPalette::Button, colour(clSilver));
    setPalette(palette);
    setMouseTracking(true);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TOknoGlowne::createDetailsPanel()
{
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel2"));
    m_panel->setGeometry(0, 1, 625, 111);
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel->setAutoFillBackground(true);

    m_pages = new QTabWidget(m_panel);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(88, 2, 532, 107);
    m_pages->setFont(pixelFont(QStringLiteral("Arial"), 11, true));
    int index = 0;
    for (const char *caption : kPageCaptions) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet%1").arg(++index));
        page->setAutoFillBackground(true);
        page->setFont(font());
        m_pages->addTab(page, QString::fromUtf8(caption));
    }
    m_panel->setFocusProxy(m_pages);
    m_pages->setFocus();
}

void TOknoGlowne::createFurniture()
{
    auto *animation = new QLabel(this);
    animation->setObjectName(QStringLiteral("Animate1"));
    animation->setGeometry(14, 27, 60, 60);
    animation->setToolTip(QStringLiteral("Bohr still rulez!"));

    auto *version = makeLabel(this, "Label1", kVersionText, {1, 116, 72, 36}, pixelFont(QStringLiteral("Arial"), 9),
                              SystemColour::BtnText, Qt::AlignHCenter | Qt::AlignTop);
    version->setWordWrap(true);
    version->setToolTip(kVersionText);

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(16, 139, 70, 70);
    logo->setPixmap(QPixmap(QStringLiteral(":/pictures/logo.png")));
    logo->setToolTip(kVersionText);
    logo->setAttribute(Qt::WA_TranslucentBackground);

    const QFont groupFont = pixelFont(QStringLiteral("MS Sans Serif"), 11, true);
    int index = 0;
    for (const auto &group : kGroupLabels) {
        const QByteArray name = "GrupaLabel" + QByteArray::number(++index);
        auto *label = makeLabel(this, name.constData(), QString::fromLatin1(group.caption), {group.left, group.top, 30, 13},
                                groupFont, SystemColour::ActiveCaption);
        label->adjustSize();
        label->setFixedHeight(13);
        label->setToolTip(QString::fromLatin1(group.hint));
    }

    const QFont fBlockFont = pixelFont(QStringLiteral("MS Sans Serif"), 20, true);
    makeLabel(this, "Label21", QStringLiteral("La"), {80, 364, 24, 23}, fBlockFont, SystemColour::InactiveCaption)
        ->setToolTip(QStringLiteral("Lantan"));
    makeLabel(this, "Label30", QStringLiteral("Ac"), {80, 397, 24, 23}, fBlockFont, SystemColour::InactiveCaption)
        ->setToolTip(QStringLiteral("Aktyn"));

    m_dateLabel = makeLabel(this, "WitamyLab1", QString(), {83, 244, 317, 24}, pixelFont(QStringLiteral("Arial"), 16, true),
                            SystemColour::Highlight, Qt::AlignHCenter | Qt::AlignTop);
    m_clockLabel = makeLabel(this, "WitamyLab2", QString(), {171, 200, 157, 36},
                             pixelFont(QStringLiteral("Arial"), 32, true), SystemColour::Highlight,
                             Qt::AlignHCenter | Qt::AlignTop);
}

void TOknoGlowne::createElementButtons()
{
    for (const ElementRecord &record : m_catalogue) {
        auto *button = new TMySpeedButton(record, this);
        button->setGeometry(elementRect(record.Numer));
        m_buttons[record.Numer - 1] = button;
    }
    m_dummyButton = new TMySpeedButton(m_catalogue.dummy(), this);
    m_dummyButton->setGeometry(51, 191, 18, 17);
    m_dummyButton->setEnabled(false);
    m_dummyButton->hide();
}

void TOknoGlowne::createLegend()
{
    m_legendBox = new QGroupBox(QStringLiteral(" Legenda "), this);
    m_legendBox->setObjectName(QStringLiteral("LegendaBox"));
    m_legendBox->setGeometry(79, 184, 332, 95);
    m_legendBox->setAutoFillBackground(true);
    m_legendBox->hide();
}

void TOknoGlowne::createCommandButtons()
{
    for (const auto &command : kCommandButtons) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1StringView(command.name));
        button->setGeometry(command.place);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
        const QPixmap picture(QLatin1StringView(command.picture));
        button->setIcon(picture);
        button->setIconSize(picture.size());
        button->setText(QString::fromUtf8(command.caption));
        button->setToolButtonStyle(button->text().isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
        button->setAttribute(Qt::WA_TranslucentBackground);
    }
    connect(findChild<QToolButton *>(QStringLiteral("SpeedButton4")), &QToolButton::clicked, this, &QWidget::close);
}

void TOknoGlowne::paintBackground()
{
    m_background = QPixmap(size());
    QPainter p(&m_background);
    const QPixmap tile(QStringLiteral(":/pictures/back.bmp"));
    if (tile.isNull())
        m_background.fill(colour(clSilver));
    else
        for (int top : {0, 160, 320})
            for (int left : {0, 159, 318, 477})
                p.drawPixmap(left, top, tile);
    p.setPen(QPen(colour(SystemColour::ActiveCaption), 0));
    p.drawPolyline(kMainTableOutline.data(), int(kMainTableOutline.size()));
    p.drawPolyline(kFBlockOutline.data(), int(kFBlockOutline.size()));
}

void TOknoGlowne::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, m_background);
}

void TOknoGlowne::PlayClick() { m_cues->PlayClick(); }
void TOknoGlowne::PlayPage() { m_cues->PlayPage(); }
void TOknoGlowne::PlayOver() { m_cues->PlayOver(); }
void TOknoGlowne::PlayExit() { m_cues->PlayExit(); }

ParsedNumber TOknoGlowne::StringToFloat(QStringView text)
{
    const ParsedNumber result = tablicznik::StringToFloat(text);
    if (result.malformed)
        QMessageBox(QMessageBox::NoIcon, QStringLiteral("Tablicznik"), QStringLiteral("Dupa11111111"), QMessageBox::Ok,
                    this)
            .exec();
    return result;
}

} // namespace tablicznik
