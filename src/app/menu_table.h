// Menus built from a table that reads like the menu itself: one row per
// entry, indented by depth. A row followed by deeper rows is a submenu; a
// caption of "-" is a separator. Captions mark their access key with "&".
//
//   {0, "arkiv", nullptr, "hint"},
//   {1, "välj", "arkiv_select"},
//   {2, "00", "arkiv_v00", nullptr, 1},   // radio group 1
//   {1, "-"},
#pragma once

#include <QIcon>
#include <QString>

#include <span>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace oltoma {

struct MenuEntry {
    int depth = 0;
    const char* caption = "";    // UTF-8
    const char* name = nullptr;  // component name: the entry's objectName
    const char* hint = nullptr;  // "short|long", or one text for both
    int radioGroup = 0;          // entries of one group > 0 are exclusive
    int picture = -1;            // index into the pictures
};

// Adds the table's entries to the menu bar (depth 0: top menus). A submenu's
// QMenu and its menu action both carry the entry's name. Hints become the
// entry's tool tip (short) and status tip (long); radio items are
// checkable, at most one of a group checked at a time.
void BuildMenus(QMenuBar* bar, std::span<const MenuEntry> entries,
                const std::vector<QIcon>& pictures);

// Sets an entry's short and long hint from "short|long" or one text.
void SetHint(QAction* action, const QString& hint);
void SetHint(QWidget* widget, const QString& hint);

}  // namespace oltoma
