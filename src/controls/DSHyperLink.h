// TDSHyperLink: a text label that works as a link: underlined in blue with the
// hand cursor, shown in its selected colour while the mouse is over it, and
// opening its link when a mouse button is released over it (or Space or
// Enter when it has the keyboard focus). The link is opened through the
// program's open-link service, given as a function. Its text and its tool tip
// (the link) show as plain text: both may come from another user.
#pragma once

#include <QColor>
#include <functional>
#include <string>

#include "controls/PlainLabel.h"

namespace verdo {

class TDSHyperLink : public TPlainLabel {
    Q_OBJECT

  public:
    using OpenLink = std::function<void(const std::string& url)>;

    TDSHyperLink(const QString& text, std::string link, OpenLink openLink, QWidget* parent);

    const std::string& link() const { return link_; }
    // The link, shown as the tool tip too.
    void setLink(std::string link);
    QColor normalColor() const { return QColor(0, 0, 255); }
    // The colour while the mouse is over the label; red by default.
    QColor selectedColor() const { return selectedColor_; }
    void setSelectedColor(const QColor& color);
    bool isHovered() const { return hovered_; }
    // The buttons whose release opens the link; any button by default.
    void setOpenButtons(Qt::MouseButtons buttons) { openButtons_ = buttons; }

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void setHovered(bool hovered);
    void open();

    std::string link_;
    OpenLink openLink_;
    QColor selectedColor_{255, 0, 0};
    bool hovered_ = false;
    Qt::MouseButtons openButtons_ = Qt::AllButtons;
};

}  // namespace verdo
