#include "tmasamolowaform.h"

#include "data/catalogue.h"
#include "data/stringtofloat.h"
#include "cues/soundcues.h"
#include "tstaleform.h"
#include "windowlook.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace tablicznik {

namespace {

QString fixed(double value, int decimals) { return QString::number(value, 'f', decimals).replace(u'.', u','); }

// 6,022E23 as in the constants table; small numbers plainly.
QString general(double value)
{
    QString text = QString::number(value, 'g', 7).replace(u'.', u',');
    return text.replace(QStringLiteral("e+"), QStringLiteral("E")).replace(QStringLiteral("e-"), QStringLiteral("E-"));
}

// A number the pupil typed: decimal comma or point, E for a power of ten;
// negative or unreadable gives NaN.
double typedNumber(QString text)
{
    text.remove(u' ').replace(u',', u'.');
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && value >= 0 && std::isfinite(value) ? value : std::nan("");
}

// A number as the constants table writes it: "6,02214076·10²³ mol⁻¹".
double tableNumber(const QString &text)
{
    static const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    const QString number = text.section(u' ', 0, 0);
    QString exponent;
    for (const QChar c : number.section(QStringLiteral("·10"), 1))
        exponent += c == u'⁻' ? QChar(u'-') : QChar(char16_t(u'0' + superscripts.indexOf(c)));
    return typedNumber(number.section(QStringLiteral("·10"), 0, 0)) * std::pow(10.0, exponent.toInt());
}

// The Avogadro constant as the constants table gives it.
double avogadro()
{
    for (const TStaleForm::Constant &c : TStaleForm::kConstants)
        if (QString::fromUtf8(c.name).startsWith(QStringLiteral("Stała Avogadro")))
            return tableNumber(QString::fromUtf8(c.value));
    return 6.02214076e23;
}

struct AmountField {
    const char *name, *caption;
};
const AmountField kAmountFields[4] = {
    {"Masa", "Masa [g]:"},
    {"Mole", "Liczba moli [mol]:"},
    {"Czastki", "Liczba cząstek:"},
    {"Objetosc", "Objętość gazu [dm³] (w warunkach normalnych):"},
};

} // namespace

// The window is closed by QWidget's destructor, after this one: the field
// losing the focus then must not reach a form that is already gone.
TMasaMolowaForm::~TMasaMolowaForm()
{
    m_wzor->lineEdit()->disconnect(this);
}

