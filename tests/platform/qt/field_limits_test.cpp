#include "platform/qt/field_limits.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "qtest_main.h"

namespace oltoma::platform {

class FieldLimitsTest : public QObject {
    Q_OBJECT

    // Types the text one character (code point) at a time, as a keyboard
    // would.
    static void Type(QWidget* widget, const QString& text) {
        for (const uint codePoint : text.toUcs4()) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier,
                            QString::fromUcs4(reinterpret_cast<const char32_t*>(&codePoint), 1));
            QApplication::sendEvent(widget, &press);
        }
    }

private slots:
    void typingStopsAtTheStoredLength_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("fits") << "OK Linne"
                              << "OK Linne";
        QTest::newRow("one too many") << "Sandviken"
                                      << "Sandvike";
        QTest::newRow("Swedish letters count once")
            << QString::fromUtf8("ÅÄÖåäöéü") << QString::fromUtf8("ÅÄÖåäöéü");
        QTest::newRow("no Windows-1252 byte")
            << QString::fromUtf8("Łódź") << QString::fromUtf8("ód");
        QTest::newRow("outside the plane") << QString::fromUtf8("a\U0001F600b") << "ab";
    }
    void typingStopsAtTheStoredLength() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QLineEdit edit;
        LimitToStoredField(&edit, 8);
        Type(&edit, typed);
        QCOMPARE(edit.text(), kept);
        QCOMPARE(StoredFieldLimit(&edit), 8);
    }

    void aPastedTextThatDoesNotFitIsRefusedWhole() {
        QLineEdit edit;
        LimitToStoredField(&edit, 4);
        edit.setText("ab");
        edit.end(false);
        edit.insert(QString::fromUtf8("c€"));
        QCOMPARE(edit.text(), QString::fromUtf8("abc€"));
        edit.clear();
        edit.insert(QString::fromUtf8("xy\u0141"));
        QCOMPARE(edit.text(), QString());
    }

    void editableComboBoxes() {
        QComboBox box;
        box.setEditable(true);
        LimitToStoredField(&box, 3);
        Type(box.lineEdit(), "nationell");
        QCOMPARE(box.currentText(), QString("nat"));
    }
};

}  // namespace oltoma::platform

OLTOMA_QTEST_MAIN(oltoma::platform::FieldLimitsTest)
#include "field_limits_test.moc"
