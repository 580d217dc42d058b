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

  signals:
    void linkClicked();

  private:
    QLabel* lblUserUrl_ = nullptr;
    TDSHyperLink* lblUrl_ = nullptr;
    QToolButton* btnCloseURL_ = nullptr;
};

}  // namespace verdo
