#include "base/forms/EFileDlgAction.h"

#include <sys/stat.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <functional>
#include <tuple>
#include <vector>

#include "base/forms/directory_list_box.h"
#include "base/forms/file_list_box.h"
#include "bound_services.h"
#include "platform/qt/qt_text.h"
#include "qtest_main.h"
#include "scripted_services.h"

namespace oltoma::forms {

class FileDlgActionTest : public QObject {
    Q_OBJECT

    const QString here_ = QDir::currentPath();  // the sandbox
    const QString folder_ = here_ + "/imp";

    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QStringList Lines(const QListWidget* list) {
        QStringList lines;
        for (int row = 0; row < list->count(); ++row) {
            lines.append(list->item(row)->text());
        }
        return lines;
    }

    template <typename Part>
    static Part* PartOf(QWidget& form, const char* name) {
        Part* part = form.findChild<Part*>(name);
        if (part == nullptr) {
            qFatal("no part %s", name);
        }
        return part;
    }

    static void Click(QWidget& form, const char* button) {
        QTest::mouseClick(PartOf<QPushButton>(form, button), Qt::LeftButton);
    }

    // Selects every listed file and presses ">".
    static void IncludeAll(QWidget& form) {
        PartOf<FileListBox>(form, "FileListBox1")->selectAll();
        Click(form, "IncludeBtn");
    }

    static void WhenShown(std::function<void(TFileDlgActionForm&)> step) {
        QTimer::singleShot(0, [step] {
            auto* form = qobject_cast<TFileDlgActionForm*>(QApplication::activeModalWidget());
            QVERIFY(form != nullptr);
            step(*form);
            if (form->isVisible()) {  // a failed step must not leave the dialog open
                form->reject();
            }
        });
    }

    using Call = std::tuple<std::string, std::string, int, int>;

    static FileAction Recorder(std::vector<Call>& calls) {
        return [&calls](platform::WindowHandle, const std::string& name, const std::string& folder,
                        int index, int count) { calls.emplace_back(name, folder, index, count); };
    }

    // A form prepared as the import prepares it, listing the import folder.
    void PrepareForImport(TFileDlgActionForm& form) {
        form.Prepare("Import", kImportOnceOnlyCodes, kImportKeywordList, kImportFileFilter);
        QVERIFY(form.SetFolder(platform::FromQString(folder_)));
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir().mkpath(folder_ + "/Sub"));
        Write(folder_ + "/banor.ol", "*Banor\nA,4500,120,31\n");
        Write(folder_ + "/bas1.txt", "*Bas\n");
        Write(folder_ + "/bas2.exp", "; baskort\n*Bas\n");
        Write(folder_ + "/distr.txt", "*Distrikt\r\n");
        Write(folder_ + "/ingen.txt", "1,2,3\n");
        Write(folder_ + "/ingen2.imp", "");
        Write(folder_ + "/klubbar.txt", "*Klubbar\n");
        Write(folder_ + "/notes.doc", "*Banor\n");
        Write(folder_ + "/.dold.txt", "*Banor\n");
        QCOMPARE(::mkfifo((folder_ + "/pipe.txt").toLocal8Bit().constData(), 0600), 0);
    }