TMasaMolowaForm::TMasaMolowaForm(const Catalogue &catalogue, SoundCues &cues, QWidget *parent)
    : QWidget(parent), m_catalogue(catalogue), m_cues(cues), m_symbols(catalogueSymbols(catalogue)),
      m_fixedQuantity(Amounts::Moles)
{
    setUpWindow(this, "MasaMolowaForm", QStringLiteral("Masa molowa"), 12);

    auto *layout = new QVBoxLayout(this);
    // The window keeps no minimum size of its own: the zoom sets its limits.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    auto *caption = new QLabel(QStringLiteral("&Wzór:"), this);
    m_wzor = new QComboBox(this);
    m_wzor->setObjectName(QStringLiteral("Wzor"));
    m_wzor->setEditable(true);
    m_wzor->setInsertPolicy(QComboBox::NoInsert);
    m_wzor->setMaxCount(kHistory);
    m_wzor->setCompleter(nullptr); // a completion would change what the pupil typed
    m_wzor->lineEdit()->setMaxLength(2 * Formula::kMaxLength); // longer text is refused with a message
    m_wzor->lineEdit()->setPlaceholderText(QStringLiteral("np. H2SO4, CuSO4·5H2O, SO4^2-"));
    m_wzor->setAccessibleName(QStringLiteral("Wzór"));
    caption->setBuddy(m_wzor);
    layout->addWidget(caption);
    layout->addWidget(m_wzor);
    auto *rule = new QLabel(QStringLiteral("Ładunek piszemy na końcu: SO4^2-, SO4 2-, PO₄³⁻. Cyfry tuż przed samym "
                                           "znakiem to liczba atomów: NH4+ to NH₄⁺, Fe3+ to Fe₃⁺ (jon Fe³⁺ to Fe^3+)."),
                            this);
    rule->setObjectName(QStringLiteral("Zasada"));
    rule->setWordWrap(true);
    layout->addWidget(rule);
    m_rounded = new QCheckBox(QStringLiteral("Masy zaokrąglone (jak w szkole)"), this);
    m_rounded->setObjectName(QStringLiteral("MasyZaokraglone"));
    layout->addWidget(m_rounded);

    m_wynik = new QLabel(this);
    m_wynik->setObjectName(QStringLiteral("Wynik"));
    m_wynik->setFont(arial(16, true));
    m_wynik->setFocusPolicy(Qt::StrongFocus);
    m_wynik->setStyleSheet(QStringLiteral("QLabel:focus { border: 1px dotted black; }"));
    m_wynik->setAccessibleName(QStringLiteral("Masa molowa"));
    m_wynik->setToolTip(QStringLiteral("Ctrl+C kopiuje wynik"));
    layout->addWidget(m_wynik);
    m_blad = new QLabel(this);
    m_blad->setObjectName(QStringLiteral("Blad"));
    m_blad->setWordWrap(true);
    m_blad->setTextFormat(Qt::RichText);
    m_blad->setStyleSheet(QStringLiteral("color: #a00000;"));
    m_blad->setAccessibleName(QStringLiteral("Błąd we wzorze"));
    m_blad->hide();
    layout->addWidget(m_blad);

    m_sklad = new QTableWidget(0, 5, this);
    m_sklad->setObjectName(QStringLiteral("Sklad"));
    m_sklad->setHorizontalHeaderLabels({QStringLiteral("Symbol"), QStringLiteral("Nazwa"),
                                        QStringLiteral("Liczba atomów"), QStringLiteral("Masa [u]"),
                                        QStringLiteral("Procent masowy")});
    m_sklad->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sklad->setTabKeyNavigation(false);
    m_sklad->verticalHeader()->hide();
    m_sklad->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_sklad->setAccessibleName(QStringLiteral("Skład pierwiastkowy"));
    layout->addWidget(m_sklad, 1);
    m_ratio = new QLabel(this);
    m_ratio->setObjectName(QStringLiteral("Stosunek"));
    layout->addWidget(m_ratio);

    auto *converter = new QFormLayout;
    for (int q = 0; q < 4; ++q) {
        m_amounts[q] = new QLineEdit(this);
        m_amounts[q]->setObjectName(QLatin1StringView(kAmountFields[q].name));
        const QString label = QString::fromUtf8(kAmountFields[q].caption);
        m_amounts[q]->setAccessibleName(label.chopped(1));
        converter->addRow(label, m_amounts[q]);
        connect(m_amounts[q], &QLineEdit::textEdited, this, [this, q] {
            m_fixedQuantity = q;
            convertFrom(q);
        });
    }
    m_amounts[Amounts::Moles]->setText(QStringLiteral("1"));
    layout->addLayout(converter);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("Uwaga"));
    m_note->setWordWrap(true);
    layout->addWidget(m_note);

    QWidget::setTabOrder(m_wzor, m_rounded);
    QWidget::setTabOrder(m_rounded, m_wynik);
    QWidget::setTabOrder(m_wynik, m_sklad);
    QWidget *previous = m_sklad;
    for (QLineEdit *field : m_amounts)
        QWidget::setTabOrder(std::exchange(previous, field), field);

    connect(m_wzor, &QComboBox::editTextChanged, this, &TMasaMolowaForm::recompute);
    connect(m_wzor->lineEdit(), &QLineEdit::editingFinished, this, &TMasaMolowaForm::remember);
    connect(m_rounded, &QCheckBox::toggled, this, &TMasaMolowaForm::recompute);
    auto *copy = new QShortcut(QKeySequence::Copy, m_wynik, nullptr, nullptr, Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, [this] {
        if (!m_copyText.isEmpty()) {
            QApplication::clipboard()->setText(m_copyText);
            remember();
        }
    });
    closeOnEscape(this);

    resize(460, 560);
    recompute();
}

double TMasaMolowaForm::massOf(int numer) const
{
    const double precise = StringToFloat(m_catalogue.element(numer).MasaAtom).value;
    return m_rounded->isChecked() ? schoolMass(numer, precise) : precise;
}

