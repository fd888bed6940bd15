#include "app/licence_window.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/linked_libraries.h"
#include "base/settings/window_scale.h"
#include "platform/qt/dialog_frame.h"
#include "platform/qt/form_scaling.h"

// The licence texts are resources of the program's library; a static
// library's resources are linked in only when named.
static void InitLicenceResources() {
    Q_INIT_RESOURCE(licences);
}

namespace oltoma {
namespace {

constexpr QSize kClient(880, 520);

QString ResourceText(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

LicenceWindow::LicenceWindow(QWidget* owner) : QDialog(owner) {
    InitLicenceResources();
    setObjectName("LicenceWindow");
    setWindowTitle("licenser");
    platform::SetDialogWindowFlags(this, platform::TitleBarButtons::Close);
    setFixedSize(kClient);

    auto* caption = new QLabel(QString::fromUtf8("Programmet använder dessa bibliotek:"), this);
    caption->setGeometry(8, 8, 300, 20);
    libraries = new QListWidget(this);
    libraries->setObjectName("libraries");
    libraries->setGeometry(8, 32, 200, 440);
    for (const LinkedLibrary& library : LinkedLibraries()) {
        libraries->addItem(QString::fromStdString(library.name + " " + library.version));
    }
    licenceText = new QPlainTextEdit(this);
    licenceText->setObjectName("licenceText");
    licenceText->setGeometry(216, 32, 656, 440);
    licenceText->setReadOnly(true);
    licenceText->setLineWrapMode(QPlainTextEdit::NoWrap);
    licenceText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    aboutQt = new QPushButton("om Qt", this);
    aboutQt->setObjectName("aboutQt");
    aboutQt->setGeometry(8, 484, 100, 27);
    aboutQt->setAutoDefault(false);
    connect(aboutQt, &QPushButton::clicked, this, [this] { QApplication::aboutQt(); });
    closeButton = new QPushButton(QString::fromUtf8("Stäng"), this);
    closeButton->setObjectName("closeButton");
    closeButton->setGeometry(772, 484, 100, 27);
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    connect(libraries, &QListWidget::currentRowChanged, this, &LicenceWindow::ShowLibrary);
    libraries->setCurrentRow(0);
    platform::ScaleForm(this, WindowScale);
}

void LicenceWindow::ShowLibrary(int row) {
    if (row < 0 || row >= static_cast<int>(LinkedLibraries().size())) {
        licenceText->clear();
        return;
    }
    const LinkedLibrary& library = LinkedLibraries()[row];
    QString text = QString::fromStdString(library.name + " " + library.version + "\n" +
                                          "Licens: " + library.licence + "\n\n");
    for (const std::string& path : library.texts) {
        text += ResourceText(path) + "\n\n";
    }
    licenceText->setPlainText(text);
}

void ShowLicences(QWidget* owner) {
    LicenceWindow window(owner);
    window.exec();
}

}  // namespace oltoma
