#include "settings.h"

#include "data/appinfo.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QVariant>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace tablicznik {
namespace {

// Debug lines for watching the start-up from outside (off by default; on
// with QT_LOGGING_RULES="tablicznik.settings.debug=true").
Q_LOGGING_CATEGORY(lcSettings, "tablicznik.settings", QtInfoMsg)

using settings::kValues;
enum ValueIndex { Showed, PlaySounds, ShowTime, ShowAVI, ShowHelp, ValueCount };
static_assert(std::size(kValues) == ValueCount);

struct Assignment {
    const char *name;
    int value;
};

// A stored value as a 32-bit integer (signed or unsigned, as the registry's
// DWORD); anything else counts as missing.
std::optional<qint64> integerValue(const QVariant &value)
{
    bool ok = false;
    qint64 number = 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        number = value.toLongLong(&ok);
        break;
    case QMetaType::QString:
        number = value.toString().trimmed().toLongLong(&ok, 10);
        break;
    case QMetaType::QByteArray:
        number = value.toByteArray().trimmed().toLongLong(&ok, 10);
        break;
    default:
        return std::nullopt;
    }
    if (!ok || number < INT32_MIN || number > qint64(UINT32_MAX))
        return std::nullopt;
    return number;
}

QString describe(QSettings::Status status)
{
    return status == QSettings::FormatError ? QStringLiteral("nieczytelna zawartość")
                                            : QStringLiteral("brak dostępu");
}

// QSettings writes through a temporary file and a rename, which would also
// replace a file that was made read-only on purpose; such a file is left
// alone even when the user could replace it.
bool mayWrite(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return true; // the registry, or a file QSettings creates with its folders
    if (!info.isFile() || !info.isWritable())
        return false;
    return info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther);
}

// Where QSettings keeps the store, found without reading it: QSettings
// reads its files whole as soon as it is made, so the store's own file is
// looked up through a store of another name beside it, which does not exist.
QString storeFileName()
{
    const QString application = QString::fromLatin1(settings::kApplication);
    const QString neighbour = application + QStringLiteral(".location");
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope, kOrganisation.toString(),
                          neighbour);
    QString fileName = probe.fileName();
    const qsizetype at = fileName.lastIndexOf(neighbour);
    return at < 0 ? QString() : fileName.replace(at, neighbour.size(), application);
}

// One opening of the store, with its failures reported once.
class Store {
public:
    // The store holds five short values; a file far larger than that is
    // not parsed (QSettings would read all of it into memory first).
    static constexpr qint64 kLargestFile = 64 * 1024;

    Store() : m_fileName(storeFileName())
    {
        const QFileInfo file(m_fileName);
        if (file.isFile() && file.size() > kLargestFile) {
            m_readStatus = QSettings::FormatError;
            m_oversize = file.size();
            return;
        }
        m_settings.emplace(QSettings::NativeFormat, QSettings::UserScope, kOrganisation.toString(),
                           QString::fromLatin1(settings::kApplication));
        m_fileName = m_settings->fileName();
        m_settings->setFallbacksEnabled(false); // the user's own store only
        m_settings->setAtomicSyncRequired(true);
        // QSettings parses a file's sections when they are first read; all
        // of them are read here, so that a fault anywhere in the file shows
        // now and not only when the file is written.
        m_settings->allKeys();
        m_settings->beginGroup(QString::fromLatin1(settings::kGroup));
        for (int i = 0; i < ValueCount; ++i)
            m_stored[i] = integerValue(m_settings->value(QLatin1StringView(kValues[i].name)));
        m_nazwyIUPAC = readSwitch(settings::kNazwyIUPAC);
        m_wyrazneKolory = readSwitch(settings::kWyrazneKolory);
        m_readStatus = m_settings->status();
        const QLatin1StringView scale(settings::kScaleName);
        m_scaleKept = m_settings->contains(scale);
        m_scale = integerValue(m_settings->value(scale));
    }

    QSettings::Status readStatus() const { return m_readStatus; }
    QString fileName() const { return m_fileName; }

    // The stored values; a missing or non-integer one is empty.
    const std::array<std::optional<qint64>, ValueCount> &stored() const { return m_stored; }
    // A switch stored only once used: its value and whether the store
    // holds it in any form.
    struct Switch {
        bool on = false;
        bool kept = false;
    };
    const Switch &nazwyIUPAC() const { return m_nazwyIUPAC; }
    const Switch &wyrazneKolory() const { return m_wyrazneKolory; }
    const std::optional<qint64> &storedScale() const { return m_scale; }
    bool scaleKept() const { return m_scaleKept; } // in the store, in any form

    // Writes the values in their order and makes them durable.
    bool write(const std::vector<Assignment> &values)
    {
        if (values.empty())
            return true;
        if (!m_settings || !mayWrite(fileName())) {
            reportUnwritable(QSettings::AccessError);
            return false;
        }
        for (const Assignment &a : values)
            m_settings->setValue(QLatin1StringView(a.name), a.value);
        m_settings->sync();
        if (m_settings->status() != QSettings::NoError) {
            reportUnwritable(m_settings->status());
            return false;
        }
        return true;
    }

    void reportUnreadable() const
    {
        const QString reason = m_oversize ? QStringLiteral("plik ma %1 bajtów, to nie są ustawienia").arg(m_oversize)
                                          : describe(m_readStatus);
        qWarning().noquote() << QStringLiteral("Tablicznik: nie można odczytać ustawień z %1 (%2); "
                                               "przyjęto ustawienia domyślne.")
                                    .arg(fileName(), reason);
    }