void TMasaMolowaForm::recompute()
{
    const QString text = m_wzor->currentText();
    const Formula formula = readFormula(text, m_symbols);
    m_sklad->setRowCount(0);
    m_ratio->clear();
    m_note->clear();
    if (!formula.ok()) {
        showError(formula, text);
        return;
    }
    m_blad->hide();
    m_blad->clear();
    const Composition c = compose(formula, [this](int numer) { return massOf(numer); });
    m_molarMass = c.molarMass;
    const QString mass = fixed(c.molarMass, 2) + QStringLiteral(" g/mol");
    m_wynik->setText(QStringLiteral("M(%1) = %2").arg(formula.typeset, mass));
    m_copyText = QStringLiteral("M(%1) = %2").arg(formula.plain, mass);

    QStringList symbols, approximate;
    for (const Composition::Row &row : c.rows) {
        const ElementRecord &e = m_catalogue.element(row.numer);
        const int at = m_sklad->rowCount();
        m_sklad->insertRow(at);
        const QString cells[] = {e.Symbol, e.Nazwa, general(row.count), fixed(row.mass, 3),
                                 fixed(row.percent, 2) + QStringLiteral(" %")};
        for (int column = 0; column < 5; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_sklad->setItem(at, column, item);
        }
        symbols << e.Symbol;
        if (massIsMassNumber(row.numer))
            approximate << e.Symbol;
    }
    if (c.rows.size() > 1) {
        QStringList numbers;
        if (!c.wholeRatio.empty()) {
            for (long long n : c.wholeRatio)
                numbers << QString::number(n);
        } else {
            const double smallest =
                std::ranges::min_element(c.rows, {}, &Composition::Row::mass)->mass;
            for (const Composition::Row &row : c.rows)
                numbers << QString::number(std::round(row.mass / smallest * 100) / 100, 'f', 2)
                                   .remove(QRegularExpression(QStringLiteral("\\.?0+$")))
                                   .replace(u'.', u',');
        }
        m_ratio->setText(QStringLiteral("Stosunek masowy: %1 %2 %3")
                             .arg(symbols.join(QStringLiteral(" : ")),
                                  c.wholeRatio.empty() ? QStringLiteral("≈") : QStringLiteral("="),
                                  numbers.join(QStringLiteral(" : "))));
    }

    QStringList notes;
    if (!approximate.isEmpty())
        notes << QStringLiteral("Wynik przybliżony: %1 nie ma trwałych izotopów, jego masa to liczba masowa "
                                "najtrwalszego izotopu.")
                     .arg(approximate.join(QStringLiteral(", ")));
    if (formula.charge != 0)
        notes << QStringLiteral("Masa jonu bez masy elektronów (0,00055 g/mol na jeden ładunek).");
    if (m_rounded->isChecked())
        notes << QStringLiteral("Masy zaokrąglone do liczb całkowitych, poza Cl = 35,5 i Cu = 63,5.");
    m_note->setText(notes.join(u' '));
    convertFrom(m_fixedQuantity);
}

// The message, and the text with the faulty place marked.
void TMasaMolowaForm::showError(const Formula &formula, const QString &text)
{
    m_molarMass = 0;
    m_copyText.clear();
    m_wynik->setText(QStringLiteral("M = ?"));
    const int at = std::clamp(formula.errorPosition, 0, int(text.size()));
    const int length = std::clamp(formula.errorLength, 0, int(text.size()) - at);
    const QString marked = length > 0 ? text.mid(at, length).toHtmlEscaped() : QStringLiteral("&nbsp;");
    m_blad->setText(formula.error.toHtmlEscaped() + QStringLiteral("<br><tt>%1<u style=\"background:#ffc0c0\">%2</u>%3</tt>")
                                                      .arg(text.left(at).toHtmlEscaped(), marked,
                                                           text.mid(at + length).toHtmlEscaped()));
    m_blad->show();
    for (int q = 0; q < 4; ++q)
        if (q != m_fixedQuantity)
            m_amounts[q]->clear();
}

void TMasaMolowaForm::convertFrom(int quantity)
{
    const double value = typedNumber(m_amounts[quantity]->text());
    const bool known = m_molarMass > 0 && !std::isnan(value);
    const Amounts a = Amounts::from(Amounts::Quantity(quantity), known ? value : 0, m_molarMass, avogadro());
    const QString texts[4] = {fixed(a.mass, 4), general(a.moles), general(a.particles), fixed(a.volume, 4)};
    for (int q = 0; q < 4; ++q)
        if (q != quantity)
            m_amounts[q]->setText(known ? texts[q] : QString());
}

// The field's drop-down offers the last formulas read, newest first.
void TMasaMolowaForm::remember()
{
    const QString text = m_wzor->currentText().trimmed();
    if (text.isEmpty() || !readFormula(text, m_symbols).ok())
        return;
    const QSignalBlocker quiet(m_wzor);
    const QString typed = m_wzor->currentText();
    if (const int old = m_wzor->findText(text); old >= 0)
        m_wzor->removeItem(old);
    if (m_wzor->count() >= kHistory)
        m_wzor->removeItem(m_wzor->count() - 1);
    m_wzor->insertItem(0, text);
    m_wzor->setCurrentIndex(-1);
    m_wzor->setEditText(typed);
}

void TMasaMolowaForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_wzor->setFocus();
}

void TMasaMolowaForm::closeEvent(QCloseEvent *event)
{
    remember();
    m_cues.PlayExit();
    event->accept(); // hidden, kept until the program ends
}

} // namespace tablicznik
