// The "Loading..." panel (see SplashPanel.h).
#include "ui/SplashPanel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace verdo {

namespace {

constexpr int PanelWidth = 209;
constexpr int PanelHeight = 141;

}  // namespace

SplashPanel::SplashPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("pnlSplash");
    setFixedSize(PanelWidth, PanelHeight);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    auto* loading = new QLabel(tr("Loading..."), this);
    loading->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(loading);
    hide();
}

void SplashPanel::showCentred() {
    const QWidget* area = parentWidget();
    move((area->width() - width()) / 2, (area->height() - height()) / 2);
    show();
    raise();
    repaint();
}

}  // namespace verdo
