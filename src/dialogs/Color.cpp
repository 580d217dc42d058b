// The appearance dialog: pick list, swatch, font buttons and the preview whose
// sample elements are painted in their items' colours and select them.
#include "dialogs/Color.h"

#include <QComboBox>
#include <QEvent>
#include <QFontInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "controls/OptionsStyle.h"
#include "controls/UserIcons.h"
#include "dialogs/DialogHost.h"
#include "records/ColorItems.h"
#include "text/DisplayText.h"

namespace verdo {

namespace {

constexpr const char* ItemProperty = "colorItem";

enum class Area { Chat, Whisper, UserList, Input, Custom };

// The fonts of the sample areas: the chat font, the whisper font, the user
// lists' font, and the application's font for the input line.
enum PreviewFont : int { ChatFont, WhisperFont, ListFont, ApplicationFont };

struct PreviewArea {
    const char* caption;
    const char* objectName;
    int item;  // the background
    PreviewFont font;
    int column, row;  // in the preview's grid; the caption row is above
};

// Indexed by Area. Chat, whisper and input samples on the left, the two lists
// on the right.
constexpr std::array<PreviewArea, 5> Areas = {{
    {"Main Chat Screen:", "pnlChat", 9, ChatFont, 0, 1},
    {"Whisper Window:", "pnlWhisper", 10, WhisperFont, 0, 3},
    {"User List:", "pnlUserList", 12, ListFont, 1, 1},
    {"Input Line:", "pnlInput", 11, ApplicationFont, 0, 5},
    {"Custom User List:", "pnlCustom", 13, ListFont, 1, 3},
}};

enum class Kind { Text, Icon, SelectedRow };

// The sample elements, row by row; a selected row holds the elements that follow
// it in the same row.
struct PreviewSample {
    Area area;
    int row;
    Kind kind;
    const char* objectName;
    const char* text;
    int item;
};

constexpr PreviewSample Samples[] = {
    {Area::Chat, 0, Kind::Text, "lblYourName", "<YourName> ", 15},
    {Area::Chat, 0, Kind::Text, "lblYourText", "This is text that you just entered", 14},
    {Area::Chat, 1, Kind::Text, "lblSomeone", "<Someone> ", 8},
    {Area::Chat, 1, Kind::Text, "lblSomeoneText", "This is text that someone else has typed", 1},
    {Area::Chat, 2, Kind::Text, "lblInfo", "This is an information line", 0},
    {Area::Chat, 3, Kind::Text, "lblError", "This is an error line", 3},
    {Area::Chat, 4, Kind::Text, "lblEmote", "<Someone is using the Emote command /me>", 2},
    {Area::Whisper, 0, Kind::Text, "lblFrom", "<From: SomeName> ", 8},
    {Area::Whisper, 0, Kind::Text, "lblWhispered", "This is text whispered to you", 4},
    {Area::Whisper, 1, Kind::Text, "lblTo", "<To: SomeName> ", 15},
    {Area::Whisper, 1, Kind::Text, "lblSent", "This is text you have sent", 4},
    {Area::UserList, 0, Kind::Icon, "imAnotherName", nullptr, 5},
    {Area::UserList, 0, Kind::Text, "lblAnotherName", "AnotherName", 5},
    {Area::UserList, 1, Kind::SelectedRow, "pnlSelected", nullptr, 17},
    {Area::UserList, 1, Kind::Icon, "imSomeName", nullptr, 17},
    {Area::UserList, 1, Kind::Text, "lblSomeName", "SomeName", 16},
    {Area::UserList, 2, Kind::Icon, "imSomeoneElse", nullptr, 5},
    {Area::UserList, 2, Kind::Text, "lblSomeoneElse", "SomeoneElse", 5},
    {Area::Input, 0, Kind::Text, "lblTyping", "This is text you are typing on the input line", 7},
    {Area::Custom, 0, Kind::Text, "lblFriend1", "BestFriend", 6},
    {Area::Custom, 1, Kind::Text, "lblFriend2", "ClanMate", 6},
    {Area::Custom, 2, Kind::Text, "lblFriend3", "OldRival", 6},
};

std::uint32_t toRecordColor(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           static_cast<std::uint32_t>(color.green()) << 8 |
           static_cast<std::uint32_t>(color.blue()) << 16;
}

// Face (cut to the record's capacity), pitch, size, style and colour.
void storeFont(tFontRecord record, const QFont& font, std::uint32_t color) {
    const QFontInfo shown(font);
    record.setFaceName(typedBytes(font.family()));
    record.setPitch(shown.fixedPitch() ? FontPitchFixed : FontPitchDefault);
    record.setSize(font.pointSize() > 0 ? font.pointSize() : shown.pointSize());
    record.setStyle(static_cast<std::uint8_t>(
        (font.bold() ? FontBold : 0) | (font.italic() ? FontItalic : 0) |
        (font.underline() ? FontUnderline : 0) | (font.strikeOut() ? FontStrikeOut : 0)));
    record.setColor(color);
}

}  // namespace

TfrmColor::TfrmColor(tOptions& options, DialogHost& host, QWidget* parent)
    : QDialog(parent), options_(options), host_(host) {
    setObjectName("frmColor");
    setWindowTitle(tr("Appearance"));

    auto* page = new QWidget;
    cmColor = new QComboBox(page);
    cmColor->setObjectName("cmColor");
    for (const ColorItem& item : ColorItems)
        cmColor->addItem(displayText(item.name));
    auto* colorLabel = new QLabel(tr("Color Item:"), page);
    colorLabel->setBuddy(cmColor);
    pnlColor = new QFrame(page);
    pnlColor->setObjectName("pnlColor");
    pnlColor->setFrameShape(QFrame::Box);
    pnlColor->setAutoFillBackground(true);
    pnlColor->setCursor(Qt::PointingHandCursor);
    const int line = fontMetrics().height();
    pnlColor->setFixedSize(line * 3, line + line / 2);
    pnlColor->installEventFilter(this);
    btnChange = new QPushButton(tr("&Change..."), page);
    btnChange->setObjectName("btnChange");
    connect(btnChange, &QPushButton::clicked, this, &TfrmColor::btnChangeClick);
    connect(cmColor, &QComboBox::currentIndexChanged, this, &TfrmColor::paintSwatch);

    auto* pick = new QHBoxLayout;
    pick->addWidget(colorLabel);
    pick->addWidget(cmColor);
    pick->addWidget(pnlColor);
    pick->addWidget(btnChange);
    pick->addStretch();
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addLayout(pick);
    pageLayout->addWidget(buildPreview(), 1);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("pgAppearance");
    tabs->addTab(page, tr("Chat Appearance"));
    btnDone = new QPushButton(tr("&Done"), this);
    btnDone->setObjectName("btnDone");
    btnDone->setDefault(true);
    connect(btnDone, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnDone);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);

