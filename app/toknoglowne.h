#pragma once

#include "data/catalogue.h"
#include "data/stringtofloat.h"
#include "prefs/cueplayer.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QTabWidget;
class QToolButton;
class QFrame;

namespace tablicznik {

class SoundCues;
class TMySpeedButton;

// The periodic table window. It owns the catalogue, the element buttons, the
// details panel, the legend and the furniture around them, and hands each
// part what it needs; the parts' logic lives in their own folders.
class TOknoGlowne : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString LastShownName MEMBER m_lastShownName)
    Q_PROPERTY(int HoveredNumber MEMBER m_hoveredNumber)
    Q_PROPERTY(bool Pinned MEMBER m_pinned)
    Q_PROPERTY(int PinnedNumber MEMBER m_pinnedNumber)
    Q_PROPERTY(QString CardElementName MEMBER m_cardElementName)

public:
    static constexpr int kClientWidth = 625;
    static constexpr int kClientHeight = 429;

    // The cue players come from the factory; tests hand in fakes.
    explicit TOknoGlowne(Catalogue catalogue, CuePlayerFactory players = {}, QWidget *parent = nullptr);
    ~TOknoGlowne() override;

    const Catalogue &catalogue() const { return m_catalogue; }
    const QStringList &ElementNames() const { return m_catalogue.elementNames(); }
    TMySpeedButton *elementButton(int numer) const { return m_buttons.at(numer - 1); }
    TMySpeedButton *dummyButton() const { return m_dummyButton; }

    SoundCues &cues() { return *m_cues; }
    void PlayClick();
    void PlayPage();
    void PlayOver();
    void PlayExit();

    // The value reader with the program's one message: a text that is
    // neither a number nor a no-data marker is reported in a box.
    ParsedNumber StringToFloat(QStringView text);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void setupWindow();
    void createDetailsPanel();
    void createFurniture();
    void createElementButtons();
    void createLegend();
    void createCommandButtons();
    void paintBackground();

    Catalogue m_catalogue;
    SoundCues *m_cues = nullptr;
    std::array<TMySpeedButton *, Catalogue::kCount> m_buttons{};
    TMySpeedButton *m_dummyButton = nullptr;
    QPixmap m_background; // the tiles and both outlines, drawn once

    QFrame *m_panel = nullptr;
    QTabWidget *m_pages = nullptr;
    QGroupBox *m_legendBox = nullptr;
    QLabel *m_dateLabel = nullptr;
    QLabel *m_clockLabel = nullptr;

    QString m_lastShownName;
    int m_hoveredNumber = 0;
    bool m_pinned = false;
    int m_pinnedNumber = 0;
    QString m_cardElementName;
};

} // namespace tablicznik
