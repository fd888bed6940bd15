#include "ol/forms/statistik_dlg.h"

#include <QPlainTextEdit>
#include <QTimer>

#include "base/messages/messages.h"
#include "base/settings/window_scale.h"
#include "forms_data_fixture.h"
#include "ol/data/files/registers.h"
#include "qtest_main.h"

namespace oltoma::ol {

class StatistikDlgTest : public QObject {
    Q_OBJECT

    // Shows the statistics and returns the memo's text as the dialog showed
    // it; `definitionFilesOpen` tells whether they were open meanwhile.
    static QString ShownStatistics(bool* definitionFilesOpen = nullptr) {
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TOlStatistikDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->windowTitle(), QString("statistik"));
            shown = dialog->meStatistik->toPlainText();
            if (definitionFilesOpen != nullptr) {
                *definitionFilesOpen = Ol().DefinitionFilesOpen;
            }
            dialog->accept();
        });
        ShowStatistics(nullptr);
        return shown;
    }

    static void Add(bool (*save)(bool, std::int32_t&)) {
        std::int32_t rc = 0;
        QVERIFY(save(true, rc));
    }

private slots:
    void initTestCase() { WindowScale = 100; }
    void init() { testing::StartDataLayer(QTest::currentTestFunction()); }
    void cleanup() { testing::StopDataLayer(); }

    void countsTheFilesOfTheCurrentCompetition() {
        QCOMPARE(testing::NewCompetition("Ett"), 1);
        QVERIFY(OpenDefinitionFiles());
        for (const char* code : {"31", "32"}) {
            ClearControl();
            Ol().control.rec.KodNr = code;
            Add(&SaveControl);
        }
        ClearCourse();
        Ol().course.rec.Bana = "A";
        Add(&SaveCourse);
        ClearRoute24();
        Ol().route24.rec.Namn = "BRANT";
        Add(&SaveRoute24);
        QVERIFY(OpenParticipantFiles());

        bool definitionFilesOpen = false;
        QCOMPARE(ShownStatistics(&definitionFilesOpen),
                 QString("rutbeskrivningar:     1 kontroller:     2 [512] \n"
                         "banor:     1  max kontroller per bana:  35 "));
        QVERIFY(definitionFilesOpen);
        QVERIFY(Ol().ParticipantFilesOpen);
        QVERIFY(!Ol().DefinitionFilesOpen);
    }

    void withoutACompetitionItIsEmpty() {
        QCOMPARE(ShownStatistics(), QString());
        QCOMPARE(MessageLine.str(), std::string("Filerna inte \xF6ppna"));
        TOlStatistikDlg dialog(nullptr);  // outside the bracket: nothing to count
        QCOMPARE(dialog.meStatistik->toPlainText(), QString());
    }
};

}  // namespace oltoma::ol

OLTOMA_QTEST_MAIN(oltoma::ol::StatistikDlgTest)
#include "statistik_dlg_test.moc"
