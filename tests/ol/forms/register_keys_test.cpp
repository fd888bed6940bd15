// The keys of the district, control and course dialogs: checked and stored
// as they will be stored (two digits, upper case, "XXX" for an empty code),
// and a key that another record has refused with a beep, the dialog open.
#include <QtTest>

#include "ol/forms/ban_form.h"
#include "ol/forms/ban_reg.h"
#include "ol/forms/distr_form.h"
#include "ol/forms/distr_reg.h"
#include "ol/forms/kontr_form.h"
#include "ol/forms/kontr_reg.h"
#include "platform/qt/qt_text.h"
#include "qtest_main.h"
#include "register_fixture.h"

namespace oltoma::ol {

using namespace testing;

namespace {

enum class Kind { district, control, course };

struct KindParts {
    const char* keyField;
    storage::FileBlock* (*file)();
    std::string (*key)(std::string_view);
};

KindParts PartsOf(Kind kind) {
    switch (kind) {
        case Kind::district:
            return {"edNummer", [] { return Ol().districtFile; }, &DistrictKey};
        case Kind::control:
            return {"edKodNr", [] { return Ol().controlFile; }, &ControlKey};
        case Kind::course:
            break;
    }
    return {"edBana", [] { return Ol().courseFile; }, &CourseKey};
}

std::unique_ptr<registers::TERegFormDlg> RegisterOf(Kind kind) {
    switch (kind) {
        case Kind::district:
            return std::make_unique<TDistrRegForm>(nullptr);
        case Kind::control:
            return std::make_unique<TKontrRegForm>(nullptr);
        case Kind::course:
            break;
    }
    return std::make_unique<TBanRegForm>(nullptr);
}

void Add(Kind kind, const QString& key) {
    const std::string text = key.toStdString();
    switch (kind) {
        case Kind::district:
            QVERIFY(AddDistrict(text, "Distrikt") != 0);
            break;
        case Kind::control:
            QVERIFY(AddControl(text) != 0);
            break;
        case Kind::course:
            QVERIFY(AddCourse(text) != 0);
            break;
    }
}

}  // namespace

class RegisterKeysTest : public QObject {
    Q_OBJECT

    RegisterDoubles doubles;

private slots:
    void init() {
        WindowScale = 100;
        doubles.sound.beeps.clear();
        StartWithDefinitionFiles(QTest::currentTestFunction());
    }
    void cleanup() { StopDataLayer(); }

    void newKeys_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");   // empty when refused
        QTest::addColumn<QString>("refusal");  // the status bar's text

        QTest::newRow("district 5 is 05") << Kind::district << ""
                                          << "5"
                                          << "05"
                                          << "";
        QTest::newRow("district 5 when 05 exists")
            << Kind::district << "05"
            << "5"
            << ""
            << "Distriktet finns redan registrerad. \"05\" Måste vara unik.";
        QTest::newRow("control a1 is A1") << Kind::control << ""
                                          << "a1"
                                          << "A1"
                                          << "";
        QTest::newRow("control a1 when A1 exists")
            << Kind::control << "A1"
            << "a1"
            << ""
            << "Kontrollen finns redan registrerad. \"A1\" Måste vara unik.";
        QTest::newRow("control without code is XXX") << Kind::control << ""
                                                     << ""
                                                     << "XXX"
                                                     << "";
        QTest::newRow("control without code when XXX exists")
            << Kind::control << "XXX"
            << "  "
            << ""
            << "Kontrollen finns redan registrerad. \"XXX\" Måste vara unik.";
        QTest::newRow("course a is A") << Kind::course << ""
                                       << "a"
                                       << "A"
                                       << "";
        QTest::newRow("course a when A exists")
            << Kind::course << "A"
            << "a"
            << ""
            << "Banan finns redan registrerad. \"A\" Måste vara unik.";
        QTest::newRow("course without designation when XXX exists")
            << Kind::course << "XXX"
            << ""
            << ""
            << "Banan finns redan registrerad. \"XXX\" Måste vara unik.";
        QTest::newRow("course åsa is ÅSA") << Kind::course << ""
                                           << "åsa"
                                           << "ÅSA"
                                           << "";
    }

    void newKeys() {
        QFETCH(Kind, kind);
        QFETCH(QString, existing);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, refusal);
        const KindParts parts = PartsOf(kind);
        if (!existing.isEmpty()) {
            Add(kind, existing);
        }
        const std::int32_t usedBefore = storage::UsedRecs(parts.file());
        auto form = RegisterOf(kind);
        const QStringList linesBefore = Lines(*form);
        bool stayedOpen = false;
        EditThrough<QDialog>(form->newbtn, [&](QDialog* dialog) {
            Part<QLineEdit>(dialog, parts.keyField)->setText(typed);
            Part<QPushButton>(dialog, "okButton")->click();
            stayedOpen = dialog->isVisible();
            if (stayedOpen) {
                QCOMPARE(StatusOf(dialog), refusal);
            }
        });
        if (refusal.isEmpty()) {
            QVERIFY(!stayedOpen);
            QVERIFY(KeyOf(parts.file(), parts.key(platform::FromQString(stored))) != 0);
            QCOMPARE(storage::UsedRecs(parts.file()), usedBefore + 1);
            QVERIFY(Lines(*form).join('|').contains(stored));
        } else {
            QVERIFY(stayedOpen);
            QCOMPARE(doubles.sound.beeps.size(), 1u);
            QCOMPARE(storage::UsedRecs(parts.file()), usedBefore);
            QCOMPARE(Lines(*form), linesBefore);
        }
    }

    // A changed record whose key stays as it was is no duplicate of itself.
    void keepingTheKeyOnChangeIsAccepted() {
        AddControl("31");
        TKontrRegForm form(nullptr);
        SelectLine(form, 0);
        bool closed = false;
        EditThrough<TKontrForm>(form.changebtn, [&](TKontrForm* dialog) {
            dialog->okButton->click();
            closed = !dialog->isVisible();
        });
        QVERIFY(closed);
        QVERIFY(KeyOf(Ol().controlFile, ControlKey("31")) != 0);
    }
};

}  // namespace oltoma::ol

OLTOMA_QTEST_MAIN(oltoma::ol::RegisterKeysTest)

#include "register_keys_test.moc"
