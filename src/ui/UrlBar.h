// The URL bar: who sent a link, the link itself (underlined blue, red while
// the mouse button is down) and "X" to close it.
#pragma once

#include <QLabel>
#include <QWidget>

class QToolButton;

namespace verdo {

class TDSHyperLink;

class UrlBar : public QWidget {
    Q_OBJECT

  public:
    explicit UrlBar(QWidget* parent = nullptr);
    void showLink(const QString& label, const QString& link);

    QLabel* lblUserUrl = nullptr;
    TDSHyperLink* lblUrl = nullptr;
    QToolButton* btnCloseURL = nullptr;

  signals:
    void linkClicked();
};

}  // namespace verdo
