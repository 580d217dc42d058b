// The URL bar (see UrlBar.h).
#include "ui/UrlBar.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QToolButton>

namespace verdo {

TDSHyperLink::TDSHyperLink(QWidget* parent) : QLabel(parent) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    setLinkColor(Qt::blue);
}

void TDSHyperLink::setLinkColor(const QColor& color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, color);
    setPalette(palette);
}

void TDSHyperLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) setLinkColor(Qt::red);
    QLabel::mousePressEvent(event);
}

void TDSHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setLinkColor(Qt::blue);
        if (rect().contains(event->position().toPoint())) emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

UrlBar::UrlBar(QWidget* parent) : QWidget(parent) {
    setObjectName("pnlUrl");
    lblUserUrl = new QLabel(this);
    lblUserUrl->setObjectName("lblUserUrl");
    lblUserUrl->setTextFormat(Qt::PlainText);
    lblUrl = new TDSHyperLink(this);
    lblUrl->setObjectName("lblUrl");
    btnCloseURL = new QToolButton(this);
    btnCloseURL->setObjectName("btnCloseURL");
    btnCloseURL->setText("X");
    btnCloseURL->setToolTip(tr("Close the URL bar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->addWidget(lblUserUrl);
    layout->addWidget(lblUrl, 1);
    layout->addWidget(btnCloseURL);
    connect(lblUrl, &TDSHyperLink::clicked, this, &UrlBar::linkClicked);
    connect(btnCloseURL, &QToolButton::clicked, this, &QWidget::hide);
    hide();
}

void UrlBar::showLink(const QString& label, const QString& link) {
    lblUserUrl->setText(label);
    lblUrl->setText(link);
    show();
}

}  // namespace verdo
