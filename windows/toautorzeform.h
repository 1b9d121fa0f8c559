#pragma once

#include <QDialog>

namespace tablicznik {

class AuxiliaryWindows;

// The author window: a picture, the author with a mail link, and thanks.
// Opened non-modally from the options menu and from the about window.
class TOautorzeForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 369;
    static constexpr int kClientHeight = 254;

    explicit TOautorzeForm(AuxiliaryWindows &windows, QWidget *parent = nullptr);

    static const QStringList kThanks; // the two paragraphs

private:
    void Button1Click(); // "OK"
    void Label8Click();  // the mail address

    AuxiliaryWindows &m_windows;
};

} // namespace tablicznik
