// TColorSwatch: a small panel filled with one colour. Clicking it, or Space or
// Enter while it has the focus, opens the colour dialog preset to that colour;
// the chosen colour is shown and reported.
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
    // Opens the colour dialog; a chosen colour is shown and reported.
    void chooseColor();

    QSize sizeHint() const override;

  signals:
    void colorChosen(std::uint32_t color);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    std::uint32_t color_ = 0;
};

}  // namespace verdo
