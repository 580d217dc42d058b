// The URL bar (see UrlBar.h).
#include "ui/UrlBar.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "controls/DSHyperLink.h"
#include "controls/PlainLabel.h"

namespace verdo {

UrlBar::UrlBar(QWidget* parent) : QWidget(parent) {
    setObjectName("pnlUrl");
    lblUserUrl_ = new TPlainLabel(this);
    lblUserUrl_->setObjectName("lblUserUrl");
    // The link opens through the session, which knows the address it received.
    lblUrl_ = new TDSHyperLink(
        QString(), std::string(), [this](const std::string&) { emit linkClicked(); }, this);
    lblUrl_->setObjectName("lblUrl");
    // A right-button release here is the end of a context click, not a wish to open.
    lblUrl_->setOpenButtons(Qt::LeftButton);
    btnCloseURL_ = new QToolButton(this);
    btnCloseURL_->setObjectName("btnCloseURL");
    btnCloseURL_->setText("X");
    btnCloseURL_->setToolTip(tr("Close the URL bar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->addWidget(lblUserUrl_);
    layout->addWidget(lblUrl_, 1);
    layout->addWidget(btnCloseURL_);
    connect(btnCloseURL_, &QToolButton::clicked, this, &QWidget::hide);
    hide();
}

void UrlBar::showLink(const QString& label, const QString& link) {
    lblUserUrl_->setText(label);
    lblUrl_->setText(link);
    // The label opens only with a link; the session opens the address it received.
    lblUrl_->setLink(link.toStdString());
    show();
}

}  // namespace verdo
