// The account information window: the distinct names (or accounts), then the
// accounts of the selected name, then the names of the selected account.
#include "dialogs/Account.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "controls/PlainLabel.h"
#include "dialogs/DialogBoxes.h"
#include "engine/ListBoxOrder.h"
#include "platform/AnsiText.h"
#include "text/DisplayText.h"

namespace verdo {

namespace {

struct ModeTexts {
    const char* first;
    const char* second;
    const char* third;
};

ModeTexts textsOf(AccountSide side) {
    if (side == AccountSide::Names)
        return {"Names", "Accounts with this name:", "Other names associated with this number:"};
    return {"Accounts", "Names with this account:", "Other accounts associated with this name:"};
}

// While a list is built: the hourglass, undone on every way out.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

TfrmAccount::TfrmAccount(std::vector<std::string> names, std::vector<std::string> numbers,
                         std::string name, DialogHost& host, QWidget* parent)
    : QDialog(parent), pairs_(std::move(names), std::move(numbers)), name_(std::move(name)) {
    setObjectName("frmAccount");
    setWindowTitle("User Account Information");
    build();
    connect(btnNames, &QPushButton::clicked, this, [this] { buildFirstList(AccountSide::Names); });
    connect(btnNumbers, &QPushButton::clicked, this,
            [this] { buildFirstList(AccountSide::Numbers); });
    connect(lst1, &QListWidget::currentRowChanged, this, &TfrmAccount::lst1Select);
    connect(lst2, &QListWidget::currentRowChanged, this, &TfrmAccount::lst2Select);
    connect(btnDone, &QPushButton::clicked, this, &TfrmAccount::accept);
    bindHelp(this, btnHelp, host, "User Account Screen");
}

void TfrmAccount::ShowAccountInfo(const std::string& name, const std::vector<std::string>& names,
                                  const std::vector<std::string>& numbers, DialogHost& host,
                                  QWidget* parent) {
    TfrmAccount dialog(names, numbers, name, host, parent);
    dialog.exec();
}

void TfrmAccount::build() {
    const int charWidth = fontMetrics().averageCharWidth();
    btnNames = new QPushButton("Names", this);
    btnNames->setObjectName("btnNames");
    btnNumbers = new QPushButton("Numbers", this);
    btnNumbers->setObjectName("btnNumbers");
    auto* modes = new QButtonGroup(this);
    for (QPushButton* mode : {btnNames, btnNumbers}) {
        mode->setCheckable(true);
        mode->setAutoDefault(false);
        modes->addButton(mode);
    }
    btnNames->setChecked(true);

    auto* grid = new QGridLayout;
    QLabel** labels[] = {&lbl1, &lbl2, &lbl3};
    QListWidget** lists[] = {&lst1, &lst2, &lst3};
    for (int i = 0; i < 3; ++i) {
        auto* label = new TPlainLabel(this);
        label->setObjectName(QStringLiteral("lbl%1").arg(i + 1));
        label->setWordWrap(true);
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("lst%1").arg(i + 1));
        list->setMinimumWidth(charWidth * 24);
        list->setMinimumHeight(fontMetrics().lineSpacing() * 14);
        label->setBuddy(list);
        *labels[i] = label;
        *lists[i] = list;
        grid->addWidget(label, 0, i, Qt::AlignBottom);
        grid->addWidget(list, 1, i);
    }

    pnlProgress = new QFrame(this);
    pnlProgress->setObjectName("pnlProgress");
    pnlProgress->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    pbProgress = new QProgressBar(pnlProgress);
    pbProgress->setObjectName("pbProgress");
    pbProgress->setTextVisible(false);
    auto* progress = new QHBoxLayout(pnlProgress);
    progress->addWidget(new TPlainLabel("Generating Lists...", pnlProgress));
    progress->addWidget(pbProgress, 1);
    pnlProgress->hide();

    btnDone = new QPushButton("&Done", this);
    btnDone->setObjectName("btnDone");
    btnDone->setDefault(true);
    btnHelp = new QPushButton("&Help", this);
    btnHelp->setObjectName("btnHelp");
    btnHelp->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(btnNames);
    top->addWidget(btnNumbers);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(pnlProgress, 1);
    bottom->addStretch();
    bottom->addWidget(btnDone);
    bottom->addWidget(btnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid, 1);
    layout->addLayout(bottom);
    setTabChain({btnNames, btnNumbers, lst1, lst2, lst3, btnDone, btnHelp});
    const ModeTexts texts = textsOf(AccountSide::Names);
    lbl1->setText(texts.first);
    lbl2->setText(texts.second);
    lbl3->setText(texts.third);
}

// The lists are built once the window is on screen, so that the progress
// panel can be seen.
void TfrmAccount::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (built_) return;
    built_ = true;
    QTimer::singleShot(0, this, [this] { btnNames->click(); });
}

void TfrmAccount::buildFirstList(AccountSide side) {
    const BusyCursor busy;
    side_ = side;
    const ModeTexts texts = textsOf(side);
    lbl1->setText(texts.first);
    lbl2->setText(texts.second);
    lbl3->setText(texts.third);
    for (QListWidget* list : {lst1, lst2, lst3}) {
        const QSignalBlocker blocker(list);
        list->clear();
    }
    first_.clear();
    second_.clear();
    pbProgress->setRange(0, static_cast<int>(std::min<std::size_t>(pairs_.pairCount(), INT_MAX)));
    pbProgress->setValue(0);
    pnlProgress->show();
    // Paint only: no click may start another build inside this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    first_ = pairs_.distinct(side, [this](std::size_t done) {
        pbProgress->setValue(static_cast<int>(std::min<std::size_t>(done, INT_MAX)));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    sortLikeListBox(first_);
    pnlProgress->hide();
    if (first_.empty()) return;
    std::size_t row = 0;
    if (side == AccountSide::Names && !name_.empty()) {
        const auto found = std::find_if(first_.begin(), first_.end(), [this](const std::string& n) {
            return equalsIgnoreCaseAZ(n, name_);
        });
        if (found != first_.end()) row = static_cast<std::size_t>(found - first_.begin());
    }
    {
        const QSignalBlocker blocker(lst1);
        fill(lst1, first_);
        lst1->setCurrentRow(static_cast<int>(row));
    }
    lst1Select();
}

void TfrmAccount::lst1Select() {
    const int row = lst1->currentRow();
    {
        const QSignalBlocker blocker2(lst2);
        const QSignalBlocker blocker3(lst3);
        lst2->clear();
        lst3->clear();
    }
    second_.clear();
    if (row < 0 || static_cast<std::size_t>(row) >= first_.size()) return;
    second_ = pairs_.partners(side_, first_[static_cast<std::size_t>(row)], false);
    const QSignalBlocker blocker(lst2);
    fill(lst2, second_);
    lst2->setCurrentRow(-1);
}

void TfrmAccount::lst2Select() {
    const int row = lst2->currentRow();
    lst3->clear();
    if (row < 0 || static_cast<std::size_t>(row) >= second_.size()) return;
    fill(lst3, pairs_.partners(other(), second_[static_cast<std::size_t>(row)], true));
}

void TfrmAccount::fill(QListWidget* list, const std::vector<std::string>& items) {
    list->setUpdatesEnabled(false);
    for (const std::string& item : items)
        list->addItem(displayText(item));
    list->setUpdatesEnabled(true);
}

AccountSide TfrmAccount::other() const {
    return side_ == AccountSide::Names ? AccountSide::Numbers : AccountSide::Names;
}

}  // namespace verdo
