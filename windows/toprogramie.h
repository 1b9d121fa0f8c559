#pragma once

#include <QDialog>

namespace tablicznik {

class AuxiliaryWindows;

// The about window: the program's name and logo, its rights line, the
// freeware sentence, a notice to users, the author's mail address and web
// page as links, and the ways on to the author and sources windows. Shown
// modally on the first run and non-modally from the options menu.
class TOprogramie : public QDialog {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 349;
    static constexpr int kClientHeight = 329;

    explicit TOprogramie(AuxiliaryWindows &windows, QWidget *parent = nullptr);
    ~TOprogramie() override;

    static const QString kRights;
    static const QString kFreeware;
    static const QStringList kNotice; // the ten lines of Memo1

private:
    void createTopBand(QWidget *panel);
    void createBody(QWidget *panel);

    void Button1Click(); // "O autorze..."
    void Button2Click(); // "Źródła informacji..."
    void OKClick();
    void Label1Click(); // the mail address
    void Label4Click(); // the web page

    AuxiliaryWindows &m_windows;
};

} // namespace tablicznik
