#pragma once

#include "data/element.h"

#include <QAbstractButton>
#include <QColor>
#include <QFont>

#include <optional>

namespace tablicznik {

// One element on the table: a flat, transparent button showing the symbol,
// with a dark corner line along its left and bottom edges. Views recolour
// its symbol and enable or disable it; a disabled element shows its symbol
// embossed in grey and lets the pointer through to the window beneath.
// The record's fields are readable as properties by name ("PromAtom" ...).
// In the readable look ("Wyraźne kolory") a view fills the whole face with
// its swatch's readable face and draws the symbol black or white, whichever
// contrasts more; a disabled element shows a hatched grey face, and the
// pinned one a thick outline.
class TMySpeedButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(int Numer READ numer CONSTANT)
    // The record's fields, readable by name through QObject::property().
    Q_PROPERTY(QString KonfElektr READ getKonfElektr CONSTANT)
    Q_PROPERTY(QString NazAng READ getNazAng) // follows the naming of 104 ... 112
    Q_PROPERTY(QString NazLac READ getNazLac) // follows the naming of 104 ... 112
    Q_PROPERTY(QString MasaAtom READ getMasaAtom CONSTANT)
    Q_PROPERTY(QString WartTyp READ getWartTyp CONSTANT)
    Q_PROPERTY(QString WartInne READ getWartInne CONSTANT)
    Q_PROPERTY(QString CharTlen READ getCharTlen CONSTANT)
    Q_PROPERTY(QString Elektrouj READ getElektrouj CONSTANT)
    Q_PROPERTY(QString EnerJoniz READ getEnerJoniz CONSTANT)
    Q_PROPERTY(QString EntropMol READ getEntropMol CONSTANT)
    Q_PROPERTY(QString LiczIzotop READ getLiczIzotop CONSTANT)
    Q_PROPERTY(QString LiczTrIzotop READ getLiczTrIzotop CONSTANT)
    Q_PROPERTY(QString PromAtom READ getPromAtom CONSTANT)
    Q_PROPERTY(QString PromKowal READ getPromKowal CONSTANT)
    Q_PROPERTY(QString Gestosc READ getGestosc CONSTANT)
    Q_PROPERTY(QString TempWrz READ getTempWrz CONSTANT)
    Q_PROPERTY(QString TempTop READ getTempTop CONSTANT)
    Q_PROPERTY(QString RokOdkryc READ getRokOdkryc CONSTANT)
    Q_PROPERTY(QString OporWlas READ getOporWlas CONSTANT)
    Q_PROPERTY(QString TypPrzew READ getTypPrzew CONSTANT)
    Q_PROPERTY(QString Twardosc READ getTwardosc CONSTANT)
    Q_PROPERTY(QString MolPojCiep READ getMolPojCiep CONSTANT)
    Q_PROPERTY(QString EntTop READ getEntTop CONSTANT)
    Q_PROPERTY(QString PodatMag READ getPodatMag CONSTANT)
    Q_PROPERTY(QString TempCur READ getTempCur CONSTANT)
    Q_PROPERTY(QString WytrzRoz READ getWytrzRoz CONSTANT)
    Q_PROPERTY(QString ModYoung READ getModYoung CONSTANT)
    Q_PROPERTY(QString WspPrzewCiep READ getWspPrzewCiep CONSTANT)
    Q_PROPERTY(QString MolEntAtom READ getMolEntAtom CONSTANT)
    Q_PROPERTY(QString RodzMolEntAtom READ getRodzMolEntAtom CONSTANT)
    Q_PROPERTY(QString PowElektr READ getPowElektr CONSTANT)
    Q_PROPERTY(QString StanSkup READ getStanSkup CONSTANT)
    Q_PROPERTY(QString PowK READ getPowK CONSTANT)
    Q_PROPERTY(QString PowL READ getPowL CONSTANT)
    Q_PROPERTY(QString PowM READ getPowM CONSTANT)
    Q_PROPERTY(QString PowN READ getPowN CONSTANT)
    Q_PROPERTY(QString PowO READ getPowO CONSTANT)
    Q_PROPERTY(QString PowP READ getPowP CONSTANT)
    Q_PROPERTY(QString PowQ READ getPowQ CONSTANT)
    Q_PROPERTY(QString StopUtl READ getStopUtl CONSTANT)
    Q_PROPERTY(QString TypStopUtl READ getTypStopUtl CONSTANT)
    Q_PROPERTY(QString PotJon1 READ getPotJon1 CONSTANT)
    Q_PROPERTY(QString PotJon2 READ getPotJon2 CONSTANT)
    Q_PROPERTY(QString PotJon3 READ getPotJon3 CONSTANT)
    Q_PROPERTY(QString PotJon4 READ getPotJon4 CONSTANT)
    Q_PROPERTY(QString StanPot READ getStanPot CONSTANT)
    Q_PROPERTY(QString ZawCzlow READ getZawCzlow CONSTANT)
    Q_PROPERTY(QString ZawZiemia READ getZawZiemia CONSTANT)
    Q_PROPERTY(QString ZawSkorZiem READ getZawSkorZiem CONSTANT)
    Q_PROPERTY(QString ZawPow READ getZawPow CONSTANT)
    Q_PROPERTY(QString ZawOcean READ getZawOcean CONSTANT)
    Q_PROPERTY(QString ZawUklad READ getZawUklad CONSTANT)
    Q_PROPERTY(QString Izotopy READ getIzotopy CONSTANT)
    Q_PROPERTY(QString Mineraly READ getMineraly CONSTANT)
    Q_PROPERTY(QString Opis READ getOpis) // follows the naming of 104 ... 112
    Q_PROPERTY(bool IsUp READ isUp)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(bool FocusMark READ focusMark WRITE setFocusMark)

public:
    TMySpeedButton(const ElementRecord &record, QWidget *parent);

