// TPlainLabel: the label every window shows text in. It lays its text out as
// plain text, never as markup, because what it shows may come from the server,
// another user or a chat file: "<b>x</b>" shows as those eight characters.
#pragma once

#include <QLabel>

namespace verdo {

class TPlainLabel : public QLabel {
    Q_OBJECT

  public:
    explicit TPlainLabel(QWidget* parent = nullptr);
    TPlainLabel(const QString& text, QWidget* parent);
};

}  // namespace verdo
