#pragma once

#include <QWidget>

namespace tablicznik {

class SoundCues;

// The table of the decimal unit prefixes. Each use of the menu or Ctrl+P
// opens a further one; closing hides it, with the exit cue.
class TPrzedrostkiForm : public QWidget {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 254;
    static constexpr int kClientHeight = 310;
    static constexpr QPoint kPlace{276, 122};

    struct Prefix {
        const char *name, *symbol, *meaning;
    };
    static const Prefix kPrefixes[17];

    explicit TPrzedrostkiForm(SoundCues &cues, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    SoundCues &m_cues;
};

} // namespace tablicznik
