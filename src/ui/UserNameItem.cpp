// User-list rows that keep their name's bytes (see UserNameItem.h).
#include "ui/UserNameItem.h"

#include <QListWidgetItem>

#include "text/DisplayText.h"

namespace verdo {

namespace {
constexpr int NameBytesRole = Qt::UserRole;
}  // namespace

QListWidgetItem* userNameItem(const std::string& bytes) {
    auto* item = new QListWidgetItem(displayText(bytes));
    item->setData(NameBytesRole, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return item;
}

std::string userNameBytes(const QListWidgetItem& item) {
    const QVariant bytes = item.data(NameBytesRole);
    if (!bytes.isValid()) return typedBytes(item.text());
    return bytes.toByteArray().toStdString();
}

}  // namespace verdo
