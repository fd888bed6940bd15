#include "platform/qt/swedish_buttons.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include <array>
#include <cstring>

namespace oltoma::platform {
namespace {

using Button = QDialogButtonBox::StandardButton;

struct ButtonText {
    Button button;
    const char* swedish;  // UTF-8
    // The English captions the platform themes translate (contexts
    // "QPlatformTheme" and "QGnomeTheme").
    const char* english;
    const char* gnomeEnglish;
};

constexpr std::array kButtonTexts = {
    ButtonText{QDialogButtonBox::Ok, "OK", "OK", "&OK"},
    ButtonText{QDialogButtonBox::Save, "&Spara", "Save", "&Save"},
    ButtonText{QDialogButtonBox::SaveAll, "Spara &alla", "Save All", nullptr},
    ButtonText{QDialogButtonBox::Open, "&Öppna", "Open", nullptr},
    ButtonText{QDialogButtonBox::Yes, "&Ja", "&Yes", nullptr},
    ButtonText{QDialogButtonBox::YesToAll, "Ja till &alla", "Yes to &All", nullptr},
    ButtonText{QDialogButtonBox::No, "&Nej", "&No", nullptr},
    ButtonText{QDialogButtonBox::NoToAll, "N&ej till alla", "N&o to All", nullptr},
    ButtonText{QDialogButtonBox::Abort, "&Avbryt", "Abort", nullptr},
    ButtonText{QDialogButtonBox::Retry, "&Försök igen", "Retry", nullptr},
    ButtonText{QDialogButtonBox::Ignore, "&Ignorera", "Ignore", nullptr},
    ButtonText{QDialogButtonBox::Close, "&Stäng", "Close", "&Close"},
    ButtonText{QDialogButtonBox::Cancel, "Avbryt", "Cancel", "&Cancel"},
    ButtonText{QDialogButtonBox::Discard, "&Förkasta", "Discard", "Close without Saving"},
    ButtonText{QDialogButtonBox::Help, "&Hjälp", "Help", nullptr},
    ButtonText{QDialogButtonBox::Apply, "&Verkställ", "Apply", nullptr},
    ButtonText{QDialogButtonBox::Reset, "&Återställ", "Reset", nullptr},
    ButtonText{QDialogButtonBox::RestoreDefaults, "Återställ &standard", "Restore Defaults",
               nullptr},
};

bool Same(const char* a, const char* b) {
    return a != nullptr && b != nullptr && std::strcmp(a, b) == 0;
}

// Translates the captions of the standard buttons, whatever else is
// installed.
class StandardButtonTranslator final : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        const bool platformTheme = Same(context, "QPlatformTheme");
        const bool gnomeTheme = Same(context, "QGnomeTheme");
        if (!platformTheme && !gnomeTheme) {
            return {};
        }
        for (const ButtonText& text : kButtonTexts) {
            if (Same(sourceText, platformTheme ? text.english : text.gnomeEnglish)) {
                return QString::fromUtf8(text.swedish);
            }
        }
        return {};
    }
};

}  // namespace

QString SwedishButtonText(QDialogButtonBox::StandardButton button) {
    for (const ButtonText& text : kButtonTexts) {
        if (text.button == button) {
            return QString::fromUtf8(text.swedish);
        }
    }
    return {};
}

void UseSwedishButtons(QMessageBox& box) {
    for (QAbstractButton* button : box.buttons()) {
        const auto standard = static_cast<Button>(box.standardButton(button));
        const QString text = SwedishButtonText(standard);
        if (!text.isEmpty()) {
            button->setText(text);
        }
    }
}

void InstallSwedishTranslations() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) {
        return;
    }
    // "qt_sv" brings in whatever Swedish catalogs of Qt are installed.
    auto* installed = new QTranslator(application);
    if (installed->load(QLocale(QLocale::Swedish, QLocale::Sweden), "qt", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(installed);
    } else {
        delete installed;
    }
    // Installed last, so asked first.
    QCoreApplication::installTranslator(new StandardButtonTranslator(application));
}

}  // namespace oltoma::platform
