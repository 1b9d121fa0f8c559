#include "data/catalogue.h"
#include "cues/soundcues.h"
#include "windows/auxiliarywindows.h"
#include "windows/tfiszka.h"

#include <QTest>

using namespace tablicznik;

// The element card on the longest description: opening it (create, load,
// show, first paint) and stepping to the next element and back.
class WindowsBench : public QObject {
    Q_OBJECT

    Catalogue m_catalogue = Catalogue::load();
    SoundCues m_cues{CuePlayerFactory{}};
    AuxiliaryWindows m_windows{m_cues};

    QString longest() const
    {
        const ElementRecord *found = nullptr;
        for (const ElementRecord &e : m_catalogue)
            if (!found || e.Opis.size() > found->Opis.size())
                found = &e;
        return found->Nazwa;
    }

private slots:
    void initTestCase() { qInfo("longest description: %s", qPrintable(longest())); }

    void openCard()
    {
        const QString name = longest();
        QBENCHMARK {
            TFiszka card(m_windows, m_catalogue, nullptr, name);
            card.show();
            card.grab();
        }
    }

    void stepToNextElement()
    {
        TFiszka card(m_windows, m_catalogue, nullptr, longest());
        card.show();
        card.grab();
        bool forward = true;
        QBENCHMARK {
            if (forward)
                card.BitBtn2Click();
            else
                card.BitBtn1Click();
            forward = !forward;
            card.repaint();
        }
    }
};

QTEST_MAIN(WindowsBench)
#include "windows_bench.moc"
