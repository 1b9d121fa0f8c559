#pragma once

#include <QDialog>

namespace tablicznik {

class SoundCues;

// The data sources window, a modal dialog of the about window: where the
// catalogue's facts come from, as a read-only text. The focus starts on OK.
class TZrodlaForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 325;
    static constexpr int kClientHeight = 159;

    explicit TZrodlaForm(SoundCues &cues, QWidget *parent = nullptr);

    static const QStringList kSources; // the eight lines

private:
    void OKClick();

    SoundCues &m_cues;
};

} // namespace tablicznik
