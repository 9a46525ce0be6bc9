#include "app/autosize.h"

#include <QEvent>

TAutoSize::TAutoSize(QWidget* owner) : QWidget(owner), FOwner(owner) {
    setObjectName(QStringLiteral("AutoSize1"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(2, 2);
    FOwner->installEventFilter(this);
}

void TAutoSize::SetBounds(const QRect& bounds) {
    setGeometry(bounds);
    if (!FShown) {
        ResizeOwner();
    }
}

void TAutoSize::ResizeOwner() {
    const QSize client(geometry().right() + 1, geometry().bottom() + 1);
    // A window whose size was fixed stays fixed, at the marker's size.
    if (FOwner->minimumSize() == FOwner->maximumSize()) {
        FOwner->setFixedSize(client);
    } else {
        FOwner->resize(client);
    }
}

bool TAutoSize::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FOwner && event->type() == QEvent::Show && !FShown) {
        ResizeOwner();
        FShown = true;
    }
    return QWidget::eventFilter(watched, event);
}
