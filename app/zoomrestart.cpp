#include "zoomrestart.h"

#include "controls/tmyspeedbutton.h"
#include "data/appinfo.h"
#include "detailspages.h"
#include "displayscale.h"
#include "optionsmenu.h"
#include "pagecontrol.h"
#include "plotwindow.h"
#include "prefs/settings.h"
#include "toknoglowne.h"
#include "views/propertyviews.h"
#include "windows/auxiliarywindows.h"
#include "windows/tfiszka.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace tablicznik::zoomrestart {
namespace {

// Pixels at 100 % from logical ones at `percent`, and back.
int atFull(int logical, int percent) { return int(qint64(logical) * percent / 100); }
int atZoom(int full, int percent) { return int(qint64(full) * 100 / percent); }

QJsonArray numbers(std::initializer_list<int> values)
{
    QJsonArray array;
    for (int v : values)
        array.append(v);
    return array;
}

// An integer within [low, high], or nothing.
std::optional<int> integer(const QJsonValue &value, int low, int high)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != double(qint64(number)) || number < low || number > high)
        return std::nullopt;
    return int(number);
}

constexpr int kFar = 1'000'000; // larger than any desktop

// `count` integers within [low, high] from an array of exactly that many.
std::optional<std::vector<int>> integers(const QJsonValue &value, qsizetype count, int low, int high)
{
    const QJsonArray array = value.toArray();
    if (!value.isArray() || array.size() != count)
        return std::nullopt;
    std::vector<int> result;
    for (const QJsonValue &item : array) {
        const std::optional<int> number = integer(item, low, high);
        if (!number)
            return std::nullopt;
        result.push_back(*number);
    }
    return result;
}

} // namespace

