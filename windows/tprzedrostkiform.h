#pragma once

#include <QWidget>

namespace tablicznik {

class SoundCues;

// The table of the decimal unit prefixes. Each use of the menu or Ctrl+P
// opens a further one; closing hides it, with the exit cue.
class TPrzedrostkiForm : public QWidget {
    Q_OBJECT

public:
    // Every row in sight: the header and 25 rows of 16 pixels, the longest
    // meaning (10⁻³⁰ as a decimal fraction) whole in its column.
    static constexpr int kRows = 25;
    static constexpr int kMeaningWidth = 262;
    static constexpr int kClientWidth = 44 + 25 + kMeaningWidth + 4;
    static constexpr int kClientHeight = 16 + kRows * 16 + 22;
    static constexpr QPoint kPlace{276, 96};

    struct Prefix {
        const char *name, *symbol;
        int exponent;
    };
    static const Prefix kPrefixes[kRows];

    // "10¹⁸ = 1 000 000 000 000 000 000", "10⁻² = 0,01": the power and the
    // number it names.
    static QString meaning(int exponent);

    explicit TPrzedrostkiForm(SoundCues &cues, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    SoundCues &m_cues;
};

} // namespace tablicznik
