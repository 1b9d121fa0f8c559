// How long reading a rich-text document takes: a value of the details
// pages, the longest description of the catalogue, and one at the
// 10,000-character limit, into a bare document and into the view.
#include "richtext/richtextview.h"
#include "richtext/rtfreader.h"

#include <QFile>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

QString wrapped(const QString &field)
{
    return u"{\\rtf1\\b\\fs20 "_s + field + u"\\par }"_s;
}

// A mineral list of about 700 characters, as long as a value may grow.
QString longValue()
{
    QString field;
    while (field.size() < 700)
        field += uR"(karnalit KMgCl{\sub 3}·6H{\sub 2}O, {\super 40}K (0,0117%; 1,25•10{\super 9} lat), )"_s;
    return wrapped(field);
}

QString longestDescription()
{
    QString longest;
    for (int number = 1; number <= 112; ++number) {
        QFile file(u":/catalogue/%1.rtf"_s.arg(number, 3, 10, QLatin1Char('0')));
        if (file.open(QIODevice::ReadOnly)) {
            const QString rtf = QString::fromLatin1(file.readAll());
            if (rtf.size() > longest.size())
                longest = rtf;
        }
    }
    return longest;
}

// A description of 10,000 characters: the generator's header and
// paragraphs of escaped Polish text with raised and lowered groups.
QString limitDescription()
{
    QString rtf = uR"({\rtf1\ansi\ansicpg1250\deff0\deflang1045)"
                  uR"({\fonttbl{\f0\froman\fcharset238 Times New Roman;}{\f1\fswiss\fcharset238 Arial;}})"
                  uR"({\colortbl ;\red0\green0\blue0;\red0\green51\blue102;})"
                  uR"(\pard\qc\sa200\plain\f1\fs32\b\cf2 Mied\'9f (Cu)\par)"_s;
    const QString paragraph =
        uR"(\pard\qj\sa100\plain\f0\fs22 Mied\'9f jest metalem przej\'9cciowym, jej konfiguracja to )"
        uR"([Ar] 3d{\super 10} 4s{\super 1}; malachit Cu{\sub 2}(OH){\sub 2}CO{\sub 3} \endash  )"
        uR"({\i aes Cyprium}, \'84metal cypryjski\rdblquote .\par)"_s;
    while (rtf.size() + paragraph.size() < 9999)
        rtf += paragraph;
    return rtf + u'}';
}

} // namespace

class RichTextBench : public QObject {
    Q_OBJECT

private slots:
    void readDocument_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::newRow("configuration value") << wrapped(uR"([Ar]3d{\super 6}4s{\super 2})"_s);
        QTest::newRow("700-character value") << longValue();
        QTest::newRow("longest description") << longestDescription();
        QTest::newRow("10,000-character description") << limitDescription();
    }
    void readDocument()
    {
        QFETCH(QString, rtf);
        QTextDocument doc;
        QBENCHMARK {
            tablicznik::readRtf(rtf, &doc);
        }
    }

    void loadView_data() { readDocument_data(); }
    void loadView()
    {
        QFETCH(QString, rtf);
        tablicznik::RichTextView view;
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        view.resize(433, 374);
        QBENCHMARK {
            view.load(rtf);
        }
    }
};

QTEST_MAIN(RichTextBench)
#include "richtext_bench.moc"
