#include "base/forms/edirform.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>

#include "base/files/folder_access.h"
#include "base/forms/directory_list_box.h"
#include "base/forms/drive_combo_box.h"
#include "base/forms/form_parts.h"
#include "base/messages/desktop_services.h"
#include "base/messages/messages.h"
#include "base/settings/window_scale.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_text.h"

namespace oltoma::forms {
namespace {

constexpr QSize kClient(334, 372);

QString FormHint() {
    return QStringLiteral("väljer biblioteket som  är öppnat");
}

}  // namespace

Tedatadir::Tedatadir(QWidget* owner)
    : QDialog(owner),
      DriveComboBox1(new DriveComboBox(this)),
      DirectoryListBox1(new DirectoryListBox(this)),
      editDir(new QLineEdit(this)),
      BitBtn1(new QPushButton(QStringLiteral("OK"), this)),
      BitBtn2(new QPushButton(QStringLiteral("Avbryt"), this)),
      StatusBar1(nullptr) {
    setObjectName("edatadir");
    setWindowTitle(QStringLiteral("välj bibliotek"));
    FixDialogFrame(this, kClient);
    AddBackgroundImage(this, kClient);
    StatusBar1 = AddHintBar(this, kClient);
    setStatusTip(FormHint());
    StatusBar1->showMessage(FormHint());

    DriveComboBox1->setObjectName("DriveComboBox1");
    DriveComboBox1->setGeometry(32, 8, 283, 16);
    UseInfoBackground(DriveComboBox1);
    DirectoryListBox1->setObjectName("DirectoryListBox1");
    DirectoryListBox1->setGeometry(32, 24, 283, 245);
    UseInfoBackground(DirectoryListBox1);
    DirectoryListBox1->installEventFilter(this);
    DriveComboBox1->bindTo(DirectoryListBox1);
    DriveComboBox1->raise();
    editDir->setObjectName("editDir");
    editDir->setGeometry(32, 277, 283, 21);
    UseInfoBackground(editDir);
    SetHint(editDir, QStringLiteral("mappen som väljs med OK; skriv en annan sökväg här"));
    editDir->setText(DirectoryListBox1->highlightedFolder());
    connect(DirectoryListBox1, &QListWidget::currentRowChanged, this,
            [this] { editDir->setText(DirectoryListBox1->highlightedFolder()); });
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(32, 312, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(120, 312, 75, 25);
    BitBtn2->setAutoDefault(false);

    connect(BitBtn1, &QPushButton::clicked, this, &Tedatadir::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &Tedatadir::BitBtn2Click);
    connect(DriveComboBox1, &DriveComboBox::driveChanged, this, &Tedatadir::DriveComboBox1Change);
    connect(DirectoryListBox1, &DirectoryListBox::enterFailed, this,
            [this](const QString& folder, int error) {
                ReportFolderError(error, platform::FromQString(folder));
            });
    platform::ScaleForm(this, WindowScale);
}

void Tedatadir::Prepare(std::string_view title, std::string_view folder) {
    sdir_ = std::string(folder);
    tmpdir_ = sdir_;
    setWindowTitle(platform::ToQString(title));
}

void Tedatadir::ShowDirectory() {
    if (!DirectoryPresent(sdir_)) {
        sdir_.clear();
    }
    if (sdir_.empty()) {
        return;
    }
    const int error = DirectoryListBox1->setDirectory(platform::ToQString(sdir_));
    if (error != 0) {
        ReportFolderError(error, sdir_);
    }
}

void Tedatadir::BitBtn1Click() {
    const QString typed = editDir->text().trimmed();
    const QString folder = typed.isEmpty() ? DirectoryListBox1->highlightedFolder()
                                           : DirectoryListBox1->absoluteFolder(typed);
    if (const int error = DirectoryListBox1->enterError(folder); error != 0) {
        ReportFolderError(error, platform::FromQString(folder));
        editDir->setFocus();
        editDir->selectAll();
        return;
    }
    sdir_ = platform::FromQString(folder);
    done(QDialog::Accepted);
}

void Tedatadir::BitBtn2Click() {
    sdir_ = tmpdir_;
    done(QDialog::Rejected);
}

void Tedatadir::reject() {
    BitBtn2Click();
}

void Tedatadir::DirectoryListBox1Enter() {
    sdir_ = platform::FromQString(DirectoryListBox1->directory());
    ShowDirectory();
}

void Tedatadir::DriveComboBox1Change() {
    DirectoryListBox1Enter();
}

bool Tedatadir::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        StatusBar1->showMessage(tip.isEmpty() ? FormHint() : tip);
        return true;
    }
    return QDialog::event(event);
}

bool Tedatadir::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DirectoryListBox1 && event->type() == QEvent::FocusIn) {
        DirectoryListBox1Enter();
    }
    return QDialog::eventFilter(watched, event);
}

void Tedatadir::ReportFolderError(int systemError, const std::string& folder) {
    SetMessageLine(FolderErrorMessage(systemError, folder));
    StatusBar1->showMessage(platform::ToQString(MessageLine.view()));
}

std::string ChooseDataDirectory(QWidget* owner, std::string_view title, std::string_view folder) {
    Tedatadir dialog(owner);
    dialog.Prepare(title, folder);
    dialog.ShowDirectory();
    if (dialog.exec() != QDialog::Accepted) {
        return std::string();
    }
    return dialog.egetdir();
}

}  // namespace oltoma::forms
