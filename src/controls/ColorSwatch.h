// TColorSwatch: a small panel filled with one colour. Clicking it, or Space or
// Enter while it has the focus, asks for a colour (the window that owns it
// runs the colour chooser, preset to the colour shown); a chosen colour is
// shown and reported.
#pragma once

#include <QFrame>
#include <cstdint>

namespace verdo {

class TColorSwatch : public QFrame {
    Q_OBJECT

  public:
    explicit TColorSwatch(QWidget* parent = nullptr);

    // A Windows colour value, 0x00BBGGRR.
    std::uint32_t color() const { return color_; }
    void setColor(std::uint32_t color);
    // The colour as the chooser is preset to.
    QColor shownColor() const;
    // The chooser's answer: shown, and reported as colorChosen.
    void takeChosen(const QColor& color);

    QSize sizeHint() const override;

  signals:
    // A click, Space or Enter: the owner offers the colour chooser.
    void colorRequested();
    void colorChosen(std::uint32_t color);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    std::uint32_t color_ = 0;
};

}  // namespace verdo