    const ElementRecord &record() const { return *m_record; }
    int numer() const { return m_record->Numer; }

    // Shows the record's symbol and gives its Polish name as the hint (and so
    // as the accessible name and description); again whenever the
    // catalogue's names change.
    void showNames();

    bool isUp() const { return m_isUp; }

    QColor textColor() const { return m_textColor; }
    // A colour of the window's own (plain, the pin): the face stays plain.
    void setTextColor(const QColor &colour);
    // A view's swatch: its colour for the symbol, its readable face for the
    // readable look.
    void setSwatchColours(const QColor &letters, const QColor &face);
    QColor face() const { return m_face; } // invalid: plain

    bool readable() const { return m_readable; }
    void setReadable(bool on);
    bool pinMark() const { return m_pinMark; }
    void setPinMark(bool on);

    QSize sizeHint() const override { return {33, 32}; }

    // The font the symbol is drawn in: the button's own, its letters closer
    // together or a pixel smaller where the symbol would reach the corner line.
    QFont symbolFont() const;
    static constexpr int kMostTightening = 2; // pixels between letters

    // The keyboard cursor's mark: a dashed black-and-white frame inside the
    // edge, drawn in every state and unlike the raised edge of the pointer.
    bool focusMark() const { return m_focusMark; }
    void setFocusMark(bool on);