QByteArray serialise(const CarriedView &view)
{
    QJsonObject object{
        {QStringLiteral("version"), kVersion.toString()},
        {QStringLiteral("madeAt"), double(view.madeAtMs)},
        {QStringLiteral("percent"), view.percent},
        {QStringLiteral("chosen"), view.chosen},
        {QStringLiteral("page"), view.page},
        {QStringLiteral("pinned"), view.pinned},
        {QStringLiteral("view"), view.view},
        {QStringLiteral("plot"), view.plot},
    };
    if (view.position)
        object.insert(QStringLiteral("position"), numbers({view.position->x(), view.position->y()}));
    QJsonArray cards;
    for (const CarriedView::Card &card : view.cards)
        cards.append(numbers({card.element, card.geometry.x(), card.geometry.y(), card.geometry.width(),
                              card.geometry.height()}));
    object.insert(QStringLiteral("cards"), cards);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<CarriedView> parse(const QByteArray &text, qint64 nowMs)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    if (object.value(QStringLiteral("version")).toString() != kVersion)
        return std::nullopt;

    CarriedView view;
    const QJsonValue madeAt = object.value(QStringLiteral("madeAt"));
    view.madeAtMs = qint64(madeAt.toDouble(-1));
    // A few seconds ahead: the clock may have been set meanwhile.
    if (!madeAt.isDouble() || view.madeAtMs > nowMs + 5'000 || nowMs - view.madeAtMs > kLifetimeMs)
        return std::nullopt;
    const std::optional<int> percent = integer(object.value(QStringLiteral("percent")), 0, 1000);
    const std::optional<int> page = integer(object.value(QStringLiteral("page")), 0, DetailsPages::kPages - 1);
    const std::optional<int> pinned = integer(object.value(QStringLiteral("pinned")), 0, Catalogue::kCount);
    const QJsonValue handler = object.value(QStringLiteral("view"));
    const QJsonValue chosen = object.value(QStringLiteral("chosen"));
    const QJsonValue cards = object.value(QStringLiteral("cards"));
    if (!percent || !settings::isScaleChoice(*percent) || !page || !pinned || !handler.isString() ||
        !chosen.isBool() || !cards.isArray() || cards.toArray().size() > kMostCards)
        return std::nullopt;
    view.percent = *percent;
    view.chosen = chosen.toBool();
    view.page = *page;
    view.pinned = *pinned;
    view.view = handler.toString();
    const QJsonValue plot = object.value(QStringLiteral("plot")); // absent before the plot existed
    if (!plot.isUndefined() && !plot.isString())
        return std::nullopt;
    view.plot = plot.toString();
    if (object.contains(QStringLiteral("position"))) {
        const auto position = integers(object.value(QStringLiteral("position")), 2, -kFar, kFar);
        if (!position)
            return std::nullopt;
        view.position = QPoint((*position)[0], (*position)[1]);
    }
    for (const QJsonValue &card : cards.toArray()) {
        const auto values = integers(card, 5, -kFar, kFar);
        if (!values || (*values)[0] < 1 || (*values)[0] > Catalogue::kCount || (*values)[3] < 1 || (*values)[4] < 1)
            return std::nullopt;
        view.cards.push_back({(*values)[0], QRect((*values)[1], (*values)[2], (*values)[3], (*values)[4])});
    }
    return view;
}

std::optional<CarriedView> takeFromEnvironment()
{
    if (!qEnvironmentVariableIsSet(kVariable))
        return std::nullopt;
    const QByteArray text = qgetenv(kVariable);
    qunsetenv(kVariable);
    return parse(text, QDateTime::currentMSecsSinceEpoch());
}

CarriedView capture(const TOknoGlowne &window, int percent)
{
    const int now = zoom::percentInEffect();
    const auto full = [now](QPoint p) { return QPoint(atFull(p.x(), now), atFull(p.y(), now)); };
    CarriedView view;
    view.percent = percent;
    view.chosen = true;
    view.madeAtMs = QDateTime::currentMSecsSinceEpoch();
    if (window.isVisible())
        view.position = full(window.pos());
    view.page = window.details().currentPage();
    const auto *legend = window.findChild<QGroupBox *>(QStringLiteral("LegendaBox"));
    if (legend && !legend->isHidden())
        view.view = window.views().shownView();
    else if (window.property("Pinned").toBool())
        view.pinned = window.property("PinnedNumber").toInt();
    for (TFiszka *card : window.auxiliaryWindows().windows<TFiszka>()) {
        const auto *list = card->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        const int element = list ? window.catalogue().numberOf(list->currentText()) : 0;
        if (card->isVisible() && element > 0 && int(view.cards.size()) < kMostCards)
            view.cards.push_back({element, QRect(full(card->pos()), card->size())});
    }
    if (const PlotWindow *plot = window.optionsMenu().plotCommand().plotWindow(); plot && plot->isVisible())
        view.plot = plot->plot()->series().handler;
    return view;
}

void restore(TOknoGlowne &window, const CarriedView &view)
{
    const int now = zoom::percentInEffect();
    if (view.chosen)
        window.setSkala(view.percent); // the run before may not have stored it yet
    if (view.position)
        window.move(atZoom(view.position->x(), now), atZoom(view.position->y(), now));
    window.details().pageControl()->setCurrentIndex(view.page);
    if (!view.view.isEmpty())
        window.views().run(view.view);
    else if (view.pinned > 0)
        window.MySpeedButton1MouseDown(window.elementButton(view.pinned), Qt::RightButton);
}

void reopenCards(TOknoGlowne &window, const CarriedView &view)
{
    const int now = zoom::percentInEffect();
    for (const CarriedView::Card &card : view.cards) {
        const QString name = window.catalogue().element(card.element).Nazwa;
        window.setProperty("CardElementName", name);
        emit window.cardRequested(name);
        if (const QList<TFiszka *> cards = window.auxiliaryWindows().windows<TFiszka>(); !cards.isEmpty())
        {
            cards.last()->resize(card.geometry.size());
            cards.last()->move(atZoom(card.geometry.x(), now), atZoom(card.geometry.y(), now));
            zoom::keepOnScreen(cards.last());
        }
    }
    if (!view.plot.isEmpty())
        window.optionsMenu().plotCommand().open(view.plot);
}

bool startAgain(const CarriedView &view)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kVariable), QString::fromUtf8(serialise(view)));
    process.setProcessEnvironment(environment);
    process.setProgram(QCoreApplication::applicationFilePath());
    process.setArguments(QCoreApplication::arguments().mid(1));
    if (process.startDetached())
        return true;
    qWarning().noquote() << QStringLiteral("Tablicznik: nie można uruchomić programu ponownie (%1).")
                                .arg(process.errorString());
    return false;
}

bool restartAt(TOknoGlowne &window, int percent)
{
    // The new run is started first, and takes the zoom from the view.
    if (!startAgain(capture(window, percent)))
        return false;
    window.ZapiszRejestr();
    window.closeForRestart();
    return true;
}

} // namespace tablicznik::zoomrestart