    void runsTheActionOncePerFileInOrderOfTheirCodes() {
        testing::RecordingSound sound;
        testing::BoundServices bound({.sound = &sound});
        WhenShown([this](TFileDlgActionForm& form) {
            QCOMPARE(form.windowTitle(), QString("Import"));
            QCOMPARE(form.ListedFolder(), platform::FromQString(folder_ + "/Sub"));
            auto* editDir = PartOf<QLineEdit>(form, "editDir");
            QCOMPARE(editDir->text(), folder_ + "/Sub");
            editDir->setText("..");
            QTest::keyClick(editDir, Qt::Key_Return);
            QCOMPARE(editDir->text(), folder_);
            IncludeAll(form);
            QCOMPARE(Lines(PartOf<QListWidget>(form, "ActionFilesList")),
                     (QStringList{"01 *Klubbar.... klubbar.txt", "02 *Distrikt... distr.txt",
                                  "05 *Bas........ bas2.exp", "08 *Banor...... banor.ol",
                                  "99 ingen importfil, ta bort ingen2.imp"}));
            QCOMPARE(PartOf<QStatusBar>(form, "StatusBar1")->currentMessage(),
                     QString("endast en förekomst tillåten"));
            Click(form, "btnOK");
        });
        TLongPathName folder;
        folder.assign(platform::FromQString(folder_ + "/Sub"));
        std::vector<Call> calls;
        QVERIFY(ChooseFiles(nullptr, "Import", kImportOnceOnlyCodes, kImportKeywordList,
                            kImportFileFilter, folder, Recorder(calls)));
        const std::string in = platform::FromQString(folder_);
        QCOMPARE(calls, (std::vector<Call>{{"klubbar.txt", in, 1, 5},
                                           {"distr.txt", in, 2, 5},
                                           {"bas2.exp", in, 3, 5},
                                           {"banor.ol", in, 4, 5},
                                           {"ingen2.imp", in, 5, 5}}));
        QCOMPARE(sound.beeps.size(), 2u);  // bas1.txt and ingen.txt were refused
        QCOMPARE(sound.beeps.front(), (testing::RecordingSound::Tone{440, 100}));
        QCOMPARE(folder.str(), in);
        QCOMPARE(QDir::currentPath(), here_);  // the data directory stays current
    }

