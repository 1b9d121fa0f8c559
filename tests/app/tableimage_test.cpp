#include "support/mainwindow.h"
#include "support/pixels.h"
#include "support/testmain.h"

#include "app/optionsmenu.h"
#include "app/tableimage.h"
#include "controls/readablefaces.h"
#include "data/tablelayout.h"
#include "richtext/printdocument.h"
#include "views/legend.h"
#include "views/propertyviews.h"
#include "windows/auxiliarywindows.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TableImageTest : public QObject {
    Q_OBJECT

    MainWindowFixture f;
    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_offered;  // what the file dialog was given
    QString m_answer;       // what the user picks there
    QStringList m_warnings;

    TableImage &image() const { return f.window->optionsMenu().tableImage(); }
    QString path(const QString &name) const { return m_dir->filePath(name); }
    void trigger(const char *item)
    {
        auto *action = f.window->optionsMenu().SetupPopupMenu()->findChild<QAction *>(QLatin1StringView(item));
        QVERIFY2(action, item);
        action->trigger();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        f.open(programCatalogue(), MainWindowFixture::pointerDriven());
        m_offered.clear();
        m_warnings.clear();
        image().setFileChooser([this](QWidget *, const QString &suggested) {
            m_offered << suggested;
            return m_answer;
        });
        image().setWarning([this](QWidget *, const QString &text) { m_warnings << text; });
    }
    void cleanup() { f.close(); }

    // Where a point of the window lands on the picture, at twice the resolution.
    QPoint onPicture(QPoint windowPoint) const
    {
        return 2 * (windowPoint + QPoint(TableImage::kPeriodMargin, TableImage::kCaptionBand)
                    - f.window->worksheetArea().topLeft());
    }
    QRect onPicture(const QRect &windowRect) const { return {onPicture(windowRect.topLeft()), 2 * windowRect.size()}; }
    QSize pictureSize() const
    {
        const QRect area = f.window->worksheetArea();
        return 2 * QSize(TableImage::kPeriodMargin + area.width(), TableImage::kCaptionBand + area.height());
    }

    // Twice the table's pixels under a strip with the title; the symbols'
    // colours, and the legend and coloured elements in the readable faces
    // whether or not the window shows them.
    void pictureShowsTheTableAsItIs()
    {
        f.pin(26);
        LegendContent legend;
        legend.Count = 2;
        legend.entries[0] = {0x0000FFu, QStringLiteral("- pierwszy")};
        legend.entries[1] = {0xFF0000u, QStringLiteral("- drugi")};
        legend.Title = QStringLiteral(" Próba ");
        f.window->Maluj(legend); // unpins, and leaves the symbols' colours
        f.element(27)->setSwatchColours(colour(0x0000FFu), f.window->swatchFace(1));
        QVERIFY(f.find("LegendaBox")->isVisible());

        const QImage picture = image().picture();
        QCOMPARE(picture.size(), pictureSize());
        QVERIFY(holds(picture, colour(TOknoGlowne::PinColor), onPicture(elementRect(26))));
        QVERIFY(!holds(picture, colour(TOknoGlowne::PinColor), onPicture(elementRect(27))));
        QCOMPARE(picture.pixelColor(onPicture(elementRect(27).topLeft() + QPoint(3, 3))), f.window->swatchFace(1));
        QWidget *swatch = f.find("Shape1");
        QVERIFY(swatch->isVisible());
        const QRect swatchRect(swatch->mapTo(f.window.get(), QPoint()), swatch->size());
        QCOMPARE(picture.pixelColor(onPicture(swatchRect.center())), f.window->swatchFace(1));
        // The window itself keeps the plain look.
        QVERIFY(!f.element(27)->readable());
        // The title is written in the strip: dark pixels on the silver.
        const QRect strip(0, 0, picture.width(), 2 * TableImage::kCaptionBand - 2);
        QVERIFY(holds(picture, colour(SystemColour::WindowText), strip));
        QCOMPARE(picture.pixelColor(picture.width() - 4, 4), colour(clSilver));
        // Another caption, another strip.
        f.window->setCaption(QStringLiteral("Tablicznik"));
        QVERIFY(image().picture().copy(strip) != picture.copy(strip));
    }

    // Every element the view greys is hatched on the picture, every one it
    // colours shows its face; the window keeps the usual look.
    void pictureHatchesElementsWithoutValue()
    {
        QVERIFY(f.window->views().run(QStringLiteral("PromAtomButtonClick")));
        const QImage picture = image().picture();
        int hatched = 0;
        for (int numer = 1; numer <= f.window->catalogue().count(); ++numer) {
            const QRect place = onPicture(elementRect(numer));
            if (!f.enabled(numer)) {
                QVERIFY2(holds(picture, readablefaces::noDataHatch().color(), place), qPrintable(QString::number(numer)));
                ++hatched;
            } else {
                QCOMPARE(picture.pixelColor(onPicture(elementRect(numer).topLeft() + QPoint(3, 3))),
                         f.element(numer)->face());
            }
        }
        QVERIFY(hatched > 0);
        QVERIFY(!f.element(1)->readable());
    }

    // The command buttons, the clock and the details panel are no part of a
    // worksheet: the picture is the same without them.
    void pictureShowsOnlyTheTable()
    {
        f.window->setClockVisible(true);
        const QImage picture = image().picture();
        std::vector<QWidget *> hidden;
        for (QWidget *child : f.window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const auto parts = f.window->worksheetParts();
            if (child->isVisible() && std::find(parts.begin(), parts.end(), child) == parts.end())
                hidden.push_back(child);
        }
        QVERIFY(std::find(hidden.begin(), hidden.end(), f.find("SpeedButton2")) != hidden.end()); // "Opcje"
        QVERIFY(std::find(hidden.begin(), hidden.end(), f.find("WitamyLab2")) != hidden.end());   // the clock
        for (QWidget *child : hidden)
            child->hide();
        QCOMPARE(picture, image().picture());
        for (QWidget *child : hidden)
            child->show();
    }

    void titleOfCaption_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::newRow("units kept") << QStringLiteral("PROMIEŃ ATOMU [pm].") << QStringLiteral("Promień atomu [pm]");
        QTest::newRow("lone capitals") << QStringLiteral("GĘSTOŚĆ CIAŁ STAŁYCH I CIECZY [g/cm^3].") << QStringLiteral("Gęstość ciał stałych i cieczy [g/cm^3]");
        QTest::newRow("words in brackets") << QStringLiteral("ZAWARTOŚĆ W WODACH OCEANU [W 1000 kg WODY MORSKIEJ].")
                                           << QStringLiteral("Zawartość w wodach oceanu [w 1000 kg wody morskiej]");
        QTest::newRow("watt and kelvin") << QStringLiteral("WSPÓŁCZYNNIK PRZEWODZENIA CIEPŁA [W/(m•K)].")
                                         << QStringLiteral("Współczynnik przewodzenia ciepła [W/(m•K)]");
        QTest::newRow("shell letter") << QStringLiteral("ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE O.")
                                      << QStringLiteral("Zmiany konfiguracji elektronowej na powłoce O");
        QTest::newRow("names") << QStringLiteral("MODUŁ YOUNGA PIERWIASTKA [GPa].") << QStringLiteral("Moduł Younga pierwiastka [GPa]");
        QTest::newRow("degrees") << QStringLiteral("TEMPERATURA CURIE FERROMAGNETYKÓW [°C].") << QStringLiteral("Temperatura Curie ferromagnetyków [°C]");
        QTest::newRow("not in capitals") << QStringLiteral("Tablicznik - Żelazo") << QStringLiteral("Tablicznik - Żelazo");
    }
    void titleOfCaption()
    {
        QFETCH(QString, caption);
        QFETCH(QString, title);
        QCOMPARE(TableImage::titleOf(caption), title);
    }

    void saveWritesAPng()
    {
        f.pin(1);
        f.log.played.clear();
        m_answer = path(QStringLiteral("tablica")); // the extension is added
        trigger("ZapiszObraz1");
        QCOMPARE(f.log.played, QStringList{kOver});
        QCOMPARE(m_warnings, QStringList());
        const QImage saved(path(QStringLiteral("tablica.png")), "PNG");
        QCOMPARE(saved.size(), pictureSize());
        QVERIFY(holds(saved, colour(TOknoGlowne::PinColor), onPicture(elementRect(1))));
        QVERIFY(m_offered.at(0).endsWith(QStringLiteral(".png")));

        // Again: the dialog starts at the last file, which is replaced whole.
        f.window->ResetBitBtnClick();
        trigger("ZapiszObraz1");
        QCOMPARE(m_offered.at(1), path(QStringLiteral("tablica.png")));
        QCOMPARE(m_warnings, QStringList());
        QVERIFY(!holds(QImage(path(QStringLiteral("tablica.png"))), colour(TOknoGlowne::PinColor),
                       QRect(QPoint(), pictureSize())));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("tablica.png")});
    }

    // The keyboard cursor's mark is left out of the picture, and stays on the table.
    void pictureLeavesOutTheFocusMark()
    {
        const QImage plain = image().picture();
        f.element(30)->setFocusMark(true);
        QCOMPARE(image().picture(), plain);
        QVERIFY(f.element(30)->focusMark());
    }

    void cancelledSaveDoesNothing()
    {
        m_answer.clear();
        trigger("ZapiszObraz1");
        QCOMPARE(m_offered.size(), 1);
        QCOMPARE(m_warnings, QStringList());
        QVERIFY(QDir(m_dir->path()).isEmpty());
    }

    void unwritablePlaceIsReportedInPolish_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such folder") << QStringLiteral("/nie-ma-takiego-folderu/tablica.png")
                                        << QStringLiteral("nie istnieje");
        QTest::newRow("a folder of that name") << QStringLiteral("folder.png") << QStringLiteral("jest już folder");
        QTest::newRow("a folder that takes no files") << QStringLiteral("/proc/tablica.png")
                                                      << QStringLiteral("Brak prawa zapisu");
    }
    void unwritablePlaceIsReportedInPolish()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, reason);
        if (!fileName.startsWith(u'/')) {
            QVERIFY(QDir(m_dir->path()).mkdir(fileName));
            fileName = path(fileName);
        }
        m_answer = fileName;
        trigger("ZapiszObraz1");
        QCOMPARE(m_warnings.size(), 1);
        QVERIFY2(m_warnings[0].startsWith(QStringLiteral("Nie można zapisać obrazu tablicy w pliku")),
                 qPrintable(m_warnings[0]));
        QVERIFY2(m_warnings[0].contains(reason), qPrintable(m_warnings[0]));
        QVERIFY(!QFileInfo(m_answer).isFile());
        QVERIFY(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
        // The next try works as the first.
        m_answer = path(QStringLiteral("dobrze.png"));
        trigger("ZapiszObraz1");
        QCOMPARE(m_warnings.size(), 1);
        QVERIFY(QFile::exists(m_answer));
    }

    // A write that fails leaves the earlier file as it was, and no
    // temporary file beside it.
    void failedWriteLeavesTheOldFile()
    {
        const QString fileName = path(QStringLiteral("stara.png"));
        QVERIFY(TableImage::writePng(image().picture(), fileName).isEmpty());
        const QByteArray before = contents(fileName);
        QVERIFY(before.startsWith("\x89PNG"));
        QVERIFY(!TableImage::writePng(QImage(), fileName).isEmpty());
        QCOMPARE(contents(fileName), before);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("stara.png")});
    }

    // Through the card's print dialog: here it chooses a PDF file.
    void printMakesOnePageUnderTheCaption()
    {
        QList<QPrinter *> asked;
        bool accept = true;
        QString output = path(QStringLiteral("tablica.pdf"));
        f.window->auxiliaryWindows().setPrinterSetup([&](QPrinter &printer, QWidget *) {
            asked << &printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(output);
            return accept;
        });
        f.pin(8);
        f.log.played.clear();
        trigger("DrukujTablice1");
        QCOMPARE(f.log.played, QStringList{kOver});
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0]->docName(), QStringLiteral("Tablicznik - Tlen"));
        QCOMPARE(asked[0]->pageLayout().orientation(), QPageLayout::Landscape);
        const QByteArray pdf = contents(output);
        QVERIFY(pdf.startsWith("%PDF"));
        // The caption stands on the page as its title (read back where
        // poppler's pdftotext is installed, as the set-up script does).
        if (const QString reader = QStandardPaths::findExecutable(QStringLiteral("pdftotext")); !reader.isEmpty()) {
            QProcess text;
            text.start(reader, {output, QStringLiteral("-")});
            QVERIFY(text.waitForFinished(10000));
            QVERIFY(QString::fromUtf8(text.readAllStandardOutput()).contains(QStringLiteral("Tablicznik - Tlen")));
        }
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);
        QCOMPARE(m_warnings, QStringList());

        // Cancelled: nothing printed.
        QFile::remove(output);
        accept = false;
        trigger("DrukujTablice1");
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[1], asked[0]); // the same printer, with the user's choices
        QVERIFY(!QFile::exists(output));

        // A PDF file that cannot be made: said so, and the next one works.
        accept = true;
        output = QStringLiteral("/nie-ma-takiego-folderu/tablica.pdf");
        trigger("DrukujTablice1");
        QCOMPARE(m_warnings.size(), 1);
        QVERIFY(m_warnings[0].startsWith(QStringLiteral("Nie można wydrukować tablicy")));
        output = path(QStringLiteral("znowu.pdf"));
        trigger("DrukujTablice1");
        QVERIFY(contents(output).startsWith("%PDF"));
        QCOMPARE(m_warnings.size(), 1);
    }

    void fittedRectKeepsProportions_data()
    {
        QTest::addColumn<QSizeF>("picture");
        QTest::addColumn<QRectF>("area");
        QTest::addColumn<QRectF>("fitted");
        QTest::newRow("wide page") << QSizeF(100, 50) << QRectF(0, 0, 400, 100) << QRectF(100, 0, 200, 100);
        QTest::newRow("tall page") << QSizeF(100, 50) << QRectF(10, 10, 100, 400) << QRectF(10, 185, 100, 50);
        QTest::newRow("smaller picture grows") << QSizeF(10, 10) << QRectF(0, 0, 50, 50) << QRectF(0, 0, 50, 50);
        QTest::newRow("no picture") << QSizeF() << QRectF(0, 0, 50, 50) << QRectF();
    }
    void fittedRectKeepsProportions()
    {
        QFETCH(QSizeF, picture);
        QFETCH(QRectF, area);
        QFETCH(QRectF, fitted);
        QCOMPARE(fittedRect(picture, area), fitted);
    }
};

TABLICZNIK_TEST_MAIN(TableImageTest)
#include "tableimage_test.moc"
