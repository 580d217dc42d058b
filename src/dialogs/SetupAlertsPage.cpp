// The "Alerts" tab (see SetupAlertsPage.h).
#include "dialogs/SetupAlertsPage.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "controls/ColorSwatch.h"
#include "dialogs/DialogBoxes.h"
#include "text/DisplayText.h"

namespace verdo {

namespace {

// Object names from the key: "Mention Color" -> "alertMentionColor".
QString controlName(const char* key) {
    return QStringLiteral("alert") + QString::fromLatin1(key).remove(QChar(' '));
}

}  // namespace

SetupAlertsPage::SetupAlertsPage(const AlertSettings& settings, DialogHost& host, QWidget* parent)
    : QWidget(parent), initial_(settings) {
    auto* form = new QFormLayout;
    auto* switches = new QVBoxLayout;
    for (const AlertField& field : alertFields()) {
        const QString caption = tr(field.caption);
        Control control;
        switch (field.kind()) {
            case AlertFieldKind::Text: {
                auto* edit = new QLineEdit(this);
                edit->setText(
                    displayText(settings.*std::get<std::string AlertSettings::*>(field.member)));
                form->addRow(caption, edit);
                control = edit;
                break;
            }
            case AlertFieldKind::Color: {
                auto* swatch = new TColorSwatch(this);
                swatch->setColor(settings.*std::get<std::uint32_t AlertSettings::*>(field.member));
                bindColorChooser(swatch, host);
                form->addRow(caption + QStringLiteral(":"), swatch);
                control = swatch;
                break;
            }
            case AlertFieldKind::Switch: {
                auto* box = new QCheckBox(caption, this);
                box->setChecked(settings.*std::get<bool AlertSettings::*>(field.member));
                switches->addWidget(box);
                control = box;
                break;
            }
        }
        std::visit([&](QWidget* widget) { widget->setObjectName(controlName(field.key)); },
                   control);
        controls_.emplace_back(&field, control);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    auto* note = new QLabel(
        tr("A line that names you, or any of the words, is shown in the highlight colours. "
           "Notifications show while VerdoChat is in the background and Do Not Disturb is off. "
           "The sound is a file of the sound folder."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addLayout(switches);
    layout->addStretch();
}

AlertSettings SetupAlertsPage::settings() const {
    AlertSettings settings = initial_;
    for (const auto& [field, control] : controls_) {
        if (auto* edit = std::get_if<QLineEdit*>(&control)) {
            settings.*std::get<std::string AlertSettings::*>(field->member) =
                typedBytes((*edit)->text());
        } else if (auto* swatch = std::get_if<TColorSwatch*>(&control)) {
            settings.*std::get<std::uint32_t AlertSettings::*>(field->member) = (*swatch)->color();
        } else if (auto* box = std::get_if<QCheckBox*>(&control)) {
            settings.*std::get<bool AlertSettings::*>(field->member) = (*box)->isChecked();
        }
    }
    return settings;
}

}  // namespace verdo
