#include "base/forms/directory_list_box.h"

#include <QDir>
#include <QSignalSpy>

#include "base/forms/drive_combo_box.h"
#include "qtest_main.h"

namespace oltoma::forms {

class DirectoryListBoxTest : public QObject {
    Q_OBJECT

    const QString here_ = QDir::currentPath();  // the sandbox

    static QStringList Lines(const DirectoryListBox& list) {
        QStringList lines;
        for (int row = 0; row < list.count(); ++row) {
            lines.append(list.item(row)->text());
        }
        return lines;
    }

private slots:
    void init() {
        QDir::current().mkpath("data/Banor");
        QDir::current().mkpath("data/arkiv");
        QDir::current().mkpath("data/.dolt");
    }

    void showsThePathFromTheRootThenTheSubfolders() {
        DirectoryListBox list;
        QCOMPARE(list.directory(), QDir::currentPath());  // starts at the current directory
        QCOMPARE(list.setDirectory(QDir::currentPath() + "/data"), 0);
        const QStringList parts = list.directory().split('/', Qt::SkipEmptyParts);
        const QStringList lines = Lines(list);
        QCOMPARE(lines.size(), parts.size() + 3);  // root, each part, two subfolders
        QCOMPARE(lines.first(), QString("/"));
        const QString indent(2 * (parts.size() + 1), ' ');
        QCOMPARE(lines.mid(lines.size() - 2), (QStringList{indent + "arkiv", indent + "Banor"}));
        QCOMPARE(list.folderAt(list.currentRow()), list.directory());
        QCOMPARE(list.folderAt(0), QString("/"));
    }

    void foldersAreAbsoluteWithoutTrailingSeparator_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("listed");
        const QString here = QDir::currentPath();
        QTest::newRow("trailing separator") << here + "/data/" << here + "/data";
        QTest::newRow("relative to the listed folder") << "data/Banor" << here + "/data/Banor";
        QTest::newRow("dots") << here + "/data/./Banor/.." << here + "/data";
        QTest::newRow("doubled separators") << here + "//data///arkiv" << here + "/data/arkiv";
        QTest::newRow("root") << "/"
                              << "/";
        QTest::newRow("root with dots") << "/.."
                                        << "/";
    }
    void foldersAreAbsoluteWithoutTrailingSeparator() {
        QFETCH(QString, given);
        QFETCH(QString, listed);
        DirectoryListBox list;
        QCOMPARE(list.setDirectory(given), 0);
        QCOMPARE(list.directory(), listed);
    }

    void foldersThatCannotBeEnteredLeaveTheListWhereItWas_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("error");
        QTest::newRow("missing") << "hinder/saknas" << 3;
        QTest::newRow("a file") << "hinder/fil.txt" << 3;
        QTest::newRow("no Windows-1252 byte") << QString::fromUtf8("hinder/Łódź") << 123;
        const QString part(250, 'p');
        QTest::newRow("path over 1024 characters") << QStringList(5, part).join('/') << 206;
    }
    void foldersThatCannotBeEnteredLeaveTheListWhereItWas() {
        QFETCH(QString, folder);
        QFETCH(int, error);
        QDir::current().mkpath(QString::fromUtf8("hinder/Łódź"));
        QFile file("hinder/fil.txt");
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (error == 206) {
            QVERIFY(QDir::current().mkpath(folder));  // it exists; only its length stops it
        }
        DirectoryListBox list;
        const QString before = list.directory();
        QSignalSpy failed(&list, &DirectoryListBox::enterFailed);
        QSignalSpy changed(&list, &DirectoryListBox::directoryChanged);
        QCOMPARE(list.enterFolder(folder), error);
        QCOMPARE(list.directory(), before);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.first().at(1).toInt(), error);
        QCOMPARE(changed.size(), 0);
    }

    void doubleClickAndEnterListTheFolderOfTheLine() {
        DirectoryListBox list;
        list.setDirectory("data");
        QSignalSpy changed(&list, &DirectoryListBox::directoryChanged);
        list.itemDoubleClicked(list.findItems("Banor", Qt::MatchEndsWith).first());
        QCOMPARE(list.directory(), QDir::currentPath() + "/data/Banor");
        list.setCurrentRow(0);
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(list.directory(), QString("/"));
        QCOMPARE(changed.size(), 2);
        QCOMPARE(QDir::currentPath(), here_);  // never moved
    }

    // The first letters typed highlight a folder by its name; the same
    // letter again steps on; a pause starts afresh.
    void typeAheadHighlightsByFolderName() {
        QVERIFY(QDir::current().mkpath("data/Berg"));
        DirectoryListBox list;
        list.setDirectory("data");
        const QString data = QDir::currentPath() + "/data";
        const auto typed = [&list](const char* keys) {
            QTest::keyClicks(&list, keys);
            return list.highlightedFolder();
        };
        QCOMPARE(typed("b"), data + "/Banor");
        QCOMPARE(typed("b"), data + "/Berg");
        QCOMPARE(typed("b"), data + "/Banor");  // round again
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        QCOMPARE(typed("ber"), data + "/Berg");
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        QCOMPARE(typed("ARK"), data + "/arkiv");
        QCOMPARE(list.directory(), data);  // highlighted, not listed
    }

    void driveListFollowsTheFolderList() {
        DirectoryListBox list;
        DriveComboBox drives;
        drives.bindTo(&list);
        QCOMPARE(drives.itemData(0).toString(), QString("/"));
        list.setDirectory("data");
        drives.chooseDrive(0);
        QCOMPARE(list.directory(), QString("/"));
        QCOMPARE(drives.drive(), QString("/"));
    }

    void userDrivesLeaveOutSystemAreas_data() {
        QTest::addColumn<QString>("root");
        QTest::addColumn<bool>("shown");
        QTest::newRow("root") << "/" << true;
        QTest::newRow("home") << "/home" << true;
        QTest::newRow("usb stick") << "/run/media/anna/USB" << true;
        QTest::newRow("mount") << "/mnt/nas" << true;
        QTest::newRow("proc") << "/proc" << false;
        QTest::newRow("cgroups") << "/sys/fs/cgroup" << false;
        QTest::newRow("shared memory") << "/dev/shm" << false;
        QTest::newRow("runtime") << "/run/user/1000" << false;
        QTest::newRow("boot") << "/boot/efi" << false;
        QTest::newRow("devices lookalike") << "/devel" << true;
    }
    void userDrivesLeaveOutSystemAreas() {
        QFETCH(QString, root);
        QFETCH(bool, shown);
        QCOMPARE(IsUserDrive(root), shown);
    }
};

}  // namespace oltoma::forms

OLTOMA_QTEST_MAIN(oltoma::forms::DirectoryListBoxTest)
#include "directory_list_box_test.moc"
