#include "registers/forms/epick_form.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>

#include "base/forms/form_parts.h"
#include "base/settings/window_scale.h"
#include "base/text/number_format.h"
#include "platform/process_state.h"
#include "platform/qt/form_fonts.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/window_handles.h"
#include "registers/forms/list_order.h"

namespace oltoma::registers {
namespace {

constexpr QSize kClient(320, 350);
constexpr int kIndexRole = Qt::UserRole;  // the line's index in the request
constexpr int kTextRole = Qt::UserRole + 1;

QPushButton* Button(QWidget* form, const char* name, const char* caption, int y) {
    auto* button = new QPushButton(QString::fromUtf8(caption), form);
    button->setObjectName(name);
    button->setGeometry(228, y, 80, 27);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TEPickForm::TEPickForm(QWidget* owner, const PickDialogRequest& request)
    : QDialog(owner), multi(request.multi), sort(request.sort), xname(request.title) {
    BuildForm(request.offerPdf);
    setWindowTitle(platform::ToQString(xname));
    EPickListBox->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection
                                         : QAbstractItemView::SingleSelection);
    allbtn->setEnabled(multi);
    platform::ScaleForm(this, WindowScale);
    FillList(request);
    ShowCounts();
}

void TEPickForm::BuildForm(bool offerPdf) {
    // Room under the list for the PDF box.
    const int pdfRoom = offerPdf ? 28 : 0;
    setObjectName("EPickForm");
    forms::FixDialogFrame(this, kClient);
    Image1 = forms::AddBackgroundImage(this, kClient);
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setGeometry(8, 8, 208, 312 - pdfRoom);

    EPickListBox = new QListWidget(this);
    EPickListBox->setObjectName("EPickListBox");
    EPickListBox->setGeometry(12, 12, 200, 304 - pdfRoom);
    EPickListBox->setFont(FixedPitchFont());
    EPickListBox->setWordWrap(false);
    EPickListBox->setTextElideMode(Qt::ElideNone);
    forms::UseInfoBackground(EPickListBox);

    okBtn = Button(this, "okBtn", "OK", 12);
    okBtn->setDefault(true);
    allbtn = Button(this, "allbtn", "&Alla", 44);
    forms::SetHint(allbtn, QString::fromUtf8("väljer alla respektive ingen"));
    cancelBtn = Button(this, "cancelBtn", "Avbryt", 76);
    forms::SetHint(cancelBtn, QString::fromUtf8("avbryt utan att fortsätta"));
    if (offerPdf) {
        cbPdf = new QCheckBox(QStringLiteral("till PDF-fil"), this);
        cbPdf->setObjectName("cbPdf");
        cbPdf->setGeometry(12, 298, 200, 20);
        forms::SetHint(cbPdf, QString::fromUtf8("skriver rapporten till en PDF-fil i stället för "
                                                "till skrivaren"));
    }
    StatusBar1 = forms::AddHintBar(this, kClient);
    status_.Attach(StatusBar1);

    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(allbtn, &QPushButton::clicked, this, &TEPickForm::allbtnClick);
    connect(EPickListBox, &QListWidget::itemSelectionChanged, this, &TEPickForm::ShowCounts);
    connect(EPickListBox, &QListWidget::itemClicked, this, &TEPickForm::ShowCounts);
    connect(EPickListBox, &QListWidget::itemDoubleClicked, this, &TEPickForm::EPickListBoxDblClick);
}

void TEPickForm::FillList(const PickDialogRequest& request) {
    for (std::size_t i = 0; i < request.lines.size(); ++i) {
        const std::string& line = request.lines[i];
        int row = EPickListBox->count();
        if (sort) {
            row = 0;
            while (row < EPickListBox->count() &&
                   CompareListLines(
                       EPickListBox->item(row)->data(kTextRole).toByteArray().toStdString(),
                       line) <= 0) {
                ++row;
            }
        }
        auto* item = new QListWidgetItem(platform::ToQString(line));
        item->setData(kIndexRole, static_cast<int>(i));
        item->setData(kTextRole, QByteArray(line.data(), static_cast<qsizetype>(line.size())));
        EPickListBox->insertItem(row, item);
    }
    for (const int index : request.preselected) {
        for (int row = 0; row < EPickListBox->count(); ++row) {
            if (EPickListBox->item(row)->data(kIndexRole).toInt() == index) {
                EPickListBox->item(row)->setSelected(true);
            }
        }
    }
}

std::vector<int> TEPickForm::SelectedLines() const {
    std::vector<int> selected;
    for (const QListWidgetItem* item : EPickListBox->selectedItems()) {
        selected.push_back(item->data(kIndexRole).toInt());
    }
    std::sort(selected.begin(), selected.end());
    return selected;
}

void TEPickForm::allbtnClick() {
    if (EPickListBox->count() > 0) {
        if (allSw) {
            EPickListBox->selectAll();
        } else {
            EPickListBox->clearSelection();
        }
        allSw = !allSw;
    }
    allbtn->setText(allSw ? QStringLiteral("&Alla") : QStringLiteral("&Ingen"));
    ShowCounts();
}

void TEPickForm::EPickListBoxDblClick() {
    if (!multi) {
        accept();
    }
    ShowCounts();
}

void TEPickForm::ShowCounts() {
    const int selected = static_cast<int>(EPickListBox->selectedItems().size());
    const std::string text = (selected > 0 ? IntSpacePadded(selected, 3) : std::string()) + " [" +
                             IntSpacePadded(EPickListBox->count(), 3) + "]";
    status_.ShowMessage(platform::ToQString(text));
}

bool TEPickForm::event(QEvent* event) {
    return status_.HandleEvent(event) || QDialog::event(event);
}

PickDialogAnswer QtPickDialog::Run(const PickDialogRequest& request) {
    TEPickForm form(platform::WidgetOf(request.owner), request);
    if (form.cbPdf != nullptr) {
        form.cbPdf->setChecked(pdfTicked_);
    }
    PickDialogAnswer answer;
    answer.ok = form.exec() == QDialog::Accepted;
    answer.selected = form.SelectedLines();
    if (form.cbPdf != nullptr) {
        pdfTicked_ = form.cbPdf->isChecked();
        answer.pdf = pdfTicked_;
    }
    return answer;
}

namespace {

// The program's one pick dialog; its PDF box keeps its state for the session.
QtPickDialog& ProgramPickDialog() {
    static QtPickDialog dialog;
    return dialog;
}

void ForgetPdfTicked() {
    ProgramPickDialog().ForgetPdfTicked();
}

[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ForgetPdfTicked);

}  // namespace

void BindQtPickDialog() {
    BindPickDialog(&ProgramPickDialog());
}

}  // namespace oltoma::registers
