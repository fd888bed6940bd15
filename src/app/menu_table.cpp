#include "app/menu_table.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <map>

namespace oltoma {
namespace {

struct Hint {
    QString shortHint;
    QString longHint;
};

Hint SplitHint(const QString& hint) {
    const qsizetype bar = hint.indexOf('|');
    if (bar < 0) {
        return {hint, hint};
    }
    return {hint.left(bar), hint.mid(bar + 1)};
}

class MenuBuilder {
public:
    MenuBuilder(QMenuBar* bar, const std::vector<QIcon>& pictures)
        : bar_(bar), pictures_(pictures) {}

    // Builds rows [index, end) of one depth into `menu` (nullptr: the bar)
    // and returns the index of the first row not built.
    std::size_t Build(std::span<const MenuEntry> rows, std::size_t index, QMenu* menu) {
        const int depth = rows[index].depth;
        while (index < rows.size() && rows[index].depth == depth) {
            const MenuEntry& row = rows[index];
            const bool hasChildren = index + 1 < rows.size() && rows[index + 1].depth > depth;
            if (hasChildren) {
                QMenu* submenu = AddMenu(row, menu);
                index = Build(rows, index + 1, submenu);
            } else {
                AddEntry(row, menu);
                ++index;
            }
        }
        return index;
    }

private:
    QMenu* AddMenu(const MenuEntry& row, QMenu* parent) {
        const QString caption = QString::fromUtf8(row.caption);
        QMenu* menu = parent != nullptr ? parent->addMenu(caption) : bar_->addMenu(caption);
        Describe(menu->menuAction(), row);
        if (row.name != nullptr) {
            menu->setObjectName(row.name);
        }
        return menu;
    }

    void AddEntry(const MenuEntry& row, QMenu* menu) {
        const QString caption = QString::fromUtf8(row.caption);
        if (caption == "-") {
            QAction* separator = menu->addSeparator();
            if (row.name != nullptr) {
                separator->setObjectName(row.name);
            }
            return;
        }
        QAction* action = menu != nullptr ? menu->addAction(caption) : bar_->addAction(caption);
        Describe(action, row);
        if (row.radioGroup > 0) {
            action->setCheckable(true);
            Group(row.radioGroup)->addAction(action);
        }
    }

    void Describe(QAction* action, const MenuEntry& row) {
        if (row.name != nullptr) {
            action->setObjectName(row.name);
        }
        if (row.hint != nullptr) {
            SetHint(action, QString::fromUtf8(row.hint));
        }
        if (row.picture >= 0 && static_cast<std::size_t>(row.picture) < pictures_.size()) {
            action->setIcon(pictures_[row.picture]);
            action->setIconVisibleInMenu(true);
        }
    }

    QActionGroup* Group(int number) {
        QActionGroup*& group = groups_[number];
        if (group == nullptr) {
            group = new QActionGroup(bar_);
            group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        }
        return group;
    }

    QMenuBar* bar_;
    const std::vector<QIcon>& pictures_;
    std::map<int, QActionGroup*> groups_;
};

}  // namespace

void BuildMenus(QMenuBar* bar, std::span<const MenuEntry> entries,
                const std::vector<QIcon>& pictures) {
    MenuBuilder builder(bar, pictures);
    std::size_t index = 0;
    while (index < entries.size()) {
        index = builder.Build(entries, index, nullptr);
    }
}

void SetHint(QAction* action, const QString& hint) {
    const Hint parts = SplitHint(hint);
    action->setToolTip(parts.shortHint);
    action->setStatusTip(parts.longHint);
}

void SetHint(QWidget* widget, const QString& hint) {
    const Hint parts = SplitHint(hint);
    widget->setToolTip(parts.shortHint);
    widget->setStatusTip(parts.longHint);
}

}  // namespace oltoma