    for (const auto& [button, record] : {std::pair{btnChatFont, options_.chatFont()},
                                         std::pair{btnWhisperFont, options_.whisperFont()},
                                         std::pair{btnUserFont, options_.userListFont()}}) {
        connect(button, &QPushButton::clicked, this,
                [this, record = record] { changeFont(record); });
    }
    setTabOrder(cmColor, btnChange);
    setTabOrder(btnChange, btnChatFont);
    setTabOrder(btnChatFont, btnWhisperFont);
    setTabOrder(btnWhisperFont, btnUserFont);
    setTabOrder(btnUserFont, btnDone);

    paintPreview();
    selectItem(0);
    cmColor->setFocus();
}

QWidget* TfrmColor::buildPreview() {
    auto* preview = new QWidget;
    auto* grid = new QGridLayout(preview);
    grid->setContentsMargins(0, 0, 0, 0);
    auto addPart = [this](QWidget* widget, int item, bool background, int font) {
        widget->setProperty(ItemProperty, item);
        widget->setCursor(Qt::PointingHandCursor);
        widget->installEventFilter(this);
        if (background) widget->setAutoFillBackground(true);
        parts_.push_back({widget, item, background, font});
    };
    // The "Font..." buttons sit beside the captions of the areas they style.
    const struct {
        Area area;
        QPushButton** button;
        const char* objectName;
    } fontButtons[] = {{Area::Chat, &btnChatFont, "btnChatFont"},
                       {Area::Whisper, &btnWhisperFont, "btnWhisperFont"},
                       {Area::UserList, &btnUserFont, "btnUserFont"}};
    std::array<QFrame*, Areas.size()> areas{};
    for (std::size_t i = 0; i < Areas.size(); ++i) {
        const PreviewArea& area = Areas[i];
        auto* head = new QHBoxLayout;
        head->addWidget(new QLabel(tr(area.caption), preview));
        head->addStretch();
        for (const auto& font : fontButtons) {
            if (static_cast<std::size_t>(font.area) != i) continue;
            *font.button = new QPushButton(tr("Font..."), preview);
            (*font.button)->setObjectName(font.objectName);
            head->addWidget(*font.button);
        }
        areas[i] = new QFrame(preview);
        areas[i]->setObjectName(area.objectName);
        areas[i]->setFrameShape(QFrame::StyledPanel);
        auto* rows = new QVBoxLayout(areas[i]);
        rows->setSpacing(0);
        addPart(areas[i], area.item, true, area.font);
        grid->addLayout(head, area.row - 1, area.column);
        grid->addWidget(areas[i], area.row, area.column);
    }

    const UserIconSet icons = makeUserIcons();
    constexpr std::array<int, 3> iconOfRow = {UserIcon::Starcraft, UserIcon::Chat,
                                              UserIcon::Diablo};
    std::vector<QHBoxLayout*> rows;
    std::pair<Area, int> current{Area::Chat, -1};
    for (const PreviewSample& sample : Samples) {
        const PreviewArea& place = Areas[static_cast<std::size_t>(sample.area)];
        QFrame* area = areas[static_cast<std::size_t>(sample.area)];
        if (current != std::pair{sample.area, sample.row}) {
            current = {sample.area, sample.row};
            auto* rowWidget = new QWidget(area);
            rows.push_back(new QHBoxLayout(rowWidget));
            rows.back()->setContentsMargins(0, 0, 0, 0);
            rows.back()->setSpacing(0);
            area->layout()->addWidget(rowWidget);
            if (sample.kind == Kind::SelectedRow) {
                rowWidget->setObjectName(sample.objectName);
                addPart(rowWidget, sample.item, true, place.font);
                continue;
            }
        }
        auto* label = new QLabel(rows.back()->parentWidget());
        label->setObjectName(sample.objectName);
        if (sample.kind == Kind::Icon) {
            label->setPixmap(
                icons[static_cast<std::size_t>(iconOfRow[static_cast<std::size_t>(sample.row)])]);
            label->setFixedSize(UserIconWidth + UserIconHeight / 2, UserIconHeight);
        } else {
            label->setText(tr(sample.text));
        }
        addPart(label, sample.item, false, place.font);
        rows.back()->addWidget(label);
    }
    for (QHBoxLayout* row : rows)
        row->addStretch();
    for (QFrame* area : areas)
        static_cast<QVBoxLayout*>(area->layout())->addStretch();
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);
    return preview;
}

