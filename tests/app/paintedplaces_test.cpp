#include "support/testmain.h"
#include "app/detailspages.h"
#include "support/mainwindow.h"

#include <QGroupBox>
#include <QStyleOptionGroupBox>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// Where a group box draws its frame, in its own coordinates.
QRect frameOf(const QGroupBox *box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | (box->title().isEmpty() ? QStyle::SC_None : QStyle::SC_GroupBoxLabel);
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, box);
}

// The frame's etched line is two pixels wide on every side.
constexpr int kFrameLine = 2;

// Where a control paints, in its parent's coordinates: a label its text
// as laid out in it, anything else its whole rectangle.
QRect paintedRect(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w)) {
        if (label->text().isEmpty())
            return {};
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text()).translated(label->pos());
    }
    return w->geometry();
}

QString describe(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

// Nothing on the details pages is cut off or painted over a frame line:
// every frame lies inside its page, clear of the panel's edge below it,
// and every caption, value and button inside the lines of its frame,
// whichever element is shown.
class PaintedPlacesTest : public QObject {
    Q_OBJECT

    Catalogue m_catalogue;
    MainWindowFixture f;

private slots:
    void initTestCase() { m_catalogue = Catalogue::load(); }
    void init() { f.open(m_catalogue); }
    void cleanup() { f.close(); }

    void framesInsideTheirPages()
    {
        int frames = 0;
        for (int page = 0; page < DetailsPages::kPages; ++page) {
            f.pages()->setCurrentIndex(page);
            QWidget *sheet = f.pages()->widget(page);
            for (QGroupBox *box : sheet->findChildren<QGroupBox *>()) {
                ++frames;
                const QRect frame = frameOf(box).translated(box->pos());
                const QString why = box->objectName() + u' ' + describe(frame) + QStringLiteral(" on ") + describe(sheet->rect());
                QVERIFY2(sheet->rect().contains(frame), qPrintable(why));
                // Two rows of the page below the frame's bottom line, so that
                // it does not run into the edge of the panel.
                QVERIFY2(frame.bottom() <= sheet->height() - 3, qPrintable(why));
            }
        }
        QCOMPARE(frames, 12);
    }

    void controlsInsideTheirFrames()
    {
        DetailsPages &details = f.window->details();
        QStringList faults;
        for (int page = 0; page < DetailsPages::kPages; ++page) {
            f.pages()->setCurrentIndex(page);
            QWidget *sheet = f.pages()->widget(page);
            // The place each control has to stay in: the inside of its
            // frame's lines, or the page itself.
            QList<std::pair<QWidget *, QRect>> places;
            for (QWidget *w : sheet->findChildren<QWidget *>()) {
                if (qobject_cast<QGroupBox *>(w) || !w->isVisibleTo(sheet))
                    continue;
                if (auto *box = qobject_cast<QGroupBox *>(w->parentWidget()))
                    places.append({w, frameOf(box).adjusted(kFrameLine, kFrameLine, -kFrameLine, -kFrameLine)});
                else if (w->parentWidget() == sheet)
                    places.append({w, sheet->rect()});
            }
            QVERIFY(!places.isEmpty());
            for (const ElementRecord &element : m_catalogue) {
                details.fillPage(page, element);
                details.setIdentity(element.Symbol, QString::number(element.Numer), QStringLiteral("ferromagnetyk"));
                for (const auto &[w, inside] : places) {
                    const QRect painted = paintedRect(w);
                    if (painted.isEmpty())
                        continue;
                    const QString why = w->objectName() + u' ' + element.Nazwa + u' ' + describe(painted)
                                        + QStringLiteral(" in ") + describe(inside);
                    // Inside its place, and nothing of a label's text cut off by the label.
                    if (!inside.contains(painted) || (qobject_cast<QLabel *>(w) && !w->geometry().contains(painted)))
                        faults << why;
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 12).join(u'\n')));
    }
};

TABLICZNIK_TEST_MAIN(PaintedPlacesTest)
#include "paintedplaces_test.moc"
