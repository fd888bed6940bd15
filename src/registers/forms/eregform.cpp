#include "registers/forms/eregform.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>

#include "base/forms/form_parts.h"
#include "base/messages/desktop_services.h"
#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/settings/window_scale.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "platform/qt/form_fonts.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/window_handles.h"
#include "print/report_writer.h"
#include "registers/forms/list_order.h"

namespace oltoma::registers {
namespace {

using platform::FromQString;
using platform::ToQString;

constexpr QSize kClient(480, 360);
constexpr int kTextRole = Qt::UserRole + 1;  // the line as the subclass made it
constexpr std::size_t kMaxLineLength = 255;
constexpr int kPrintIndent = 5;

QPushButton* Button(QWidget* form, const char* name, const char* caption, const char* hint, int y) {
    auto* button = new QPushButton(QString::fromUtf8(caption), form);
    button->setObjectName(name);
    button->setGeometry(372, y, 96, 27);
    button->setAutoDefault(false);
    forms::SetHint(button, QString::fromUtf8(hint));
    return button;
}

}  // namespace

TERegFormDlg::TERegFormDlg(QWidget* owner) : QDialog(owner) {
    BuildForm();
}

TERegFormDlg::~TERegFormDlg() = default;

void TERegFormDlg::BuildForm() {
    setObjectName("ERegFormDlg");
    setWindowTitle("register");
    forms::FixDialogFrame(this, kClient);
    Image1 = forms::AddBackgroundImage(this, kClient);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setGeometry(8, 8, 352, 320);

    closebtn = Button(this, "closebtn", "&Stäng", "stäng och återgå", 296);
    closebtn->setDefault(true);
    changebtn = Button(this, "changebtn", "&Ändra", "ändra den valda  registerposten", 44);
    deletebtn = Button(this, "deletebtn", "&Radera", "radera den valda registerposten", 76);
    newbtn = Button(this, "newbtn", "&Ny", "lägg in en ny registerpost", 12);
    StatusBar1 = forms::AddHintBar(this, kClient);
    status_.Attach(StatusBar1);

    ERegListBox = new QListWidget(this);
    ERegListBox->setObjectName("ERegListBox");
    ERegListBox->setGeometry(12, 12, 344, 312);
    ERegListBox->setFont(FixedPitchFont());
    ERegListBox->setWordWrap(false);
    ERegListBox->setTextElideMode(Qt::ElideNone);
    ERegListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    forms::UseInfoBackground(ERegListBox);
    forms::SetHint(ERegListBox, QString::fromUtf8("dubbelklicka för att ändra vald registerpost"));

    printbtn = Button(this, "printbtn", "S&kriv", "skriv ut valda etiketter", 108);

    connect(newbtn, &QPushButton::clicked, this, [this] { EditEntry(true); });
    connect(changebtn, &QPushButton::clicked, this, [this] { EditEntry(false); });
    connect(deletebtn, &QPushButton::clicked, this, [this] {
        EraseEntry();
        ShowRegMessage();
    });
    connect(printbtn, &QPushButton::clicked, this, &TERegFormDlg::PrintSelected);
    connect(closebtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ERegListBox, &QListWidget::itemClicked, this, &TERegFormDlg::ERegListBoxClick);
    // A selection the user changes shows the counts too; the commands'
    // own changes to the list block the list's signals.
    connect(ERegListBox, &QListWidget::itemSelectionChanged, this, &TERegFormDlg::ERegListBoxClick);
    connect(ERegListBox, &QListWidget::itemDoubleClicked, this, [this] { EditEntry(false); });
}

void TERegFormDlg::FormCreate() {
    FillRegList();
    platform::ScaleForm(this, WindowScale);
    ERegListBox->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection
                                        : QAbstractItemView::SingleSelection);
}

void TERegFormDlg::FillRegList() {
    PushCursor();
    platform::CurrentCursors().Set(platform::CursorShape::kWait);
    std::int32_t rc = 0;
    bool exst = false;
    bool fileEnd = false;
    FixtSelect(ClearRtn, {}, rc, exst, fileEnd);
    FixtSelect(NextRtn, {}, rc, exst, fileEnd);
    while (!fileEnd) {
        if (exst) {
            InsertLine(FormRegStr(), rc);
        }
        FixtSelect(NextRtn, {}, rc, exst, fileEnd);
    }
    ShowRegMessage();
    PopCursor();
}