    void reportUnwritable(QSettings::Status status)
    {
        if (std::exchange(m_writeReported, true))
            return;
        qWarning().noquote()
            << QStringLiteral("Tablicznik: nie można zapisać ustawień w %1 (%2).").arg(fileName(), describe(status));
    }

private:
    QString m_fileName;
    std::optional<QSettings> m_settings; // none when the file is not read
    std::array<std::optional<qint64>, ValueCount> m_stored;
    // Missing or not an integer: off.
    Switch readSwitch(const settings::StoredValue &value) const
    {
        const QLatin1StringView name(value.name);
        return {integerValue(m_settings->value(name)).value_or(value.defaultValue) != 0, m_settings->contains(name)};
    }

    Switch m_nazwyIUPAC;
    Switch m_wyrazneKolory;
    std::optional<qint64> m_scale;
    bool m_scaleKept = false;
    QSettings::Status m_readStatus = QSettings::NoError;
    qint64 m_oversize = 0;
    bool m_writeReported = false;
};

} // namespace

namespace settings {

QString location() { return Store().fileName(); }

int storedScale()
{
    const Store store;
    const std::optional<qint64> scale = store.storedScale();
    return store.readStatus() == QSettings::NoError && scale && isScaleChoice(*scale) ? int(*scale) : kDefaultScale;
}

bool isScaleChoice(qint64 percent)
{
    return std::find(std::begin(kScaleChoices), std::end(kScaleChoices), percent) != std::end(kScaleChoices);
}

} // namespace settings

bool SprawdzRejestr(Preferences &flags, const std::function<void()> &showAboutWindow)
{
    Store store;
    if (store.readStatus() != QSettings::NoError) {
        // Whether this is the first run is unknown, and nothing can be
        // recorded: the about window is not shown.
        store.reportUnreadable();
        flags = Preferences::defaults();
        return false;
    }

    const auto &stored = store.stored();
    std::vector<Assignment> missing;
    for (int i = 0; i < ValueCount; ++i)
        if (!stored[i])
            missing.push_back({kValues[i].name, kValues[i].defaultValue});
    bool ok = store.write(missing);

    const auto isSet = [&](ValueIndex i) { return stored[i].value_or(kValues[i].defaultValue) != 0; };
    flags.PlaySounds = isSet(PlaySounds);
    flags.ShowTime = isSet(ShowTime);
    flags.ShowAVI = isSet(ShowAVI);
    flags.ShowHelp = isSet(ShowHelp);
    flags.NazwyIUPAC = store.nazwyIUPAC().on;
    flags.WyrazneKolory = store.wyrazneKolory().on;
    const std::optional<qint64> scale = store.storedScale();
    flags.Skala = scale && settings::isScaleChoice(*scale) ? int(*scale) : settings::kDefaultScale;

    if (!isSet(Showed)) {
        qCDebug(lcSettings) << "first run: the about window opens";
        if (showAboutWindow)
            showAboutWindow();
        ok = store.write({{kValues[Showed].name, 1}}) && ok;
    }
    return ok;
}

bool ZapiszRejestr(const Preferences &flags)
{
    auto store = std::make_unique<Store>();
    if (store->readStatus() == QSettings::FormatError) {
        // A garbage file: start a clean one, which then holds the defaults
        // and the flags of this run. (When the file was read before in this
        // run and has not changed, QSettings reuses what it parsed then,
        // reports no error and writes a clean file by itself.)
        const QString fileName = store->fileName();
        if (!mayWrite(fileName)) { // a read-only file is left alone, garbage or not
            store->reportUnwritable(QSettings::AccessError);
            return false;
        }
        store.reset();
        if (!QFile::remove(fileName)) {
            qWarning().noquote() << QStringLiteral("Tablicznik: nie można zastąpić nieczytelnego pliku ustawień %1.")
                                        .arg(fileName);
            return false;
        }
        store = std::make_unique<Store>();
    }
    if (store->readStatus() != QSettings::NoError) {
        store->reportUnwritable(store->readStatus());
        return false;
    }

    const auto &stored = store->stored();
    std::vector<Assignment> values;
    if (!stored[Showed])
        values.push_back({kValues[Showed].name, kValues[Showed].defaultValue});
    values.push_back({kValues[PlaySounds].name, flags.PlaySounds ? 1 : 0});
    values.push_back({kValues[ShowTime].name, flags.ShowTime ? 1 : 0});
    values.push_back({kValues[ShowAVI].name, flags.ShowAVI ? 1 : 0});
    values.push_back({kValues[ShowHelp].name, flags.ShowHelp ? 1 : 0});
    if (flags.NazwyIUPAC || store->nazwyIUPAC().kept)
        values.push_back({settings::kNazwyIUPAC.name, flags.NazwyIUPAC ? 1 : 0});
    if (flags.WyrazneKolory || store->wyrazneKolory().kept)
        values.push_back({settings::kWyrazneKolory.name, flags.WyrazneKolory ? 1 : 0});
    if (flags.Skala != settings::kDefaultScale || store->scaleKept())
        values.push_back({settings::kScaleName,
                          settings::isScaleChoice(flags.Skala) ? flags.Skala : settings::kDefaultScale});
    return store->write(values);
}

} // namespace tablicznik
