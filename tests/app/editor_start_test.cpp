#include "app/editor_start.h"

#include "qtest_main.h"
#include "scripted_services.h"

namespace oltoma {

class EditorStartTest : public QObject {
    Q_OBJECT

private slots:
    void resultCodesGiveTheirTexts_data() {
        QTest::addColumn<int>("edittoma");
        QTest::addColumn<int>("notepad");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QStringList>("tried");
        QTest::addColumn<QString>("text");
        const QStringList both = {"edittoma.exe", "notepad.exe"};
        const QStringList first = {"edittoma.exe"};
        QTest::newRow("edittoma starts") << 33 << 2 << true << first << "";
        QTest::newRow("edittoma missing, notepad starts") << 2 << 33 << true << both << "";
        QTest::newRow("path missing, notepad starts") << 3 << 42 << true << both << "";
        QTest::newRow("both missing")
            << 2 << 2 << false << both << "winexecfel: Hittar ej filen\"notepad\"";
        QTest::newRow("notepad path missing")
            << 2 << 3 << false << both << "winexecfel: Filvägen ej funnen\"notepad\"";
        QTest::newRow("notepad out of memory")
            << 3 << 0 << false << both
            << QString::fromUtf8("winexecfel: Otillräckligt minne\"notepad\"");
        QTest::newRow("notepad no program")
            << 2 << 11 << false << both << "winexecfel: Ogiltig programfil\"notepad\"";
        QTest::newRow("notepad access denied")
            << 2 << 5 << false << both
            << QString::fromUtf8("winexecfel: okänt fel nummer 005\"notepad\"");
        QTest::newRow("edittoma out of memory")
            << 0 << 33 << false << first
            << QString::fromUtf8("winexecfel: Otillräckligt minne\"notepad\"");
        QTest::newRow("edittoma no program")
            << 11 << 33 << false << first << "winexecfel: Ogiltig programfil\"notepad\"";
        QTest::newRow("edittoma access denied")
            << 5 << 33 << false << first
            << QString::fromUtf8("winexecfel: okänt fel nummer 005\"notepad\"");
        QTest::newRow("result 32 is success") << 32 << 2 << true << first << "";
        QTest::newRow("result 31 is failure")
            << 31 << 33 << false << first
            << QString::fromUtf8("winexecfel: okänt fel nummer 031\"notepad\"");
    }
    void resultCodesGiveTheirTexts() {
        QFETCH(int, edittoma);
        QFETCH(int, notepad);
        QFETCH(bool, started);
        QFETCH(QStringList, tried);
        QFETCH(QString, text);
        testing::ScriptedProgramLauncher launcher;
        launcher.results = {{"edittoma.exe", edittoma}, {"notepad.exe", notepad}};
        const EditorStartOutcome outcome = StartTextEditor(launcher);
        QCOMPARE(outcome.started, started);
        QCOMPARE(QString::fromLatin1(outcome.failureText.c_str()), text);
        QStringList startedPrograms;
        for (const std::string& program : launcher.started) {
            startedPrograms << QString::fromStdString(program);
        }
        QCOMPARE(startedPrograms, tried);
    }
};

}  // namespace oltoma

OLTOMA_QTEST_MAIN(oltoma::EditorStartTest)
#include "editor_start_test.moc"
