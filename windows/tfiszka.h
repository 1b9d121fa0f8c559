#pragma once

#include <QWidget>

#include <memory>

class QComboBox;
class QGroupBox;
class QPrinter;
class QRadioButton;

namespace tablicznik {

class AuxiliaryWindows;
class Catalogue;
class RichTextView;

// The element card: the long description of one element, a list to pick
// another, stepping through the list in atomic-number or alphabetical
// order, printing, and a way back to the table. Every left click on an
// element opens a further card; each works on its own and is only hidden
// when closed.
class TFiszka : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool FirstResizeDone READ firstResizeDone)

public:
    static constexpr int kClientWidth = 433;
    static constexpr int kClientHeight = 448;
    static constexpr int kPanelHeight = 74;
    // The description's blank on screen, and the least height of its view:
    // a card made smaller still shows the whole panel and a few lines.
    static constexpr int kTextMargin = 8;
    static constexpr int kMinimumViewHeight = 100;

    // `table` is the main window that "Pokaż układ okresowy" brings back;
    // `elementName` the Polish name the card opens on (CardElementName).
    TFiszka(AuxiliaryWindows &windows, const Catalogue &catalogue, QWidget *table, const QString &elementName,
            QWidget *parent = nullptr);
    ~TFiszka() override;

    // "Alfabetycznie": Polish collation, numbers by value.
    static QStringList alphabetical(QStringList names);

    bool firstResizeDone() const { return m_firstResizeDone; }

    // The catalogue's names have changed (the names of 104 ... 112, and
    // elements 113 ... 118 joining or leaving): the list is filled again in
    // its order, and the caption and the heading of the description follow.
    // The card stays on its element, and the description where it was; on
    // an element that has left, it moves to the table's last element.
    void namesChanged();

    // The handlers of the card's controls.
    void ComboBox1Change();  // an item picked from the list
    void RadioButton1Click(); // "Liczby atomowej"
    void RadioButton2Click(); // "Alfabetycznie"
    void BitBtn1Click();     // "Poprzedni"
    void BitBtn2Click();     // "Następny"
    void BitBtn3Click();     // "Drukuj..."
    void Button1Click();     // "Pokaż układ okresowy"

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createTopPanel();
    void loadSelected();
    void fillList(const QStringList &names);
    QStringList orderedNames() const;
    void step(int by, QWidget *button);

    AuxiliaryWindows &m_windows;
    const Catalogue &m_catalogue;
    QWidget *m_table;
    int m_openingNumber; // of the name it opens on, found while the card is made; 0 for none
    QString m_loadedDescription;
    bool m_shown = false;
    bool m_firstResizeDone = false;

    QWidget *m_panel = nullptr;
    QComboBox *m_list = nullptr;
    QRadioButton *m_byNumber = nullptr;
    QRadioButton *m_byName = nullptr;
    QGroupBox *m_stepBox = nullptr;
    RichTextView *m_view = nullptr;
    std::unique_ptr<QPrinter> m_printer; // keeps the user's printer and paper between prints
};

} // namespace tablicznik
