#pragma once

#include <QDialog>

namespace tablicznik {

class SoundCues;

// The help window: how to read the table, in four short sections. Modal
// from the main window's help button, non-modal from F1 and the options
// menu. Every way of closing it plays the exit cue.
class TPomocForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 373;
    static constexpr int kClientHeight = 340;

    explicit TPomocForm(SoundCues &cues, QWidget *parent = nullptr);

    static const QStringList kLines; // 26 lines, the last one empty

    void done(int result) override;

private:
    SoundCues &m_cues;
};

} // namespace tablicznik
