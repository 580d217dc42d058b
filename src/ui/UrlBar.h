// The URL bar: who sent a link, the link itself (underlined blue, red while
// the mouse button is down) and "X" to close it.
#pragma once

#include <QLabel>
#include <QWidget>

class QToolButton;

namespace verdo {

// A label that reports clicks and turns red while pressed.
class TDSHyperLink : public QLabel {
    Q_OBJECT

  public:
    explicit TDSHyperLink(QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void setLinkColor(const QColor& color);
};

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
