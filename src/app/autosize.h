#pragma once
// TAutoSize: an invisible 2 by 2 marker in the bottom right corner of a
// window. While the window is built and once more when it is first shown, the
// window's client area is set to end exactly at the marker's right and bottom
// edges. After the first showing the marker never resizes the window again.
#include <QWidget>

class TAutoSize : public QWidget {
    Q_OBJECT
  public:
    // owner must be a top-level window; the marker is placed on it.
    explicit TAutoSize(QWidget* owner);

    // Places the marker; before the owner's first showing this resizes the owner.
    void SetBounds(const QRect& bounds);
    // Sets the owner's client width and height to the marker's right and bottom edges.
    void ResizeOwner();
    bool Shown() const { return FShown; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* FOwner;
    bool FShown = false;
};