int TERegFormDlg::InsertLine(const std::string& text, std::int32_t rec) {
    const std::string line = text.substr(0, kMaxLineLength);
    // The first row whose line sorts after the new one.
    int low = 0;
    int high = ERegListBox->count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (CompareListLines(LineText(middle), line) <= 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    auto* item = new QListWidgetItem(ToQString(line));
    item->setData(kTtherecRole, rec);
    item->setData(kTextRole, QByteArray(line.data(), static_cast<qsizetype>(line.size())));
    const QSignalBlocker quiet(ERegListBox);
    ERegListBox->insertItem(low, item);
    return low;
}

std::string TERegFormDlg::LineText(int ix) const {
    const QListWidgetItem* item = ERegListBox->item(ix);
    return item != nullptr ? item->data(kTextRole).toByteArray().toStdString() : std::string();
}

std::int32_t TERegFormDlg::LineRec(int ix) const {
    const QListWidgetItem* item = ERegListBox->item(ix);
    return item != nullptr ? item->data(kTtherecRole).toInt() : 0;
}

void TERegFormDlg::ShowRegMessage() {
    const std::string message = MessageLine.str();
    if (message != shownMessage_) {
        shownMessage_ = message;
        ShowStatusText(message);
    }
}

void TERegFormDlg::ShowStatusText(const std::string& text) {
    status_.ShowMessage(ToQString(text));
}

bool TERegFormDlg::event(QEvent* event) {
    return status_.HandleEvent(event) || QDialog::event(event);
}

int TERegFormDlg::FirstSelectedRow() const {
    for (int row = 0; row < ERegListBox->count(); ++row) {
        if (ERegListBox->item(row)->isSelected()) {
            return row;
        }
    }
    return -1;
}

int TERegFormDlg::SelectedCount() const {
    return static_cast<int>(ERegListBox->selectedItems().size());
}

bool TERegFormDlg::LoadLine(int ix, std::int32_t& rec) {
    rec = LineRec(ix);
    bool exst = false;
    bool fileEnd = true;
    FixtSelect(RcRtn, IsamKeyOf(LineText(ix)), rec, exst, fileEnd);
    return exst;
}

void TERegFormDlg::EditEntry(bool add) {
    int ix = -1;
    std::int32_t rec = 0;
    if (add) {
        if (CheckBeforeAdding()) {
            ShortBeep();
            ShowStatusText(Windows1252FromUtf8("maxantalet uppnått kan ej addera registerpost!"));
            return;
        }
        DoTheDialog(true, ix, rec);
    } else {
        ix = FirstSelectedRow();
        if (ix >= 0 && LoadLine(ix, rec)) {
            DoTheDialog(false, ix, rec);
        }
    }
    repaint();
    ShowRegMessage();
}

bool TERegFormDlg::DoTheDialogJob1(bool add, std::int32_t rec) {
    return add || DelRecSelect(RcRtn, {}, rec, false);
}

bool TERegFormDlg::DoTheDialogJob2(bool add, int ix, int ret, std::int32_t& rec) {
    const bool confirmed = ret == QDialog::Accepted;
    if (!add || confirmed) {
        if (!AddRecSelect(add, rec)) {
            if (!add) {
                RestoreAfterFailedChange(rec);
            }
            return false;
        }
    }
    if (!confirmed) {
        return false;
    }
    const QSignalBlocker quiet(ERegListBox);
    if (!add) {
        delete ERegListBox->takeItem(ix);
    }
    const int row = InsertLine(FormRegStr(), rec);
    ERegListBox->setCurrentRow(
        row, add ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Select);
    return true;
}

void TERegFormDlg::RestoreAfterFailedChange(std::int32_t rec) {
    // The failed store left the record as it was but without the keys
    // removed before the dialog: read it back and store it with them.
    const MyMsgStrng reason = MessageLine;
    bool exst = false;
    bool fileEnd = true;
    FixtSelect(RcRtn, {}, rec, exst, fileEnd);
    if (exst && AddRecSelect(false, rec)) {
        MessageLine = reason;
    }
}

int TERegFormDlg::EraseEntry() {
    if (SelectedCount() == 0) {
        return 2;
    }
    int result = 1;
    std::vector<QListWidgetItem*> deleted;
    const QSignalBlocker quiet(ERegListBox);
    for (int row = 0; row < ERegListBox->count(); ++row) {
        QListWidgetItem* item = ERegListBox->item(row);
        if (!item->isSelected()) {
            continue;
        }
        std::int32_t rec = 0;
        if (LoadLine(row, rec) && CheckBeforeDeleting()) {
            if (DelRecSelect(RcRtn, {}, rec, true)) {
                deleted.push_back(item);
                continue;
            }
            result = 0;
        }
        item->setSelected(false);
    }
    for (QListWidgetItem* item : deleted) {
        delete item;
    }
    ShowRegMessage();
    return result;
}

void TERegFormDlg::ERegListBoxClick() {
    ShowStatusText(IntSpacePadded(ERegListBox->count(), 4) + " [" +
                   IntSpacePadded(SelectedCount(), 4) + "]");
}

void TERegFormDlg::PrintSelected() {
    if (SelectedCount() == 0) {
        ShowRegMessage();
        return;
    }
    if (StartPrint()) {
        const int count = ERegListBox->count();
        for (int i = 0; i < count && !PrintWalkAborted(); ++i) {
            std::int32_t rec = 0;
            if (ERegListBox->item(i)->isSelected() && LoadLine(i, rec)) {
                DoThePrint(i + 1, count);
            }
        }
    }
    StopPrint();
    ShowRegMessage();
}

bool TERegFormDlg::CheckBeforeAdding() {
    return true;
}

bool TERegFormDlg::CheckBeforeDeleting() {
    return true;
}

bool TERegFormDlg::StartPrint() {
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    const std::string ownerCaption = owner != nullptr ? FromQString(owner->windowTitle()) : "";
    const std::string title =
        (ownerCaption + ": " + FromQString(windowTitle())).substr(0, kMaxLineLength);
    const bool opened = ReportOpen(title, WorkingPrintSetting().printer, platform::HandleOf(this));
    if (opened) {
        ShowStatus(1, title);
        Heading(title);
        Rule();
    }
    return opened;
}

void TERegFormDlg::StopPrint() {
    ReportEnd(false);
}

std::string TERegFormDlg::FormPrintStr() {
    return FormRegStr();
}

void TERegFormDlg::DoThePrint(int i, int n) {
    const std::string text = FormPrintStr();
    ShowProgress(i, n);
    ReserveLines({}, 1);
    TabChars(kPrintIndent);
    WriteLine(text);
}

bool TERegFormDlg::PrintWalkAborted() {
    return PrintAborted();
}

}  // namespace oltoma::registers
