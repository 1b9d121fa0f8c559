#pragma once

#include "data/formula.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace tablicznik {

class Catalogue;
class SoundCues;

// "Masa molowa": the molar mass of a formula as the pupil types it, its
// composition by mass, the mass ratio of its elements and a converter
// between mass, amount, particles and gas volume. One window, kept hidden
// when closed; the menu brings it back to the front.
class TMasaMolowaForm : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHistory = 10;

    TMasaMolowaForm(const Catalogue &catalogue, SoundCues &cues, QWidget *parent = nullptr);
    ~TMasaMolowaForm() override;

    // What Ctrl+C on the result copies: "M(H2SO4) = 98,08 g/mol"; empty
    // while the formula is not one.
    QString resultText() const { return m_copyText; }

    // Reads the field again, e.g. after the symbols' naming has changed.
    void recompute();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void remember();
    void showError(const Formula &formula, const QString &text);
    void convertFrom(int quantity);
    double massOf(int numer) const;

    const Catalogue &m_catalogue;
    SoundCues &m_cues;
    SymbolLookup m_symbols;
    double m_molarMass = 0;
    int m_fixedQuantity = 0; // the converter's field the pupil edited last
    QString m_copyText;
    QComboBox *m_wzor;
    QCheckBox *m_rounded;
    QLabel *m_wynik, *m_blad, *m_ratio, *m_note;
    QTableWidget *m_sklad;
    QLineEdit *m_amounts[4];
};

} // namespace tablicznik
