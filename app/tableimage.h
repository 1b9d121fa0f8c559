#pragma once

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace tablicznik {

class AuxiliaryWindows;
class TOknoGlowne;

// The coloured table for a worksheet: the table as it is now, in the
// readable look whatever the option, with its group and period labels and
// the legend, under the view's caption written as a title; not the details
// panel, the clock, the command buttons or the keyboard cursor. Saved as a
// PNG picture at twice the window's resolution ("Zapisz obraz tablicy...")
// or printed on one page under the title ("Drukuj tablicę...") through the
// print dialog the card uses, which also makes a PDF file where no printer
// is installed.
class TableImage : public QObject {
    Q_OBJECT

public:
    // Asks for the file to save in, starting from `suggested`; empty when
    // cancelled.
    using FileChooser = std::function<QString(QWidget *parent, const QString &suggested)>;
    // Tells the user that something failed.
    using Warning = std::function<void(QWidget *parent, const QString &text)>;

    static constexpr int kCaptionBand = 22; // the title's strip above the table, in window pixels
    static constexpr int kPeriodMargin = 16; // the period numbers' strip left of the table
    static inline const QString kSaveTitle = QStringLiteral("Zapisz obraz tablicy");

    TableImage(TOknoGlowne &window, AuxiliaryWindows &windows);
    ~TableImage() override;

    void setFileChooser(FileChooser chooser) { m_choose = std::move(chooser); }
    void setWarning(Warning warning) { m_warn = std::move(warning); }

    // The worksheet drawn `scale` times the window's resolution, under a
    // strip with the title when `withCaption`.
    QImage render(qreal scale, bool withCaption) const;
    // A window caption as a worksheet's title: "PROMIEŃ ATOMU [pm]." becomes
    // "Promień atomu [pm]": no full stop, and the capitals of a sentence
    // lowered, but not those of units, shell letters and names.
    static QString titleOf(const QString &caption);
    // Twice the window's resolution, caption included: what is saved.
    QImage picture() const;

    // The commands of the options menu. Saving returns the file written,
    // empty when cancelled or failed; printing whether a page was printed.
    QString save();
    bool print();

    // Writes `image` as PNG in one step: the file appears whole or not at
    // all, and an earlier file of that name stays as it was on failure.
    // Returns the reason of a failure in Polish, empty on success.
    static QString writePng(const QImage &image, const QString &fileName);

private:
    TOknoGlowne &m_window;
    AuxiliaryWindows &m_windows;
    FileChooser m_choose;
    Warning m_warn;
    QString m_lastFile;
    std::unique_ptr<QPrinter> m_printer; // keeps the user's printer and paper between prints
};

} // namespace tablicznik
