// The configuration dialog: the tab pages with their captions and help
// topics, the three buttons, and the filling and storing of the pages.
#include "dialogs/Setup.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

#include "dialogs/DialogBoxes.h"
#include "dialogs/DialogHost.h"
#include "dialogs/SetupAlertsPage.h"
#include "dialogs/SetupBanningPage.h"
#include "dialogs/SetupCommandsPage.h"
#include "dialogs/SetupGeneralPage.h"
#include "dialogs/SetupLogPage.h"
#include "dialogs/SetupProductsPage.h"
#include "dialogs/SetupResponsesPage.h"
#include "dialogs/SetupTimersPage.h"
#include "dialogs/SetupUserJoinPage.h"

namespace verdo {
namespace {

constexpr std::array<const char*, TfrmSetup::TabCount> TabCaptions = {
    "General Options", "Log File/Owners", "Responses", "User Join",
    "Banning",         "Product Actions", "Commands",  "Timers"};
constexpr std::array<const char*, TfrmSetup::TabCount> TabNames = {
    "tsGeneral", "tsLog",      "tsResponses", "tsUserJoin",
    "tsBanning", "tsProducts", "tsCommands",  "tsTimers"};
constexpr std::array<std::string_view, TfrmSetup::TabCount> HelpTopics = {
    "General Options Tab ", "Log File/Owners Tab", "Responses Tab",         "User Join Tab",
    "Banning Tab",          "Product Action Tab",  "User Defined Commands", "Timers Tab"};
constexpr std::string_view DefaultHelpTopic = "Chat Configuration";

}  // namespace

TfrmSetup::TfrmSetup(QWidget* parent, const tOptions& options, const ChatLists& lists,
                     bool modified, std::string programDirectory, DialogHost& host)
    : QDialog(parent), values_(options, lists, modified), openingModified_(modified), host_(host) {
    setObjectName("frmSetup");
    setWindowTitle(tr("VerdoChat Configuration"));
    setModal(true);

    pcSetup = new QTabWidget(this);
    pcSetup->setObjectName("pcSetup");
    auto* logPage = new SetupLogPage(values_, std::move(programDirectory), host_);
    connect(logPage, &SetupLogPage::logFileChosen, this, &TfrmSetup::logFileChosen);
    auto* generalPage = new SetupGeneralPage(values_);
    pages_ = {generalPage,
              logPage,
              new SetupResponsesPage(values_),
              new SetupUserJoinPage(values_),
              new SetupBanningPage(values_),
              new SetupProductsPage(values_),
              new SetupCommandsPage(values_),
              new SetupTimersPage(values_)};
    generalPage->addSwitchesShownNowhere(pages_);
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        pages_[i]->setObjectName(TabNames[i]);
        pcSetup->addTab(pages_[i], tr(TabCaptions[i]));
    }

    auto* btnOk = new QPushButton(tr("&Ok"), this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    QPushButton* btnCancel = dialogButton("&Cancel", "btnCancel", this);
    QPushButton* btnHelp = dialogButton("&Help", "btnHelp", this);
    connect(btnOk, &QPushButton::clicked, this, &TfrmSetup::accept);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmSetup::reject);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmSetup::helpClick);
    // Key preview: Escape and F1 act wherever the focus is.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &TfrmSetup::reject);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &TfrmSetup::helpClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pcSetup, 1);
    layout->addLayout(buttons);

    pcSetup->setCurrentIndex(0);
    for (SetupPage* page : pages_)
        page->fill();
}

TfrmSetup::~TfrmSetup() = default;

std::string TfrmSetup::helpTopic(int position) {
    if (position < 0 || position >= TabCount) return std::string(DefaultHelpTopic);
    return std::string(HelpTopics[static_cast<std::size_t>(position)]);
}

bool TfrmSetup::modified() const {
    return result() == QDialog::Accepted ? values_.modified : openingModified_;
}

void TfrmSetup::addAlertsTab(const AlertSettings& settings) {
    alertsPage_ = new SetupAlertsPage(settings, host_);
    alertsPage_->setObjectName("tsAlerts");
    pcSetup->addTab(alertsPage_, tr("Alerts"));
}

std::optional<AlertSettings> TfrmSetup::alertSettings() const {
    if (alertsPage_ == nullptr || result() != QDialog::Accepted) return std::nullopt;
    return alertsPage_->settings();
}

void TfrmSetup::helpClick() {
    host_.showHelp(helpTopic(pcSetup->currentIndex()));
}

void TfrmSetup::accept() {
    for (SetupPage* page : pages_)
        page->store();
    QDialog::accept();
}

}  // namespace verdo
