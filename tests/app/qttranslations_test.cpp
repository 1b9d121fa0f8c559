#include "data/catalogue.h"
#include "app/qttranslations.h"
#include "richtext/richtextview.h"
#include "support/testmain.h"
#include "windows/tfiszka.h"
#include "support/auxiliarywindows.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTranslator>

#include <memory>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// A text as shown, without its accelerator mark and shortcut.
QString shown(QString text)
{
    text = text.section(QLatin1Char('\t'), 0, 0);
    return text.remove(QLatin1Char('&'));
}

// What the user reads in the print dialog: its caption, the printer
// group's title, the properties button and the buttons at the bottom.
QStringList printDialogTexts()
{
    QPrinter printer;
    QPrintDialog dialog(&printer);
    QStringList texts{dialog.windowTitle()};
    if (auto *group = dialog.findChild<QGroupBox *>(QStringLiteral("printerGroup")))
        texts << group->title();
    if (auto *properties = dialog.findChild<QAbstractButton *>(QStringLiteral("properties")))
        texts << shown(properties->text());
    for (auto *box : dialog.findChildren<QDialogButtonBox *>())
        for (QAbstractButton *button : box->buttons())
            texts << shown(button->text());
    return texts;
}

// The card's description, right-clicked: Qt's own menu of a read-only text.
QStringList cardMenuTexts()
{
    WindowsFixture f;
    const Catalogue catalogue = Catalogue::load();
    QWidget table;
    TFiszka card(f.windows, catalogue, &table, QStringLiteral("Wodór"));
    std::unique_ptr<QMenu> menu(child<RichTextView>(&card, "RichEdit1")->createStandardContextMenu());
    QStringList texts;
    for (QAction *action : menu->actions())
        if (!action->isSeparator())
            texts << shown(action->text());
    return texts;
}

} // namespace

// Qt's own dialogs and menus speak Polish once the program has installed
// Qt's translations, as main() does at start.
class QtTranslationsTest : public QObject {
    Q_OBJECT

    QTranslator *m_installed = nullptr;

private slots:
    void initTestCase()
    {
        // Without them Qt speaks English: what the checks below tell apart.
        QVERIFY(printDialogTexts().contains(QStringLiteral("Cancel")));
        QCOMPARE(cardMenuTexts(), (QStringList{QStringLiteral("Copy"), QStringLiteral("Select All")}));

        m_installed = installQtTranslations(*qApp);
        QVERIFY2(m_installed, "qtbase_pl.qm is missing: install qt6-translations-l10n");
    }
    // The other tests of this program see Qt as it was.
    void cleanupTestCase() { delete m_installed; }

    void printDialog()
    {
        const QStringList texts = printDialogTexts();
        for (const char *polish : {"Drukowanie", "Drukarka", "Właściwości", "Wydrukuj", "Anuluj"})
            QVERIFY2(texts.contains(QString::fromUtf8(polish)), qPrintable(texts.join(u" | ")));
        for (const char *english : {"Print", "Printer", "Properties", "Cancel"})
            QVERIFY2(!texts.contains(QLatin1StringView(english)), english);
    }

    // The few texts of the print dialog that Qt's catalogue leaves in
    // English are Polish too; the rest still come from Qt's catalogue.
    void printDialogOptionsInPolish()
    {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        const auto text = [&](const char *name) {
            auto *w = dialog.findChild<QWidget *>(QLatin1StringView(name));
            if (auto *button = qobject_cast<QAbstractButton *>(w))
                return shown(button->text());
            if (auto *group = qobject_cast<QGroupBox *>(w))
                return group->title();
            return QStringLiteral("<no %1>").arg(QLatin1StringView(name));
        };
        QCOMPARE(text("pagesRadioButton"), QStringLiteral("Strony"));
        QCOMPARE(text("duplex"), QStringLiteral("Drukowanie dwustronne"));
        QCOMPARE(text("noDuplex"), QStringLiteral("Wyłączone"));
        QCOMPARE(text("duplexLong"), QStringLiteral("Wzdłuż dłuższej krawędzi"));
        QCOMPARE(text("duplexShort"), QStringLiteral("Wzdłuż krótszej krawędzi"));
        // The printer properties' tab, on a printer with options of its own.
        QCOMPARE(QCoreApplication::translate("QPrintPropertiesWidget", "Advanced"), QStringLiteral("Zaawansowane"));

        // Texts that Qt does translate still come from Qt's catalogue.
        QCOMPARE(QCoreApplication::translate("QPrintSettingsOutput", "Pages from"), QStringLiteral("Strony od"));
    }

    void cardContextMenu()
    {
        QCOMPARE(cardMenuTexts(), (QStringList{QStringLiteral("Skopiuj"), QStringLiteral("Zaznacz wszystko")}));
    }

    void standardButtons()
    {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Close);
        QCOMPARE(shown(box.button(QDialogButtonBox::Cancel)->text()), QStringLiteral("Anuluj"));
        QCOMPARE(shown(box.button(QDialogButtonBox::Close)->text()), QStringLiteral("Zamknij"));
    }
};

TABLICZNIK_TEST_MAIN(QtTranslationsTest)
#include "qttranslations_test.moc"
