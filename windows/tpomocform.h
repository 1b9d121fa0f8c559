#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

namespace tablicznik {

class SoundCues;

// The help window: how to read the table, colour it, save and print it,
// zoom, name the newest elements and use the keys, in short sections of
// points, in the size of the cards' text. Modal from the main window's help
// button, non-modal from F1 and the options menu. Every way of closing it
// plays the exit cue.
class TPomocForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 480;
    static constexpr int kClientHeight = 520;
    // 10 points, as the values on the pages; Arial so reads as large as the
    // cards' 11-point Times.
    static constexpr int kTextPixels = 13;
    static constexpr int kMargin = 12;

    struct Section {
        QString heading;
        QStringList points;
    };
    static const QList<Section> kSections;
    // The sections as plain text: each heading, its points after "– ", an
    // empty line after each section.
    static QString plainText();

    explicit TPomocForm(SoundCues &cues, QWidget *parent = nullptr);

    void done(int result) override;

private:
    SoundCues &m_cues;
};

} // namespace tablicznik