    // Pointer-enter and pointer-leave handling; the window calls the latter
    // for a button the pointer left without the toolkit noticing.
    void CMMouseEnter();
    void CMMouseLeave();

#define TABLICZNIK_RECORD_FIELD(name) \
    QString get##name() const { return m_record->name; }
    TABLICZNIK_RECORD_FIELD(KonfElektr)
    TABLICZNIK_RECORD_FIELD(NazAng)
    TABLICZNIK_RECORD_FIELD(NazLac)
    TABLICZNIK_RECORD_FIELD(MasaAtom)
    TABLICZNIK_RECORD_FIELD(WartTyp)
    TABLICZNIK_RECORD_FIELD(WartInne)
    TABLICZNIK_RECORD_FIELD(CharTlen)
    TABLICZNIK_RECORD_FIELD(Elektrouj)
    TABLICZNIK_RECORD_FIELD(EnerJoniz)
    TABLICZNIK_RECORD_FIELD(EntropMol)
    TABLICZNIK_RECORD_FIELD(LiczIzotop)
    TABLICZNIK_RECORD_FIELD(LiczTrIzotop)
    TABLICZNIK_RECORD_FIELD(PromAtom)
    TABLICZNIK_RECORD_FIELD(PromKowal)
    TABLICZNIK_RECORD_FIELD(Gestosc)
    TABLICZNIK_RECORD_FIELD(TempWrz)
    TABLICZNIK_RECORD_FIELD(TempTop)
    TABLICZNIK_RECORD_FIELD(RokOdkryc)
    TABLICZNIK_RECORD_FIELD(OporWlas)
    TABLICZNIK_RECORD_FIELD(TypPrzew)
    TABLICZNIK_RECORD_FIELD(Twardosc)
    TABLICZNIK_RECORD_FIELD(MolPojCiep)
    TABLICZNIK_RECORD_FIELD(EntTop)
    TABLICZNIK_RECORD_FIELD(PodatMag)
    TABLICZNIK_RECORD_FIELD(TempCur)
    TABLICZNIK_RECORD_FIELD(WytrzRoz)
    TABLICZNIK_RECORD_FIELD(ModYoung)
    TABLICZNIK_RECORD_FIELD(WspPrzewCiep)
    TABLICZNIK_RECORD_FIELD(MolEntAtom)
    TABLICZNIK_RECORD_FIELD(RodzMolEntAtom)
    TABLICZNIK_RECORD_FIELD(PowElektr)
    TABLICZNIK_RECORD_FIELD(StanSkup)
    TABLICZNIK_RECORD_FIELD(PowK)
    TABLICZNIK_RECORD_FIELD(PowL)
    TABLICZNIK_RECORD_FIELD(PowM)
    TABLICZNIK_RECORD_FIELD(PowN)
    TABLICZNIK_RECORD_FIELD(PowO)
    TABLICZNIK_RECORD_FIELD(PowP)
    TABLICZNIK_RECORD_FIELD(PowQ)
    TABLICZNIK_RECORD_FIELD(StopUtl)
    TABLICZNIK_RECORD_FIELD(TypStopUtl)
    TABLICZNIK_RECORD_FIELD(PotJon1)
    TABLICZNIK_RECORD_FIELD(PotJon2)
    TABLICZNIK_RECORD_FIELD(PotJon3)
    TABLICZNIK_RECORD_FIELD(PotJon4)
    TABLICZNIK_RECORD_FIELD(StanPot)
    TABLICZNIK_RECORD_FIELD(ZawCzlow)
    TABLICZNIK_RECORD_FIELD(ZawZiemia)
    TABLICZNIK_RECORD_FIELD(ZawSkorZiem)
    TABLICZNIK_RECORD_FIELD(ZawPow)
    TABLICZNIK_RECORD_FIELD(ZawOcean)
    TABLICZNIK_RECORD_FIELD(ZawUklad)
    TABLICZNIK_RECORD_FIELD(Izotopy)
    TABLICZNIK_RECORD_FIELD(Mineraly)
#undef TABLICZNIK_RECORD_FIELD
    QString getOpis() const { return m_record->Opis.text(); }

signals:
    // Pointer movement over an enabled element (any buttons held).
    void mouseMoved(tablicznik::TMySpeedButton *button);
    // A press of any mouse button on an enabled element.
    void mousePressed(tablicznik::TMySpeedButton *button, Qt::MouseButton which);

protected:
    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *) override;
    void enterEvent(QEnterEvent *) override;
    void leaveEvent(QEvent *) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    QRect symbolArea() const;
    struct FittedSymbol {
        QFont font;
        QRect ink; // the symbol's tight bounding rectangle in that font
    };
    FittedSymbol fitSymbol() const;
    QPoint symbolOrigin(const FittedSymbol &symbol) const;

    // The symbol's fitted font and place, measured again only when the
    // text, the font or the size has changed: a hover repaints the button.
    struct SymbolLayout {
        QString text;
        QFont font;
        QSize size;
        QFont fitted;
        QPoint origin;
    };
    const SymbolLayout &symbolLayout() const;
    mutable std::optional<SymbolLayout> m_symbolLayout;

    const ElementRecord *m_record;
    QColor m_textColor;
    QColor m_face;
    bool m_readable = false;
    bool m_pinMark = false;
    bool m_isUp = false;
    bool m_hot = false; // the raised edge of an enabled button under the pointer
    bool m_focusMark = false;
};

} // namespace tablicznik
