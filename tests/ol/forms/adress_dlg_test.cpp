#include "ol/forms/adress_dlg.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "base/settings/window_scale.h"
#include "qtest_main.h"

namespace oltoma::ol {

class AdressDlgTest : public QObject {
    Q_OBJECT

    static AdressLines Lines(std::initializer_list<const char*> lines) {
        AdressLines address{};
        int i = 0;
        for (const char* line : lines) {
            address.line[i++] = line;
        }
        return address;
    }

    static QStringList Stored(const AdressLines& address) {
        QStringList lines;
        for (const Strng22& line : address.line) {
            lines << QString::fromLatin1(line.view().data(), int(line.size()));
        }
        return lines;
    }

private slots:
    void initTestCase() { WindowScale = 100; }

    void memoShowsTheLinesWithoutEmptyOnesAtTheEnd() {
        QCOMPARE(AddressMemoText(Lines({"Anna", "Storgatan 1", "", "", ""})),
                 std::string("Anna\nStorgatan 1"));
        QCOMPARE(AddressMemoText(Lines({"Anna", "", "Box 7", "", ""})),
                 std::string("Anna\n\nBox 7"));
        QCOMPARE(AddressMemoText(AdressLines{}), std::string());
    }

    void okStoresFiveLinesOfAtMost22_data() {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("two lines and a trailing empty one")
            << "Anna\nStorgatan 1\n"
            << QStringList{"Anna", "Storgatan 1", "", "", ""};
        QTest::newRow("CR LF breaks") << "Anna\r\nBox 7\r\n\r\n"
                                      << QStringList{"Anna", "Box 7", "", "", ""};
        QTest::newRow("empty line inside") << "A\n\nC" << QStringList{"A", "", "C", "", ""};
        QTest::newRow("six lines") << "1\n2\n3\n4\n5\n6" << QStringList{"1", "2", "3", "4", "5"};
        QTest::newRow("long line") << "123456789012345678901234567"
                                   << QStringList{"1234567890123456789012", "", "", "", ""};
        QTest::newRow("empty") << "" << QStringList{"", "", "", "", ""};
    }
    void okStoresFiveLinesOfAtMost22() {
        QFETCH(QString, memo);
        QFETCH(QStringList, stored);
        AdressLines address = Lines({"gammal", "gammal", "gammal", "gammal", "gammal"});
        StoreAddressMemoText(memo.toStdString(), address);
        QCOMPARE(Stored(address), stored);
        for (const Strng22& line : address.line) {
            for (std::size_t i = line.size(); i < Strng22::kCapacity; ++i) {
                QCOMPARE(line.chars[i], '\0');  // the whole address is cleared first
            }
        }
    }

    void theDialogEditsACopyUntilOk() {
        AdressLines address = Lines({"Anna", "Storgatan 1", "", "", ""});
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<TadressDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->windowTitle(), QString("adress"));
            QCOMPARE(dialog->memo()->toPlainText(), QString("Anna\nStorgatan 1"));
            dialog->memo()->setPlainText(QString::fromUtf8("Åsa Öberg\nÄngsvägen 3"));
            dialog->findChild<QPushButton*>("CancelBtn")->click();
        });
        QVERIFY(!EditAddress(nullptr, address));
        QCOMPARE(address.line[0], "Anna");

        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<TadressDlg*>(QApplication::activeModalWidget());
            dialog->memo()->setPlainText(QString::fromUtf8("Åsa Öberg\nÄngsvägen 3"));
            dialog->findChild<QPushButton*>("OKBtn")->click();
        });
        QVERIFY(EditAddress(nullptr, address));
        QCOMPARE(address.line[0],
                 "\xC5sa \xD6"
                 "berg");  // Windows-1252
        QCOMPARE(address.line[1], "\xC4ngsv\xE4gen 3");
        QVERIFY(address.line[2].empty());
    }

    void theMemoHoldsAtMost114Characters() {
        TadressDlg dialog(nullptr, AdressLines{});
        dialog.memo()->setPlainText(QString(200, 'x'));
        QCOMPARE(dialog.memo()->toPlainText().size(), kAddressMemoLength);
    }

    void tabLeavesTheMemo() {
        TadressDlg dialog(nullptr, AdressLines{});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.memo()->setFocus();
        QTest::keyClick(dialog.memo(), Qt::Key_Tab);
        QVERIFY(!dialog.memo()->hasFocus());
        QVERIFY(!dialog.memo()->toPlainText().contains('\t'));
    }
};

}  // namespace oltoma::ol

OLTOMA_QTEST_MAIN(oltoma::ol::AdressDlgTest)
#include "adress_dlg_test.moc"
