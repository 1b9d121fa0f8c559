#include "controls/tmyspeedbutton.h"
#include "support/testmain.h"

#include <QMetaProperty>
#include <QSet>
#include <QTest>

using namespace tablicznik;

// The button publishes the record's fields as properties. moc cannot derive
// them from the record's field list, so this holds the two together: a
// field added to the record and not published, or published under another
// name, fails here.
class ButtonPropertiesTest : public QObject {
    Q_OBJECT

private slots:
    void everyStoredFieldIsPublishedWithItsValue()
    {
        ElementRecord record;
        record.Numer = 26;
        int k = 0;
        for (const TextField &f : kStoredTextFields)
            record.*f.member = QStringLiteral("wartość %1").arg(++k); // every field different
        record.Opis = QStringLiteral("{\\rtf1\\ansi opis}");
        TMySpeedButton button(record, nullptr);

        QSet<QString> published;
        const QMetaObject *meta = button.metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            published << QString::fromLatin1(meta->property(i).name());

        for (const TextField &f : kStoredTextFields) {
            const QString name = QString::fromLatin1(f.name);
            if (name == u"Symbol" || name == u"Nazwa")
                continue; // the caption and the hint
            QVERIFY2(published.remove(name), f.name);
            QCOMPARE(button.property(f.name).toString(), record.*f.member);
        }
        QVERIFY(published.remove(QStringLiteral("Opis")));
        QCOMPARE(button.property("Opis").toString(), record.Opis.text());
        QVERIFY(published.remove(QStringLiteral("Numer")));
        QCOMPARE(button.property("Numer").toInt(), 26);
        // What is left is the button's own state, not a field.
        QCOMPARE(published, (QSet<QString>{QStringLiteral("IsUp"), QStringLiteral("textColor"), QStringLiteral("FocusMark")}));
    }
};

TABLICZNIK_TEST_MAIN(ButtonPropertiesTest)
#include "buttonproperties_test.moc"