    void cancelRunsNothingAndKeepsTheFolder_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("listed");
        QTest::newRow("existing folder") << folder_ << folder_ << folder_;
        QTest::newRow("missing folder is cleared") << here_ + "/saknas"
                                                   << "" << here_;
    }
    void cancelRunsNothingAndKeepsTheFolder() {
        QFETCH(QString, start);
        QFETCH(QString, kept);
        QFETCH(QString, listed);
        WhenShown([listed](TFileDlgActionForm& form) {
            QCOMPARE(form.ListedFolder(), platform::FromQString(listed));
            IncludeAll(form);
            Click(form, "btnCancel");
        });
        TLongPathName folder;
        folder.assign(platform::FromQString(start));
        std::vector<Call> calls;
        QVERIFY(!ChooseFiles(nullptr, "Import", kImportOnceOnlyCodes, kImportKeywordList,
                             kImportFileFilter, folder, Recorder(calls)));
        QVERIFY(calls.empty());
        QCOMPARE(platform::ToQString(folder.view()), kept);
    }

    void anotherFolderEmptiesTheChosenList() {
        TFileDlgActionForm form(nullptr);
        PrepareForImport(form);
        form.show();
        IncludeAll(form);
        auto* chosen = PartOf<QListWidget>(form, "ActionFilesList");
        QCOMPARE(chosen->count(), 5);
        PartOf<DirectoryListBox>(form, "DirectoryListBox1")->enterFolder("Sub");
        QCOMPARE(chosen->count(), 0);
        QCOMPARE(form.Choices().size(), 0);
        QCOMPARE(PartOf<QLineEdit>(form, "editDir")->text(), folder_ + "/Sub");
        QVERIFY(!PartOf<QPushButton>(form, "IncludeBtn")->isEnabled());  // no files in Sub
        QVERIFY(!PartOf<QPushButton>(form, "excludeBtn")->isEnabled());
        QVERIFY(!PartOf<QPushButton>(form, "excludeAllBtn")->isEnabled());
    }

    void typedFolderKeepsItsCaseAndAWrongOneKeepsTheList_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("listed");
        QTest::newRow("relative, mixed case") << "Sub" << folder_ + "/Sub";
        QTest::newRow("absolute") << here_ << here_;
        QTest::newRow("no such folder") << "sub" << folder_;
        QTest::newRow("a file") << "klubbar.txt" << folder_;
        QTest::newRow("empty") << "" << folder_;
    }
    void typedFolderKeepsItsCaseAndAWrongOneKeepsTheList() {
        QFETCH(QString, typed);
        QFETCH(QString, listed);
        TFileDlgActionForm form(nullptr);
        PrepareForImport(form);
        auto* editDir = PartOf<QLineEdit>(form, "editDir");
        editDir->setText(typed);
        QTest::keyClick(editDir, Qt::Key_Enter);
        QCOMPARE(form.ListedFolder(), platform::FromQString(listed));
        QCOMPARE(editDir->text(), listed);
    }

    void filterListsTheCallersFilesFirst() {
        TFileDlgActionForm form(nullptr);
        PrepareForImport(form);
        auto* files = PartOf<FileListBox>(form, "FileListBox1");
        const QStringList importFiles{"banor.ol",  "bas1.txt",   "bas2.exp",   "distr.txt",
                                      "ingen.txt", "ingen2.imp", "klubbar.txt"};
        QCOMPARE(Lines(files), importFiles);  // no hidden file, no pipe
        auto* filters = PartOf<QComboBox>(form, "FilterComboBox1");
        QCOMPARE(filters->count(), 3);
        QCOMPARE(filters->itemText(1), QString("IOF XML 3.0 (*.xml)"));
        QCOMPARE(filters->itemText(2), QString("Alla filer (*.*)"));
        filters->setCurrentIndex(2);
        QVERIFY(Lines(files).contains("notes.doc"));
        QCOMPARE(files->count(), importFiles.size() + 1);

        TFileDlgActionForm plain(nullptr);
        plain.Prepare("x", "", "", "");
        QCOMPARE(PartOf<QComboBox>(plain, "FilterComboBox1")->count(), 1);
    }

    void removingEntriesMovesTheSelection() {
        TFileDlgActionForm form(nullptr);
        PrepareForImport(form);
        form.show();
        auto* files = PartOf<FileListBox>(form, "FileListBox1");
        files->setCurrentRow(0);  // banor.ol by double click
        emit files->itemDoubleClicked(files->item(0));
        IncludeAll(form);  // banor.ol again: courses may repeat
        auto* chosen = PartOf<QListWidget>(form, "ActionFilesList");
        QCOMPARE(chosen->count(), 6);
        chosen->item(1)->setSelected(true);
        chosen->item(2)->setSelected(true);
        Click(form, "excludeBtn");
        QCOMPARE(Lines(chosen), (QStringList{"01 *Klubbar.... klubbar.txt",
                                             "08 *Banor...... banor.ol", "08 *Banor...... banor.ol",
                                             "99 ingen importfil, ta bort ingen2.imp"}));
        QCOMPARE(chosen->currentRow(), 1);
        QCOMPARE(form.getTheFile(3), std::string("ingen2.imp"));
        Click(form, "excludeAllBtn");
        QCOMPARE(chosen->count(), 0);
        QVERIFY(!PartOf<QPushButton>(form, "excludeBtn")->isEnabled());
        QVERIFY(PartOf<QPushButton>(form, "IncludeBtn")->isEnabled());
    }

    void theMouseReachesEveryControl() {
        TFileDlgActionForm form(nullptr);
        for (const char* name : {"editDir", "DirectoryListBox1", "FileListBox1", "IncludeBtn",
                                 "excludeBtn", "ActionFilesList", "btnOK"}) {
            QWidget* part = PartOf<QWidget>(form, name);
            QWidget* hit = form.childAt(part->geometry().center());
            QVERIFY2(hit == part || part->isAncestorOf(hit), name);
        }
    }

    void designedFormWithTheChosenListFont() {
        TFileDlgActionForm form(nullptr);
        form.Prepare(std::string(80, 't'), "", "", "");
        QCOMPARE(form.size(), QSize(567, 467));
        QCOMPARE(form.windowTitle().size(), 64);
        QCOMPARE(PartOf<QWidget>(form, "ActionFilesList")->geometry(), QRect(256, 24, 281, 345));
        QCOMPARE(PartOf<QWidget>(form, "btnCancel")->geometry(), QRect(112, 408, 75, 25));
        QCOMPARE(PartOf<QWidget>(form, "excludeAllBtn")->geometry(), QRect(216, 256, 24, 41));
        const QFont font = PartOf<QWidget>(form, "ActionFilesList")->font();
        QVERIFY(font.bold());
        QCOMPARE(font.pixelSize(), 11);
        QVERIFY(font.fixedPitch());
    }
};

}  // namespace oltoma::forms

OLTOMA_QTEST_MAIN(oltoma::forms::FileDlgActionTest)
#include "EFileDlgAction_test.moc"
