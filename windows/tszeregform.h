#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QTableWidget;

namespace tablicznik {

class SoundCues;

// "Szereg elektrochemiczny metali": the metals from lithium to gold by
// their standard potential, each with its half-reaction, hydrogen's line
// marked, and below them the question "does A displace B from a solution
// of its salt?" answered for the two metals chosen. A click on a row of
// the series chooses it as A, a click with Ctrl as B. One such window at
// a time; it holds nothing that is stored.
class TSzeregForm : public QWidget {
    Q_OBJECT

public:
    explicit TSzeregForm(SoundCues &cues, QWidget *parent = nullptr);

    // Chooses the two metals by their row in the series and answers.
    void choose(int a, int b);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void fillGrid();
    void answer();

    SoundCues &m_cues;
    QTableWidget *m_grid = nullptr;
    QComboBox *m_metalA = nullptr;
    QComboBox *m_metalB = nullptr;
    QLabel *m_answer = nullptr;
};

} // namespace tablicznik