int TfrmColor::selectedItem() const {
    return cmColor->currentIndex();
}

void TfrmColor::selectItem(int item) {
    cmColor->setCurrentIndex(item);
    paintSwatch();
}

void TfrmColor::paintSwatch() {
    QPalette palette = pnlColor->palette();
    palette.setColor(
        QPalette::Window,
        toQColor(colorOf(options_, static_cast<std::size_t>(selectedItem())), this->palette()));
    pnlColor->setPalette(palette);
}

void TfrmColor::paintPreview() {
    const QPalette& base = palette();
    const std::array<QFont, 4> fonts = {toQFont(options_.chatFont()),
                                        toQFont(options_.whisperFont()),
                                        toQFont(options_.userListFont()), font()};
    for (const PreviewPart& part : parts_) {
        QPalette palette = part.widget->palette();
        const QColor color = toQColor(colorOf(options_, static_cast<std::size_t>(part.item)), base);
        palette.setColor(part.background ? QPalette::Window : QPalette::WindowText, color);
        part.widget->setPalette(palette);
        part.widget->setFont(fonts[static_cast<std::size_t>(part.font)]);
    }
}

void TfrmColor::markModified() {
    modified_ = true;
    host_.markModified();
}

void TfrmColor::btnChangeClick() {
    markModified();
    const auto item = static_cast<std::size_t>(selectedItem());
    if (const std::optional<QColor> chosen =
            host_.chooseColor(this, pnlColor->palette().color(QPalette::Window))) {
        setColorOf(options_, item, toRecordColor(*chosen));
        paintSwatch();
    }
    emit appearanceChanged();
    paintPreview();
}

void TfrmColor::changeFont(tFontRecord record) {
    const std::optional<ChosenFont> chosen = host_.chooseFont(this);
    if (!chosen) return;
    storeFont(record, chosen->font, colorOf(options_, TextColorItem));
    emit appearanceChanged();
    markModified();
    paintPreview();
}

bool TfrmColor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress ||
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
        return QDialog::eventFilter(watched, event);
    }
    if (watched == pnlColor) {
        btnChangeClick();
        return true;
    }
    const QVariant item = watched->property(ItemProperty);
    if (!item.isValid()) return QDialog::eventFilter(watched, event);
    selectItem(item.toInt());
    return true;
}

}  // namespace verdo
