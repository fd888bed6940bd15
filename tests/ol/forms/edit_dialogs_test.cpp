// The district, control and course dialogs as a user meets them: a dialog
// frame without minimise or maximise, Swedish buttons, and fields and grid
// cells that take exactly what their record field stores.
#include <QtTest>

#include <functional>
#include <map>
#include <memory>

#include "ol/data/records/distr_rec.h"
#include "ol/data/records/kontr_rec.h"
#include "ol/data/records/track_rec.h"
#include "ol/forms/ban_form.h"
#include "ol/forms/distr_form.h"
#include "ol/forms/kontr_form.h"
#include "platform/qt/qt_text.h"
#include "qtest_main.h"
#include "register_fixture.h"

namespace oltoma::ol {

using namespace testing;

namespace {

enum class Kind { district, control, course };

std::unique_ptr<QDialog> DialogOf(Kind kind) {
    switch (kind) {
        case Kind::district:
            return std::make_unique<TDistrForm>(nullptr, true);
        case Kind::control:
            return std::make_unique<TKontrForm>(nullptr, true);
        case Kind::course:
            break;
    }
    return std::make_unique<TBanForm>(nullptr, true);
}

// The edit field `name`, or the editor of the first cell of grid `name`.
QLineEdit* EditorOf(QDialog& dialog, const QString& name) {
    if (auto* grid = dialog.findChild<EditGrid*>(name)) {
        TypeIntoCell(grid, 1, 1, "");
        return qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
    }
    return dialog.findChild<QLineEdit*>(name);
}

// What the record buffer holds of the field after OK.
std::string StoredText(const QString& name) {
    const std::map<QString, std::function<std::string()>> fields = {
        {"edDistrikt", [] { return Ol().district.rec.Dname.str(); }},
        {"edNation", [] { return Ol().district.rec.Dkort.str(); }},
        {"edKodNr", [] { return Ol().control.rec.KodNr.str(); }},
        {"kontrStringGrid", [] { return Ol().control.rec.R[0].str(); }},
        {"edBana", [] { return Ol().course.rec.Bana.str(); }},
        {"banStringGrid", [] { return Ol().course.rec.KodNr[0].str(); }},
    };
    return fields.at(name)();
}

}  // namespace

class EditDialogsTest : public QObject {
    Q_OBJECT

    RegisterDoubles doubles;

private slots:
    void init() {
        WindowScale = 100;
        StartWithDefinitionFiles(QTest::currentTestFunction());
    }
    void cleanup() { StopDataLayer(); }

    void frameAndButtons_data() {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("distrikt") << Kind::district;
        QTest::newRow("kontroll") << Kind::control;
        QTest::newRow("bana") << Kind::course;
    }
    void frameAndButtons() {
        QFETCH(Kind, kind);
        const std::unique_ptr<QDialog> dialog = DialogOf(kind);
        // Only the title-bar buttons the flags name, none of the platform's.
        QVERIFY(dialog->windowFlags().testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(Part<QPushButton>(dialog.get(), "cancelButton")->text(), QString("Avbryt"));
        QCOMPARE(Part<QPushButton>(dialog.get(), "okButton")->text(), QString("OK"));
    }

    // Each field takes as many characters as the record stores, only
    // characters the stored code page has, and OK stores all of them.
    void whatIsTypedIsWhatIsStored_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("stored");
        QTest::newRow("distriktsnamn")
            << Kind::district << "edDistrikt" << int(decltype(DistrRec::Dname)::kCapacity);
        QTest::newRow("nation") << Kind::district << "edNation"
                                << int(decltype(DistrRec::Dkort)::kCapacity);
        QTest::newRow("kontrollkod")
            << Kind::control << "edKodNr" << int(decltype(KontrRec::KodNr)::kCapacity);
        QTest::newRow("kontrollbeskrivning")
            << Kind::control << "kontrStringGrid"
            << int(std::remove_all_extents_t<decltype(KontrRec::R)>::kCapacity);
        QTest::newRow("bana") << Kind::course << "edBana"
                              << int(decltype(TrackRec::Bana)::kCapacity);
        QTest::newRow("bankontroll")
            << Kind::course << "banStringGrid"
            << int(std::remove_all_extents_t<decltype(TrackRec::KodNr)>::kCapacity);
    }
    void whatIsTypedIsWhatIsStored() {
        QFETCH(Kind, kind);
        QFETCH(QString, field);
        QFETCH(int, stored);
        // Upper case, as keys and control descriptions are stored.
        const QString typed = (QString::fromUtf8("ÅÄ") + QString(stored, 'X')).left(stored);
        if (kind == Kind::course) {
            QVERIFY(AddControl(typed.toStdString()) != 0);  // the course's control exists
        }
        const std::unique_ptr<QDialog> dialog = DialogOf(kind);
        QLineEdit* editor = EditorOf(*dialog, field);
        QVERIFY(editor != nullptr);
        editor->clear();
        editor->insert(QString::fromUtf8("Ω"));  // no Windows-1252 byte: refused
        QCOMPARE(editor->text(), QString());
        editor->insert(typed.left(stored - 1));
        QTest::keyClicks(editor, "XY");  // the Y is one too many
        QCOMPARE(editor->text(), typed);
        Part<QPushButton>(dialog.get(), "okButton")->click();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(platform::ToQString(StoredText(field)), typed);
    }
};

}  // namespace oltoma::ol

OLTOMA_QTEST_MAIN(oltoma::ol::EditDialogsTest)

#include "edit_dialogs_test.moc"
