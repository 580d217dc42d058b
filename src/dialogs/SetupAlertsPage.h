// SetupAlertsPage: the "Alerts" tab of the configuration dialog, built from
// the table of alert settings: highlight words, the colours and sound of a
// highlighted line, the desktop notifications and the tray icon. It edits a
// copy of the Chat.ini settings; they belong to this installation, so no edit
// here marks the chat file modified.
#pragma once

#include <QWidget>
#include <variant>
#include <vector>

#include "engine/AlertSettings.h"

class QCheckBox;
class QLineEdit;

namespace verdo {

class DialogHost;
class TColorSwatch;

class SetupAlertsPage : public QWidget {
    Q_OBJECT

  public:
    // The colour swatches ask `host` for the colour chooser.
    SetupAlertsPage(const AlertSettings& settings, DialogHost& host, QWidget* parent = nullptr);

    // What the controls show ("&Ok").
    AlertSettings settings() const;

  private:
    using Control = std::variant<QLineEdit*, TColorSwatch*, QCheckBox*>;
    AlertSettings initial_;
    std::vector<std::pair<const AlertField*, Control>> controls_;
};

}  // namespace verdo
