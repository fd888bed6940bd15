// What the register tests share: the data layer with a competition whose
// definition files are open, the beep and cursor doubles, records added
// through the data layer, and the edit dialog run from a register's
// buttons.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>

#include "base/settings/window_scale.h"
#include "base/text/windows1252.h"
#include "bound_services.h"
#include "forms_data_fixture.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/registers.h"
#include "ol/data/records/record_keys.h"
#include "ol/forms/edit_grid.h"
#include "registers/forms/eregform.h"
#include "scripted_message_boxes.h"
#include "scripted_services.h"
#include "storage/access_layer.h"
#include "when_shown.h"

namespace oltoma::ol::testing {

class RegisterDoubles {
public:
    RegisterDoubles()
        : bound_(platform::Services{.messageBoxes = &boxes, .sound = &sound, .cursors = &cursors}) {
    }
    oltoma::testing::ScriptedMessageBoxes boxes;
    oltoma::testing::RecordingSound sound;
    oltoma::testing::RecordingCursors cursors;

private:
    oltoma::testing::BoundServices bound_;
};

// A competition, current, with its definition files open.
inline void StartWithDefinitionFiles(const char* name) {
    StartDataLayer(name);
    QVERIFY(NewCompetition("Registertävling") == 1);
    QVERIFY(OpenDefinitionFiles());
}

inline std::int32_t AddDistrict(std::string_view number, std::string_view name,
                                std::string_view nation = {}) {
    ClearDistrict();
    Ol().district.rec.Dnr = number;
    Ol().district.rec.Dname = Windows1252FromUtf8(name);
    Ol().district.rec.Dkort = Windows1252FromUtf8(nation);
    std::int32_t rc = 0;
    return SaveDistrict(true, rc) ? rc : 0;
}

inline std::int32_t AddControl(std::string_view code) {
    ClearControl();
    Ol().control.rec.KodNr = Windows1252FromUtf8(code);
    std::int32_t rc = 0;
    return SaveControl(true, rc) ? rc : 0;
}

inline std::int32_t AddCourse(std::string_view designation,
                              std::initializer_list<const char*> codes = {}) {
    ClearCourse();
    Ol().course.rec.Bana = Windows1252FromUtf8(designation);
    for (const char* code : codes) {
        Ol().course.rec.KodNr[Ol().course.rec.Antal++] = code;
    }
    std::int32_t rc = 0;
    return SaveCourse(true, rc) ? rc : 0;
}

// Adds `count` records made by make(i), i = 1..count, with their key 1
// to the closed fileblock `baseName`, outside the journal: far faster than
// the register operations, for tests of the registers' limits.
template <typename Record, typename Make, typename Key>
void FillQuickly(std::string_view baseName, int count, Make make, Key key) {
    storage::FileBlock* block = nullptr;
    storage::OpenFileBlockWithoutJournal(block, DataFileName(baseName));
    QVERIFY(storage::IsamSucceeded());
    for (int i = 1; i <= count; ++i) {
        const Record record = make(i);
        const std::int32_t rc = storage::AddRec(block, &record);
        storage::AddKey(block, 1, rc, key(record));
    }
    QVERIFY(storage::IsamSucceeded());
    storage::CloseFileBlock(block);
}

// The record number a key of `file` leads to; 0 when none.
inline std::int32_t KeyOf(storage::FileBlock* file, const std::string& key) {
    const std::int32_t rc = storage::FindKey(file, 1, key);
    return storage::IsamSucceeded() ? rc : 0;
}

inline QStringList Lines(const registers::TERegFormDlg& form) {
    QStringList lines;
    for (int i = 0; i < form.ERegListBox->count(); ++i) {
        lines << form.ERegListBox->item(i)->text();
    }
    return lines;
}

inline void SelectLine(registers::TERegFormDlg& form, int row) {
    form.ERegListBox->clearSelection();
    form.ERegListBox->item(row)->setSelected(true);
}

template <typename Widget>
Widget* Part(QWidget* form, const char* name) {
    auto* part = form->findChild<Widget*>(name);
    if (part == nullptr) {
        qFatal("no component %s", name);
    }
    return part;
}

inline QString StatusOf(QWidget* form) {
    return Part<QStatusBar>(form, "StatusBar1")->currentMessage();
}

// Types into cell (column, row) through its editor (which opens as the
// cell becomes current) and leaves the editor open.
inline void TypeIntoCell(EditGrid* grid, int column, int row, const QString& text) {
    grid->setCurrentCell(row, column);
    if (grid->indexWidget(grid->currentIndex()) == nullptr) {
        grid->editItem(grid->item(row, column));
    }
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
    QVERIFY(editor != nullptr);
    editor->clear();
    editor->insert(text);
}

// Presses `button` of the register and runs `act` on the edit dialog of
// type Dialog that it opens.
template <typename Dialog>
void EditThrough(QPushButton* button, std::function<void(Dialog*)> act) {
    oltoma::testing::WhenShown<Dialog>(std::move(act));
    button->click();
}

}  // namespace oltoma::ol::testing
