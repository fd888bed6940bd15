#include "platform/qt/swedish_buttons.h"

#include <QDialogButtonBox>
#include <QPushButton>

#include "qtest_main.h"

namespace oltoma::platform {

class SwedishButtonsTest : public QObject {
    Q_OBJECT

private slots:
    // The button boxes of any dialog read Swedish once the translations
    // are installed, whatever Qt catalogs the machine has.
    void buttonBoxesReadSwedish() {
        InstallSwedishTranslations();
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Yes | QDialogButtonBox::No |
                             QDialogButtonBox::Close);
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QString("OK"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QString("Avbryt"));
        QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), QString("&Ja"));
        QCOMPARE(box.button(QDialogButtonBox::No)->text(), QString("&Nej"));
        QCOMPARE(box.button(QDialogButtonBox::Close)->text(), QString::fromUtf8("&Stäng"));
    }
};

}  // namespace oltoma::platform

OLTOMA_QTEST_MAIN(oltoma::platform::SwedishButtonsTest)
#include "swedish_buttons_test.moc"
