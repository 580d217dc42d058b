// The URL bar (see UrlBar.h).
#include "ui/UrlBar.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "controls/DSHyperLink.h"
#include "controls/PlainLabel.h"

namespace verdo {

UrlBar::UrlBar(QWidget* parent) : QWidget(parent) {
    setObjectName("pnlUrl");
    lblUserUrl = new TPlainLabel(this);
    lblUserUrl->setObjectName("lblUserUrl");
    // The link opens through the session, which knows the address it received.
    lblUrl = new TDSHyperLink(
        QString(), std::string(), [this](const std::string&) { emit linkClicked(); }, this);
    lblUrl->setObjectName("lblUrl");
    // A right-button release here is the end of a context click, not a wish to open.
    lblUrl->setOpenButtons(Qt::LeftButton);
    btnCloseURL = new QToolButton(this);
    btnCloseURL->setObjectName("btnCloseURL");
    btnCloseURL->setText("X");
    btnCloseURL->setToolTip(tr("Close the URL bar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->addWidget(lblUserUrl);
    layout->addWidget(lblUrl, 1);
    layout->addWidget(btnCloseURL);
    connect(btnCloseURL, &QToolButton::clicked, this, &QWidget::hide);
    hide();
}

void UrlBar::showLink(const QString& label, const QString& link) {
    lblUserUrl->setText(label);
    lblUrl->setText(link);
    // The label opens only with a link; the session opens the address it received.
    lblUrl->setLink(link.toStdString());
    show();
}

}  // namespace verdo
